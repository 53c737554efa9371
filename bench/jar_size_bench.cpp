// The size of the built game: the jar, in all and its classes alone (their compressed
// size in the jar), each built unshrunk and shrunk by the real build (generator, compiler,
// preverifier with or without shrinking, archiver), of
//   (a) the empty project: one level without objects or events;
//   (b) ten levels of a realistic size: 20 placements a level (8 active, 8 background,
//       2 indicator, 2 text) and 20 events of three actions each;
//   and every project file (*.yrk) of the folders samples/ and projects/ of the source
//   tree and the test fixture tests/fixtures/showcase.yrk, in the order of their names. A jar above
//   64 KB, more than many phones take, is marked.
//
//   avizad-jar-size-bench [PROGRAM_DIR]
//   avizad-jar-size-bench --save FOLDER
//
// PROGRAM_DIR (default: build/bin) holds System/ with the templates and the toolkit; the
// builds run in a temporary copy of it. With --save the three projects are only written
// to FOLDER as .yrk files, to build them with another version of the program.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "EngineScenarios.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"
#include "pipeline/BuildAndWait.h"

namespace {

using namespace avizad;
using namespace avizad::testing::engine;
namespace fs = std::filesystem;
using testing::place;

// One event of the realistic project: a condition and three actions, spread over the
// columns as an author would.
void addRealisticEvent(Project& p, int n) {
    Event& e = p.eventTable.events[++p.eventTable.eventCount];
    e.tag = "event " + std::to_string(n);
    const std::string g = std::to_string(1 + n % 20);
    switch (n % 5) {
        case 0:
            e.conditionCode = "(" + ref("act", kPursuerType) + ".collidesWith(" +
                              ref("act", kHeroType) + ",false))";
            e.specialActions[1].add(Action{"", "glob[" + g + "]=glob[" + g + "]+1;"});
            e.activeActions[kHeroType].add(Action{"", "{" + ref("act_uron", kHeroType) + "+=1;}"});
            e.indicatorActions[1].add(Action{"", "{line_tek[gr_line[1][krl1]]=glob[" + g + "];}"});
            break;
        case 1:
            e.conditionCode = "(" + ref("act", kCrateType) + ".collidesWith(fonPole[3-1],false))";
            e.activeActions[kCrateType].add(Action{"", "{" + ref("act_upr", kCrateType) + "=5;}"});
            e.specialActions[1].add(Action{"", sound("boom.wav")});
            e.textActions[1].add(Action{"", "{tek_str[gr_text[1][krt1]]=1;}"});
            break;
        case 2:
            e.conditionCode = testing::detection(kAttackerType, kHeroType, 10, 120);
            e.activeActions[kAttackerType].add(Action{"", "{" + ref("act_upr", kAttackerType) +
                                                              "=3;kd=kr" +
                                                              std::to_string(kHeroType) + ";}"});
            e.activeActions[kPursuerType].add(
                Action{"", "{" + ref("act_upr", kPursuerType) + "=2;}"});
            e.specialActions[1].add(Action{"", "glob[" + g + "]=rand;"});
            break;
        case 3:
            e.conditionCode = "(pressed_code==" + std::to_string(49 + n % 9) + ")";
            e.activeActions[kHeroType].add(
                Action{"", "{" + ref("act", kHeroType) + ".setPosition(" + ref("act", kHeroType) +
                               ".getX()+4," + ref("act", kHeroType) + ".getY());}"});
            e.activeActions[kGhostType].add(
                Action{"", "{" + ref("act", kGhostType) + ".setVisible(false);}"});
            e.specialActions[2].add(Action{"", "midlet.changeEtap(level,level+1);"});
            break;
        default:
            e.conditionCode = testing::timerEvery(500 + 50 * n);
            e.activeActions[kGhostType].add(
                Action{"", "{" + ref("act", kGhostType) + ".nextFrame();}"});
            e.textActions[2].add(Action{"", "{text_visible[gr_text[2][krt2]]=false;}"});
            e.indicatorActions[2].add(
                Action{"", "{line_visible[gr_line[2][krl2]]=!line_visible[gr_line[2][krl2]];}"});
            break;
    }
}

Project realisticProject() {
    Project p = makeEngineProject();
    p.midletName = "Realistic";
    p.levelCount = kMaxLevels;
    p.eventTable = EventTable();
    const int actTypes[] = {kHeroType, kGhostType, kCrateType, kPursuerType, kAttackerType};
    const int fonTypes[] = {kWallType, kGrassType, kFloorType, kLadderType};
    for (int l = 1; l <= kMaxLevels; ++l) {
        Level level;
        level.width = 480;
        level.height = 320;
        for (int t = 1; t <= p.activeCount; ++t) {
            level.controlType[t] = t == kHeroType ? 1 : 0;
        }
        for (int i = 0; i < 8; ++i) {
            const int a = actTypes[i % 5];
            level.activePlacements.add(
                place(20 + i * 50 + l, 40 + (i % 3) * 60, a, p.actives[a].name, 12, 12));
            const int f = fonTypes[i % 4];
            level.backgroundPlacements.add(
                place(i * 60, 200 + (i % 2) * 40, f, p.backgrounds[f].name, 8, 8));
        }
        for (int i = 0; i < 2; ++i) {
            level.indicatorPlacements.add(place(4 + i * 60, 4, 1 + i, ""));
            level.textPlacements.add(place(4 + i * 100, 290, 1 + i, ""));
        }
        for (int k = 0; k < 4; ++k) {
            level.trajectories[1].points.add(TrajectoryPoint{40 + 60 * k, 100, k, 0, 0});
        }
        p.levels[l] = std::move(level);
    }
    for (int n = 0; n < 20; ++n) {
        addRealisticEvent(p, n);
    }
    return p;
}

Project emptyProject() {
    Project p;
    clearProject(p);
    p.levelCount = 1;
    p.midletName = "Empty";
    p.midletVendor = "Avizad";
    p.midletVersion = "1.0";
    return p;
}

struct JarSize {
    std::uint64_t total = 0;  // the jar file
    std::uint64_t code = 0;   // the compressed class entries
    std::uint64_t rawCode = 0;
};

std::uint32_t le(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

// Reads the zip's central directory.
JarSize measure(const fs::path& jar) {
    const std::string bytes = readFileText(jar);
    JarSize size;
    size.total = bytes.size();
    const std::size_t end = bytes.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos) {
        return size;
    }
    std::size_t at = le(bytes, end + 16, 4);
    const std::uint32_t entries = le(bytes, end + 10, 2);
    for (std::uint32_t k = 0; k < entries; ++k) {
        const std::uint32_t compressed = le(bytes, at + 20, 4);
        const std::uint32_t raw = le(bytes, at + 24, 4);
        const std::uint32_t nameLength = le(bytes, at + 28, 2);
        const std::string name = bytes.substr(at + 46, nameLength);
        if (name.ends_with(".class")) {
            size.code += compressed;
            size.rawCode += raw;
        }
        at += 46 + nameLength + le(bytes, at + 30, 2) + le(bytes, at + 32, 2);
    }
    return size;
}

// The project files of samples/, projects/ and tests/fixtures/ in the source tree, by name.
std::vector<fs::path> sampleProjects() {
    std::vector<fs::path> files;
    for (const char* folder : {"samples", "projects", "tests/fixtures"}) {
        std::error_code error;
        for (const auto& entry :
             fs::directory_iterator(fs::path(AVIZAD_SOURCE_DIR) / folder, error)) {
            if (entry.is_regular_file() && entry.path().extension() == ".yrk") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--save") {
        const fs::path folder = argv[2];
        fs::create_directories(folder);
        saveProject(emptyProject(), folder / "empty.yrk");
        saveProject(realisticProject(), folder / "realistic.yrk");
        for (const fs::path& sample : sampleProjects()) {
            fs::copy_file(sample, folder / sample.filename(), fs::copy_options::overwrite_existing);
        }
        return 0;
    }
    const fs::path program = fs::absolute(argc > 1 ? fs::path(argv[1]) : fs::path("build/bin"));
    const fs::path toolkit = program / "System" / "toolkit";
    if (!fs::exists(toolkit / "wtk" / "bin" / "preverify")) {
        std::fprintf(stderr, "no toolkit below %s\n", toolkit.c_str());
        return 1;
    }
    std::random_device seed;
    const fs::path work = fs::temp_directory_path() / ("avizad-jar-size-" + std::to_string(seed()));
    for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
        fs::create_directories(work / "System" / folder);
    }
    fs::copy(program / "System" / "draft", work / "System" / "draft", fs::copy_options::recursive);
    fs::copy_file(program / "System" / "MANIFEST.MF", work / "System" / "MANIFEST.MF");

    struct Entry {
        std::string name;
        Project project;
        fs::path folder;  // the project file's folder, whose res/ holds its sounds
    };
    std::vector<Entry> projects;
    projects.push_back({"(a) empty project", emptyProject(), {}});
    projects.push_back(
        {"(b) 10 levels, 20 placements and 20 events x 3 actions", realisticProject(), {}});
    for (const fs::path& sample : sampleProjects()) {
        Entry entry{fs::relative(sample, AVIZAD_SOURCE_DIR).string(), Project(),
                    sample.parent_path()};
        clearProject(entry.project);
        loadProject(entry.project, sample);
        projects.push_back(std::move(entry));
    }
    std::printf("%-56s %-9s %10s %12s %14s\n", "project", "build", "jar (KB)", "code (KB)",
                "classes (KB)");
    int status = 0;
    for (const auto& entry : projects) {
        for (const bool shrink : {false, true}) {
            BuildInputs inputs;
            inputs.programDir = work;
            inputs.jdkDir = utf8ToCp1251((toolkit / "jdk").string());
            inputs.wtkDir = utf8ToCp1251((toolkit / "wtk").string());
            inputs.shrink = shrink;
            inputs.projectDir = entry.folder;  // its sounds go into the jar, as in the editor
            std::string console;
            const BuildResult result = buildAndWait(
                entry.project, inputs, [&](std::string_view text) { console += text; });
            if (!result.archiveMade) {
                std::fprintf(stderr, "%s was not built:\n%s\n", entry.name.c_str(),
                             cp1251ToUtf8(console).c_str());
                status = 1;
                continue;
            }
            const JarSize size = measure(result.archive);
            std::printf("%-56s %-9s %10.1f %12.1f %14.1f%s\n", entry.name.c_str(),
                        shrink ? "shrunk" : "unshrunk", size.total / 1024.0, size.code / 1024.0,
                        size.rawCode / 1024.0, size.total > 64 * 1024 ? "  over 64 KB" : "");
        }
    }
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return status;
}

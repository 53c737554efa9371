// The showcase project built into a game with the Java ME toolkit: its generated sources
// compile at source level 1.3, preverify, and run headless in the emulator, which
// draws every placed object where it was placed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "GeneratorShowcase.h"
#include "GeneratorTestSupport.h"
#include "generator/GameSources.h"
#include "model/Png.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::ProgramFolder;

const fs::path kSample = fs::path(AVIZAD_SOURCE_DIR) / "tests" / "fixtures" / "showcase.yrk";

TEST(ShowcaseSample, IsTheShowcaseProject) {
    const Project expected = testing::makeShowcaseProject();
    if (std::getenv("AVIZAD_UPDATE_SAMPLES") != nullptr) {
        saveProject(expected, kSample);
    }
    Project loaded;
    clearProject(loaded);
    loadProject(loaded, kSample);
    loaded.currentLevel = expected.currentLevel;
    EXPECT_TRUE(loaded == expected)
        << "tests/fixtures/showcase.yrk differs from makeShowcaseProject(); rewrite it by running "
           "this test with AVIZAD_UPDATE_SAMPLES=1";
}

// Runs a shell command in `dir`, its output going to `log`; returns its exit status.
int run(const fs::path& dir, const std::string& command, const fs::path& log) {
    const std::string line =
        "cd '" + dir.string() + "' && " + command + " > '" + log.string() + "' 2>&1";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string logText(const fs::path& log) {
    std::error_code error;
    return fs::exists(log, error) ? readFileText(log) : std::string();
}

class GeneratedGame : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit_ = fs::path(AVIZAD_PROGRAM_DIR) / "System" / "toolkit";
        if (!fs::exists(toolkit_ / "jdk/bin/javac") || !fs::exists(toolkit_ / "wtk/bin/emulator") ||
            !fs::exists(toolkit_ / "wtk/lib/midpapi20.jar")) {
            GTEST_FAIL() << "The Java ME toolkit is not installed in " << toolkit_
                         << " (build the toolkit targets of toolkit/ first)";
        }
    }

    // Generates, compiles, preverifies and packs the project; returns the jar. With
    // `trace` the stages print a line per frame.
    fs::path buildGame(const Project& project, bool trace = false) {
        const fs::path root = folder_.root();
        generateGameSources(project, folder_.folders());
        if (trace) {
            std::ofstream(root / "MANIFEST.MF", std::ios::app) << "Avizad-Trace: 1\r\n";
        }
        const std::string jdk = (toolkit_ / "jdk").string();
        const std::string wtk = (toolkit_ / "wtk").string();
        const std::string classPath = wtk + "/lib/cldcapi11.jar:" + wtk + "/lib/midpapi20.jar";
        const fs::path log = root / "tools.log";
        EXPECT_EQ(run(root,
                      jdk + "/bin/javac -source 1.3 -classpath " + classPath +
                          " -d System/tmpclasses System/src/*.java",
                      log),
                  0)
            << "compile:\n"
            << logText(log);
        EXPECT_EQ(run(root,
                      wtk + "/bin/preverify -classpath " + classPath +
                          " -d System/classes System/tmpclasses",
                      log),
                  0)
            << "preverify:\n"
            << logText(log);
        const fs::path jar = root / "System/bin/game.jar";
        EXPECT_EQ(run(root,
                      "cp System/res/* System/classes/*.class . && " + jdk +
                          "/bin/jar cmf MANIFEST.MF System/bin/game.jar *.class *.png *.txt",
                      log),
                  0)
            << "archive:\n"
            << logText(log);
        return jar;
    }

    // Runs the game headless with a key script ("2 tap 49" starts level 1 from the title
    // screen).
    Image runGame(const fs::path& jar, int frames, std::string& output,
                  const std::string& keys = "2 tap 49\n") {
        const fs::path root = folder_.root();
        std::ofstream(root / "keys.txt") << keys;
        const fs::path shot = root / "shot.png";
        const fs::path log = root / "emulator.log";
        const int status = run(root,
                               (toolkit_ / "wtk/bin/emulator").string() + " --headless --frames " +
                                   std::to_string(frames) + " --keys keys.txt --screenshot " +
                                   shot.string() + " " + jar.string(),
                               log);
        output = logText(log);
        EXPECT_EQ(status, 0) << output;
        return fs::exists(shot) ? readPng(shot) : Image();
    }

    fs::path toolkit_;
    ProgramFolder folder_;
};

TEST_F(GeneratedGame, ShowcaseRunsAndDrawsEveryObjectWherePlaced) {
    const Project project = testing::makeShowcaseProject();
    const fs::path jar = buildGame(project);
    ASSERT_TRUE(fs::exists(jar));
    std::string output;
    const Image screen = runGame(jar, 200, output);
    EXPECT_EQ(output.find("Exception"), std::string::npos) << output;
    EXPECT_EQ(output.find("event failed"), std::string::npos) << output;
    EXPECT_EQ(output.find("no image"), std::string::npos) << output;
    ASSERT_EQ(screen.width(), 240);
    ASSERT_EQ(screen.height(), 320);
    using namespace testing;
    const struct {
        const char* what;
        int x;
        int y;
        Color color;
    } probes[] = {
        {"wall 1, tile 1", 2, 282, kWallColor},
        {"wall 1, tile 2 (row 2, column 4)", 24 + 4, 288 + 4, kWallColor2},
        {"wall 2", 120 + 2, 280 + 2, kWallColor},
        {"grass (Russian name)", 160 + 20, 40 + 20, kGrassColor},
        {"hero", 40 + 8, 100 + 8, kHeroColor},
        {"hero's transparent corner", 40, 100, rgb(255, 255, 255)},
        {"enemy 1", 100 + 6, 160 + 6, kEnemyColor},
        {"enemy 2", 180 + 11, 200 + 11, kEnemyColor},
        {"life bar, full since the level started", 8 + 1, 8 + 1, kLifeFull},
        {"life bar, right end", 8 + 19, 8 + 7, kLifeFull},
        {"nothing beyond the life bar", 8 + 21, 8 + 4, rgb(255, 255, 255)},
        {"screen", 230, 150, rgb(255, 255, 255)},
    };
    for (const auto& p : probes) {
        EXPECT_EQ(screen.pixel(p.x, p.y), p.color) << p.what << " at " << p.x << "," << p.y;
    }
    // The text object draws its lines in blue inside its window.
    int textPixels = 0;
    for (int y = 8; y < 108; ++y) {
        for (int x = 120; x < 220; ++x) {
            textPixels += screen.pixel(x, y) == rgb(0, 0, 200) ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 20);
}

TEST_F(GeneratedGame, KeyEventChangesTheLevel) {
    // Key 7 runs "следующий уровень"; level 2 shows its ladder, enemy and hero.
    const fs::path jar = buildGame(testing::makeShowcaseProject());
    std::string output;
    const Image screen = runGame(jar, 60, output, "2 tap 49\n20 tap 55\n");
    EXPECT_EQ(output.find("Exception"), std::string::npos) << output;
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen.pixel(100 + 4, 100 + 20), testing::kLadderColor);
    EXPECT_EQ(screen.pixel(60 + 6, 60 + 6), testing::kEnemyColor);
    EXPECT_EQ(screen.pixel(20 + 8, 200 + 8), testing::kHeroColor);
    EXPECT_EQ(screen.pixel(40 + 8, 100 + 8), rgb(255, 255, 255));  // level 1's hero is gone
}

// The trace lines of level 1: frame, obtime, endTime_ob and the global values.
struct TraceFrame {
    int frame = 0;
    int obtime = 0;
    int timer = 0;
    std::vector<int> glob;
};

std::vector<TraceFrame> levelOneTrace(const std::string& output) {
    std::vector<TraceFrame> frames;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string word;
        int level = 0;
        TraceFrame f;
        int keys[3];
        if (!(in >> word >> level >> f.frame >> f.obtime >> f.timer >> keys[0] >> keys[1] >>
              keys[2] >> word) ||
            level != 1) {
            continue;
        }
        for (int g = 0; g < 20; ++g) {
            int value = 0;
            in >> value;
            f.glob.push_back(value);
        }
        frames.push_back(f);
    }
    return frames;
}

TEST_F(GeneratedGame, TimedEventsFireAsTheirCaptionsSay) {
    const fs::path jar = buildGame(testing::makeShowcaseProject(), true);
    std::string output;
    runGame(jar, 200, output);
    const std::vector<TraceFrame> frames = levelOneTrace(output);
    ASSERT_GT(frames.size(), 150u) << output.substr(0, 2000);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const TraceFrame& f = frames[k];
        ASSERT_EQ(f.frame, static_cast<int>(k));
        EXPECT_EQ(f.obtime, 50 * f.frame);
        EXPECT_EQ(f.timer, 50 * f.frame);
        // "Всегда" runs from the second frame on: glob[2] counts the frames after the first.
        EXPECT_EQ(f.glob[1], f.frame) << "frame " << f.frame;
        // "Каждую 0/1/0" runs once a second, the first time at the level's start.
        EXPECT_EQ(f.glob[2], f.timer / 1000 + 1) << "frame " << f.frame;
        // "Начало уровня" and "glob[1]==5".
        EXPECT_EQ(f.glob[0], 5);
    }
}

TEST_F(GeneratedGame, EmptyProjectRuns) {
    Project project;
    project.midletVendor = "";
    const fs::path jar = buildGame(project);
    std::string output;
    const Image screen = runGame(jar, 30, output);
    EXPECT_EQ(output.find("Exception"), std::string::npos) << output;
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen.pixel(120, 160), rgb(255, 255, 255));
}

}  // namespace
}  // namespace avizad

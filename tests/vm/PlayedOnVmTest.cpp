// Games built with the Java ME toolkit and played on the emulator and on the machine side by
// side: the sample games' winning and losing scripts, the showcase over 2,000 frames and the
// level at the capacities print the same trace lines and end on the same screen, pixel for
// pixel; the conformance MIDlet prints the same on both.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "EngineCapacity.h"
#include "GameToolchain.h"
#include "GeneratorShowcase.h"
#include "SampleGames.h"
#include "ToolkitRequired.h"
#include "VmSupport.h"
#include "model/FileUtil.h"
#include "model/Png.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::GameToolchain;

struct Play {
    int status = -1;
    std::string output;
    Image screen;
};

// The trace lines of an output, in order.
std::vector<std::string> traceLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("trace ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Whether the emulator draws texts in the phone font, as the machine does (screens with texts
// are equal only then).
bool emulatorHasPhoneFont() {
    const fs::path jar = fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit/wtk/lib/emulator.jar";
    vm::testing::CapturingPlatform platform;
    try {
        return vm::readJar(vm::testing::readBytes(jar), platform)
                   .entry("avizad/emulator/phonefont.bin") != nullptr;
    } catch (const vm::JarError&) {
        return false;
    }
}

class PlayedOnVm : public ::testing::Test {
protected:
    // Builds a project once per test program (with its trace, shrunk as the build does).
    GameToolchain* build(const std::string& key, const Project& project,
                         const std::vector<std::pair<std::string, std::string>>& sounds = {}) {
        auto found = built_.find(key);
        if (found == built_.end()) {
            auto game =
                std::make_unique<GameToolchain>(fs::path(AVIZAD_SOURCE_DIR) / "System",
                                                fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit");
            std::string failure;
            if (game->installed()) {
                failure = game->build(project, true, sounds, {}, true);
            }
            EXPECT_EQ(failure, "");
            found = built_.emplace(key, std::move(game)).first;
        }
        return found->second->installed() ? found->second.get() : nullptr;
    }

    GameToolchain* sample(const std::string& file) {
        Project project;
        clearProject(project);
        loadProject(project, fs::path(AVIZAD_SOURCE_DIR) / "samples" / fs::u8path(file));
        std::vector<std::pair<std::string, std::string>> sounds;
        for (const auto& [name, bytes] : samples::sampleSounds()) {
            sounds.emplace_back(name,
                                readFileText(fs::path(AVIZAD_SOURCE_DIR) / "samples/res" / name));
        }
        return build(file, project, sounds);
    }

    // Plays on the emulator (emulator = true) or on the machine.
    static Play play(GameToolchain& game, bool emulator, int frames, const std::string& keys) {
        Play p;
        const fs::path shot = game.root() / (emulator ? "emulator.png" : "vm.png");
        fs::remove(shot);
        std::ofstream(game.root() / "keys.txt") << keys;
        const std::string program =
            emulator ? (fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit/wtk/bin/emulator").string() +
                           " --headless"
                     : (fs::path(AVIZAD_PROGRAM_DIR) / "avizad-vm").string();
        p.status = game.shell(program + " --frames " + std::to_string(frames) +
                                  " --keys keys.txt --timeout 120 --screenshot '" + shot.string() +
                                  "' '" + game.jar().string() + "'",
                              p.output);
        if (fs::exists(shot)) {
            p.screen = readPng(shot);
        }
        return p;
    }

    // Both runtimes print the same trace and end on the same screen.
    static void expectSame(GameToolchain& game, int frames, const std::string& keys) {
        const Play emulator = play(game, true, frames, keys);
        const Play machine = play(game, false, frames, keys);
        ASSERT_EQ(emulator.status, 0) << emulator.output;
        ASSERT_EQ(machine.status, 0) << machine.output;
        const auto expected = traceLines(emulator.output);
        ASSERT_GE(expected.size(), static_cast<std::size_t>(frames) / 2) << emulator.output;
        EXPECT_EQ(traceLines(machine.output), expected);
        ASSERT_FALSE(machine.screen.isNull());
        ASSERT_EQ(machine.screen.width(), emulator.screen.width());
        ASSERT_EQ(machine.screen.height(), emulator.screen.height());
        if (!emulatorHasPhoneFont()) {
            return;  // the emulator draws texts with the desktop's fonts
        }
        int differ = 0;
        for (int y = 0; y < machine.screen.height(); ++y) {
            for (int x = 0; x < machine.screen.width(); ++x) {
                differ += (machine.screen.pixel(x, y) & 0xFFFFFF) !=
                          (emulator.screen.pixel(x, y) & 0xFFFFFF);
            }
        }
        EXPECT_EQ(differ, 0) << "pixels that differ";
    }

    static void TearDownTestSuite() { built_.clear(); }
    static std::map<std::string, std::unique_ptr<GameToolchain>> built_;
};

std::map<std::string, std::unique_ptr<GameToolchain>> PlayedOnVm::built_;

#define GAME_OR_SKIP(game, expr)                                                      \
    GameToolchain* game = (expr);                                                     \
    if (game == nullptr && !HasFailure()) {                                           \
        AVIZAD_SKIP_WITHOUT_TOOLKIT("the Java ME toolkit below " AVIZAD_PROGRAM_DIR); \
    }                                                                                 \
    ASSERT_NE(game, nullptr)

// The scripts of the sample games' tests: each sample won and lost.
TEST_F(PlayedOnVm, SamplesWonAndLost) {
    const struct {
        const char* file;
        int frames;
        const char* keys;
    } runs[] = {
        {"Платформер.yrk", 600,
         "2 tap 49\n5 press RIGHT\n30 tap UP\n50 release RIGHT\n108 press RIGHT\n"
         "132 tap UP\n200 release RIGHT\n200 press UP\n250 release UP\n"
         "250 press LEFT\n262 release LEFT\n270 press RIGHT\n309 tap UP\n"
         "333 tap UP\n404 tap UP\n462 release RIGHT\n462 press UP\n"
         "504 release UP\n504 press LEFT\n526 release LEFT\n"},
        {"Платформер.yrk", 300, "2 tap 49\n5 press RIGHT\n"},
        {"Погоня.yrk", 330, "2 tap 49\n5 press UP\n115 tap LEFT\n222 tap LEFT\n"},
        {"Погоня.yrk", 340, "2 tap 49\n"},
        {"Пещера.yrk", 420,
         "2 tap 49\n20 tap 53\n54 tap 53\n70 tap 53\n130 press LEFT\n"
         "154 release LEFT\n156 tap 53\n216 press RIGHT\n264 release RIGHT\n"
         "266 tap 53\n"},
        {"Пещера.yrk", 220, "2 tap 49\n"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.file + std::string(" ") + run.keys);
        GAME_OR_SKIP(game, sample(run.file));
        expectSame(*game, run.frames, run.keys);
    }
}

TEST_F(PlayedOnVm, ShowcaseOver2000Frames) {
    GAME_OR_SKIP(game, build("showcase", testing::makeShowcaseProject()));
    expectSame(*game, 2000,
               "2 tap 49\n10 press RIGHT\n100 release RIGHT\n120 press FIRE\n130 release FIRE\n"
               "200 press LEFT\n300 release LEFT\n400 tap UP\n500 tap 53\n1200 press DOWN\n"
               "1300 release DOWN\n");
}

TEST_F(PlayedOnVm, LevelAtTheCapacities) {
    GAME_OR_SKIP(game, build("capacities", testing::engine::engineCapacityProject()));
    expectSame(*game, 300, "2 tap 49\n40 press RIGHT\n90 release RIGHT\n120 tap 53\n");
}

TEST_F(PlayedOnVm, ConformanceMidletPrintsTheSame) {
    GAME_OR_SKIP(game, build("showcase", testing::makeShowcaseProject()));
    const fs::path jar = game->root() / "conformance.jar";
    const vm::testing::Bytes bytes = vm::testing::midletJar(
        "Conformance",
        {"Conformance", "Conformance$Base", "Conformance$Broken", "Conformance$Cube",
         "Conformance$Derived", "Conformance$Named", "Conformance$Shape", "Conformance$Square"});
    std::ofstream(jar, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    std::string emulator;
    std::string machine;
    ASSERT_EQ(
        game->shell((fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit/wtk/bin/emulator").string() +
                        " --headless '" + jar.string() + "'",
                    emulator),
        0)
        << emulator;
    ASSERT_EQ(game->shell(
                  (fs::path(AVIZAD_PROGRAM_DIR) / "avizad-vm").string() + " '" + jar.string() + "'",
                  machine),
              0)
        << machine;
    EXPECT_EQ(machine, emulator);
    EXPECT_NE(machine.find("\ndone\n"), std::string::npos);
}

}  // namespace
}  // namespace avizad

// End to end through the window: the first game of the help page made with the editors'
// own widgets (the background editor's tiles and map, the active editor's picture, control
// type and level-start event, placing on the canvas with the mouse, the events editor's
// menus), built with "Компиляция" and played in the headless emulator: the hero walks under
// the arrow keys and the collision rule makes the coin vanish.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "FirstGame.h"
#include "ToolkitRequired.h"
#include "TraceLines.h"
#include "app/MainWindow.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using firstgame::FirstGame;

// A program folder of its own: the System folder of the sources, the empty build folders,
// the installed toolkit linked in.
class ProgramWithToolkit {
public:
    ProgramWithToolkit() {
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("avizad-first-game-" + std::to_string(seed()));
        fs::create_directories(dir_);
        fs::copy(fs::path(AVIZAD_SOURCE_DIR) / "System", dir_ / "System",
                 fs::copy_options::recursive);
        for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
            fs::create_directories(dir_ / "System" / folder);
        }
        fs::create_directories(dir_ / "projects");
        const fs::path toolkit = fs::path(AVIZAD_PROGRAM_DIR) / "System" / "toolkit";
        if (fs::exists(toolkit)) {
            fs::create_directory_symlink(toolkit, dir_ / "System" / "toolkit");
        }
    }
    ~ProgramWithToolkit() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    const fs::path& dir() const { return dir_; }
    bool hasToolkit() const {
        return fs::exists(dir_ / "System/toolkit/wtk/bin/emulator") &&
               fs::exists(dir_ / "System/toolkit/jdk/bin/jar");
    }
    // Runs a command line in the program folder; its output goes to `output`.
    int shell(const std::string& command, std::string& output) const {
        const fs::path log = dir_ / "command.log";
        const std::string line =
            "cd '" + dir_.string() + "' && " + command + " > '" + log.string() + "' 2>&1";
        const int status = std::system(line.c_str());
        output = fs::exists(log) ? readFileText(log) : std::string();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    fs::path dir_;
};

TEST(FirstGame, MadeThroughTheEditorsItIsBuiltAndTheHeroWalksAndPicksUpTheCoin) {
    ProgramWithToolkit program;
    const fs::path projectFile = program.dir() / "projects" / fs::u8path("Первая игра.yrk");
    FirstGame game(program.dir(), fs::path(AVIZAD_SOURCE_DIR) / "images", projectFile);
    ASSERT_NO_THROW(game.makeAll());

    // What the editors made, as the saved file has it.
    const Project made = readProjectFile(projectFile);
    ASSERT_EQ(made.backgroundCount, 1);
    EXPECT_EQ(made.backgrounds[1].kind, 1) << "an obstacle";
    EXPECT_EQ(made.backgrounds[1].columns, 15);
    for (int c = 1; c <= 15; ++c) {
        EXPECT_EQ(made.backgrounds[1].tileMap.at(1, c), 1) << "grass in column " << c;
        EXPECT_EQ(made.backgrounds[1].tileMap.at(2, c), 2) << "earth in column " << c;
    }
    ASSERT_EQ(made.activeCount, 2);
    EXPECT_EQ(cp1251ToUtf8(made.actives[1].name), "герой");
    EXPECT_EQ(made.levels[1].controlType[1], static_cast<int>(ControlType::PersonSide))
        << "Человек ВС on the level the game starts on";
    ASSERT_EQ(made.eventTable.eventCount, 2);
    EXPECT_EQ(cp1251ToUtf8(made.eventTable.events[2].conditionCaption),
              "столкновение акт[1] с акт[2]");
    const Level& level = made.levels[1];
    ASSERT_EQ(level.activePlacements.count(), 2);
    EXPECT_EQ(level.activePlacements[1].x, firstgame::kHeroX);
    EXPECT_EQ(level.activePlacements[1].y, firstgame::kHeroY);
    EXPECT_EQ(level.activePlacements[2].x, firstgame::kCoinX);
    EXPECT_EQ(level.backgroundPlacements[1].y, firstgame::kGroundY);

    if (!program.hasToolkit()) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT("the Java ME toolkit below " AVIZAD_PROGRAM_DIR);
    }
    ASSERT_TRUE(game.compile()) << game.window().console()->text().toStdString();
    ASSERT_TRUE(fs::exists(game.jar()));

    // The jar "Компиляция" made, with the trace switched on in its manifest.
    std::string output;
    fs::copy_file(game.jar(), program.dir() / "traced.jar");
    std::ofstream(program.dir() / "trace.mf") << "Avizad-Trace: 1\n";
    ASSERT_EQ(program.shell("System/toolkit/jdk/bin/jar ufm traced.jar trace.mf", output), 0)
        << output;
    std::ofstream(program.dir() / "keys.txt")
        << "2 tap 49\n20 press RIGHT\n170 release RIGHT\n180 press LEFT\n200 release LEFT\n";
    ASSERT_EQ(program.shell("System/toolkit/wtk/bin/emulator --headless --frames 215 "
                            "--keys keys.txt --timeout 120 traced.jar",
                            output),
              0)
        << output;
    const std::vector<testing::TraceFrame> frames = testing::traceLines(output);
    ASSERT_GT(frames.size(), 200u) << output;
    for (const testing::TraceFrame& f : frames) {
        ASSERT_EQ(f.level, 1) << output;
        ASSERT_EQ(f.sprites.size(), 2u) << output;
    }
    // The hero falls onto the ground and stands on it (his feet are the strip's lowest
    // drawn row) until an arrow is held.
    const testing::TracedSprite landed = frames[10].sprites[0];
    EXPECT_EQ(landed.x, firstgame::kHeroX);
    EXPECT_GT(landed.y, firstgame::kHeroY);
    EXPECT_LE(landed.y + 24, firstgame::kGroundY + 1);
    // Held right, he walks right along the ground; held left, back; otherwise he stands.
    // The coin vanishes once he touches it, not before.
    constexpr int kRight = -4;
    constexpr int kLeft = -3;
    int walkedRight = 0;
    int walkedLeft = 0;
    int vanished = -1;
    for (std::size_t i = 11; i < frames.size(); ++i) {
        const testing::TracedSprite& before = frames[i - 1].sprites[0];
        const testing::TracedSprite& hero = frames[i].sprites[0];
        SCOPED_TRACE("frame " + std::to_string(frames[i].frame));
        EXPECT_EQ(hero.y, landed.y);
        if (frames[i].keeping == kRight) {
            EXPECT_GT(hero.x, before.x);
            ++walkedRight;
        } else if (frames[i].keeping == kLeft) {
            EXPECT_LT(hero.x, before.x);
            ++walkedLeft;
        } else {
            EXPECT_EQ(hero.x, before.x);
        }
        if (vanished < 0 && !frames[i].sprites[1].visible) {
            vanished = frames[i].frame;
            EXPECT_GT(hero.x + 16, firstgame::kCoinX) << "vanished before the hero touched it";
            EXPECT_LE(hero.x, firstgame::kCoinX) << "vanished late";
        }
    }
    EXPECT_GT(walkedRight, 100);
    EXPECT_GT(walkedLeft, 10);
    EXPECT_GT(vanished, 0) << output;
    EXPECT_GT(frames.back().sprites[0].x, firstgame::kCoinX) << "he walked on past the coin";
    EXPECT_FALSE(frames.back().sprites[1].visible);
}

}  // namespace
}  // namespace avizad

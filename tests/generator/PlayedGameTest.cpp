// Small projects built with the Java ME toolkit and played headless: what the generated
// game does at the edges the editor allows (many object types, key presses across a
// level change, the event table at its capacities, the phone's own fonts and screens).

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "EngineScenarios.h"
#include "GameToolchain.h"
#include "ToolkitRequired.h"
#include "model/Png.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using namespace testing::engine;
using testing::GameToolchain;
using testing::place;

// One line of the trace mode: the level, the frame, the keys and glob[1..20].
struct Traced {
    int level = 0;
    int frame = 0;
    int pressed = 0;
    int released = 0;
    std::vector<int> glob;  // glob[1..20] at 1..20
};

std::vector<Traced> traceLines(const std::string& output) {
    std::vector<Traced> frames;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string word;
        Traced t;
        int obtime = 0;
        int timer = 0;
        int keeping = 0;
        if (!(in >> word) || word != "trace" ||
            !(in >> t.level >> t.frame >> obtime >> timer >> t.pressed >> keeping >> t.released >>
              word)) {
            continue;
        }
        t.glob.assign(21, 0);
        for (int g = 1; g <= 20; ++g) {
            in >> t.glob[g];
        }
        frames.push_back(t);
    }
    return frames;
}

class PlayedGame : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = std::make_unique<GameToolchain>(fs::path(AVIZAD_SOURCE_DIR) / "System",
                                                fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit");
        if (!game_->installed()) {
            AVIZAD_SKIP_WITHOUT_TOOLKIT("the Java ME toolkit below " AVIZAD_PROGRAM_DIR);
        }
    }

    // Builds the project (in trace mode); fails the test when a tool fails.
    void build(const Project& project) {
        const std::string failed = game_->build(project, true);
        ASSERT_EQ(failed, "");
    }

    // Plays the built game; `size` "WxH" chooses the screen. The screen at the end goes to
    // `screen` when it is given.
    std::vector<Traced> play(int frames, const std::string& keys, const std::string& size = {},
                             Image* screen = nullptr) {
        const fs::path shot = game_->root() / "screen.png";
        fs::remove(shot);
        EXPECT_EQ(game_->play(frames, keys, screen ? shot : fs::path(), output_, size), 0)
            << output_;
        EXPECT_EQ(output_.find("Exception"), std::string::npos) << output_;
        EXPECT_EQ(output_.find("event failed"), std::string::npos) << output_;
        if (screen != nullptr && fs::exists(shot)) {
            *screen = readPng(shot);
        }
        return traceLines(output_);
    }

    std::unique_ptr<GameToolchain> game_;
    std::string output_;
};

// The frames of level `level` in `frames`.
std::vector<Traced> ofLevel(const std::vector<Traced>& frames, int level) {
    std::vector<Traced> found;
    for (const Traced& t : frames) {
        if (t.level == level) {
            found.push_back(t);
        }
    }
    return found;
}

// Twelve active object types; level 1 holds three objects of type 1 and two of type 12,
// level 2 none of type 1 and two of type 12. Each level start adds 1 to glob[1] for every
// object of type 12. Key 5 adds 1 to glob[2], and on level 1 goes to level 2.
Project twelveTypes() {
    Project p;
    p.midletName = "Twelve";
    p.midletVendor = "Avizad";
    p.midletVersion = "1.0";
    p.levelCount = 2;
    for (int t = 1; t <= 12; ++t) {
        addActiveType(p, t, "type" + std::to_string(t), testing::flatImage(8, 8, kGhost), 8, 1);
    }
    for (int l = 1; l <= 2; ++l) {
        Level& level = p.levels[l];
        level.width = 240;
        level.height = 320;
        for (int i = 0; i < (l == 1 ? 3 : 0); ++i) {
            level.activePlacements.add(place(10 + 20 * i, 10, 1, "type1", 8, 8));
        }
        for (int i = 0; i < 2; ++i) {
            level.activePlacements.add(place(10 + 20 * i, 40, 12, "type12", 8, 8));
        }
    }
    EventTable& table = p.eventTable;
    Event& start = table.events[++table.eventCount];
    start.conditionCode = "((obtime>=0)&(obtime<10))";
    start.activeActions[12].add(Action{"", "{" + ref("act_uron", 12) + "+=1;glob[1]=glob[1]+1;}"});
    Event& five = table.events[++table.eventCount];
    five.conditionCode = "(pressed_code==53)";
    five.specialActions[1].add(Action{"", "glob[2]=glob[2]+1;"});
    Event& next = table.events[++table.eventCount];
    next.conditionCode = "((pressed_code==53)&(level==1))";
    next.specialActions[3].add(Action{"", "{midlet.changeEtap(level,level+1);}"});
    return p;
}

TEST_F(PlayedGame, AnActionOnTypeTwelveRunsOncePerObjectOfTypeTwelve) {
    ASSERT_NO_FATAL_FAILURE(build(twelveTypes()));
    const std::vector<Traced> frames = play(40, "2 tap 49\n20 tap 5\n");
    const std::vector<Traced> one = ofLevel(frames, 1);
    const std::vector<Traced> two = ofLevel(frames, 2);
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(two.empty()) << output_;
    EXPECT_EQ(one.front().glob[1], 2) << "three objects of type 1 beside two of type 12";
    EXPECT_EQ(two.front().glob[1], 4) << "no object of type 1 beside two of type 12";
}

TEST_F(PlayedGame, KeysPressedWhileTheNextLevelStartsReachIt) {
    ASSERT_NO_FATAL_FAILURE(build(twelveTypes()));
    for (const int gap : {1, 2, 3}) {
        SCOPED_TRACE("second press " + std::to_string(gap) + " frames after the first");
        const std::vector<Traced> frames =
            play(40, "2 tap 49\n20 press 5\n21 release 5\n" + std::to_string(20 + gap) +
                         " press 5\n" + std::to_string(21 + gap) + " release 5\n");
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back().level, 2);
        EXPECT_EQ(frames.back().glob[2], 2) << output_;
    }
}

// The event table at its capacities: 50 events of 50 actions each, with long conditions
// and actions (object detection, moving an object).
TEST_F(PlayedGame, TheEventTableAtItsCapacitiesBuildsAndRuns) {
    Project p = twelveTypes();
    p.eventTable = EventTable();
    for (int e = 1; e <= kMaxEvents; ++e) {
        Event& event = p.eventTable.events[++p.eventTable.eventCount];
        event.conditionCode = testing::detection(12, 1, 0, 40 + e);
        const std::string object = ref("act", 12);
        for (int a = 1; a <= kMaxActions; ++a) {
            event.activeActions[12].add(Action{"", "{" + object + ".setPosition(" + object +
                                                       ".getX()+" + std::to_string(a % 2) + "," +
                                                       object + ".getY());}"});
        }
    }
    // The last event holds in every frame and counts the frames.
    p.eventTable.events[kMaxEvents].conditionCode = "(obtime>=0)";
    p.eventTable.events[kMaxEvents].specialActions[1].add(Action{"", "glob[3]=glob[3]+1;"});
    ASSERT_NO_FATAL_FAILURE(build(p));
    const std::vector<Traced> frames = play(10, "2 tap 49\n");
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().glob[3], frames.back().frame + 1);
}

}  // namespace
}  // namespace avizad

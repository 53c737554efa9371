// Scenario tests of the game engine (the stage template): the engine project is built
// once through the real toolchain, then played headless with a key script per scenario;
// the checks read the lines the game prints in trace mode and the screen at the end.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "EngineScenarios.h"
#include "GameToolchain.h"
#include "TraceLines.h"
#include "model/Png.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using namespace testing::engine;
using testing::GameToolchain;
using Frame = testing::TraceFrame;
using SpriteState = testing::TracedSprite;

// A played scenario: the stages' trace lines, split into the runs of the levels, and the
// screen at the end.
struct Play {
    std::string output;
    std::vector<std::vector<Frame>> levels;  // one entry each time a level starts
    Image screen;

    // The frames of the first run of level `level`.
    const std::vector<Frame>& level(int number) const {
        for (const auto& run : levels) {
            if (!run.empty() && run.front().level == number) {
                return run;
            }
        }
        static const std::vector<Frame> none;
        return none;
    }
};

// Every scenario runs on the game as built, unshrunk and shrunk (the parameter): the
// shrunk game must play exactly as the other one.
class Engine : public ::testing::TestWithParam<bool> {
protected:
    // The engine project built once per test program and build kind.
    struct Game {
        std::unique_ptr<GameToolchain> toolchain;
        std::string error;
        std::map<std::string, Play> plays;
    };

    static Game build(bool shrunk) {
        Game built;
        const fs::path program(AVIZAD_PROGRAM_DIR);
        built.toolchain = std::make_unique<GameToolchain>(fs::path(AVIZAD_SOURCE_DIR) / "System",
                                                          program / "System" / "toolkit");
        if (!built.toolchain->installed()) {
            built.error = "The Java ME toolkit is not installed (build the toolkit target first)";
            return built;
        }
        // A short silent wav for the sound action.
        std::string wav = "RIFF";
        const auto le32 = [&](unsigned v) {
            for (int i = 0; i < 4; ++i) {
                wav += static_cast<char>((v >> (8 * i)) & 0xFF);
            }
        };
        const auto le16 = [&](unsigned v) {
            wav += static_cast<char>(v & 0xFF);
            wav += static_cast<char>((v >> 8) & 0xFF);
        };
        const unsigned samples = 800;
        le32(36 + samples);
        wav += "WAVEfmt ";
        le32(16);
        le16(1);
        le16(1);
        le32(8000);
        le32(8000);
        le16(1);
        le16(8);
        wav += "data";
        le32(samples);
        wav += std::string(samples, static_cast<char>(128));
        // ctest runs every test in a process of its own: they share one build.
        built.error =
            built.toolchain->build(makeEngineProject(), true, {{"boom.wav", wav}},
                                   fs::temp_directory_path() / "avizad-engine-games", shrunk);
        return built;
    }
    static void TearDownTestSuite() { games_.clear(); }

    void SetUp() override {
        auto found = games_.find(GetParam());
        if (found == games_.end()) {
            found = games_.emplace(GetParam(), build(GetParam())).first;
        }
        game_ = &found->second;
        ASSERT_EQ(game_->error, "") << "the engine project was not built";
    }

    // Plays a scenario once (later calls reuse it): "2 tap 49" on the title screen
    // starts level 1, each "tap 9" goes one level on.
    const Play& play(const std::string& name, int frames, const std::string& keys,
                     bool eventFails = false) {
        auto found = game_->plays.find(name);
        if (found != game_->plays.end()) {
            return found->second;
        }
        Play& p = game_->plays[name];
        const fs::path shot = game_->toolchain->root() / (name + ".png");
        const int status = game_->toolchain->play(frames, keys, shot, p.output);
        EXPECT_EQ(status, 0) << p.output;
        if (!eventFails) {
            EXPECT_EQ(p.output.find("Exception"), std::string::npos) << p.output;
            EXPECT_EQ(p.output.find("event failed"), std::string::npos) << p.output;
        }
        p.levels = testing::levelRuns(testing::traceLines(p.output));
        if (fs::exists(shot)) {
            p.screen = readPng(shot);
        }
        return p;
    }

    const Play& walk() {
        return play("walk", 270,
                    "2 tap 49\n10 press RIGHT\n30 release RIGHT\n40 press RIGHT\n100 press 3\n110 "
                    "release 3\n250 release "
                    "RIGHT\n");
    }
    const Play& sideView() {
        return play("side", 100, "2 tap 49\n6 tap 9\n30 tap UP\n60 press UP\n70 release UP\n");
    }
    const Play& vehicle() {
        return play("vehicle", 110,
                    "2 tap 49\n6 tap 9\n16 tap 9\n30 press UP\n45 release UP\n50 press DOWN\n"
                    "56 release DOWN\n60 press LEFT\n64 release LEFT\n75 press UP\n90 release "
                    "UP\n95 tap 1\n");
    }
    const Play& modes() { return play("modes", 230, "2 tap 49\n6 tap 9\n16 tap 9\n26 tap 9\n"); }
    const Play& levels() {
        return play("levels", 80,
                    "2 tap 49\n10 tap 9\n20 tap 9\n30 tap 9\n40 tap 9\n50 tap 49\n60 tap 7\n");
    }

    const Play& interruptions() {
        return play("interruptions", 80, "2 tap 49\n20 tap 5\n40 tap #\n50 tap #\n", true);
    }

    static std::map<bool, Game> games_;
    Game* game_ = nullptr;
};

std::map<bool, Engine::Game> Engine::games_;

// Frames (indices into the level's frames) in which a key was pressed or released.
std::vector<int> framesWhere(const std::vector<Frame>& frames, int Frame::*field, int code) {
    std::vector<int> found;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (frames[k].*field == code) {
            found.push_back(static_cast<int>(k));
        }
    }
    return found;
}

// ---- Timing and values ----

TEST_P(Engine, TimedEventsFireExactlyAsTheirCaptionsSay) {
    const std::vector<Frame>& frames = walk().level(1);
    ASSERT_GT(frames.size(), 200u);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const Frame& f = frames[k];
        SCOPED_TRACE("frame " + std::to_string(k));
        ASSERT_EQ(f.frame, static_cast<int>(k));
        EXPECT_EQ(f.obtime, 50 * f.frame);
        EXPECT_EQ(f.timer, 50 * f.frame);
        EXPECT_EQ(f.glob[2], 1);                      // "Начало уровня": once
        EXPECT_EQ(f.glob[1], f.frame);                // "Всегда": every frame after the first
        EXPECT_EQ(f.glob[3], f.frame / 10 + 1);       // "каждые 0/0/50": once per 10 frames
        EXPECT_EQ(f.glob[4], f.frame >= 20 ? 1 : 0);  // "Таймер равен 0/1/0": once
    }
    // Three periods of the 500 ms timer: exactly three firings.
    EXPECT_EQ(frames[29].glob[3], 3);
}

TEST_P(Engine, ScreenSizeLevelAndRandomValues) {
    const std::vector<Frame>& frames = walk().level(1);
    ASSERT_FALSE(frames.empty());
    std::set<int> randoms;
    for (const Frame& f : frames) {
        EXPECT_EQ(f.glob[5], 240);
        EXPECT_EQ(f.glob[6], 320);
        EXPECT_EQ(f.glob[8], 1);
        if (f.frame > 0) {
            EXPECT_GE(f.glob[7], 0);
            EXPECT_LE(f.glob[7], 99);
            randoms.insert(f.glob[7]);
        }
    }
    EXPECT_GT(randoms.size(), 20u);
    EXPECT_EQ(levels().level(2).front().glob[8], 2);
}

TEST_P(Engine, KeysArePressedHeldAndReleasedInTheirFrames) {
    // "right" pressed twice; while it is held the second time, 3 is pressed and released.
    const std::vector<Frame>& frames = walk().level(1);
    const std::vector<int> presses = framesWhere(frames, &Frame::pressed, -4);
    const std::vector<int> releases = framesWhere(frames, &Frame::released, -4);
    const std::vector<int> three = framesWhere(frames, &Frame::pressed, 51);
    const std::vector<int> threeReleased = framesWhere(frames, &Frame::released, 51);
    ASSERT_EQ(presses.size(), 2u);
    ASSERT_EQ(releases.size(), 2u);
    ASSERT_EQ(three.size(), 1u);
    ASSERT_EQ(threeReleased.size(), 1u);
    EXPECT_EQ(releases[0] - presses[0], 20);
    EXPECT_EQ(releases[1] - presses[1], 210);
    EXPECT_EQ(threeReleased[0] - three[0], 10);
    ASSERT_GT(three[0], presses[1]);
    ASSERT_LT(threeReleased[0], releases[1]);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const int i = static_cast<int>(k);
        const bool right =
            (i >= presses[0] && i < releases[0]) || (i >= presses[1] && i < releases[1]);
        const bool threeHeld = i >= three[0] && i < threeReleased[0];
        // The key pressed last while it is held, then again the one held before it.
        EXPECT_EQ(frames[k].keeping, threeHeld ? 51 : (right ? -4 : 0)) << "frame " << k;
        // "Любая клавиша" counts the presses, in their frames.
        EXPECT_EQ(frames[k].glob[15], (i >= presses[0]) + (i >= presses[1]) + (i >= three[0]))
            << "frame " << k;
        if (frames[k].pressed != -4 && frames[k].pressed != 51) {
            EXPECT_EQ(frames[k].pressed, 0) << "frame " << k;
        }
        if (frames[k].released != -4 && frames[k].released != 51) {
            EXPECT_EQ(frames[k].released, 0) << "frame " << k;
        }
    }
}

// ---- Player control ----

TEST_P(Engine, PersonSeenFromAboveWalksWhileTheKeyIsHeldAndStopsAtTheWall) {
    const std::vector<Frame>& frames = walk().level(1);
    const std::vector<int> presses = framesWhere(frames, &Frame::pressed, -4);
    const std::vector<int> releases = framesWhere(frames, &Frame::released, -4);
    ASSERT_EQ(presses.size(), 2u);
    ASSERT_EQ(releases.size(), 2u);
    const auto x = [&](int k) { return frames[k].sprites.at(0).x; };
    EXPECT_EQ(x(0), kHeroStartX);
    // Held: three pixels (its speed) a frame to the right; released: it stands.
    const auto animation = [&](int k) { return frames[k].sprites[0].animation; };
    for (int k = presses[0] + 1; k < releases[0]; ++k) {
        EXPECT_EQ(x(k) - x(k - 1), kHeroSpeed) << "frame " << k;
        EXPECT_EQ(animation(k), 1) << "frame " << k;  // the move animation
    }
    for (int k = releases[0] + 1; k < presses[1]; ++k) {
        EXPECT_EQ(x(k), x(k - 1)) << "frame " << k;
        EXPECT_EQ(animation(k), 0) << "frame " << k;  // the idle animation
    }
    // The wall stops its visible part (the frame less the transparent margin) flush.
    const int stop = kWallX - kHeroFrame + kHeroMargin;
    int reached = -1;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        EXPECT_LE(x(static_cast<int>(k)), stop);
        EXPECT_EQ(frames[k].sprites[0].y, kHeroY);
        if (reached < 0 && x(static_cast<int>(k)) == stop) {
            reached = static_cast<int>(k);
        }
    }
    ASSERT_GT(reached, presses[1]);
    ASSERT_LT(reached, releases[1]);
    // Pushing against the wall is no walking: the idle animation.
    for (int k = reached + 1; k < releases[1]; ++k) {
        EXPECT_EQ(animation(k), 0) << "frame " << k;
    }
    EXPECT_EQ(x(static_cast<int>(frames.size()) - 1), stop);
    EXPECT_EQ(frames.back().sprites[0].direction, 1);  // faces right
}

TEST_P(Engine, CollisionWithABackgroundCountsTouching) {
    // glob[9] is set by "столкновение акт[1] с фон[1]"; the events of a frame see the
    // places the previous frame left.
    const std::vector<Frame>& frames = walk().level(1);
    const int stop = kWallX - kHeroFrame + kHeroMargin;
    int touching = 0;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        const bool flush = frames[k - 1].sprites[0].x == stop;
        EXPECT_EQ(frames[k].glob[9], flush ? 1 : 0) << "frame " << k;
        touching += flush ? 1 : 0;
    }
    EXPECT_GT(touching, 10);
}

TEST_P(Engine, ViewFollowsThePlayerAndStaysInsideTheLevel) {
    const std::vector<Frame>& frames = walk().level(1);
    const int right = kLevelOneWidth - 240;
    std::set<int> seen;
    for (const Frame& f : frames) {
        const int centred = f.sprites[0].x + kHeroFrame / 2 - 120;
        EXPECT_EQ(f.viewX, std::clamp(centred, 0, right)) << "frame " << f.frame;
        EXPECT_EQ(f.viewY, 0);
        seen.insert(f.viewX);
    }
    EXPECT_TRUE(seen.count(0) && seen.count(right));
    EXPECT_GT(seen.size(), 50u);
    // On the screen: the hero and the wall where the view puts them.
    const Image& screen = walk().screen;
    ASSERT_EQ(screen.width(), 240);
    const int heroOnScreen = kWallX - kHeroFrame + kHeroMargin - right;
    EXPECT_EQ(screen.pixel(heroOnScreen + 8, kHeroY + 8), kHero);
    EXPECT_EQ(screen.pixel(heroOnScreen + 1, kHeroY + 1), kWhite);  // transparent margin
    EXPECT_EQ(screen.pixel(kWallX - right + 4, 110), kWall);
}

TEST_P(Engine, ScreenEdgesSetByEventsPlaceTheView) {
    // Level 3 is one screen: the view stays at 0,0 until key 1 sets the edges to 100, 20;
    // from then on it stays there.
    const std::vector<Frame>& frames = vehicle().level(3);
    const std::vector<int> ones = framesWhere(frames, &Frame::pressed, 49);
    ASSERT_EQ(ones.size(), 1u);
    ASSERT_LT(ones[0] + 5, static_cast<int>(frames.size()));
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const bool set = static_cast<int>(k) >= ones[0];
        EXPECT_EQ(frames[k].viewX, set ? 100 : 0) << "frame " << k;
        EXPECT_EQ(frames[k].viewY, set ? 20 : 0) << "frame " << k;
    }
}

TEST_P(Engine, IndicatorsTextsAndVisibilitySwitches) {
    const Play& p = walk();
    const Image& s = p.screen;
    ASSERT_EQ(s.width(), 240);
    // The life bar shows 4 of 10: 8 of its 20 pixels from the full half.
    EXPECT_EQ(s.pixel(8, 12), kFull);
    EXPECT_EQ(s.pixel(8 + 7, 12), kFull);
    EXPECT_EQ(s.pixel(8 + 8, 12), kEmpty);
    EXPECT_EQ(s.pixel(8 + 19, 12), kEmpty);
    EXPECT_EQ(s.pixel(8 + 20, 12), kWhite);
    // Made invisible: the second bar, the second text, the grass, the ghost.
    const auto count = [&](int x0, int y0, int w, int h, auto matches) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                n += matches(s.pixel(x, y)) ? 1 : 0;
            }
        }
        return n;
    };
    const auto is = [](Color c) { return [c](Color pixel) { return pixel == c; }; };
    const auto notWhite = [](Color pixel) { return pixel != kWhite; };
    // Text is drawn with smoothed edges: a text pixel is one with more green than red and blue.
    const auto greenish = [](Color pixel) {
        const int r = pixel & 0xFF;
        const int g = (pixel >> 8) & 0xFF;
        const int b = (pixel >> 16) & 0xFF;
        return g > r + 40 && g > b + 40;
    };
    EXPECT_EQ(count(8, 30, 20, 8, notWhite), 0);
    EXPECT_EQ(count(130, 220, 100, 100, notWhite), 0);
    EXPECT_EQ(count(400 - 360, 200, 24, 24, is(kGrass)), 0);
    EXPECT_EQ(count(450 - 360, 150, 12, 12, is(kGhost)), 0);
    // "line_visible" follows the indicator's setVisible.
    EXPECT_EQ(p.level(1).back().glob[10], 1);
    // The first text starts at its second line (the first is empty): its top row has text.
    EXPECT_GT(count(20, 50, 100, 10, greenish), 10);
    EXPECT_EQ(count(20 + 100, 50, 20, 100, greenish), 0);  // nothing outside its window
}

TEST_P(Engine, PersonSeenFromTheSideFallsJumpsAndClimbs) {
    const std::vector<Frame>& frames = sideView().level(2);
    ASSERT_GT(frames.size(), 60u);
    const int ground = kFloorY - kHeroFrame + kHeroMargin;
    // Person 0 falls from y 100 onto the floor, faster and faster, and stays there.
    const auto y = [&](int k, int who) { return frames[k].sprites.at(who).y; };
    int landed = -1;
    for (int k = 1; k < static_cast<int>(frames.size()) && landed < 0; ++k) {
        EXPECT_GT(y(k, 0), y(k - 1, 0)) << "frame " << k;
        EXPECT_LE(y(k, 0), ground) << "frame " << k;
        if (y(k, 0) == ground) {
            landed = k;
        }
    }
    ASSERT_GT(landed, 0);
    // The tap of "up": it jumps from the floor and comes back down.
    const std::vector<int> ups = framesWhere(frames, &Frame::pressed, -1);
    ASSERT_EQ(ups.size(), 2u);
    for (int k = landed; k < ups[0]; ++k) {
        EXPECT_EQ(y(k, 0), ground);
    }
    int top = ground;
    int back = -1;
    for (int k = ups[0]; k < ups[1] && back < 0; ++k) {
        top = std::min(top, y(k, 0));
        if (k > ups[0] + 1 && y(k, 0) == ground) {
            back = k;
        }
    }
    EXPECT_LT(top, ground - 30);
    EXPECT_GT(back, 0) << "the person never landed again";
    // Person 1 stands at the ladder: "up" held climbs it, released it holds on.
    const std::vector<int> releases = framesWhere(frames, &Frame::released, -1);
    ASSERT_EQ(releases.size(), 2u);
    for (int k = ups[1] + 1; k < releases[1]; ++k) {
        EXPECT_EQ(y(k, 1) - y(k - 1, 1), -kHeroSpeed) << "frame " << k;
    }
    for (int k = releases[1] + 1; k < static_cast<int>(frames.size()); ++k) {
        EXPECT_EQ(y(k, 1), y(k - 1, 1)) << "frame " << k;
    }
    EXPECT_LT(y(static_cast<int>(frames.size()) - 1, 1), ground - 20);
}

TEST_P(Engine, GravityPullsUntilAnObstacleHolds) {
    const std::vector<Frame>& frames = sideView().level(2);
    ASSERT_GT(frames.size(), 60u);
    const int rest = kFloorY - 12;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        const int before = frames[k - 1].sprites.at(2).y;
        EXPECT_EQ(frames[k].sprites[2].y, std::min(before + 4, rest)) << "frame " << k;
        EXPECT_EQ(frames[k].sprites[2].x, 200);
    }
    EXPECT_EQ(frames.back().sprites[2].y, rest);
}

TEST_P(Engine, VehicleAcceleratesBrakesAndTurns) {
    const std::vector<Frame>& frames = vehicle().level(3);
    ASSERT_GT(frames.size(), 80u);
    const std::vector<int> ups = framesWhere(frames, &Frame::pressed, -1);
    const std::vector<int> upReleases = framesWhere(frames, &Frame::released, -1);
    ASSERT_EQ(ups.size(), 2u);
    ASSERT_EQ(upReleases.size(), 2u);
    const auto step = [&](int k) { return frames[k].sprites[0].x - frames[k - 1].sprites[0].x; };
    // Accelerates by 1 a frame up to its speed while "up" is held, facing right.
    for (int k = ups[0]; k < upReleases[0]; ++k) {
        EXPECT_EQ(step(k), std::min(k - ups[0] + 1, kHeroSpeed)) << "frame " << k;
    }
    // Released, it slows down to a stop.
    EXPECT_EQ(step(upReleases[0]), kHeroSpeed - 1);
    EXPECT_EQ(step(upReleases[0] + 1), kHeroSpeed - 2);
    EXPECT_EQ(step(upReleases[0] + 2), 0);
    // "down" brakes and drives it backwards, still facing right; released, it stops.
    const std::vector<int> downs = framesWhere(frames, &Frame::pressed, -2);
    const std::vector<int> downReleases = framesWhere(frames, &Frame::released, -2);
    ASSERT_EQ(downs.size(), 1u);
    ASSERT_EQ(downReleases.size(), 1u);
    for (int k = downs[0]; k < downReleases[0]; ++k) {
        EXPECT_EQ(step(k), -std::min(k - downs[0] + 1, kHeroSpeed)) << "frame " << k;
        EXPECT_EQ(frames[k].sprites[0].direction, 1);
    }
    EXPECT_EQ(step(downReleases[0] + 2), 0);
    // "left" held for four frames turns it a quarter to the left once (at the press);
    // "up" then drives it upwards.
    const std::vector<int> lefts = framesWhere(frames, &Frame::pressed, -3);
    ASSERT_EQ(lefts.size(), 1u);
    EXPECT_EQ(frames[lefts[0] - 1].sprites[0].direction, 1);
    EXPECT_EQ(frames[lefts[0]].sprites[0].direction, 2);
    const Frame& turned = frames[ups[1] - 1];
    EXPECT_EQ(turned.sprites[0].direction, 2);
    for (int k = ups[1]; k < upReleases[1]; ++k) {
        EXPECT_EQ(frames[k].sprites[0].y - frames[k - 1].sprites[0].y,
                  -std::min(k - ups[1] + 1, kHeroSpeed))
            << "frame " << k;
        EXPECT_EQ(step(k), 0);
        EXPECT_EQ(frames[k].sprites[0].direction, 2);
    }
}

// ---- Modes ----

constexpr int kHero4 = 0, kPursuer4 = 1, kAttacker4 = 2, kDying4 = 3, kWalker4 = 4;

TEST_P(Engine, PursuerReachesThePlayerAndTheConditionsSeeIt) {
    // The pursuer (12 x 12) goes at its speed until its centre is on the centre of the
    // hero's visible part: its corner 2 pixels right of and below the hero's.
    const std::vector<Frame>& frames = modes().level(4);
    ASSERT_GT(frames.size(), 150u);
    const SpriteState& hero = frames.back().sprites[kHero4];
    const int goalX = hero.x + kHeroFrame / 2 - 6;
    const int goalY = hero.y + kHeroFrame / 2 - 6;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        const SpriteState& before = frames[k - 1].sprites[kPursuer4];
        const SpriteState& now = frames[k].sprites[kPursuer4];
        EXPECT_EQ(now.mode, 2);
        EXPECT_EQ(now.x, std::max(before.x - kPursuerSpeed, goalX)) << "frame " << k;
        EXPECT_EQ(now.y, std::min(before.y + kPursuerSpeed, goalY)) << "frame " << k;
        // Conditions read the places of the previous frame: detection within 40
        // pixels, "справа от", collision.
        const SpriteState& h = frames[k - 1].sprites[kHero4];
        const int dx = before.x - h.x;
        const int dy = before.y - h.y;
        const bool detected = std::abs(dx) < 40 && std::abs(dy) < 40 && (dx != 0 || dy != 0);
        EXPECT_EQ(frames[k].glob[11], detected ? 1 : 0) << "frame " << k;
        const int centreX = h.x + kHeroFrame / 2;
        const bool right = before.x > centreX && std::abs(before.x - centreX) >
                                                     std::abs(before.y - (h.y + kHeroFrame / 2));
        EXPECT_EQ(frames[k].glob[12], right ? 1 : 0) << "frame " << k;
        // Touching counts: the pursuer's square at most a pixel from the hero's visible
        // part (12 x 12 at the margin of 2).
        const int visibleX = h.x + kHeroMargin;
        const int visibleY = h.y + kHeroMargin;
        const bool touching = before.x <= visibleX + 12 + 1 && before.x + 12 + 1 >= visibleX &&
                              before.y <= visibleY + 12 + 1 && before.y + 12 + 1 >= visibleY;
        EXPECT_EQ(frames[k].glob[13], touching ? 1 : 0) << "frame " << k;
    }
    EXPECT_EQ(frames.back().sprites[kPursuer4].x, goalX);
    EXPECT_EQ(frames.back().sprites[kPursuer4].y, goalY);
}

TEST_P(Engine, AttackerRaisesThePlayersDamageOnContact) {
    const std::vector<Frame>& frames = modes().level(4);
    ASSERT_GT(frames.size(), 150u);
    int last = -1;
    int hits = 0;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        const int before = frames[k - 1].sprites[kHero4].damage;
        const int now = frames[k].sprites[kHero4].damage;
        ASSERT_TRUE(now == before || now == before + 1) << "frame " << k;
        // The condition "урон" reads the damage as the frame began.
        EXPECT_EQ(frames[k].glob[16], before > 2 ? 1 : 0) << "frame " << k;
        if (now == before + 1) {
            // A hit needs contact: the attacker's square touches the hero's visible part.
            const SpriteState& a = frames[k].sprites[kAttacker4];
            const SpriteState& h = frames[k].sprites[kHero4];
            EXPECT_GE(a.y + 12, h.y + kHeroMargin - 1) << "frame " << k;
            if (last >= 0) {
                EXPECT_GE(static_cast<int>(k) - last, 10);
            }
            last = static_cast<int>(k);
            ++hits;
        }
    }
    EXPECT_GE(hits, 3);
    EXPECT_EQ(frames.front().sprites[kHero4].damage, 0);
    EXPECT_EQ(frames.back().sprites[kAttacker4].mode, 3);
}

TEST_P(Engine, DeathPlaysTheDestroyAnimationThenHides) {
    const std::vector<Frame>& frames = modes().level(4);
    ASSERT_GT(frames.size(), 20u);
    EXPECT_TRUE(frames[0].sprites[kDying4].visible);
    int hidden = -1;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const SpriteState& s = frames[k].sprites[kDying4];
        EXPECT_EQ(s.mode, 5);
        EXPECT_EQ(s.animation, 2);
        EXPECT_EQ(s.x, 120);
        EXPECT_EQ(s.y, 50);
        if (hidden < 0 && !s.visible) {
            hidden = static_cast<int>(k);
        }
        if (hidden >= 0) {
            EXPECT_FALSE(s.visible) << "frame " << k;
        }
    }
    // Three animation frames, one every second frame of the game.
    EXPECT_GE(hidden, 4);
    EXPECT_LE(hidden, 8);
}

TEST_P(Engine, TrajectoryWaitsChangesSpeedEndsAndAnimatesPerDirection) {
    // Points (100,100), (160,100) with d1 = 5 (wait), (160,140) with d2 = 4 (speed) and
    // d3 = 1 (end).
    const std::vector<Frame>& frames = modes().level(4);
    ASSERT_GT(frames.size(), 100u);
    const auto at = [&](int k) { return frames[k].sprites[kWalker4]; };
    int arrived = -1;
    int left = -1;
    int ended = -1;
    for (int k = 1; k < static_cast<int>(frames.size()); ++k) {
        const SpriteState a = at(k - 1);
        const SpriteState b = at(k);
        if (arrived < 0) {
            EXPECT_EQ(b.x - a.x, std::min(kWalkerSpeed, 160 - a.x)) << "frame " << k;
            EXPECT_EQ(b.y, 100);
            // The move animation of direction 1 (right): frame 1 of the strip.
            EXPECT_EQ(b.direction, 1);
            EXPECT_EQ(b.animation, 1) << "frame " << k;
            EXPECT_EQ(b.frame, 0) << "frame " << k;
            if (b.x == 160) {
                arrived = k;
            }
        } else if (left < 0) {
            if (b.y != 100) {
                left = k;
                EXPECT_EQ(b.y - a.y, 4);
            } else if (k > arrived + 1) {
                EXPECT_EQ(b.animation, 0) << "waiting, frame " << k;
            }
        } else if (ended < 0) {
            EXPECT_EQ(b.y - a.y, std::min(4, 140 - a.y)) << "frame " << k;
            // Going down (direction 4): frame 4 of the strip.
            EXPECT_EQ(b.direction, 4);
            EXPECT_EQ(b.animation, 1) << "frame " << k;
            EXPECT_EQ(b.frame, 3) << "frame " << k;
            if (b.y == 140) {
                ended = k;
            }
        } else {
            EXPECT_EQ(b.x, 160);
            EXPECT_EQ(b.y, 140);
            if (k > ended + 1) {
                EXPECT_EQ(b.animation, 0) << "frame " << k;  // idle, frame 1
                EXPECT_EQ(b.frame, 0) << "frame " << k;
            }
        }
    }
    ASSERT_GT(ended, 0) << "the walker never reached the last point";
    EXPECT_GE(left - arrived, 6);  // it arrived, then waited 5 frames
    EXPECT_LE(left - arrived, 7);
    EXPECT_GT(static_cast<int>(frames.size()) - ended, 30);  // and stayed at the end
}

// ---- Levels, global values, sound ----

TEST_P(Engine, LevelChangesKeepTheGlobalValues) {
    const Play& p = levels();
    ASSERT_GE(p.levels.size(), 5u);
    for (int l = 0; l < 4; ++l) {
        const std::vector<Frame>& run = p.levels[l];
        ASSERT_FALSE(run.empty());
        EXPECT_EQ(run.front().level, l + 1);
        EXPECT_EQ(run.front().glob[2], l + 1);  // levels started in this game
        if (l > 0) {
            // "Всегда" counts on from the last frame of the level before.
            EXPECT_EQ(run.front().glob[1], p.levels[l - 1].back().glob[1]);
            EXPECT_GT(run.front().glob[1], 0);
        }
    }
}

TEST_P(Engine, PastTheLastLevelTheTitleStartsANewGame) {
    const Play& p = levels();
    ASSERT_EQ(p.levels.size(), 5u) << "level runs: 1, 2, 3, 4, then 1 from the title";
    // Level 4 was the last: "next level" led to the title, which started level 1 anew
    // with the global values cleared.
    const Frame& again = p.levels[4].front();
    EXPECT_EQ(again.level, 1);
    EXPECT_EQ(again.glob[2], 1);
    EXPECT_EQ(again.glob[1], 0);
    // Key 7 asks for level 9, which does not exist: the title screen again.
    ASSERT_FALSE(p.screen.isNull());
    EXPECT_EQ(p.screen.pixel(5, 5), rgb(0, 0, 0));
}

TEST_P(Engine, SoundActionsNeverBreakTheGame) {
    // The action after a missing and a silent sound ran at every level start.
    const Play& p = levels();
    ASSERT_GE(p.levels.size(), 4u);
    for (int l = 0; l < 4; ++l) {
        EXPECT_EQ(p.levels[l].front().glob[14], l + 1);
    }
}

TEST_P(Engine, PausedGameHoldsItsFramesAndClock) {
    // Key 5 pauses the game and a second later starts it again, as a phone does.
    const std::vector<Frame>& frames = interruptions().level(1);
    const std::vector<int> fives = framesWhere(frames, &Frame::pressed, 53);
    ASSERT_EQ(fives.size(), 1u);
    ASSERT_LT(fives[0] + 10, static_cast<int>(frames.size()));
    for (std::size_t k = 1; k < frames.size(); ++k) {
        const int clock = frames[k].glob[17] - frames[k - 1].glob[17];
        EXPECT_EQ(frames[k].obtime - frames[k - 1].obtime, 50) << "frame " << k;
        if (static_cast<int>(k) == fives[0] + 1) {
            EXPECT_GE(clock, 1000) << "no frame while paused";
        } else {
            EXPECT_EQ(clock, 50) << "frame " << k;
        }
    }  // Resumed, the phone shows the level again (not the title screen the game began with).
    const Image& screen = interruptions().screen;
    ASSERT_EQ(screen.width(), 240);
    EXPECT_EQ(screen.pixel(kHeroStartX + 8, kHeroY + 8), kHero);
}

TEST_P(Engine, AFailingEventEndsItsFrameOnlyAndIsReportedOnce) {
    const Play& p = interruptions();
    const std::vector<Frame>& frames = p.level(1);
    const std::vector<int> hashes = framesWhere(frames, &Frame::pressed, 35);
    ASSERT_EQ(hashes.size(), 2u);
    ASSERT_LT(hashes[1] + 5, static_cast<int>(frames.size()));
    const Frame& last = frames.back();
    EXPECT_EQ(last.glob[18], 2);          // the actions before the failing one ran
    EXPECT_EQ(last.glob[20], 0);          // the one after it did not
    EXPECT_EQ(last.glob[1], last.frame);  // and the game went on
    const std::string failure = "Etap1: event failed: java.lang.ArithmeticException";
    const std::size_t first = p.output.find(failure);
    EXPECT_NE(first, std::string::npos) << p.output;
    EXPECT_EQ(p.output.find(failure, first + 1), std::string::npos) << "reported once";
}

INSTANTIATE_TEST_SUITE_P(Builds, Engine, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& build) {
                             return std::string(build.param ? "Shrunk" : "Unshrunk");
                         });

TEST(EngineStage, CarriesTheLevelSize) {
    GameToolchain game(fs::path(AVIZAD_SOURCE_DIR) / "System", fs::path());
    generateGameSources(makeEngineProject(), BuildFolders(game.root()));
    const std::string one = readFileText(game.root() / "System/src/Etap1.java");
    EXPECT_NE(one.find("\r\nint level_width=600;int level_height=320;\r\n"), std::string::npos);
    EXPECT_EQ(one.find("//level_size"), std::string::npos);
}

}  // namespace
}  // namespace avizad

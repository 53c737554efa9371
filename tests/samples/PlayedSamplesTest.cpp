// Each sample game built as the build makes it (shrunk) with the Java ME toolkit and played
// headless with a key script that wins it and one that loses it; the checks read the
// game's trace (the level, the global values, the indicators) and the screen at the end.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "GameToolchain.h"
#include "SampleGames.h"
#include "ToolkitRequired.h"
#include "TraceLines.h"
#include "model/FileUtil.h"
#include "model/Png.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::GameToolchain;
using Frame = testing::TraceFrame;

// The levels of the runs, in order.
std::vector<int> levelsOf(const std::vector<std::vector<Frame>>& played) {
    std::vector<int> levels;
    for (const auto& run : played) {
        levels.push_back(run.front().level);
    }
    return levels;
}

// Every value indicator `i` showed during a run, each change once.
std::vector<int> indicatorValues(const std::vector<Frame>& run, std::size_t i) {
    std::vector<int> values;
    for (const Frame& f : run) {
        if (i < f.indicators.size() && (values.empty() || values.back() != f.indicators[i])) {
            values.push_back(f.indicators[i]);
        }
    }
    return values;
}

// The pixels of `screen` in a rectangle that `matches` accepts.
template <typename Matches>
int countPixels(const Image& screen, int x0, int y0, int w, int h, Matches matches) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            n += matches(screen.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

int brightness(Color c) {
    return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
}

class PlayedSamples : public ::testing::Test {
protected:
    struct Built {
        std::unique_ptr<GameToolchain> game;
        std::string failure;
    };

    // Builds sample `file` once per test program, with its sounds.
    GameToolchain* build(const std::string& file) {
        auto found = built_.find(file);
        if (found == built_.end()) {
            Built b;
            b.game =
                std::make_unique<GameToolchain>(fs::path(AVIZAD_SOURCE_DIR) / "System",
                                                fs::path(AVIZAD_PROGRAM_DIR) / "System/toolkit");
            if (b.game->installed()) {
                Project project;
                clearProject(project);
                loadProject(project, fs::path(AVIZAD_SOURCE_DIR) / "samples" / fs::u8path(file));
                std::vector<std::pair<std::string, std::string>> sounds;
                for (const auto& [name, bytes] : samples::sampleSounds()) {
                    sounds.emplace_back(
                        name, readFileText(fs::path(AVIZAD_SOURCE_DIR) / "samples/res" / name));
                }
                b.failure = b.game->build(project, true, sounds, {}, true);
            }
            found = built_.emplace(file, std::move(b)).first;
        }
        if (!found->second.game->installed()) {
            return nullptr;
        }
        EXPECT_EQ(found->second.failure, "");
        return found->second.failure.empty() ? found->second.game.get() : nullptr;
    }

    // Plays the built game for `frames` frames with `keys`; the screen at the end goes to
    // screen_.
    std::vector<std::vector<Frame>> play(GameToolchain& game, int frames, const std::string& keys) {
        const fs::path shot = game.root() / "screen.png";
        fs::remove(shot);
        EXPECT_EQ(game.play(frames, keys, shot, output_), 0) << output_;
        EXPECT_EQ(output_.find("Exception"), std::string::npos) << output_;
        EXPECT_EQ(output_.find("event failed"), std::string::npos) << output_;
        screen_ = fs::exists(shot) ? readPng(shot) : Image();
        return testing::levelRuns(testing::traceLines(output_));
    }

    static void TearDownTestSuite() { built_.clear(); }

    static std::map<std::string, Built> built_;
    std::string output_;
    Image screen_;
};

std::map<std::string, PlayedSamples::Built> PlayedSamples::built_;

#define BUILD_OR_SKIP(game, file)                                                     \
    GameToolchain* game = build(file);                                                \
    if (game == nullptr && !HasFailure()) {                                           \
        AVIZAD_SKIP_WITHOUT_TOOLKIT("the Java ME toolkit below " AVIZAD_PROGRAM_DIR); \
    }                                                                                 \
    ASSERT_NE(game, nullptr)

TEST_F(PlayedSamples, EverySampleFitsPhonesThatTake64KB) {
    for (const samples::SampleGame& sample : samples::sampleGames()) {
        SCOPED_TRACE(sample.file);
        BUILD_OR_SKIP(game, sample.file);
        EXPECT_LE(fs::file_size(game->jar()), 64u * 1024u);
    }
}

// Both doors in 26 seconds, every coin, no life lost; the win screen shows its text.
TEST_F(PlayedSamples, PlatformerIsWonThroughBothDoors) {
    BUILD_OR_SKIP(game, "Платформер.yrk");
    const auto played =
        play(*game, 600,
             "2 tap 49\n5 press RIGHT\n30 tap UP\n50 release RIGHT\n108 press RIGHT\n"
             "132 tap UP\n200 release RIGHT\n200 press UP\n250 release UP\n"
             "250 press LEFT\n262 release LEFT\n270 press RIGHT\n309 tap UP\n"
             "333 tap UP\n404 tap UP\n462 release RIGHT\n462 press UP\n"
             "504 release UP\n504 press LEFT\n526 release LEFT\n");
    ASSERT_EQ(levelsOf(played), (std::vector<int>{1, 2, 3})) << output_;
    for (const std::size_t level : {0u, 1u}) {
        SCOPED_TRACE(level + 1);
        EXPECT_EQ(played[level].back().glob[1], 4) << "the coins of the level";
        EXPECT_EQ(indicatorValues(played[level], 0), (std::vector<int>{3})) << "the lives";
    }
    ASSERT_FALSE(screen_.isNull());
    EXPECT_GT(countPixels(screen_, 64, 96, 150, 120, [](Color c) { return brightness(c) < 250; }),
              200)
        << "the win screen's text";
}

// Walking into the beetle three times costs the three lives and starts the level again.
TEST_F(PlayedSamples, PlatformerIsLostAgainstTheBeetle) {
    BUILD_OR_SKIP(game, "Платформер.yrk");
    const auto played = play(*game, 300, "2 tap 49\n5 press RIGHT\n");
    ASSERT_GE(played.size(), 2u) << output_;
    EXPECT_EQ(levelsOf(played)[0], 1);
    EXPECT_EQ(levelsOf(played)[1], 1) << "the level starts again";
    EXPECT_EQ(indicatorValues(played[0], 0), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(indicatorValues(played[1], 0).front(), 3);
}

// Five keys in 15 seconds, ahead of the bats.
TEST_F(PlayedSamples, ChaseIsWonWithEveryKey) {
    BUILD_OR_SKIP(game, "Погоня.yrk");
    const auto played = play(*game, 330, "2 tap 49\n5 press UP\n115 tap LEFT\n222 tap LEFT\n");
    ASSERT_EQ(levelsOf(played), (std::vector<int>{1, 2})) << output_;
    EXPECT_EQ(played[0].back().glob[1], 5);
    EXPECT_EQ(indicatorValues(played[0], 0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// A car that stays where it is is caught, and the level starts again.
TEST_F(PlayedSamples, ChaseIsLostToTheBats) {
    BUILD_OR_SKIP(game, "Погоня.yrk");
    const auto played = play(*game, 340, "2 tap 49\n");
    ASSERT_GE(played.size(), 2u) << output_;
    EXPECT_EQ(levelsOf(played)[1], 1) << "the level starts again";
    EXPECT_LT(played[0].back().frame, 1200) << "caught before the time ran out";
    EXPECT_EQ(played[0].back().glob[1], 0);
}

// Five bats shot (two that attack, three at the vault) without a bite.
TEST_F(PlayedSamples, CaveIsWonWhenEveryBatIsShot) {
    BUILD_OR_SKIP(game, "Пещера.yrk");
    const auto played = play(*game, 420,
                             "2 tap 49\n20 tap 53\n54 tap 53\n70 tap 53\n130 press LEFT\n"
                             "154 release LEFT\n156 tap 53\n216 press RIGHT\n264 release RIGHT\n"
                             "266 tap 53\n");
    ASSERT_EQ(levelsOf(played), (std::vector<int>{1, 2})) << output_;
    EXPECT_EQ(played[0].back().glob[1], 5);
    EXPECT_EQ(indicatorValues(played[0], 0), (std::vector<int>{3})) << "the health";
    EXPECT_EQ(indicatorValues(played[0], 1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    ASSERT_FALSE(screen_.isNull());
    EXPECT_GT(countPixels(screen_, 64, 112, 150, 100, [](Color c) { return brightness(c) > 600; }),
              200)
        << "the win screen's text";
}

// A hunter who does not shoot is bitten three times by the bats that saw him.
TEST_F(PlayedSamples, CaveIsLostToTheAttackingBats) {
    BUILD_OR_SKIP(game, "Пещера.yrk");
    const auto played = play(*game, 220, "2 tap 49\n");
    ASSERT_EQ(levelsOf(played), (std::vector<int>{1, 3})) << output_;
    EXPECT_EQ(indicatorValues(played[0], 0), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(played[0].back().glob[1], 0);
}

}  // namespace
}  // namespace avizad

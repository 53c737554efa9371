// Small projects built with the Java ME toolkit and played headless: what the generated
// game does at the edges the editor allows (many object types, key presses across a
// level change, the event table at its capacities, the phone's own fonts and screens).

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <tuple>

#include "EngineScenarios.h"
#include "GameToolchain.h"
#include "ToolkitRequired.h"
#include "TraceLines.h"
#include "editors/ObjectLook.h"
#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "events/EventTableEditor.h"
#include "events/ExpressionBuilder.h"
#include "model/Cp1251.h"
#include "model/Png.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using namespace testing::engine;
using testing::GameToolchain;
using testing::place;
using testing::traceLines;
using Traced = testing::TraceFrame;

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

// The pixels of `screen` in the rectangle (x, y, w, h) that `matches` accepts.
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

// Text is drawn with smoothed edges: a text pixel is one with more green than red and blue.
bool greenish(Color pixel) {
    const int r = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = (pixel >> 16) & 0xFF;
    return g > r + 40 && g > b + 40;
}

// The rows of text pixels of `screen` in the columns x0 .. x0 + w - 1.
std::vector<int> textRows(const Image& screen, int x0, int w) {
    std::vector<int> rows;
    for (int y = 0; y < screen.height(); ++y) {
        if (countPixels(screen, x0, y, w, 1, greenish) > 0) {
            rows.push_back(y);
        }
    }
    return rows;
}

// A text of five lines in the large font, on a phone whose large font is larger than the
// emulator's default: every line is shown, none cut at the bottom of the text's window.
TEST_F(PlayedGame, ATextShowsAllItsLinesInThePhonesFont) {
    Project p = twelveTypes();
    p.levelCount = 1;
    p.eventTable = EventTable();
    addTextType(p, 1, "lines", kTextColor, {"I", "I", "I", "I", "I"});
    p.texts[1].size = 2;  // large
    p.levels[1].textPlacements.add(place(10, 10, 1, ""));
    ASSERT_NO_FATAL_FAILURE(build(p));
    for (const char* size : {"240x320", "360x640"}) {
        SCOPED_TRACE(size);
        Image screen;
        play(5, "2 tap 49\n", size, &screen);
        ASSERT_FALSE(screen.isNull());
        // Five lines of "I": five runs of text rows, one per line.
        const std::vector<int> rows = textRows(screen, 10, 60);
        int runs = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            runs += (k == 0 || rows[k] != rows[k - 1] + 1) ? 1 : 0;
        }
        EXPECT_EQ(runs, 5) << "the last row of text ends at " << (rows.empty() ? -1 : rows.back());
    }
}

// What the author sees is what the game shows: the editor's picture of a text (its look in
// the phone font of the screen, every row the game wraps it to) is, pixel for pixel, what
// the emulator draws; bold, italic, underlined and monospace, in Russian, on three screens.
TEST_F(PlayedGame, TheGameDrawsATextPixelForPixelAsTheEditorShowsIt) {
    Project p = twelveTypes();
    p.levelCount = 1;
    p.eventTable = EventTable();
    addTextType(p, 1, "lives", rgb(200, 0, 40),
                {utf8ToCp1251("Жизни: 3, вперёд к замку!").c_str()});
    p.texts[1].size = 2;  // large, bold (addTextType), italic and underlined
    p.texts[1].italic = 1;
    p.texts[1].underline = 1;
    addTextType(p, 2, "score", rgb(0, 0, 160), {utf8ToCp1251("Счёт").c_str(), "042 xyz"});
    p.texts[2].kind = 2;  // monospace, small, plain
    p.texts[2].size = 0;
    p.texts[2].bold = 0;
    p.levels[1].activePlacements = PlacementList(kMaxActivePlacements);
    p.levels[1].textPlacements.add(place(12, 50, 1, ""));
    p.levels[1].textPlacements.add(place(12, 10, 2, ""));
    ASSERT_NO_FATAL_FAILURE(build(p));
    for (const auto& [size, width, height] :
         {std::tuple{"176x220", 176, 220}, std::tuple{"240x320", 240, 320},
          std::tuple{"360x640", 360, 640}}) {
        SCOPED_TRACE(size);
        Image screen;
        play(5, "2 tap 49\n", size, &screen);
        ASSERT_EQ(screen.width(), width);
        const FontMeasure measure(width, height);
        for (const auto& [type, x, y] : {std::tuple{1, 12, 50}, std::tuple{2, 12, 10}}) {
            const TextLook look = textLook(p.texts[type], measure);
            ASSERT_GE(look.rows.size(), 2u);
            const Image picture = textPicture(look, measure);
            // The text's box and three pixels around it: the text's colour exactly where
            // the picture has its pixels.
            int inked = 0;
            for (int sy = y - 3; sy < y + picture.height() + 3; ++sy) {
                for (int sx = x - 3; sx < x + picture.width() + 3; ++sx) {
                    const bool ink = picture.alpha(sx - x, sy - y) == 255;
                    inked += ink ? 1 : 0;
                    EXPECT_EQ(screen.pixel(sx, sy) == look.color, ink)
                        << "text " << type << " at " << sx << ", " << sy;
                }
            }
            EXPECT_GT(inked, 50);
        }
    }
}

// The smallest rectangle holding the pixels of `screen` that `matches` accepts: x, y,
// right, bottom (exclusive); all -1 when there are none.
template <typename Matches>
std::array<int, 4> boundingBox(const Image& screen, Matches matches) {
    std::array<int, 4> box = {-1, -1, -1, -1};
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (matches(screen.pixel(x, y))) {
                box = box[0] < 0
                          ? std::array<int, 4>{x, y, x + 1, y + 1}
                          : std::array<int, 4>{std::min(box[0], x), std::min(box[1], y),
                                               std::max(box[2], x + 1), std::max(box[3], y + 1)};
            }
        }
    }
    return box;
}

// A game laid out for 240 x 320 with its indicator in the lower right corner and a text
// above it, and a level wider and higher than the smaller screens, played on other
// screens: the view follows the player; the indicator and the text stay whole on the
// screen at their distances to the right and bottom edges.
TEST_F(PlayedGame, AGameLaidOutFor240x320AdaptsToOtherScreens) {
    Project p = twelveTypes();
    p.levelCount = 1;
    p.eventTable = EventTable();
    Level& level = p.levels[1];
    level = Level();
    level.width = 480;
    level.height = 320;
    level.controlType[1] = 1;
    level.activePlacements.add(place(20, 250, 1, "type1", 8, 8));
    addIndicatorType(p, 1, "life", kFull, kEmpty);  // 20 x 8 pixels on the screen
    addTextType(p, 1, "score", kTextColor, {"SCORE"});
    level.indicatorPlacements.add(place(216, 308, 1, ""));  // 4 pixels from both edges
    level.textPlacements.add(place(150, 270, 1, ""));
    Event& start = p.eventTable.events[++p.eventTable.eventCount];
    start.conditionCode = "((obtime>=0)&(obtime<10))";
    start.activeActions[1].add(Action{"", "{" + ref("act_upr", 1) + "=7;}"});
    start.indicatorActions[1].add(Action{"", "{line_tek[gr_line[1][krl1]]=10;}"});
    ASSERT_NO_FATAL_FAILURE(build(p));
    const auto full = [](Color c) { return c == kFull; };
    Image laidOut;
    play(5, "2 tap 49\n", "240x320", &laidOut);
    const std::array<int, 4> text240 = boundingBox(laidOut, greenish);
    ASSERT_GE(text240[0], 150);
    for (const auto& [size, width, height] :
         {std::tuple{"176x220", 176, 220}, std::tuple{"360x640", 360, 640},
          std::tuple{"128x160", 128, 160}}) {
        SCOPED_TRACE(size);
        Image screen;
        const std::vector<Traced> frames =
            play(200, "2 tap 49\n5 press RIGHT\n150 release RIGHT\n", size, &screen);
        ASSERT_EQ(screen.width(), width);
        ASSERT_EQ(screen.height(), height);
        // The whole bar, 4 pixels from the right and bottom edges.
        EXPECT_EQ(countPixels(screen, 0, 0, width, height, full), 20 * 8);
        EXPECT_EQ(boundingBox(screen, full),
                  (std::array<int, 4>{width - 24, height - 12, width - 4, height - 4}));
        // The text where it keeps its distance to the right and bottom edges (its size
        // follows the phone's font: where its letters begin in the row differs by a pixel
        // or two), clear of the bar.
        const std::array<int, 4> text = boundingBox(screen, greenish);
        EXPECT_NEAR(text[0] - width, text240[0] - 240, 2);
        EXPECT_NEAR(text[1] - height, text240[1] - 320, 3);
        EXPECT_LE(text[2], width);
        EXPECT_LE(text[3], height - 12);
        EXPECT_GT(text[2] - text[0], 30) << "the whole word";
        // The view followed the player to the right end of the level (it walked 145 frames
        // at 1 pixel a frame from x 20), keeping it on the screen.
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(countPixels(screen, 0, 0, width, height, [](Color c) { return c == kGhost; }),
                  8 * 8);
    }
}

// What a catalogue entry builds from the values its dialog gave, as the events editor
// files it.
BuiltText built(CatalogueMenu menu, const char* path, const EntryValues& values) {
    const CatalogueEntry* entry = findEntry(menu, path);
    EXPECT_NE(entry, nullptr) << path;
    return entry != nullptr ? entry->build(values) : BuiltText{};
}

// The expression builder in `mode` with `tokens` (keypad keys and value words, Windows-1251)
// in its right field, confirmed.
EntryValues composed(BuilderMode mode, std::initializer_list<std::string> tokens,
                     const std::string& rowText = {}, int global = 1) {
    ExpressionBuilder builder(mode);
    builder.setActiveField(ExpressionBuilder::Field::Right);
    for (const std::string& token : tokens) {
        builder.append(token);
    }
    builder.setGlobalNumber(global);
    builder.setRowText(rowText);
    EntryValues values;
    values.setBuilderResult(builder.confirm());
    values.rowText = builder.rowText();
    return values;
}

// A text whose row shows "Счёт: " and glob[1]: key 5 adds 1 to glob[1], key 9 sets it to
// 999999999. Texts 2, 3 and 4 hold what the first must read, drawn by the engine from their
// own lines: "Счёт: 3", "Счёт: 999999999" and "Счёт: 1000000000". Each text stands in a
// band of 80 rows of the screen.
Project scoreProject() {
    Project p = twelveTypes();
    p.levelCount = 1;
    p.levels[1] = Level();
    p.levels[1].width = 240;
    p.levels[1].height = 320;
    p.eventTable = EventTable();
    const char* lines[] = {"Счёт: 0", "Счёт: 3", "Счёт: 999999999", "Счёт: 1000000000"};
    for (int t = 1; t <= 4; ++t) {
        addTextType(p, t, "text" + std::to_string(t), kTextColor, {""});
        p.texts[t].lines[1] = utf8ToCp1251(lines[t - 1]);
        p.levels[1].textPlacements.add(place(10, 80 * (t - 1) + 10, t, ""));
    }
    EventTableEditor editor(p);
    const auto newEvent = [&](const BuiltText& condition) {
        editor.setConditionMode(ConditionMode::New);
        ASSERT_TRUE(editor.commitCondition(condition).done());
    };
    const auto addAction = [&](bool special, int column, const BuiltText& action) {
        editor.setSpecialToggle(special);
        editor.setCurrentKind(ObjectKind::Text);
        editor.click(column + 1, p.eventTable.eventCount);
        ASSERT_TRUE(editor.addAction(action).done());
    };
    const CatalogueMenu keys = ConditionCatalogue::menu(ConditionMenu::Category4);
    const CatalogueMenu special = ActionCatalogue::menu(ActionMenu::Special);
    newEvent(built(ConditionCatalogue::menu(ConditionMenu::Category1), "Всегда", {}));
    EntryValues row = composed(BuilderMode::TextWithValue, {" glob", "1"}, utf8ToCp1251("Счёт: "));
    row.n = 1;
    addAction(false, 1, built(ActionCatalogue::menu(ActionMenu::Text), "строка со значением", row));
    EntryValues five;
    five.setKey(*PhoneKeys::byName("5"));
    newEvent(built(keys, "Нажатие на клавишу...", five));
    addAction(true, 1,
              built(special, "установка глобального значения",
                    composed(BuilderMode::SetGlobal, {" glob", "1", "+", "1"})));
    EntryValues nine;
    nine.setKey(*PhoneKeys::byName("9"));
    newEvent(built(keys, "Нажатие на клавишу...", nine));
    addAction(
        true, 1,
        built(special, "установка глобального значения",
              composed(BuilderMode::SetGlobal, {"9", "9", "9", "9", "9", "9", "9", "9", "9"})));
    return p;
}

// Whether band `a` of the screen (80 rows from 80 * a) shows exactly what band `b` shows.
bool sameBands(const Image& screen, int a, int b) {
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, 80 * a + y) != screen.pixel(x, 80 * b + y)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(PlayedGame, ATextRowShowsAGlobalValueAfterItsText) {
    ASSERT_NO_FATAL_FAILURE(build(scoreProject()));
    // Three presses of key 5: the first text reads as the second one.
    Image screen;
    std::vector<Traced> frames =
        play(30, "2 tap 49\n10 tap 53\n14 tap 53\n18 tap 53\n", {}, &screen);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().glob[1], 3);
    ASSERT_FALSE(screen.isNull());
    EXPECT_GT(countPixels(screen, 0, 0, 240, 80, greenish), 0);
    EXPECT_TRUE(sameBands(screen, 0, 1)) << "the row does not read \"Счёт: 3\"";
    // From nine digits to ten: the row wraps as the reference text does, nothing of the
    // shorter number stays.
    frames = play(16, "2 tap 49\n10 tap 57\n", {}, &screen);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().glob[1], 999999999);
    EXPECT_TRUE(sameBands(screen, 0, 2)) << "the row does not read \"Счёт: 999999999\"";
    frames = play(24, "2 tap 49\n10 tap 57\n16 tap 53\n", {}, &screen);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().glob[1], 1000000000);
    EXPECT_TRUE(sameBands(screen, 0, 3)) << "the row does not read \"Счёт: 1000000000\"";
}

}  // namespace
}  // namespace avizad

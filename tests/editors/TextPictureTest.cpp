// The text object's draft, its name rules and the rows the game shows.

#include <gtest/gtest.h>

#include "editors/TextDraft.h"
#include "editors/TextPicture.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

std::string cp1251(const char* utf8) {
    return utf8ToCp1251(utf8);
}

TEST(TextDraftTest, NameIsShownWithoutEveryPng) {
    EXPECT_EQ(textObjectName("text1.png"), "text1");
    EXPECT_EQ(textObjectName("a.pngb.png"), "ab");
    EXPECT_EQ(textObjectName("plain"), "plain");
    EXPECT_EQ(textObjectName(".png.png"), "");
}

TEST(TextDraftTest, TextSplitsIntoLines) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {{"", {}},
                 {"one", {"one"}},
                 {"one\ntwo", {"one", "two"}},
                 {"one\r\ntwo\r\n", {"one", "two"}},
                 {"\n\nx", {"", "", "x"}},
                 {"say \"hi\"", {"say \"hi\""}}};
    for (const Case& c : cases) {
        EXPECT_EQ(splitTextLines(c.text), c.lines) << c.text;
    }
}

TEST(TextDraftTest, NewObjectWithDefaultsAndStyleCarriedOver) {
    TextDraft draft;
    draft.lines = {"a", "b"};
    TextObject first;
    draft.storeInto(first);
    EXPECT_EQ(first.kind, 1);
    EXPECT_EQ(first.size, -1);
    EXPECT_EQ(first.fileName, "text1.png");
    EXPECT_EQ(first.lineCount, 2);
    EXPECT_EQ(first.colorR + first.colorG + first.colorB, 0);

    draft.kind = 3;
    draft.size = 2;
    draft.bold = true;
    draft.colorG = 200;
    draft.name = "a.pngb";
    draft.storeInto(first);
    draft.startNew("text2");  // a new object inherits nothing of the one before
    EXPECT_EQ(draft.name, "text2");
    EXPECT_TRUE(draft.lines.empty());
    TextObject second;
    draft.storeInto(second);
    EXPECT_EQ(second.kind, 1);
    EXPECT_EQ(second.size, -1);
    EXPECT_EQ(second.bold, 0);
    EXPECT_EQ(second.colorG, 0);
    EXPECT_EQ(second.lineCount, 0);
    second.bold = 1;

    TextDraft reopened;
    reopened.bold = true;
    reopened.open(second);
    reopened.open(TextObject{});  // a non-bold object shows "Жирный" unchecked
    EXPECT_FALSE(reopened.bold);
    reopened.open(first);
    EXPECT_EQ(reopened.name, "ab");
    EXPECT_EQ(first.fileName, "a.pngb.png");
}

TEST(TextDraftTest, FewerLinesKeepTheOldOnesUncounted) {
    TextObject object;
    TextDraft draft;
    draft.lines = {"1", "2", "3"};
    draft.storeInto(object);
    draft.lines = {"x"};
    draft.storeInto(object);
    EXPECT_EQ(object.lineCount, 1);
    EXPECT_EQ(object.lines[1], "x");
    EXPECT_EQ(object.lines[2], "2");
    draft.lines.assign(15, "y");  // never more than the record holds
    draft.storeInto(object);
    EXPECT_EQ(object.lineCount, kMaxTextLines);
}

TEST(TextPictureTest, FontFollowsTheObject) {
    TextDraft text;
    using namespace phonefont;
    EXPECT_EQ(phoneFont(text), (PhoneFont{Face::System, Size::Medium, kStylePlain}));
    text.kind = 2;
    text.size = 0;
    text.italic = true;
    EXPECT_EQ(phoneFont(text), (PhoneFont{Face::Monospace, Size::Small, kStyleItalic}));
    text.kind = 3;
    text.size = 2;
    text.underline = true;
    text.bold = true;
    EXPECT_EQ(phoneFont(text), (PhoneFont{Face::Proportional, Size::Large,
                                          kStyleBold | kStyleItalic | kStyleUnderlined}));
    text.colorR = 1;
    text.colorB = 3;
    EXPECT_EQ(textColor(text), 0x030001);
}

TEST(TextPictureTest, LinesWrapAtBlanksWithinTheWindow) {
    // Every character 10 pixels wide; the window is 50 wide with rows 10 high.
    const auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const std::vector<std::string> lines = {"ab cd ef", "abcdefgh", "", "x", "y"};
    const std::vector<TextRow> rows = layoutTextRows(lines, 50, 10, measure);
    const std::vector<TextRow> expected = {{"ab cd", 0}, {"ef", 10}, {"abcde", 20}, {"fgh", 30},
                                           {"", 40},     {"x", 50},  {"y", 60}};
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(layoutTextRows(lines, 0, 10, measure).empty());
}

// What the game shows of a text: its rows in the phone font of the screen, the window
// growing past its generated 100 pixels to hold them, never past the screen.
TEST(TextPictureTest, TheWindowGrowsToEveryRowUpToTheScreen) {
    TextDraft text;
    text.size = 2;
    text.lines.assign(12, cp1251("Строка"));
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{128, 160}}) {
        const FontMeasure measure(width, height);
        const int row = measure.height(phoneFont(text));
        const TextShown shown = showText(text.lines, phoneFont(text), 0, measure);
        EXPECT_EQ(shown.height, std::min(12 * row, height)) << width;
        EXPECT_EQ(shown.rows.size(), std::min<std::size_t>(12, (height + row - 1) / row));
        EXPECT_EQ(shown.width, measure.width(phoneFont(text), text.lines[0]));
    }
    // A larger screen has larger fonts: the same text takes more room.
    EXPECT_GT(showText(text.lines, phoneFont(text), 0, FontMeasure(360, 640)).height,
              showText(text.lines, phoneFont(text), 0, FontMeasure(240, 320)).height);
    // A word longer than the window breaks where the window ends; a wider screen keeps the
    // window at 100 pixels.
    text.lines = {std::string(40, 'W')};
    const TextShown shown = showText(text.lines, phoneFont(text), 0, FontMeasure(360, 640));
    EXPECT_GT(shown.rows.size(), 1u);
    EXPECT_LE(shown.width, kTextWindowWidth);
}

TEST(TextPictureTest, ThePictureIsTheTextsPixelsInItsColour) {
    TextDraft text;
    text.colorR = 200;
    text.colorB = 40;
    text.lines = {cp1251("Жук и ёж"), "", "ok"};
    const FontMeasure measure;
    const TextShown shown = showText(text.lines, phoneFont(text), textColor(text), measure);
    const Image picture = textPicture(shown, measure);
    ASSERT_EQ(picture.width(), shown.width);
    ASSERT_EQ(picture.height(), 3 * measure.height(phoneFont(text)));
    // Each row drawn by the phone font at its place; the rest transparent.
    std::vector<std::uint32_t> ink(static_cast<std::size_t>(picture.width() * picture.height()));
    const phonefont::PixelBuffer buffer{ink.data(), picture.width(), picture.height(),
                                        picture.width()};
    for (const TextRow& row : shown.rows) {
        measure.font(phoneFont(text))
            .drawString(buffer, {0, 0, picture.width(), picture.height()}, phoneText(row.text), 0,
                        row.y, 0, 1);
    }
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool on = ink[static_cast<std::size_t>(y * picture.width() + x)] != 0;
            EXPECT_EQ(picture.alpha(x, y), on ? 255 : 0);
            if (on) {
                EXPECT_EQ(picture.pixel(x, y), rgb(200, 0, 40));
                ++inked;
            }
        }
    }
    EXPECT_GT(inked, 20);
    // An italic row reaches past its advance: the picture keeps its last pixels.
    text.italic = true;
    text.lines = {"fff"};
    const TextShown italic = showText(text.lines, phoneFont(text), 0, measure);
    EXPECT_GE(italic.width, measure.width(phoneFont(text), "fff"));
    const Image slanted = textPicture(italic, measure);
    bool lastColumn = false;
    for (int y = 0; y < slanted.height(); ++y) {
        lastColumn = lastColumn || slanted.alpha(slanted.width() - 1, y) == 255;
    }
    EXPECT_TRUE(lastColumn) << "the picture ends where the pixels end";
}

}  // namespace
}  // namespace avizad

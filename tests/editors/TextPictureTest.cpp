// The text object's draft, its name rules and the rows the game shows.

#include <gtest/gtest.h>

#include "editors/TextDraft.h"
#include "editors/TextPicture.h"

namespace avizad {
namespace {

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
    EXPECT_EQ(phoneFont(text), (PhoneFont{PhoneFace::System, 13, false, false, false}));
    text.kind = 2;
    text.size = 0;
    text.italic = true;
    EXPECT_EQ(phoneFont(text), (PhoneFont{PhoneFace::Monospace, 11, false, true, false}));
    text.kind = 3;
    text.size = 2;
    text.underline = true;
    EXPECT_EQ(phoneFont(text), (PhoneFont{PhoneFace::Proportional, 16, false, true, true}));
    text.colorR = 1;
    text.colorB = 3;
    EXPECT_EQ(textColor(text), 0x030001);
}

TEST(TextPictureTest, LinesWrapAtBlanksWithinTheWindow) {
    // Every character 10 pixels wide; the window is 50 x 40 with rows 10 high.
    const auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const std::vector<std::string> lines = {"ab cd ef", "abcdefgh", "", "x", "y"};
    const std::vector<TextRow> rows = layoutTextRows(lines, 50, 40, 10, measure);
    const std::vector<TextRow> expected = {{"ab cd", 0}, {"ef", 10}, {"abcde", 20}, {"fgh", 30}};
    EXPECT_EQ(rows, expected);
    const std::vector<TextRow> all = layoutTextRows(lines, 50, 100, 10, measure);
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all[4], (TextRow{"", 40}));
    EXPECT_EQ(all[6], (TextRow{"y", 60}));
}

}  // namespace
}  // namespace avizad

// Names, literals and template lines of the generated game's sources.

#include <gtest/gtest.h>

#include "generator/JavaText.h"
#include "generator/ResourceFileNames.h"
#include "generator/ResourceNames.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

TEST(ImageFileName, FollowsTheNamingRule) {
    const struct {
        std::string name;
        std::string expected;
    } cases[] = {
        {"hero", "hero.png"},
        {"hero.old", "hero.png"},
        {"a.b.c", "a.b.png"},
        {"C:\\pics\\hero.bmp", "hero.png"},
        {"disk:hero", "hero.png"},
        {"", ".png"},
        // A name never leads out of the resource folder.
        {"../../etc/passwd", "passwd.png"},
        {"..", "..png"},
        {".", ".png"},
        {"dir/", ".png"},
        {utf8ToCp1251("герой"), utf8ToCp1251("герой.png")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(imageFileName(c.name), c.expected) << c.name;
    }
}

TEST(IndicatorFileName, AppendsPngToTheLastPathPart) {
    EXPECT_EQ(indicatorFileName("line1"), "line1.png");
    EXPECT_EQ(indicatorFileName("a.b"), "a.b.png");
    EXPECT_EQ(indicatorFileName("../x"), "x.png");
    EXPECT_EQ(indicatorFileName(".."), "...png");
    EXPECT_EQ(indicatorFileName("a\\b:c"), "c.png");
}

TEST(ResourcePath, IsTheUtf8NameInsideTheFolder) {
    const std::filesystem::path res = "/p/System/res";
    EXPECT_EQ(resourcePath(res, imageFileName(utf8ToCp1251("герой"))), res / "герой.png");
    EXPECT_EQ(resourcePath(res, indicatorFileName("../../x")).parent_path(), res);
    EXPECT_EQ(tileMapFileName(1, 1), "fon0-0.txt");
    EXPECT_EQ(tileMapFileName(10, 100), "fon9-99.txt");
}

TEST(ResourceFileNames, GiveEveryObjectTypeAnImageOfItsOwn) {
    Project project;
    project.activeCount = 4;
    project.actives[1].name = "hero";
    project.actives[2].name = "hero.old";  // the naming rule makes hero.png of it too
    project.actives[3].name = "logo";      // the title screen's logo.png
    project.actives[4].name = "enemy";
    project.backgroundCount = 2;
    project.backgrounds[1].name = "hero";
    project.backgrounds[2].name = "wall";
    project.indicatorCount = 2;
    project.indicators[1].name = "wall";
    project.indicators[2].name = "hero-2";
    const ResourceFileNames names(project);
    EXPECT_EQ(names.active(1), "hero.png");
    EXPECT_EQ(names.active(2), "hero-2.png");
    EXPECT_EQ(names.active(3), "logo-2.png");
    EXPECT_EQ(names.active(4), "enemy.png");
    EXPECT_EQ(names.background(1), "hero-3.png");
    EXPECT_EQ(names.background(2), "wall.png");
    EXPECT_EQ(names.indicator(1), "wall-2.png");
    EXPECT_EQ(names.indicator(2), "hero-2-2.png");
}

TEST(JavaStringContent, EscapesWhatWouldBreakTheLiteral) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"plain text 123", "plain text 123"},
        {"say \"hi\"", "say \\\"hi\\\""},
        {"a\\b", "a\\\\b"},
        {"\\u0022", "\\\\u0022"},
        {"x\r\ny", "x\\r\\ny"},
        {std::string("t\tz\x01", 4), "t\\u0009z\\u0001"},
        {"\x7f", "\\u007f"},
        {utf8ToCp1251("Привет"), utf8ToCp1251("Привет")},
        {"\");System.exit(0);//", "\\\");System.exit(0);//"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(javaStringContent(c.text), c.expected) << c.text;
    }
}

TEST(JavaAsciiSource, WritesNonAsciiCharactersAsUnicodeEscapes) {
    EXPECT_EQ(javaAsciiSource("int a=1;"), "int a=1;");
    EXPECT_EQ(javaAsciiSource(utf8ToCp1251("\"Ёж\"")), "\"\\u0401\\u0436\"");
    EXPECT_EQ(javaAsciiSource(std::string("\x98")), "\\u0098");
    // An escaped backslash before a letter stays a backslash and the letter.
    EXPECT_EQ(javaAsciiSource(javaStringContent(utf8ToCp1251("\\я"))), "\\\\\\u044f");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithoutRescanning) {
    EXPECT_EQ(replaceAll("etap1 etap1", "etap1", "etap10"), "etap10 etap10");
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

TEST(TemplateLines, DropBlankLinesAndIndentation) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"  \r\n\t\n", {}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"    //quan_act\r\n\r\n\r\n  x = 1;  \r\n", {"//quan_act", "x = 1;  "}},
        {"last line without end", {"last line without end"}},
        {std::string("\x01\x1f tail", 7), {"tail"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitTemplateLines(c.text), c.lines) << c.text;
    }
    EXPECT_EQ(joinCrLf({"a", "b"}), "a\r\nb\r\n");
}

}  // namespace
}  // namespace avizad

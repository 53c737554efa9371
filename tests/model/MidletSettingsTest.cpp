#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "model/MidletSettings.h"

namespace avizad {
namespace {

struct MidletCase {
    const char* what;
    MidletSettingsValues settings;
    MidletField field;    // the field the problem concerns; None when the settings are sound
    const char* problem;  // a part of the message
};

TEST(MidletSettings, SettingsThatMakeABrokenOrUnnamedGameAreRefused) {
    const std::string longestRussian(125, '\xC8');  // 250 bytes of UTF-8, 254 with ".jar"
    const std::string russian = utf8ToCp1251("Моя игра 2");
    const std::string longest = longestRussian + "a";
    const std::string tooLong = longestRussian + "ab";
    using F = MidletField;
    const MidletCase cases[] = {
        {"plain", {"Game", "me", "1.0", ""}, F::None, ""},
        {"Russian with blanks", {russian, russian, "1.2.3", "/icon.png"}, F::None, ""},
        {"longest", {longest, "me", "1.0", ""}, F::None, ""},
        {"empty", {"", "me", "1.0", ""}, F::Name, "Не задано название"},
        {"blanks only", {"  \t", "me", "1.0", ""}, F::Name, "Не задано название"},
        {"comma in the name",
         {"Tom, Jerry", "me", "1.0", ""},
         F::Name,
         "Название MIDlet'а не может содержать запятую"},
        {"slash", {"a/b", "me", "1.0", ""}, F::Name, "символ «/»"},
        {"colon", {"Game: 2", "me", "1.0", ""}, F::Name, "символ «:»"},
        {"question mark", {"Game?", "me", "1.0", ""}, F::Name, "символ «?»"},
        {"line break", {"Game\r\nMIDlet-2: x", "me", "1.0", ""}, F::Name, "управляющие символы"},
        {"too long",
         {tooLong, "me", "1.0", ""},
         F::Name,
         "слишком длинное для имени файла архива: 256 байт"},
        {"no vendor", {"Game", "", "1.0", ""}, F::Vendor, "Не задан автор"},
        {"vendor of blanks", {"Game", "  ", "1.0", ""}, F::Vendor, "Не задан автор"},
        {"line break in the vendor",
         {"Game", "me\nMIDlet-2: x", "1.0", ""},
         F::Vendor,
         "управляющие символы"},
        {"one number", {"Game", "me", "2", ""}, F::None, ""},
        {"three numbers", {"Game", "me", "10.0.99", ""}, F::None, ""},
        {"no version", {"Game", "me", "", ""}, F::Version, "Версия MIDlet'а"},
        {"four numbers", {"Game", "me", "1.0.0.1", ""}, F::Version, "Версия MIDlet'а"},
        {"a word", {"Game", "me", "1.0 beta", ""}, F::Version, "Версия MIDlet'а"},
        {"an empty part", {"Game", "me", "1..2", ""}, F::Version, "Версия MIDlet'а"},
        {"a trailing dot", {"Game", "me", "1.", ""}, F::Version, "Версия MIDlet'а"},
        {"three digits", {"Game", "me", "1.100", ""}, F::Version, "Версия MIDlet'а"},
        {"blank", {"Game", "me", " 1.0", ""}, F::Version, "Версия MIDlet'а"},
        {"comma in the icon",
         {"Game", "me", "1.0", "/a,b.png"},
         F::Icon,
         "Иконка MIDlet'а не может содержать запятую"},
        {"line break in the icon",
         {"Game", "me", "1.0", "a\nb"},
         F::Icon,
         "Иконка MIDlet'а не может содержать управляющие"},
        {"a PNG picture in any letter case", {"Game", "me", "1.0", " /Icon.PNG "}, F::None, ""},
        {"a class as the icon", {"Game", "me", "1.0", "Evil.class"}, F::Icon, "не годится"},
        {"a picture of another kind", {"Game", "me", "1.0", "/icon.gif"}, F::Icon, "не годится"},
        {"a picture in a folder", {"Game", "me", "1.0", "/sub/icon.png"}, F::Icon, "не годится"},
        {"a picture outside res", {"Game", "me", "1.0", "/../icon.png"}, F::Icon, "не годится"},
        {"only the extension", {"Game", "me", "1.0", "/.png"}, F::Icon, "не годится"},
        {"only a slash", {"Game", "me", "1.0", "/"}, F::Icon, "не годится"},
    };
    for (const MidletCase& c : cases) {
        SCOPED_TRACE(c.what);
        const MidletSettingsProblem problem = checkMidletSettings(c.settings);
        EXPECT_EQ(problem.field, c.field) << problem.message;
        EXPECT_NE(problem.message.find(c.problem), std::string::npos) << problem.message;
        EXPECT_EQ(problem.message.empty(), c.field == MidletField::None);
    }
}

TEST(MidletSettings, NewProjectsAreSound) {
    Project project;
    EXPECT_EQ(midletSettingsProblem(project), "");
    project.midletName = "Project1";
    EXPECT_EQ(midletSettingsProblem(project), "");
    project.midletVersion = "1.0a";
    EXPECT_NE(midletSettingsProblem(project), "");
}

}  // namespace
}  // namespace avizad

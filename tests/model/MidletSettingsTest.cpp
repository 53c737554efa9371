#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "model/MidletSettings.h"

namespace avizad {
namespace {

struct MidletCase {
    const char* what;
    std::string name;
    std::string icon;
    const char* problem;  // a part of the message; nullptr when the settings are sound
};

TEST(MidletSettings, NamesThatMakeABrokenOrUnnamedGameAreRefused) {
    const std::string longestRussian(125, '\xC8');  // 250 bytes of UTF-8, 254 with ".jar"
    const MidletCase cases[] = {
        {"plain", "Game", "", nullptr},
        {"Russian with blanks", utf8ToCp1251("Моя игра 2"), "/icon.png", nullptr},
        {"longest", longestRussian + "a", "", nullptr},
        {"empty", "", "", "Не задано название"},
        {"blanks only", "  \t", "", "Не задано название"},
        {"comma in the name", "Tom, Jerry", "", "Название MIDlet'а не может содержать запятую"},
        {"comma in the icon", "Game", "/a,b.png", "Иконка MIDlet'а не может содержать запятую"},
        {"slash", "a/b", "", "символ «/»"},
        {"colon", "Game: 2", "", "символ «:»"},
        {"question mark", "Game?", "", "символ «?»"},
        {"line break", "Game\r\nMIDlet-2: x", "", "управляющие символы"},
        {"line break in the icon", "Game", "a\nb",
         "Иконка MIDlet'а не может содержать управляющие"},
        {"too long", longestRussian + "ab", "", "слишком длинное для имени файла архива: 256 байт"},
    };
    for (const MidletCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string problem = midletSettingsProblem(c.name, c.icon);
        if (c.problem == nullptr) {
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        }
    }
}

TEST(MidletSettings, NewProjectsAreSound) {
    Project project;
    EXPECT_EQ(midletSettingsProblem(project), "");
    project.midletName = "Project1";
    EXPECT_EQ(midletSettingsProblem(project), "");
    project.midletName.clear();
    EXPECT_NE(midletSettingsProblem(project), "");
}

}  // namespace
}  // namespace avizad

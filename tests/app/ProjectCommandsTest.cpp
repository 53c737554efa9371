// Window title, save-dialog extension and dialog folders.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ScriptedUser.h"
#include "model/Cp1251.h"
#include "model/ProjectCommands.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
namespace fs = std::filesystem;

TEST(WindowTitle, NameWithoutFolderAndExtension) {
    struct Case {
        const char* file;
        const char* title;
    };
    for (const Case c :
         {Case{"/home/u/game.yrk", "ROR Avizad - [game]"}, Case{"game.yrk", "ROR Avizad - [game]"},
          Case{"/p/my.game.yrk", "ROR Avizad - [my.game]"},
          Case{"/p/noext", "ROR Avizad - [noext]"}, Case{"/p/Игра.yrk", "ROR Avizad - [Игра]"}}) {
        EXPECT_EQ(projectTitle(c.file), c.title) << c.file;
    }
    EXPECT_EQ(untitledTitle(), "ROR Avizad - [untitled]");
}

TEST(SaveDialog, ProjectExtensionOnlyWhenNoneTyped) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    for (const Case c : {Case{"/p/game", "/p/game.yrk"}, Case{"/p/game.yrk", "/p/game.yrk"},
                         Case{"/p/game.bak", "/p/game.bak"}, Case{"/p.d/game", "/p.d/game.yrk"}}) {
        EXPECT_EQ(withDefaultExtension(c.typed), fs::path(c.saved)) << c.typed;
    }
}

TEST(ProjectDialogs, StartInProjectsFolderCreatedWhenMissingOrInTheProjectsFolder) {
    ProgramFolder program;
    const fs::path folder = projectDialogFolder(program.dir(), {});
    EXPECT_EQ(folder, program.dir() / "projects");
    EXPECT_TRUE(fs::is_directory(folder));
    fs::create_directories(program.dir() / "mine");
    EXPECT_EQ(projectDialogFolder(program.dir(), program.dir() / "mine" / "g.yrk"),
              program.dir() / "mine");
}

}  // namespace
}  // namespace avizad

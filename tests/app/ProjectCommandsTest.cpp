// Window title, save-dialog extension, dialog folders and the clean command.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ScriptedUser.h"
#include "model/Cp1251.h"
#include "model/ProjectCommands.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::touch;
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

std::set<std::string> filesBelow(const fs::path& dir) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        files.insert(fs::relative(entry.path(), dir).string());
    }
    return files;
}

TEST(Clean, DeletesBuildLeftoversOnly) {
    ProgramFolder program;
    const fs::path& p = program.dir();
    for (const char* name :
         {"a.txt", "b.PNG", "c.class", "d.mid", "e.jar", "e.JAD", "keep.yrk", "keep.java",
          "tmpclasses/t.class", "classes/u.class", "System/classes/v.class",
          "System/tmpclasses/w.class", "System/classes/keep.txt", "System/bin/keep.png"}) {
        touch(p / name);
    }
    fs::create_directories(p / "folder.txt");  // not a file: stays
    EXPECT_EQ(cleanProgramFolder(p), 10);
    const std::set<std::string> expected = {"System",
                                            "System/options.ini",
                                            "System/classes",
                                            "System/classes/keep.txt",
                                            "System/tmpclasses",
                                            "System/bin",
                                            "System/bin/keep.png",
                                            "tmpclasses",
                                            "classes",
                                            "keep.yrk",
                                            "keep.java",
                                            "folder.txt"};
    EXPECT_EQ(filesBelow(p), expected);
}

TEST(Clean, NeverDeletesThroughALinkedFolder) {
    ProgramFolder program;
    const fs::path& p = program.dir();
    const fs::path outside = p.parent_path() / (p.filename().string() + "-outside");
    touch(outside / "elsewhere.class");
    fs::create_directories(p / "System");
    fs::create_directory_symlink(outside, p / "System" / "classes");
    fs::create_directory_symlink(outside, p / "classes");
    EXPECT_EQ(cleanProgramFolder(p), 0);
    EXPECT_TRUE(fs::exists(outside / "elsewhere.class"));
    fs::remove_all(outside);
}

TEST(Clean, FolderWithoutMatchingFilesStaysAsItIs) {
    ProgramFolder program;
    touch(program.dir() / "game.yrk");
    const std::set<std::string> before = filesBelow(program.dir());
    EXPECT_EQ(cleanProgramFolder(program.dir()), 0);
    EXPECT_EQ(filesBelow(program.dir()), before);
}

}  // namespace
}  // namespace avizad

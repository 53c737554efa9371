#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "model/FileUtil.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(FileMatch, ExtensionsMatchInAnyCaseAndOnlyAfterTheLastDot) {
    struct Row {
        const char* name;
        bool sound;
    };
    const Row rows[] = {
        {"a.mid", true},      {"B.MID", true}, {"c.Wav", true}, {"d.mp3", true}, {"e.midi", false},
        {"f.mid.txt", false}, {"mid", false},  {".mid", true},  {"g.", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(hasExtension(row.name, {"mid", "wav", "mp3"}), row.sound) << row.name;
    }
}

// One rule for every folder read or cleaned by extension: regular files only; a
// symbolic link is not followed, so nothing outside the folder is packed or deleted.
TEST(FileMatch, ListsRegularFilesSortedAndNeverFollowsLinks) {
    TempDir dir;
    const fs::path outside = dir.path() / "secret.txt";
    std::ofstream(outside) << "secret";
    fs::create_directories(dir.path() / "res" / "folder.mid");
    for (const char* name : {"b.mid", "A.MID", "c.wav", "notes.txt"}) {
        std::ofstream(dir.path() / "res" / name) << "x";
    }
    fs::create_symlink(outside, dir.path() / "res" / "link.mid");
    EXPECT_EQ(filesWithExtensions(dir.path() / "res", {"mid", "wav"}),
              (std::vector<std::string>{"A.MID", "b.mid", "c.wav"}));
    EXPECT_TRUE(filesWithExtensions(dir.path() / "missing", {"mid"}).empty());
}

TEST(FileNames, MessagesShowAtMostTwoHundredCharactersOfAName) {
    std::string cyrillic;
    for (int i = 0; i < 300; ++i) {
        cyrillic += "ж";
    }
    std::string shown;
    for (int i = 0; i < 200; ++i) {
        shown += "ж";
    }
    EXPECT_EQ(shownName(cyrillic), shown + "…") << "characters, not bytes";
    EXPECT_EQ(shownName(std::string(200, 'a')), std::string(200, 'a'));
    EXPECT_EQ(shownName(std::string("a\0b\tc", 5)), "a\uFFFDb\uFFFDc");
    EXPECT_EQ(displayPath(fs::path("/tmp") / std::string(300, 'x') / "game.yrk"),
              "/tmp/" + std::string(200, 'x') + "…/game.yrk");
    EXPECT_EQ(displayPath("relative/game.yrk"), "relative/game.yrk");
}

TEST(FileNames, FileNameFaults) {
    EXPECT_EQ(fileNameFault("hero", ".png"), "");
    EXPECT_EQ(fileNameFault(std::string(251, 'a'), ".png"), "");
    EXPECT_NE(fileNameFault(std::string(252, 'a'), ".png"), "");
    EXPECT_EQ(fileNameFault(std::string(85, '\xB9'), ""), "") << "№ takes three bytes: 255";
    EXPECT_NE(fileNameFault(std::string(86, '\xB9'), ""), "");
    EXPECT_NE(fileNameFault(std::string("a\0b", 3), ".png"), "");
    EXPECT_NE(fileNameFault("a\x7F", ""), "");
}

}  // namespace
}  // namespace avizad

// "Очистка": what builds leave below the program folder goes, nothing else.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "../model/TempDir.h"
#include "generator/BuildFolders.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "pipeline/BuildLock.h"
#include "pipeline/CleanProgramFolder.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

class CleanProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = dir_.path() / "program";
        // What builds leave: the last build's folder, a killed build's, the games.
        for (const char* file :
             {"System/build/src/Etap1.java", "System/build/res/hero.png",
              "System/build/tmpclasses/Etap1.class", "System/build/classes/Etap1.class",
              "System/build/MANIFEST.MF", "System/build.Ab12Cd/src/Stage.java",
              "System/bin/Game.jar", "System/bin/Game.jad", "System/bin/Other.JAR"}) {
            touch(program_ / file);
        }
        // What they do not: templates, settings, the engine cache, the author's files.
        for (const char* file :
             {"System/options.ini", "System/MANIFEST.MF", "System/build.lock",
              "System/draft/Stage.java", "System/cache/engine/Stage.class", "System/bin/notes.txt",
              "System/buildings/a.txt", "notes.txt", "photo.png", "old.jar", "Etap1.class",
              "images/ground.png", "projects/game.yrk"}) {
            touch(program_ / file);
            kept_.insert(file);
        }
    }
    static void touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        writeFileText(file, "x");
    }
    std::set<std::string> filesBelow() const {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(program_)) {
            if (!entry.is_directory()) {
                files.insert(fs::relative(entry.path(), program_).string());
            }
        }
        return files;
    }

    testing::TempDir dir_;
    fs::path program_;
    std::set<std::string> kept_;
};

TEST_F(CleanProgramFolderTest, DeletesWhatBuildsLeftAndNothingElse) {
    EXPECT_EQ(cleanProgramFolder(program_), 9);
    EXPECT_EQ(filesBelow(), kept_);
    EXPECT_FALSE(fs::exists(program_ / "System" / "build"));
    EXPECT_FALSE(fs::exists(program_ / "System" / "build.Ab12Cd"));
    EXPECT_EQ(cleanProgramFolder(program_), 0);  // nothing left to delete
}

TEST_F(CleanProgramFolderTest, NeverDeletesThroughALink) {
    const fs::path outside = dir_.path() / "outside";
    touch(outside / "Etap1.class");
    touch(outside / "Mine.jar");
    fs::remove_all(program_ / "System" / "build");
    fs::remove_all(program_ / "System" / "bin");
    fs::create_directory_symlink(outside, program_ / "System" / "build");
    fs::create_directory_symlink(outside, program_ / "System" / "bin");
    cleanProgramFolder(program_);
    EXPECT_TRUE(fs::exists(outside / "Etap1.class"));
    EXPECT_TRUE(fs::exists(outside / "Mine.jar"));
}

TEST_F(CleanProgramFolderTest, WhileABuildRunsNothingIsDeleted) {
    const std::set<std::string> before = filesBelow();
    const BuildLock build(BuildFolders{program_});
    ASSERT_TRUE(build.held());
    try {
        cleanProgramFolder(program_);
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("идёт сборка"), std::string::npos) << error.what();
    }
    EXPECT_EQ(filesBelow(), before);
}

}  // namespace
}  // namespace avizad

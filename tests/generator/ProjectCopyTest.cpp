// The installed samples and the copy an author opens of one: the project file byte for byte
// with the files its game takes from "res", never written over the sample.

#include <gtest/gtest.h>

#include "GeneratorTestSupport.h"
#include "generator/ProjectCopy.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::ProgramFolder;

class ProjectCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(samples() / "res");
        Project project;
        clearProject(project);
        project.levelCount = 1;
        project.midletIcon = "/icon.png";
        saveProject(project, sample());
        writeFileText(samples() / "res" / "hit.wav", "hit");
        writeFileText(samples() / "res" / "icon.png", "\x89PNG\r\n\x1a\n icon");
        writeFileText(samples() / "res" / "notes.txt", "not for the game");
    }
    fs::path samples() const { return samplesFolder(program.root()); }
    fs::path sample() const { return samples() / fs::u8path("Пещера.yrk"); }
    fs::path copies() const { return program.root() / "copies"; }

    ProgramFolder program;
};

TEST_F(ProjectCopyTest, InstalledSamplesAreTheProjectFilesOfTheProjectsFolderByName) {
    saveProject(Project{}, samples() / fs::u8path("Платформер.yrk"));
    writeFileText(samples() / "readme.md", "x");
    fs::create_directories(samples() / "folder.yrk");
    fs::create_symlink(sample(), samples() / "link.yrk");
    const std::vector<SampleProject> found = installedSamples(program.root());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "Пещера");
    EXPECT_EQ(found[0].file, sample());
    EXPECT_EQ(found[1].name, "Платформер");
    EXPECT_TRUE(installedSamples(program.root() / "nowhere").empty());
}

TEST_F(ProjectCopyTest, ACopyIsProposedUnderTheFirstFreeName) {
    fs::create_directories(copies());
    EXPECT_EQ(freeCopyFile(copies(), "Пещера"), copies() / fs::u8path("Пещера.yrk"));
    writeFileText(copies() / fs::u8path("Пещера.yrk"), "x");
    writeFileText(copies() / fs::u8path("Пещера 2.yrk"), "x");
    EXPECT_EQ(freeCopyFile(copies(), "Пещера"), copies() / fs::u8path("Пещера 3.yrk"));
}

TEST_F(ProjectCopyTest, CopyTakesTheProjectAndTheFilesItsGameTakes) {
    fs::create_directories(copies() / "res");
    writeFileText(copies() / "res" / "icon.png", "the author's own icon");
    const std::string before = readFileText(sample());
    const fs::path target = copies() / fs::u8path("Моя пещера.yrk");
    copyProject(sample(), target);
    EXPECT_EQ(readFileText(target), before);
    EXPECT_EQ(readFileText(copies() / "res" / "hit.wav"), "hit");
    EXPECT_EQ(readFileText(copies() / "res" / "icon.png"), "the author's own icon");
    EXPECT_FALSE(fs::exists(copies() / "res" / "notes.txt"));
    // A second copy replaces the first one's project file; the sample stays as it was.
    copyProject(sample(), target);
    EXPECT_EQ(readFileText(target), before);
    EXPECT_EQ(readFileText(sample()), before);
}

TEST_F(ProjectCopyTest, CopyIntoTheSampleFolderOrOfANonProjectIsRefusedAndWritesNothing) {
    const std::string before = readFileText(sample());
    for (const fs::path& target :
         {sample(), samples() / "other.yrk", samples() / "res" / ".." / "x.yrk"}) {
        SCOPED_TRACE(target);
        EXPECT_THROW(copyProject(sample(), target), IoError);
    }
    EXPECT_EQ(readFileText(sample()), before);
    EXPECT_FALSE(fs::exists(samples() / "other.yrk"));

    writeFileText(samples() / "broken.yrk", "not a project\r\n");
    EXPECT_THROW(copyProject(samples() / "broken.yrk", copies() / "broken.yrk"), IoError);
    EXPECT_FALSE(fs::exists(copies()));
}

}  // namespace
}  // namespace avizad

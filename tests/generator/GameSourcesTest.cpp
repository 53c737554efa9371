// The file steps of the build in one pass.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "GeneratorShowcase.h"
#include "GeneratorTestSupport.h"
#include "generator/GameSources.h"
#include "generator/ProjectResources.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(GenerateGameSources, ReplacesTheOldOutputsWithTheWholeGame) {
    testing::ProgramFolder folder;
    const fs::path& root = folder.root();
    writeFileText(root / "System/src/Etap7.java", "stale");
    writeFileText(root / "System/res/old.png", "stale");
    writeFileText(root / "System/res/old.mid", "stale");
    writeFileText(root / "System/res/Etap2.class", "stale");
    writeFileText(root / "System/classes/Etap2.class", "stale");
    writeFileText(root / "System/bin/old.jar", "stale");
    const fs::path projectDir = root / "project";
    fs::create_directories(projectDir / "res");
    writeFileText(projectDir / "res/boom.wav", "RIFF");
    writeFileText(projectDir / "res/music.MID", "MThd");
    writeFileText(projectDir / "res/notes.txt", "not a sound");

    const Project project = testing::makeShowcaseProject();
    BuildFolders folders = folder.folders();
    folders.projectDir = projectDir;
    const GameSourcesReport report = generateGameSources(project, folders);
    EXPECT_TRUE(report.undeleted.empty());
    EXPECT_TRUE(report.warnings.empty());

    EXPECT_EQ(fileNames(root / "System/src"),
              (std::set<std::string>{"Etap0.java", "Etap1.java", "Etap2.java", "Events.java",
                                     "MultiLineText.java", "Stage.java", "syrk.java"}));
    EXPECT_EQ(
        fileNames(root / "System/res"),
        (std::set<std::string>{"boom.wav", "enemy.png", "fon0-0.txt", "fon0-1.txt", "fon0-2.txt",
                               "fon1-0.txt", "ladder.png", "life.png", "logo.png", "music.MID",
                               "wall.png", "герой.png", "трава.png"}));
    // A finished archive stays until the build's new one replaces it.
    EXPECT_EQ(fileNames(root / "System/bin"), std::set<std::string>{"old.jar"});
    EXPECT_TRUE(fileNames(root / "System/classes").empty());
    const std::string midlet = testing::fileText(root / "System/src/syrk.java");
    EXPECT_NE(midlet.find("private Etap0 etap0=null;private Etap1 etap1=null;private Etap2 "
                          "etap2=null;\r\n"),
              std::string::npos);
    EXPECT_NE(testing::fileText(root / "MANIFEST.MF").find("MIDlet-Vendor: Авизад\r\n"),
              std::string::npos);
    EXPECT_NE(testing::fileText(root / "System/src/Etap2.java").find("public class Etap2 "),
              std::string::npos);
}

// Phones refuse a suite whose MIDlet-1 names an icon its jar lacks: an icon the game does
// not hold (not in the project's res, or left out there) is named in a warning and the
// icon field stays empty.
TEST(GenerateGameSources, AnIconTheGameDoesNotHoldIsLeftOutOfMidlet1WithAWarning) {
    testing::ProgramFolder folder;
    const fs::path& root = folder.root();
    const fs::path projectDir = root / "project";
    fs::create_directories(projectDir / "res" / "sub");
    writeFileText(projectDir / "res" / "icon.png", "\x89PNG\r\n\x1a\n picture");
    writeFileText(projectDir / "res" / "fake.png", "not a picture");
    writeFileText(projectDir / "res" / "sub" / "deep.png", "png");
    writeFileText(root / "outside.png", "png");
    fs::create_symlink(root / "outside.png", projectDir / "res" / "link.png");
    const struct {
        std::string icon;
        fs::path projectDir;
        std::string field;  // the icon field of MIDlet-1
        bool warned;
    } cases[] = {
        {"/icon.png", projectDir, "/icon.png", false},
        {"icon.png", projectDir, "icon.png", false},
        {"", projectDir, "", false},
        {"/missing.png", projectDir, "", true},
        {"/link.png", projectDir, "", true},  // a link out of the project folder
        {"/../outside.png", projectDir, "", true},
        {"/sub/deep.png", projectDir, "", true},
        {"/icon.png", fs::path(), "", true},            // a project never saved has no res
        {"/logo.png", projectDir, "/logo.png", false},  // the game's own title picture
        {"/fake.png", projectDir, "", true},            // named a PNG, but no picture
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.icon + " in " + c.projectDir.string());
        Project project = testing::makeShowcaseProject();
        project.midletIcon = c.icon;
        BuildFolders folders = folder.folders();
        folders.projectDir = c.projectDir;
        const GameSourcesReport report = generateGameSources(project, folders);
        EXPECT_NE(testing::fileText(root / "MANIFEST.MF")
                      .find("MIDlet-1: Showcase, " + c.field + ", syrk\r\n"),
                  std::string::npos)
            << testing::fileText(root / "MANIFEST.MF");
        const std::string quoted = "«" + c.icon + "»";
        const bool warned = std::any_of(
            report.warnings.begin(), report.warnings.end(), [&](const std::string& line) {
                return line.find("Значок мидлета " + quoted) != std::string::npos;
            });
        EXPECT_EQ(warned, c.warned) << ::testing::PrintToString(report.warnings);
        if (!c.field.empty()) {
            EXPECT_TRUE(fs::is_regular_file(root / "System" / "res" / iconFileName(c.icon)));
        }
    }
}

}  // namespace
}  // namespace avizad

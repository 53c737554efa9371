// The MIDlet class, the manifest, the fixed files and the cleaning of the build folders.

#include <gtest/gtest.h>

#include "GeneratorTestSupport.h"
#include "generator/MidletAssembly.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"
#include "model/IoError.h"

namespace avizad {
namespace {

using testing::fileText;
using testing::ProgramFolder;

TEST(MidletInsertions, CoverTheTitleStageAndEveryLevel) {
    Project project;
    project.levelCount = 1;
    const auto one = MidletAssembly(project, BuildFolders("/x")).midletInsertions();
    EXPECT_EQ(one[0], "private Etap0 etap0=null;private Etap1 etap1=null;");
    EXPECT_EQ(one[1], "case 0:etap0.stop();etap0=null;break;case 1:etap1.stop();etap1=null;break;");
    EXPECT_EQ(one[2],
              "case 0:etap0=new Etap0(this);etap0.start();Display.getDisplay(this).setCurrent("
              "etap0);break;case 1:etap1=new Etap1(this);etap1.start();Display.getDisplay(this)."
              "setCurrent(etap1);break;");
    project.levelCount = 10;
    const auto ten = MidletAssembly(project, BuildFolders("/x")).midletInsertions();
    EXPECT_TRUE(ten[0].ends_with("private Etap10 etap10=null;"));
    EXPECT_TRUE(ten[1].ends_with("case 10:etap10.stop();etap10=null;break;"));
}

TEST(WriteMidletClass, InsertsTheThreeTextsIntoTheTemplateLines) {
    ProgramFolder folder;
    writeFileText(folder.root() / "System/draft/syrk.java",
                  "class syrk {\r\n  //vstavka1\r\n\r\nswitch(a){//vstavka2}\n  //vstavka3 x\r\n}");
    Project project;
    project.levelCount = 1;
    MidletAssembly(project, folder.folders()).writeMidletClass();
    EXPECT_EQ(fileText(folder.root() / "System/src/syrk.java"),
              "class syrk {\r\n"
              "private Etap0 etap0=null;private Etap1 etap1=null;\r\n"
              "switch(a){case 0:etap0.stop();etap0=null;break;case 1:etap1.stop();etap1=null;"
              "break;}\r\n"
              "case 0:etap0=new Etap0(this);etap0.start();Display.getDisplay(this).setCurrent("
              "etap0);break;case 1:etap1=new Etap1(this);etap1.start();Display.getDisplay(this)."
              "setCurrent(etap1);break; x\r\n"
              "}\r\n");
    std::filesystem::remove(folder.root() / "System/draft/syrk.java");
    EXPECT_THROW(MidletAssembly(project, folder.folders()).writeMidletClass(), IoError);
}

TEST(ManifestLines, ReplaceThePlaceholdersInOnePassAndAreUtf8) {
    Project project;
    const std::vector<std::string> lines = {"MIDlet-Vendor: vs1", "MIDlet-Version: vs2",
                                            "MIDlet-1: vs3, vs4, vs3", "Both: vs1/vs2"};
    const struct {
        std::string vendor;
        std::string version;
        std::string icon;
        std::vector<std::string> expected;
    } cases[] = {
        {"tulvask",
         "1.0",
         "/i.png",
         {"MIDlet-Vendor: tulvask", "MIDlet-Version: 1.0", "MIDlet-1: syrk, /i.png, syrk",
          "Both: tulvask/1.0"}},
        {"",
         "2.1",
         "",
         {"MIDlet-Vendor: ", "MIDlet-Version: 2.1", "MIDlet-1: syrk, , syrk", "Both: /2.1"}},
        // Values are taken as they stand, even when they hold a placeholder.
        {"Studio vs2",
         "3.0",
         "/vs5.png",
         {"MIDlet-Vendor: Studio vs2", "MIDlet-Version: 3.0", "MIDlet-1: syrk, /vs5.png, syrk",
          "Both: Studio vs2/3.0"}},
        // Russian text is written in UTF-8; a line break cannot start a new entry.
        {utf8ToCp1251("Ёжик"),
         "1.0\r\nMIDlet-2: x",
         "",
         {"MIDlet-Vendor: Ёжик", "MIDlet-Version: 1.0  MIDlet-2: x", "MIDlet-1: syrk, , syrk",
          "Both: Ёжик/1.0  MIDlet-2: x"}},
    };
    for (const auto& c : cases) {
        project.midletVendor = c.vendor;
        project.midletVersion = c.version;
        project.midletIcon = c.icon;
        EXPECT_EQ(MidletAssembly(project, BuildFolders("/x")).manifestLines(lines), c.expected)
            << c.vendor;
    }
}

TEST(SuiteName, IsTheMidletNameOrSyrk) {
    Project project;
    const struct {
        std::string midletName;
        std::string expected;
    } cases[] = {{"Project1", "Project1"}, {"", "syrk"}, {"  ", "syrk"}, {"a,b", "a b"}};
    for (const auto& c : cases) {
        project.midletName = c.midletName;
        EXPECT_EQ(MidletAssembly(project, BuildFolders("/x")).suiteName(), c.expected);
    }
}

TEST(ManifestLines, ContinueALineLongerThan72Bytes) {
    Project project;
    project.midletVendor = std::string(100, 'v');
    const auto out =
        MidletAssembly(project, BuildFolders("/x")).manifestLines({"MIDlet-Vendor: vs1"});
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], "MIDlet-Vendor: " + std::string(57, 'v'));
    EXPECT_EQ(out[1], " " + std::string(43, 'v'));
}

TEST(WriteManifest, WritesTheProgramFoldersManifestFromTheInstalledTemplate) {
    ProgramFolder folder;
    Project project;
    project.midletName = utf8ToCp1251("Ёлка, игра");
    project.midletVendor = utf8ToCp1251("Авизад");
    project.midletVersion = "1.2";
    MidletAssembly(project, folder.folders()).writeManifest();
    EXPECT_EQ(fileText(folder.root() / "MANIFEST.MF"),
              "MIDlet-Name: Ёлка  игра\r\n"
              "MIDlet-Vendor: Авизад\r\n"
              "MIDlet-Version: 1.2\r\n"
              "MIDlet-1: Ёлка  игра, , syrk\r\n"
              "MicroEdition-Profile: MIDP-2.0\r\n"
              "MicroEdition-Configuration: CLDC-1.1\r\n");
}

TEST(CopyFixedFiles, CopiesOnlyWhatIsMissing) {
    ProgramFolder folder;
    const auto& root = folder.root();
    writeFileText(root / "System/src/MultiLineText.java", "kept");
    MidletAssembly(Project(), folder.folders()).copyFixedFiles();
    EXPECT_EQ(fileText(root / "System/src/MultiLineText.java"), "kept");
    EXPECT_EQ(fileText(root / "System/src/Etap0.java"), fileText(root / "System/draft/etap0.java"));
    EXPECT_EQ(fileText(root / "System/res/logo.png"), fileText(root / "System/draft/logo.png"));
    // A missing source is ignored.
    std::filesystem::remove(root / "System/src/Etap0.java");
    std::filesystem::remove(root / "System/draft/etap0.java");
    EXPECT_NO_THROW(MidletAssembly(Project(), folder.folders()).copyFixedFiles());
}

TEST(CleanBuildFolders, EmptiesTheStagingFoldersAndKeepsTheArchives) {
    ProgramFolder folder;
    const auto& root = folder.root();
    const std::vector<std::string> removed = {
        "System/src/Etap1.java",  "System/src/notes.txt",         "System/res/a.png",
        "System/res/boom.wav",    "System/res/@list.mid",         "System/res/-x.mid",
        "System/classes/A.class", "System/tmpclasses/sub/B.class"};
    const std::vector<std::string> kept = {"System/bin/Game.jar", "System/bin/Other.jar",
                                           "System/draft/Etap1.java", "System/MANIFEST.MF"};
    for (const auto& file : removed) {
        std::filesystem::create_directories((root / file).parent_path());
        writeFileText(root / file, "x");
    }
    for (const auto& file : kept) {
        writeFileText(root / file, "x");
    }
    std::filesystem::create_directory(root / "System/res/folder.png");
    EXPECT_TRUE(cleanBuildFolders(folder.folders()).empty());
    for (const auto& file : removed) {
        EXPECT_FALSE(std::filesystem::exists(root / file)) << file;
    }
    for (const auto& file : kept) {
        EXPECT_TRUE(std::filesystem::exists(root / file)) << file;
    }
    for (const char* staging : {"src", "res", "classes", "tmpclasses"}) {
        EXPECT_TRUE(std::filesystem::is_empty(root / "System" / staging)) << staging;
    }
    // Missing folders are no failure; the staging folders are made again.
    std::filesystem::remove_all(root / "System/bin");
    std::filesystem::remove_all(root / "System/res");
    EXPECT_TRUE(cleanBuildFolders(folder.folders()).empty());
    EXPECT_TRUE(std::filesystem::is_directory(root / "System/res"));
}

}  // namespace
}  // namespace avizad

namespace avizad {
namespace {

TEST(ManifestClasses, AreTheLastFieldOfEveryMidletEntry) {
    const struct {
        std::string manifest;
        std::vector<std::string> classes;
    } cases[] = {
        {"MIDlet-Name: Game\r\nMIDlet-1: Game, /icon.png, syrk\r\nMIDlet-Vendor: x\r\n", {"syrk"}},
        // Continued lines are joined; every MIDlet entry counts, each class once.
        {"MIDlet-1: A very long name, /i\r\n con.png, sy\r\n rk\r\nMIDlet-2: B, , Other\r\n"
         "MIDlet-3: C, , syrk\r\n",
         {"syrk", "Other"}},
        // Other entries that begin alike do not.
        {"MIDlet-Name: a, b, c\nMIDlet-Jar-URL: x, y\nMIDlet-: a, b, c\nMIDlet-1x: a, b, c\n", {}},
        // An icon with a comma: the class is still the last field.
        {"MIDlet-1: Game, a,b.png, syrk", {"syrk"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MidletAssembly::manifestClasses(c.manifest), c.classes) << c.manifest;
    }
}

TEST(DescriptorText, CopiesTheMidletAttributesAndNamesTheJarAndItsSize) {
    const struct {
        std::string manifest;
        std::string jar;
        std::uintmax_t size;
        std::string descriptor;
    } cases[] = {
        // The manifest as the build writes it, and as the archiver completes it.
        {"Manifest-Version: 1.0\r\nMIDlet-Name: Game\r\nMIDlet-Vendor: Авизад\r\n"
         "MIDlet-Version: 1.0\r\nMIDlet-1: Game, /icon.png, syrk\r\n"
         "MicroEdition-Profile: MIDP-2.0\r\nMicroEdition-Configuration: CLDC-1.1\r\n"
         "Created-By: 1.8.0 (Oracle)\r\n\r\n",
         "Game.jar", 12345,
         "MIDlet-Name: Game\r\nMIDlet-Vendor: Авизад\r\nMIDlet-Version: 1.0\r\n"
         "MIDlet-1: Game, /icon.png, syrk\r\nMicroEdition-Profile: MIDP-2.0\r\n"
         "MicroEdition-Configuration: CLDC-1.1\r\nMIDlet-Jar-URL: Game.jar\r\n"
         "MIDlet-Jar-Size: 12345\r\n"},
        // Continued lines joined (a descriptor has none); LF ends; the jar's own URL and
        // size stand for any the manifest has; the file name as a relative URL.
        {"MIDlet-Name: A very long na\n me\nMIDlet-Jar-URL: old.jar\nMIDlet-Jar-Size: 1\n"
         "MIDlet-1: A, , syrk",
         "Моя игра #1.jar", 0,
         "MIDlet-Name: A very long name\r\nMIDlet-1: A, , syrk\r\n"
         "MIDlet-Jar-URL: %D0%9C%D0%BE%D1%8F%20%D0%B8%D0%B3%D1%80%D0%B0%20%231.jar\r\n"
         "MIDlet-Jar-Size: 0\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MidletAssembly::descriptorText(c.manifest, c.jar, c.size), c.descriptor)
            << c.manifest;
    }
}

TEST(DescriptorPath, IsTheJarsNameWithJad) {
    EXPECT_EQ(MidletAssembly::descriptorPath("/p/System/bin/My.Game.jar"),
              std::filesystem::path("/p/System/bin/My.Game.jad"));
}

}  // namespace
}  // namespace avizad

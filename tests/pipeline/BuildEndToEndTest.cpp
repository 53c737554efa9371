// The whole build of the sample project through the real generator, templates and
// Java ME toolkit (System/toolkit beside the programs), then a headless run of the
// game in the toolkit's emulator. Skipped while the toolkit or the templates are not
// installed in the build tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "InstalledToolkit.h"
#include "ToolkitRequired.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "pipeline/BuildAndWait.h"
#include "pipeline/ShellQuote.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

using testing::kInstalled;
using testing::kSample;
using testing::kToolkit;
using testing::makeProgramFolder;

// Runs a shell command line; true when it exits with 0.
bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const fs::path& needed :
             {kInstalled / "draft" / "Etap1.java", kInstalled / "MANIFEST.MF"}) {
            if (!fs::exists(needed)) {
                AVIZAD_SKIP_WITHOUT_TOOLKIT(needed);
            }
        }
        // A program folder of its own: the templates and manifest template of the
        // installed System folder and empty build folders.
        dir_ = fs::temp_directory_path() /
               ("avizad-e2e-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        // The quote reaches every tool, the preverifier's configuration among them, and
        // so do the letters outside Windows-1251.
        program_ = dir_ / "program it's josé 音";
        makeProgramFolder(program_);

        clearProject(project_);
        loadProject(project_, kSample);
        inputs_.programDir = program_;
        inputs_.projectDir = kSample.parent_path();
        inputs_.jdkDir = utf8ToCp1251((kToolkit / "jdk").string());
        inputs_.wtkDir = utf8ToCp1251((kToolkit / "wtk").string());
    }
    void TearDown() override {
        if (!dir_.empty()) {
            fs::remove_all(dir_);
        }
    }

    BuildResult build() {
        console_.clear();
        return buildAndWait(project_, inputs_, [this](std::string_view text) { console_ += text; });
    }

    // The entries of an archive, in the archive's order, as the toolkit's jar lists them.
    std::vector<std::string> entries(const fs::path& archive) {
        const fs::path list = dir_ / "entries.txt";
        EXPECT_TRUE(run(shellQuote((kToolkit / "jdk" / "bin" / "jar").string()) + " tf " +
                        shellQuote(archive.string()) + " > " + shellQuote(list.string())));
        std::vector<std::string> names;
        const std::string text = readFileText(list);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            names.push_back(text.substr(start, end - start));
        }
        return names;
    }

    // Unpacks the archive with the toolkit's jar; returns the folder.
    fs::path unpack(const fs::path& archive) {
        const fs::path out = dir_ / "unpacked";
        fs::create_directories(out);
        EXPECT_TRUE(run("cd " + shellQuote(out.string()) + " && " +
                        shellQuote((kToolkit / "jdk" / "bin" / "jar").string()) + " xf " +
                        shellQuote(archive.string())));
        return out;
    }

    fs::path dir_;
    fs::path program_;
    Project project_;
    BuildInputs inputs_;
    std::string console_;
};

std::string fileText(const fs::path& path) {
    return readFileText(path);
}

// The part of the toolkit a test needs that is missing, or empty.
std::string missingToolkit() {
    for (const fs::path& needed :
         {kToolkit / "jdk" / "bin" / "javac", kToolkit / "jdk" / "bin" / "jar",
          kToolkit / "wtk" / "bin" / "preverify", kToolkit / "wtk" / "lib" / "cldcapi11.jar",
          kToolkit / "wtk" / "lib" / "midpapi20.jar", kToolkit / "wtk" / "bin" / "emulator"}) {
        if (!fs::exists(needed)) {
            return needed.string();
        }
    }
    return {};
}

TEST_F(EndToEndTest, SampleProjectBuildsAndRunsHeadless) {
    if (const std::string missing = missingToolkit(); !missing.empty()) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT(missing);
    }
    inputs_.shrink = false;  // the classes keep their names
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(result.archive, program_ / "System" / "bin" / "Пример.jar");
    EXPECT_EQ(console_.find('\x1e'), std::string::npos);

    const fs::path unpacked = unpack(result.archive);
    const std::string manifest = fileText(unpacked / "META-INF" / "MANIFEST.MF");
    EXPECT_NE(manifest.find("MIDlet-Name: Пример\r\n"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("MIDlet-1: Пример, , syrk\r\n"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("MIDlet-Vendor: tulvask"), std::string::npos) << manifest;
    // The descriptor beside the jar: the manifest's MIDlet attributes, the jar's name (as a
    // relative URL) and its exact size.
    const std::string descriptor = fileText(program_ / "System" / "bin" / "Пример.jad");
    EXPECT_NE(descriptor.find("MIDlet-Jar-Size: " + std::to_string(fs::file_size(result.archive)) +
                              "\r\n"),
              std::string::npos)
        << descriptor;
    EXPECT_NE(descriptor.find("MIDlet-Jar-URL: %D0%9F%D1%80%D0%B8%D0%BC%D0%B5%D1%80.jar\r\n"),
              std::string::npos)
        << descriptor;
    int attributes = 0;
    for (std::size_t start = 0, end; (end = manifest.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = manifest.substr(start, end - start + 2);
        if (line.starts_with("MIDlet-") || line.starts_with("MicroEdition-")) {
            ++attributes;
            EXPECT_NE(descriptor.find(line), std::string::npos) << line << descriptor;
        }
    }
    EXPECT_EQ(attributes, 6);
    // Resources of the objects, tile maps, the logo and the project's sound file.
    for (const char* name : {"hero.png", "enemy.png", "grass.png", "life.png", "logo.png",
                             "fon0-0.txt", "fon0-1.txt", "fon1-0.txt", "fon1-1.txt", "boom.wav"}) {
        EXPECT_TRUE(fs::is_regular_file(unpacked / name)) << name;
    }
    // Classes for CLDC 1.1: class file version 48 or lower, preverified (a StackMap in
    // every class with branches; the level classes only hand their data over).
    for (const char* name : {"Etap0.class", "Etap1.class", "Etap2.class", "Events.class",
                             "Stage.class", "syrk.class", "MultiLineText.class"}) {
        ASSERT_TRUE(fs::is_regular_file(unpacked / name)) << name;
        const std::string bytes = fileText(unpacked / name);
        ASSERT_GT(bytes.size(), 8u);
        const int major =
            (static_cast<unsigned char>(bytes[6]) << 8) | static_cast<unsigned char>(bytes[7]);
        EXPECT_LE(major, 48) << name;
        if (!std::string_view(name).starts_with("Etap") || name[4] == '0') {
            EXPECT_NE(bytes.find("StackMap"), std::string::npos) << name;
        }
    }
    // The Russian text of the text object survived the compile (-encoding Cp1251).
    EXPECT_NE(fileText(unpacked / "Etap1.class").find("Привет, игрок!"), std::string::npos);
    // The build left no class files in its folders.
    EXPECT_TRUE(fs::is_empty(program_ / "System" / "classes"));
    EXPECT_TRUE(fs::is_empty(program_ / "System" / "tmpclasses"));

    const fs::path shot = dir_ / "shot.png";
    EXPECT_TRUE(run(shellQuote((kToolkit / "wtk" / "bin" / "emulator").string()) +
                    " --headless --frames 60 --timeout 120 --screenshot " +
                    shellQuote(shot.string()) + " " + shellQuote(result.archive.string()) + " > " +
                    shellQuote((dir_ / "emulator.log").string()) + " 2>&1"))
        << fileText(dir_ / "emulator.log");
    EXPECT_TRUE(fs::is_regular_file(shot));
}

TEST_F(EndToEndTest, AJarHoldsExactlyTheFilesOfItsProject) {
    if (const std::string missing = missingToolkit(); !missing.empty()) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT(missing);
    }
    // First the two-level sample, then a one-level project whose objects have other names,
    // one named like an option of jar, and whose folder res holds sound files named as an
    // argument file and as an option of jar, and a class: none of those goes in.
    inputs_.shrink = false;
    ASSERT_TRUE(build().archiveMade) << cp1251ToUtf8(console_);
    Project second = project_;
    second.levelCount = 1;
    second.midletName = "Second";
    second.actives[1].name = "-knight";
    second.actives[2].name = "dragon";
    second.backgrounds[1].name = "sand";
    second.indicators[1].name = "health";
    const fs::path secret = dir_ / "secret.txt";
    writeFileText(secret, "not for the game\n");
    const fs::path secondDir = dir_ / "second";
    fs::create_directories(secondDir / "res");
    writeFileText(secondDir / "res" / "@list.mid", secret.string() + "\n");
    writeFileText(secondDir / "res" / "-x.mid", "MThd");
    writeFileText(secondDir / "res" / "Evil.class", "\xCA\xFE\xBA\xBE");
    writeFileText(secondDir / "res" / "boom.wav", "RIFF");
    inputs_.projectDir = secondDir;
    project_ = second;
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    const std::vector<std::string> resources = {"-knight.png", "boom.wav",   "dragon.png",
                                                "fon0-0.txt",  "fon0-1.txt", "health.png",
                                                "logo.png",    "sand.png"};
    std::vector<std::string> expected = {
        "META-INF/",    "META-INF/MANIFEST.MF", "Etap0.class", "Etap1.class",
        "Events.class", "MultiLineText.class",  "Stage.class", "syrk.class"};
    expected.insert(expected.end(), resources.begin(), resources.end());
    EXPECT_EQ(entries(result.archive), expected);
    // Nothing went into the program folder but the manifest.
    for (const auto& entry : fs::directory_iterator(program_)) {
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "MANIFEST.MF")
            << entry.path();
    }

    // Shrunk: the same resources, the MIDlet class under its name, the others renamed.
    const auto unshrunkSize = fs::file_size(result.archive);
    inputs_.shrink = true;
    const BuildResult shrunk = build();
    ASSERT_TRUE(shrunk.archiveMade) << cp1251ToUtf8(console_);
    std::vector<std::string> classes;
    std::vector<std::string> others;
    for (const std::string& name : entries(shrunk.archive)) {
        (name.ends_with(".class") ? classes : others).push_back(name);
    }
    std::vector<std::string> expectedOthers = {"META-INF/", "META-INF/MANIFEST.MF"};
    expectedOthers.insert(expectedOthers.end(), resources.begin(), resources.end());
    EXPECT_EQ(others, expectedOthers);
    EXPECT_NE(std::find(classes.begin(), classes.end(), "syrk.class"), classes.end());
    EXPECT_EQ(std::find(classes.begin(), classes.end(), "Stage.class"), classes.end());
    EXPECT_LE(classes.size(), 6u);
    EXPECT_LT(fs::file_size(shrunk.archive), unshrunkSize);
}

// The demonstration of a project that would run a program of its own on the machine of whoever
// plays it: an action loads the class Evil, and Evil.class lies in the project's res, named
// as the MIDlet's icon. The build refuses the icon; without it the class stays out of the
// jar, and the game plays, its action failing to find the class.
TEST_F(EndToEndTest, AProjectCannotShipAndLoadAClassOfItsOwn) {
    if (const std::string missing = missingToolkit(); !missing.empty()) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT(missing);
    }
    const fs::path evilDir = dir_ / "evil";
    fs::create_directories(evilDir / "res");
    writeFileText(evilDir / "res" / "Evil.class", "\xCA\xFE\xBA\xBE\x00\x00\x00\x2E");
    inputs_.projectDir = evilDir;
    project_.eventTable.events[1].specialActions[1].add(
        {"x", "try{Class.forName(\"Evil\").newInstance();}catch(Throwable t){}"});
    project_.midletIcon = "Evil.class";
    const BuildResult refused = build();
    EXPECT_FALSE(refused.archiveMade);
    EXPECT_TRUE(refused.error.starts_with("Иконка MIDlet'а «Evil.class» не годится"))
        << refused.error;

    project_.midletIcon = "";
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    const std::vector<std::string> names = entries(result.archive);
    EXPECT_EQ(std::find(names.begin(), names.end(), "Evil.class"), names.end());
    EXPECT_TRUE(run(shellQuote((kToolkit / "wtk" / "bin" / "emulator").string()) +
                    " --headless --frames 30 --timeout 120 " + shellQuote(result.archive.string()) +
                    " > " + shellQuote((dir_ / "emulator.log").string()) + " 2>&1"))
        << fileText(dir_ / "emulator.log");
}

TEST_F(EndToEndTest, NameWithShellMetacharactersBuildsThatJarAndRunsNothingElse) {
    if (const std::string missing = missingToolkit(); !missing.empty()) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT(missing);
    }
    project_.midletName = "my game; touch x";
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(result.archive, program_ / "System" / "bin" / "my game; touch x.jar");
    EXPECT_TRUE(fs::is_regular_file(result.archive));
    EXPECT_FALSE(fs::exists(program_ / "x"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "x"));
}

TEST_F(EndToEndTest, MissingJdkFolderReportsTheFailedCompileStep) {
    inputs_.jdkDir = utf8ToCp1251((dir_ / "no jdk here").string());
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, utf8ToCp1251("компиляция"));
    EXPECT_FALSE(fs::exists(result.archive));
    const std::string last =
        utf8ToCp1251("Архив не создан: шаг «компиляция» завершился с кодом 127\n");
    ASSERT_GE(console_.size(), last.size());
    EXPECT_EQ(console_.substr(console_.size() - last.size()), last);
}

}  // namespace
}  // namespace avizad

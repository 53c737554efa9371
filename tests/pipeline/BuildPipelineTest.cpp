// The build pipeline with stand-in tools: small shell scripts that take the time a
// real tool takes and check that the files they depend on are in place, so the order
// of commands and file steps shows. The real toolkit is exercised in
// BuildEndToEndTest.cpp.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ProcessTestSupport.h"
#include "generator/BuildFolders.h"
#include "generator/ProjectResources.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"
#include "pipeline/BuildAndWait.h"
#include "pipeline/BuildCommands.h"
#include "pipeline/BuildLock.h"
#include "pipeline/BuildPipeline.h"
#include "pipeline/GameLauncher.h"
#include "pipeline/ShellQuote.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

// javac: writes <name>.class into the -d folder for every *.java argument.
// preverify: copies the class files of its input folder into the -d folder.
// jar: "cmf MANIFEST ARCHIVE (-C FOLDER ./FILE)...": every file must exist and be named
// with "./"; the archive lists the names without it, then a line "--", then the files'
// bytes one after another (so it is about as large as a real archive).
// Each tool first logs its name and arguments, and fails when a file
// "fail-<tool>" lies in the current folder.
constexpr const char* kJavac = R"(#!/bin/sh
echo "javac $*" >> tool.log
[ -f fail-javac ] && { echo "A.java:1: error: boom"; exit 1; }
echo $$ > javac.pid
# A process of the tool that outlives it.
[ -f stray-javac ] && { sleep 30 >/dev/null 2>&1 & echo $! > stray.pid; }
sleep 0.2
for a in "$@"; do
  [ "$prev" = -d ] && out="$a"
  prev="$a"
done
# A slow compiler: whoever stops it, it writes Ghost.class into its output folder for 3 s.
if [ -f slow-javac ]; then
  i=0
  while [ $i -lt 60 ]; do echo ghost > "$out/Ghost.class"; sleep 0.05; i=$((i + 1)); done
fi
for a in "$@"; do
  case "$a" in
    *.java) n=$(basename "$a" .java); echo class > "$out/$n.class" ;;
  esac
done
)";
constexpr const char* kPreverify = R"(#!/bin/sh
echo "preverify $*" >> tool.log
[ -f fail-preverify ] && exit 2
sleep 0.2
while [ $# -gt 0 ]; do
  case "$1" in
    -d) out="$2"; shift ;;
    -classpath|-keep) shift ;;
    *) cp "$1"/*.class "$out"/ ;;
  esac
  shift
done
)";
constexpr const char* kJar = R"(#!/bin/sh
echo "jar $*" >> tool.log
sleep 0.2
[ "$1" = cmf ] || exit 4
[ -f "$2" ] || exit 5
archive="$3"; shift 3
printf 'partial' > "$archive"
[ -f fail-jar ] && exit 6
: > "$archive.list"
while [ $# -gt 0 ]; do
  [ "$1" = -C ] || { echo "not -C: $1"; exit 8; }
  case "$3" in ./*) ;; *) echo "not ./: $3"; exit 9 ;; esac
  [ -f "$2/$3" ] || { echo "missing $2/$3"; exit 7; }
  printf '%s\n' "${3#./}" >> "$archive.list"
  files="$files $2/$3"
  shift 3
done
echo -- >> "$archive.list"
for f in $files; do cat "$f" >> "$archive.list"; done
mv "$archive.list" "$archive"
)";

class PipelineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("avizad-pipeline-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + " it's");
        fs::remove_all(dir_);
        program_ = dir_ / "program";
        for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
            fs::create_directories(program_ / "System" / folder);
        }
        project_ = dir_ / "project";
        fs::create_directories(project_ / "res");
        writeTool("tools/jdk/bin/javac", kJavac);
        writeTool("tools/jdk/bin/jar", kJar);
        writeTool("tools/wtk/bin/preverify", kPreverify);
        inputs_.programDir = program_;
        inputs_.projectDir = project_;
        inputs_.jdkDir = "tools/jdk";  // relative to the program folder
        inputs_.wtkDir = "tools/wtk";
        midlet_.midletName = "Game";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeTool(const std::string& relative, const char* script) {
        const fs::path path = program_ / relative;
        fs::create_directories(path.parent_path());
        writeFileText(path, script);
        fs::permissions(path, fs::perms::owner_all);
    }

    // Stands in for the generator: two sources, two resources and the manifest.
    static GameSourcesReport writeSources(const Project& project, const BuildFolders& folders) {
        writeFileText(folders.src() / "Etap1.java", "class Etap1 {}\r\n");
        writeFileText(folders.src() / "syrk.java", "class syrk {}\r\n");
        writeFileText(folders.res() / "hero.png", "png");
        writeFileText(folders.res() / "fon0-0.txt", "1,2,\r\n");
        writeFileText(folders.manifest(), "MIDlet-Name: Game\r\nMIDlet-1: Game, , syrk\r\n");
        // The project's own files, as the real writer takes them.
        const ProjectResources own =
            findProjectResources(folders.projectDir, iconFileName(project.midletIcon));
        for (const ProjectResource& file : own.files) {
            copyProjectResource(file, folders.res());
        }
        return {{}, own.leftOut};
    }

    BuildResult build() {
        console_.clear();
        return buildAndWait(
            midlet_, inputs_, [this](std::string_view text) { console_ += text; }, writeSources);
    }

    std::vector<std::string> archiveEntries(const std::string& name = "Game") {
        std::vector<std::string> lines;
        std::string text = readFileText(program_ / "System" / "bin" / (name + ".jar"));
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            if (text.compare(start, end - start, "--") == 0) {
                break;
            }
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    pid_t toolPid(const char* file) const { return testing::readPid(program_ / file); }
    static bool gone(pid_t pid) { return testing::processGone(pid); }

    // avizad-cli in the program folder, with the stand-in tools in its settings and the
    // project saved beside its res folder; started without waiting.
    pid_t startCli() {
        fs::copy_file(fs::path(AVIZAD_PROGRAM_DIR) / "avizad-cli", program_ / "avizad-cli",
                      fs::copy_options::overwrite_existing);
        const fs::path source = fs::path(AVIZAD_SOURCE_DIR) / "System";
        fs::copy(source / "draft", program_ / "System" / "draft",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy_file(source / "MANIFEST.MF", program_ / "System" / "MANIFEST.MF",
                      fs::copy_options::overwrite_existing);
        std::string options = readFileText(source / "options.ini");
        for (const char* from : {"System/toolkit/jdk", "System/toolkit/wtk"}) {
            options.replace(options.find(from), std::string(from).size(),
                            std::string(from).ends_with("jdk") ? "tools/jdk" : "tools/wtk");
        }
        writeFileText(program_ / "System" / "options.ini", options);
        Project project;
        clearProject(project);
        project.levelCount = 1;
        project.midletName = "Game";
        project.midletVendor = "Vendor";
        project.midletVersion = "1.0";
        saveProject(project, project_ / "game.yrk");

        const std::string program = (program_ / "avizad-cli").string();
        const std::string file = (project_ / "game.yrk").string();
        const std::string log = (dir_ / "cli.log").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("build"),
                        const_cast<char*>(file.c_str()), nullptr};
        pid_t pid = -1;
        EXPECT_EQ(::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    fs::path dir_;
    fs::path program_;
    fs::path project_;
    BuildInputs inputs_;
    Project midlet_;
    std::string console_;
};

TEST_F(PipelineFixture, BuildsTheArchiveWithEveryStepInOrder) {
    writeFileText(project_ / "res" / "boom.wav", "wav");
    writeFileText(project_ / "res" / "Music.MID", "mid");
    writeFileText(project_ / "res" / "notes.doc", "not a sound");
    writeFileText(program_ / "System" / "tmpclasses" / "Stale.class", "left by a broken build");
    writeFileText(program_ / "System" / "res" / "other.mp3", "sound of an earlier project");
    fs::create_directories(program_ / "System" / "build.Killed" / "classes");  // a killed build
    writeFileText(program_ / "System" / "build.Killed" / "classes" / "Stale.class", "stale");

    const BuildResult result = build();

    EXPECT_TRUE(result.archiveMade) << console_;
    EXPECT_EQ(result.archive, program_ / "System" / "bin" / "Game.jar");
    EXPECT_EQ(result.failedStep, "");
    // The archiver packed the classes and this build's resources, the sound files of the
    // project among them; nothing of earlier builds.
    EXPECT_EQ(archiveEntries(), (std::vector<std::string>{"Etap1.class", "syrk.class", "Music.MID",
                                                          "boom.wav", "fon0-0.txt", "hero.png"}));
    // The build staged in a folder of its own, kept as System/build; the folder of the
    // killed build is gone, and nothing went into the program folder itself.
    const std::string log = readFileText(program_ / "tool.log");
    const std::size_t at = log.find(" System/build.");
    ASSERT_NE(at, std::string::npos) << log;
    const std::string stagingName = log.substr(at + 8, 12);
    std::set<std::string> system;
    for (const auto& entry : fs::directory_iterator(program_ / "System")) {
        system.insert(entry.path().filename().string());
    }
    EXPECT_EQ(system, (std::set<std::string>{"bin", "build", "build.lock", "classes", "res", "src",
                                             "tmpclasses"}));
    const fs::path kept = program_ / "System" / "build";
    for (const char* file :
         {"MANIFEST.MF", "src/syrk.java", "res/boom.wav", "classes/syrk.class"}) {
        EXPECT_TRUE(fs::is_regular_file(kept / file)) << file;
    }
    for (const auto& entry : fs::directory_iterator(program_)) {
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "tool.log" ||
                    entry.path().filename() == "javac.pid")
            << entry.path();
    }

    // Paths below the program folder, the interpreter's current folder, are relative.
    const std::string jdk = "tools/jdk";
    const std::string wtk = "tools/wtk";
    const std::string classPath = wtk + "/lib/cldcapi11.jar:" + wtk + "/lib/midpapi20.jar";
    const std::string staging = "System/" + stagingName;
    const std::string classes = " -C " + staging + "/classes ./";
    const std::string res = " -C " + staging + "/res ./";
    EXPECT_EQ(log, "javac -source 1.3 -encoding Cp1251 -classpath " + classPath + " -d " + staging +
                       "/tmpclasses " + staging + "/src/Etap1.java " + staging +
                       "/src/syrk.java\n" + "preverify -classpath " + classPath +
                       " -keep syrk -d " + staging + "/classes " + staging + "/tmpclasses\n" +
                       "jar cmf " + staging + "/MANIFEST.MF " + staging + "/game.jar" + classes +
                       "Etap1.class" + classes + "syrk.class" + res + "Music.MID" + res +
                       "boom.wav" + res + "fon0-0.txt" + res + "hero.png\n");

    // The console shows the three command lines (the tool and every word that needs it
    // quoted) and the final line; no marker.
    EXPECT_NE(
        console_.find(shellQuote(jdk + "/bin/javac") + " -source 1.3 -encoding Cp1251 -classpath " +
                      classPath + " -d " + staging + "/tmpclasses " +
                      shellQuote(staging + "/src/") + "*.java </dev/null\n"),
        std::string::npos)
        << console_;
    EXPECT_NE(console_.find(shellQuote(wtk + "/bin/preverify") + " -classpath"), std::string::npos);
    EXPECT_NE(console_.find(shellQuote(jdk + "/bin/jar") + " cmf " + staging + "/MANIFEST.MF " +
                            staging + "/game.jar -C "),
              std::string::npos);
    EXPECT_EQ(console_.find('\x1e'), std::string::npos);
    EXPECT_EQ(console_.find("avizad:"), std::string::npos);
    const std::string last = utf8ToCp1251("Архив создан: ") + result.archive.string() + "\n";
    ASSERT_GE(console_.size(), last.size());
    EXPECT_EQ(console_.substr(console_.size() - last.size()), last);
    EXPECT_EQ(result.summary + "\n", last);

    // Unshrunk: the preverifier keeps every name.
    inputs_.shrink = false;
    fs::remove(program_ / "tool.log");
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_NE(readFileText(program_ / "tool.log").find(" -classpath " + classPath + " -d "),
              std::string::npos);
    EXPECT_EQ(readFileText(program_ / "tool.log").find("-keep"), std::string::npos);
}

// A game holds only resources: of the project's files, a class (the icon or not, a PNG
// picture by name only) and names the archiver could read as an option or a list of
// arguments ("@list.mid" would make jar read the names to pack from it) stay out, and the
// console names each.
TEST_F(PipelineFixture, OnlyResourcesOfTheProjectGoIntoTheGame) {
    writeFileText(program_ / "secret.txt", "not part of the game");
    writeFileText(project_ / "res" / "@list.mid", (program_ / "secret.txt").string() + "\n");
    writeFileText(project_ / "res" / "-x.mid", "mid");
    writeFileText(project_ / "res" / "Evil.class", "\xCA\xFE\xBA\xBE class bytes");
    writeFileText(project_ / "res" / "evil.png", "\xCA\xFE\xBA\xBE class bytes");
    writeFileText(project_ / "res" / "boom.wav", "wav");
    for (const char* icon : {"", "evil.png"}) {
        SCOPED_TRACE(icon);
        midlet_.midletIcon = icon;
        const BuildResult result = build();
        ASSERT_TRUE(result.archiveMade) << console_;
        EXPECT_EQ(archiveEntries(),
                  (std::vector<std::string>{"Etap1.class", "syrk.class", "boom.wav", "fon0-0.txt",
                                            "hero.png"}));
        for (const char* name : {"res/-x.mid", "res/@list.mid"}) {
            EXPECT_NE(console_.find(utf8ToCp1251(std::string("«") + name + "»")), std::string::npos)
                << name << "\n"
                << console_;
        }
        EXPECT_EQ(console_.find(utf8ToCp1251(
                      "«res/evil.png» не взят в игру: это не картинка PNG")) != std::string::npos,
                  *icon != '\0')
            << console_;
    }
}

// The demonstration of a project that carries a program: a class in "res", named as the
// MIDlet's icon so that the build would pack it. The build refuses the icon.
TEST_F(PipelineFixture, AClassAsTheIconIsRefused) {
    writeFileText(project_ / "res" / "Evil.class", "\xCA\xFE\xBA\xBE class bytes");
    midlet_.midletIcon = "Evil.class";
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_TRUE(result.error.starts_with("Иконка MIDlet'а «Evil.class» не годится"))
        << result.error;
    EXPECT_FALSE(fs::exists(program_ / "tool.log")) << "no tool ran";
}

TEST_F(PipelineFixture, TheIconTheMidletSettingsNameComesFromTheProjectsFolder) {
    writeFileText(project_ / "res" / "icon.png", std::string(kPngSignature) + "icon");
    writeFileText(project_ / "res" / "other.png", "a picture the game does not name");
    writeFileText(dir_ / "outside.png", "outside the project's res");
    const struct {
        std::string icon;
        std::vector<std::string> entries;
    } cases[] = {
        {"/icon.png", {"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png", "icon.png"}},
        {"icon.png", {"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png", "icon.png"}},
        {"/missing.png", {"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png"}},
        // An exported picture of the same name stays the game's own.
        {"/hero.png", {"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png"}},
    };
    writeFileText(project_ / "res" / "hero.png", std::string(kPngSignature) + "project's");
    for (const auto& c : cases) {
        midlet_.midletIcon = c.icon;
        ASSERT_TRUE(build().archiveMade) << console_;
        EXPECT_EQ(archiveEntries(), c.entries) << c.icon;
        EXPECT_EQ(readFileText(program_ / "System" / "build" / "res" / "hero.png"), "png")
            << c.icon;
    }
}

// A project handed around cannot make its builder publish files from elsewhere: every
// path below the project's "res" is resolved, and only regular files whose real path
// lies inside the real project folder go into the game; the console names the others.
TEST_F(PipelineFixture, OnlyFilesInsideTheProjectFolderGoIntoTheGame) {
    const fs::path outside = dir_ / "outside";
    fs::create_directories(outside);
    writeFileText(outside / "passwd.png", std::string(kPngSignature) + "root:x:0:0");
    writeFileText(outside / "leak.wav", "outside");
    fs::create_directories(project_ / "sounds");
    writeFileText(project_ / "sounds" / "own.wav", "the project's own sound");

    // The whole "res" is a link to a folder elsewhere.
    fs::remove_all(project_ / "res");
    fs::create_directory_symlink(outside, project_ / "res");
    midlet_.midletIcon = "/passwd.png";
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_EQ(archiveEntries(),
              (std::vector<std::string>{"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png"}));
    for (const char* name : {"res/passwd.png", "res/leak.wav"}) {
        EXPECT_NE(console_.find(utf8ToCp1251(std::string("«") + name + "»")), std::string::npos)
            << name << "\n"
            << console_;
    }

    // A real "res" whose files link outside, to a folder and to the project's own file.
    fs::remove(project_ / "res");
    fs::create_directories(project_ / "res" / "folder.mid");
    fs::create_symlink(outside / "leak.wav", project_ / "res" / "leak.wav");
    fs::create_symlink(outside / "passwd.png", project_ / "res" / "passwd.png");
    fs::create_symlink("../sounds/own.wav", project_ / "res" / "own.wav");
    fs::create_symlink(outside / "missing.mid", project_ / "res" / "dangling.mid");
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_EQ(archiveEntries(), (std::vector<std::string>{"Etap1.class", "syrk.class", "fon0-0.txt",
                                                          "hero.png", "own.wav"}));
    for (const char* name :
         {"res/passwd.png", "res/leak.wav", "res/folder.mid", "res/dangling.mid"}) {
        EXPECT_NE(console_.find(utf8ToCp1251(std::string("«") + name + "»")), std::string::npos)
            << name << "\n"
            << console_;
    }
    EXPECT_EQ(console_.find("own.wav»"), std::string::npos) << console_;

    // A project folder reached through a link is the folder it names.
    fs::create_directory_symlink(project_, dir_ / "project-link");
    inputs_.projectDir = dir_ / "project-link";
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_EQ(archiveEntries().back(), "own.wav");
}

// The game names its files in Windows-1251 strings: a file of the project whose name that
// code page cannot spell is left out, and the console names it.
TEST_F(PipelineFixture, FilesTheGameCannotNameAreLeftOut) {
    for (const char* name : {"café.wav", "音.wav", "\xE9t\xE9.mid", "ok.wav", "Звук №1.mid"}) {
        writeFileText(project_ / "res" / name, "sound");
    }
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << console_;
    EXPECT_EQ(archiveEntries(), (std::vector<std::string>{"Etap1.class", "syrk.class", "fon0-0.txt",
                                                          "hero.png", "ok.wav", "Звук №1.mid"}));
    for (const char* shown :
         {"«res/caf<U+00E9>.wav»", "«res/<U+97F3>.wav»", "«res/<0xE9>t<0xE9>.mid»"}) {
        EXPECT_NE(console_.find(utf8ToCp1251(shown)), std::string::npos) << shown << "\n"
                                                                         << cp1251ToUtf8(console_);
    }
}

// Many MIDP 2.0 phones refuse a jar above 64 KB: the console says so and names the largest
// files. A single resource above 16 MB is refused before any tool runs.
TEST_F(PipelineFixture, WarnsOfALargeJarAndRefusesAHugeResource) {
    writeFileText(project_ / "res" / "music.mid", std::string(50000, 'm'));
    writeFileText(project_ / "res" / "boom.wav", std::string(20000, 'w'));
    ASSERT_TRUE(build().archiveMade) << console_;
    const std::string text = cp1251ToUtf8(console_);
    const std::size_t warning = text.find("больше 64 КБ");
    ASSERT_NE(warning, std::string::npos) << text;
    const std::string line = text.substr(warning, text.find('\n', warning) - warning);
    EXPECT_NE(line.find("music.mid (48,8 КБ), boom.wav (19,5 КБ)"), std::string::npos) << line;
    EXPECT_LT(text.find("больше 64 КБ"), text.find("Архив создан")) << text;

    fs::remove(project_ / "res" / "music.mid");
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_EQ(console_.find(utf8ToCp1251("64 КБ")), std::string::npos) << console_;

    // Above 16 MB: a file of the project, or one the build itself wrote.
    const std::string huge(16 * 1024 * 1024 + 1, 'x');
    writeFileText(project_ / "res" / "huge.wav", huge);
    fs::remove(program_ / "tool.log");
    BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_NE(result.error.find("«res/huge.wav» занимает 16,0 МБ"), std::string::npos)
        << result.error;
    EXPECT_FALSE(fs::exists(program_ / "tool.log")) << "no tool ran";
    fs::remove(project_ / "res" / "huge.wav");

    result = buildAndWait(
        midlet_, inputs_, [this](std::string_view t) { console_ += t; },
        [&huge](const Project& project, const BuildFolders& folders) {
            GameSourcesReport report = writeSources(project, folders);
            writeFileText(folders.res() / "map.png", huge);
            return report;
        });
    EXPECT_FALSE(result.archiveMade);
    EXPECT_NE(result.error.find("«map.png» занимает 16,0 МБ"), std::string::npos) << result.error;
    EXPECT_FALSE(fs::exists(program_ / "tool.log")) << "no tool ran";
}

// The program folder reaches the tools byte for byte, whatever its characters; one whose
// name is no UTF-8 (the Java tools could not open it) is refused at the start.
TEST_F(PipelineFixture, AProgramFolderOfAnyNameBuildsOrIsRefusedByName) {
    for (const char* name : {"josé 音 it's", "x\xE9y"}) {
        SCOPED_TRACE(name);
        const fs::path renamed = dir_ / name;
        fs::rename(program_, renamed);
        program_ = renamed;
        inputs_.programDir = renamed;
        fs::remove(renamed / "tool.log");
        const BuildResult result = build();
        if (std::string_view(name).starts_with("jos")) {
            ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
            EXPECT_EQ(result.archive, renamed / "System" / "bin" / "Game.jar");
            EXPECT_EQ(archiveEntries().size(), 4u);
        } else {
            EXPECT_FALSE(result.archiveMade);
            EXPECT_TRUE(
                result.error.starts_with("Папка программы «" + (dir_ / "x<0xE9>y").string() + "»"))
                << result.error;
            EXPECT_NE(result.error.find("0xE9"), std::string::npos) << result.error;
            EXPECT_FALSE(fs::exists(renamed / "tool.log")) << "no tool ran";
        }
    }
}

// A build never deletes through a link. The folders of the System folder that it
// replaces are refused when they are links, with a message naming them; what links point
// to stays as it is.
TEST_F(PipelineFixture, NeverDeletesThroughALink) {
    const fs::path outside = dir_ / "outside";
    const auto outsideFiles = [&] {
        return std::distance(fs::recursive_directory_iterator(outside),
                             fs::recursive_directory_iterator());
    };
    fs::create_directories(outside);
    for (const char* name : {"keep.java", "keep.png", "keep.mid", "keep.class", "keep.jar"}) {
        writeFileText(outside / name, "someone else's file");
    }
    // The folders of earlier versions, and a leftover named like a staging folder.
    for (const char* folder : {"src", "res", "tmpclasses", "classes"}) {
        fs::remove_all(program_ / "System" / folder);
        fs::create_directory_symlink(outside, program_ / "System" / folder);
    }
    fs::create_directory_symlink(outside, program_ / "System" / "build.Linked");
    ASSERT_TRUE(build().archiveMade) << console_;
    EXPECT_EQ(outsideFiles(), 5);
    EXPECT_FALSE(fs::exists(fs::symlink_status(program_ / "System" / "build.Linked")));

    // The last build's folder, which the build replaces.
    fs::remove_all(program_ / "System" / "build");
    fs::create_directory_symlink(outside, program_ / "System" / "build");
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, BuildPipeline::stepName(BuildPipeline::kPrepareStep));
    EXPECT_NE(result.error.find("«" + (program_ / "System" / "build").string() + "»"),
              std::string::npos)
        << result.error;
    EXPECT_NE(result.error.find("ссылка"), std::string::npos) << result.error;
    EXPECT_EQ(outsideFiles(), 5);
}

// Whatever a tool of a build leaves running ends with the build.
TEST_F(PipelineFixture, ToolProcessesEndWithTheBuild) {
    writeFileText(program_ / "stray-javac", "");
    ASSERT_TRUE(build().archiveMade) << console_;
    const pid_t stray = toolPid("stray.pid");
    ASSERT_GT(stray, 0);
    EXPECT_TRUE(gone(stray));
    ::kill(stray, SIGKILL);
}

// The tools of a build killed with SIGKILL (nothing can stop them then) write on into
// folders of their own: the next build packs nothing of theirs.
TEST_F(PipelineFixture, AKilledBuildsToolsCannotReachTheNextBuild) {
    writeFileText(program_ / "slow-javac", "");
    const pid_t cli = startCli();
    const pid_t javac = toolPid("javac.pid");
    ASSERT_GT(javac, 0);
    ::kill(cli, SIGKILL);
    ::waitpid(cli, nullptr, 0);
    fs::remove(program_ / "slow-javac");
    fs::remove(program_ / "javac.pid");

    const BuildResult result = build();
    ::kill(javac, SIGKILL);
    ASSERT_TRUE(result.archiveMade) << console_;
    EXPECT_EQ(archiveEntries(),
              (std::vector<std::string>{"Etap1.class", "syrk.class", "fon0-0.txt", "hero.png"}));
}

// avizad-cli stopped with SIGINT or SIGTERM stops its build's tools and leaves no jar.
TEST_F(PipelineFixture, AStoppedCliBuildStopsItsTools) {
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        fs::remove(program_ / "javac.pid");
        writeFileText(program_ / "slow-javac", "");
        const pid_t cli = startCli();
        const pid_t javac = toolPid("javac.pid");
        ASSERT_GT(javac, 0);
        ::kill(cli, signal);
        int status = 0;
        ::waitpid(cli, &status, 0);
        const bool javacGone = gone(javac);
        ::kill(javac, SIGKILL);
        EXPECT_TRUE(javacGone);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
        const std::string log = readFileText(dir_ / "cli.log");
        EXPECT_NE(log.find("остановлена"), std::string::npos) << log;
        EXPECT_FALSE(fs::exists(program_ / "System" / "bin" / "Game.jar"));
    }
}

TEST_F(PipelineFixture, ABuildWhileAnotherRunsInTheProgramFolderIsRefused) {
    // The other build: another process (or the window) holds the program folder's lock.
    const BuildLock other{BuildFolders(program_)};
    ASSERT_TRUE(other.held());
    writeFileText(program_ / "System" / "bin" / "Game.jar", "the other build's jar");
    writeFileText(program_ / "System" / "res" / "other.png", "the other build's file");
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, utf8ToCp1251("подготовка файлов игры"));
    EXPECT_NE(result.error.find("уже идёт другая сборка"), std::string::npos) << result.error;
    EXPECT_NE(console_.find(utf8ToCp1251("Архив не создан")), std::string::npos);
    EXPECT_EQ(console_.find(utf8ToCp1251("Архив создан")), std::string::npos);
    // The running build's files are untouched, and no tool ran.
    EXPECT_EQ(readFileText(program_ / "System" / "bin" / "Game.jar"), "the other build's jar");
    EXPECT_TRUE(fs::exists(program_ / "System" / "res" / "other.png"));
    EXPECT_FALSE(fs::exists(program_ / "tool.log"));
}

// The descriptor beside the jar names it and its exact size; a failed build leaves
// neither, so no descriptor ever claims another jar.
TEST_F(PipelineFixture,
       TheNewArchiveAndItsDescriptorReplaceTheOldOnesAndAFailedBuildLeavesNeither) {
    const fs::path bin = program_ / "System" / "bin";
    writeFileText(bin / "Game.jar", "old");
    writeFileText(bin / "Game.jad", "MIDlet-Jar-URL: Game.jar\r\nMIDlet-Jar-Size: 3\r\n");
    writeFileText(bin / "Other.jar", "another game");
    writeFileText(bin / "Other.jad", "another descriptor");
    for (const std::size_t soundBytes : {0, 5000}) {
        SCOPED_TRACE(soundBytes);
        if (soundBytes > 0) {
            writeFileText(project_ / "res" / "boom.wav", std::string(soundBytes, 'w'));
        }
        const BuildResult result = build();
        ASSERT_TRUE(result.archiveMade) << console_;
        EXPECT_EQ(archiveEntries().size(), soundBytes > 0 ? 5u : 4u);
        const std::string descriptor = readFileText(bin / "Game.jad");
        for (const std::string& line : std::vector<std::string>{
                 "MIDlet-Name: Game\r\n", "MIDlet-1: Game, , syrk\r\n",
                 "MIDlet-Jar-URL: Game.jar\r\n",
                 "MIDlet-Jar-Size: " + std::to_string(fs::file_size(bin / "Game.jar")) + "\r\n"}) {
            EXPECT_NE(descriptor.find(line), std::string::npos) << line << descriptor;
        }
        EXPECT_NE(console_.find(bin.string() + "/Game.jad"), std::string::npos) << console_;
    }
    for (const char* failing : {"fail-jar", "fail-javac"}) {
        SCOPED_TRACE(failing);
        ASSERT_TRUE(build().archiveMade) << console_;
        writeFileText(program_ / failing, "");
        EXPECT_FALSE(build().archiveMade);
        fs::remove(program_ / failing);
        EXPECT_FALSE(fs::exists(bin / "Game.jar"));
        EXPECT_FALSE(fs::exists(bin / "Game.jad"));
    }
    EXPECT_EQ(readFileText(bin / "Other.jar"), "another game");
    EXPECT_EQ(readFileText(bin / "Other.jad"), "another descriptor");
}

TEST_F(PipelineFixture, NameWithShellMetacharactersNamesTheArchiveOnly) {
    midlet_.midletName = utf8ToCp1251("my game; touch x $(touch y) `touch z` 'q' Игра");
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << console_;
    EXPECT_EQ(result.archive.filename().string(),
              "my game; touch x $(touch y) `touch z` 'q' Игра.jar");
    EXPECT_TRUE(fs::is_regular_file(result.archive));
    for (const char* name : {"x", "y", "z"}) {
        EXPECT_FALSE(fs::exists(program_ / name)) << name;
        EXPECT_FALSE(fs::exists(dir_ / name)) << name;
    }
}

// Settings that would make a broken or unnamed game, and folders the Java tools cannot
// take, stop the build with a message before any file is written or any tool runs.
TEST_F(PipelineFixture, RefusesWhatWouldMakeNoGameBeforeWritingAnything) {
    const fs::path colonProgram = dir_ / "pro:gram";
    const fs::path quotesWtk = dir_ / "w'\"tk";
    struct Case {
        const char* what;
        std::function<void(Project&, BuildInputs&)> change;
        std::string message;  // the start of the error
    };
    const Case cases[] = {
        {"empty name", [](Project& p, BuildInputs&) { p.midletName = ""; },
         "Не задано название MIDlet'а"},
        {"comma in the name", [](Project& p, BuildInputs&) { p.midletName = "Tom, Jerry"; },
         "Название MIDlet'а не может содержать запятую"},
        {"comma in the icon", [](Project& p, BuildInputs&) { p.midletIcon = "/a,b.png"; },
         "Иконка MIDlet'а не может содержать запятую"},
        {"an icon outside res", [](Project& p, BuildInputs&) { p.midletIcon = "/../a.png"; },
         "Иконка MIDlet'а «/../a.png» не годится"},
        {"no vendor", [](Project& p, BuildInputs&) { p.midletVendor = ""; },
         "Не задан автор MIDlet'а"},
        {"a version no phone takes", [](Project& p, BuildInputs&) { p.midletVersion = "v1"; },
         "Версия MIDlet'а"},
        {"colon in the program folder",
         [&](Project&, BuildInputs& in) { in.programDir = colonProgram; },
         "Папка программы «" + colonProgram.string() + "» содержит символ «:»"},
        {"colon in the JDK folder", [](Project&, BuildInputs& in) { in.jdkDir = "tools/j:dk"; },
         "Папка JDK «" + (program_ / "tools/j:dk").string() + "» содержит символ «:»"},
        {"both quotes in the WTK folder",
         [&](Project&, BuildInputs& in) { in.wtkDir = quotesWtk.string(); },
         "Папка WTK «" + quotesWtk.string() + "» содержит и одинарную, и двойную кавычку"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project project = midlet_;
        BuildInputs inputs = inputs_;
        c.change(project, inputs);
        for (const fs::path& program : {program_, colonProgram}) {
            for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
                fs::create_directories(program / "System" / folder);
            }
        }
        writeFileText(inputs.programDir / "System" / "bin" / "Old.jar", "kept");
        std::string console;
        const BuildResult result = buildAndWait(
            project, inputs, [&](std::string_view text) { console += text; }, writeSources);
        EXPECT_FALSE(result.archiveMade);
        EXPECT_EQ(result.failedStep, BuildPipeline::stepName(BuildPipeline::kPrepareStep));
        EXPECT_TRUE(result.error.starts_with(c.message)) << result.error;
        EXPECT_EQ(result.summary, utf8ToCp1251("Архив не создан: шаг «подготовка файлов игры» "
                                               "не выполнен: ") +
                                      utf8ToCp1251(result.error));
        EXPECT_NE(console.find(result.summary), std::string::npos) << console;
        EXPECT_FALSE(fs::exists(inputs.programDir / "tool.log")) << "no tool ran";
        EXPECT_TRUE(fs::is_empty(inputs.programDir / "System" / "src")) << "nothing written";
        EXPECT_TRUE(fs::exists(inputs.programDir / "System" / "bin" / "Old.jar"));
    }
}

// A tool that fails stops the build at its step: nothing after it runs, no archive.
struct FailingTool {
    const char* marker;  // the file that makes the tool fail
    int step;
    int exitStatus;
    const char* lastTool;  // the last tool that ran
};

class FailingToolTest : public PipelineFixture,
                        public ::testing::WithParamInterface<FailingTool> {};

TEST_P(FailingToolTest, StopsAtTheFailedStep) {
    const FailingTool& c = GetParam();
    writeFileText(program_ / c.marker, "");
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, BuildPipeline::stepName(c.step));
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_FALSE(fs::exists(program_ / "System" / "bin" / "Game.jar"));
    const std::string log = readFileText(program_ / "tool.log");
    EXPECT_EQ(log.substr(log.rfind('\n', log.size() - 2) + 1, std::string(c.lastTool).size()),
              c.lastTool);
    const std::string last = utf8ToCp1251("Архив не создан: шаг «") + result.failedStep +
                             utf8ToCp1251("» завершился с кодом ") + std::to_string(c.exitStatus) +
                             "\n";
    EXPECT_EQ(console_.substr(console_.size() - last.size()), last);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, FailingToolTest,
    ::testing::Values(FailingTool{"fail-javac", BuildPipeline::kCompileStep, 1, "javac"},
                      FailingTool{"fail-preverify", BuildPipeline::kPreverifyStep, 2, "preverify"},
                      FailingTool{"fail-jar", BuildPipeline::kArchiveStep, 6, "jar"}),
    [](const ::testing::TestParamInfo<FailingTool>& param) {
        return std::string(param.param.lastTool);
    });

TEST_F(PipelineFixture, MissingJdkFolderFailsTheCompileStep) {
    inputs_.jdkDir = (dir_ / "no such jdk").string();
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, utf8ToCp1251("компиляция"));
    EXPECT_EQ(result.exitStatus, 127);  // the shell found no such program
    EXPECT_NE(console_.find("not found"), std::string::npos) << console_;
    EXPECT_FALSE(fs::exists(program_ / "tool.log"));
}

TEST_F(PipelineFixture, EmptyJdkSettingFailsTheCompileStep) {
    inputs_.jdkDir = "";
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, utf8ToCp1251("компиляция"));
}

TEST_F(PipelineFixture, LaunchStartsTheEmulatorWithTheArchiveAndScreenWithoutWaiting) {
    writeTool("tools/wtk/bin/emulator",
              "#!/bin/sh\nsleep 0.3\nprintf '%s|' \"$@\" > emulator.args\n");
    midlet_.midletName = utf8ToCp1251("Моя игра");
    EXPECT_EQ(launchGame(program_, inputs_.wtkDir, midlet_.midletName, 176, 220), ENOENT)
        << "no archive yet";

    ASSERT_TRUE(build().archiveMade) << console_;
    const fs::path jar = program_ / "System" / "bin" / "Моя игра.jar";
    const fs::path args = program_ / "emulator.args";
    const auto launched = [&](int width, int height) {
        fs::remove(args);
        const auto before = std::chrono::steady_clock::now();
        EXPECT_EQ(launchGame(program_, inputs_.wtkDir, midlet_.midletName, width, height), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(250));
        for (int i = 0; i < 100 && !fs::exists(args); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return readFileText(args);
    };
    EXPECT_EQ(launched(176, 220), "--size|176x220|" + jar.string() + "|");
    // A screen the emulator cannot show: its own.
    EXPECT_EQ(launched(0, 320), jar.string() + "|");

    EXPECT_EQ(launchGame(program_, "no-such-wtk", midlet_.midletName, 240, 320), ENOENT);
}

// A console without an interpreter: the test plays the interpreter's part.
class FakeConsoleTest : public PipelineFixture {
protected:
    BuildPipeline pipeline_{
        BuildPipeline::Console{
            .send = [this](std::string_view line) -> std::optional<std::string> {
                if (gone_) {
                    return std::nullopt;
                }
                sent_.emplace_back(line);
                return std::string(line) + "\n";
            },
            .print = [this](std::string_view text) { console_ += text; },
            .clear = [this] { console_.clear(); },
            .open =
                [this](const fs::path& dir) {
                    calls_.push_back("open " + dir.string());
                    return openError_;
                },
            .close = [this] { calls_.push_back("close"); },
            .post = {},
        },
        writeSources};

    void TearDown() override {
        pipeline_.stop();  // while the members its console writes to are there
        PipelineFixture::TearDown();
    }
    bool start() {
        return pipeline_.start(midlet_, inputs_, [this](const BuildResult& r) { result_ = r; });
    }
    // The marker the last marker command would print for `status`.
    std::string marker(int status) const {
        const std::string& command = sent_.back();
        const std::size_t open = command.find("\\036") + 4;
        const std::string format = command.substr(open, command.find("%d") - open);
        return "\x1e" + format + std::to_string(status) + "\n";
    }

    std::vector<std::string> sent_;
    std::vector<std::string> calls_;  // of open and close
    int openError_ = 0;
    bool gone_ = false;
    std::optional<BuildResult> result_;
};

TEST_F(FakeConsoleTest, MarkerSplitAcrossChunksIsFoundAndHidden) {
    ASSERT_TRUE(start());
    ASSERT_EQ(sent_.size(), 2u);  // the compile command and its marker command
    EXPECT_FALSE(start()) << "a second build while one runs is refused";
    EXPECT_EQ(sent_.size(), 2u);

    console_.clear();
    const std::string output = "Etap1.java:3: warning\n" + marker(0) + "trailing";
    for (const char c : output) {
        pipeline_.feedOutput(std::string(1, c));
    }
    EXPECT_EQ(console_.substr(0, 22), "Etap1.java:3: warning\n");
    ASSERT_EQ(sent_.size(), 4u);  // the preverify command followed
    EXPECT_NE(sent_[2].find("preverify"), std::string::npos);
    EXPECT_EQ(console_, "Etap1.java:3: warning\n" + sent_[2] + "\ntrailing");

    // An earlier marker, or text that only begins like one, is shown as it is.
    console_.clear();
    pipeline_.feedOutput(
        "\x1e"
        "avizad:x\n\x1e");
    pipeline_.feedOutput("not a marker\n");
    EXPECT_EQ(console_,
              "\x1e"
              "avizad:x\n\x1enot a marker\n");
    EXPECT_TRUE(pipeline_.running());
}

TEST_F(FakeConsoleTest, InterpreterEndingFailsTheBuild) {
    ASSERT_TRUE(start());
    pipeline_.interpreterEnded();
    ASSERT_TRUE(result_.has_value());
    EXPECT_FALSE(result_->archiveMade);
    EXPECT_EQ(result_->failedStep, utf8ToCp1251("компиляция"));
    EXPECT_EQ(result_->exitStatus, -1);
    EXPECT_FALSE(pipeline_.running());

    // With the interpreter gone, the next build fails at its first command.
    gone_ = true;
    result_.reset();
    ASSERT_TRUE(start());
    ASSERT_TRUE(result_.has_value());
    EXPECT_EQ(result_->failedStep, utf8ToCp1251("компиляция"));
    EXPECT_EQ(result_->exitStatus, -1);
}

TEST_F(FakeConsoleTest, FailedSourceWritingSendsNoCommand) {
    BuildPipeline pipeline(BuildPipeline::Console{
                               .send = [this](std::string_view line) -> std::optional<std::string> {
                                   sent_.emplace_back(line);
                                   return std::string(line);
                               },
                               .print = [this](std::string_view text) { console_ += text; },
                               .clear = {},
                               .open = {},
                               .close = {},
                               .post = {},
                           },
                           [](const Project&, const BuildFolders& folders) -> GameSourcesReport {
                               throw IoError("Не удаётся открыть файл «" +
                                             folders.draft().string() +
                                             "/Etap1.java»: No such file or directory");
                           });
    ASSERT_TRUE(pipeline.start(midlet_, inputs_, [this](const BuildResult& r) { result_ = r; }));
    ASSERT_TRUE(result_.has_value());
    EXPECT_FALSE(pipeline.running());
    EXPECT_TRUE(sent_.empty());
    EXPECT_EQ(result_->failedStep, utf8ToCp1251("подготовка файлов игры"));
    EXPECT_NE(result_->error.find("Etap1.java»: No such file or directory"), std::string::npos);
    EXPECT_EQ(console_, result_->summary + "\n");
}

}  // namespace
}  // namespace avizad

namespace avizad {
namespace {

TEST(ArchivePath, NamedAfterTheMidletWithSlashesReplaced) {
    const BuildFolders folders("/g");
    EXPECT_EQ(archivePath(folders, utf8ToCp1251("Игра")),
              std::filesystem::path("/g/System/bin/Игра.jar"));
    EXPECT_EQ(archivePath(folders, "a/b"), std::filesystem::path("/g/System/bin/a_b.jar"));
}

}  // namespace
}  // namespace avizad

namespace avizad {
namespace {

// Each build opens an interpreter of its own before its first command and closes it
// (ending its tools) however the build ends: finished, failed, stopped, or with the
// pipeline destroyed.
TEST_F(FakeConsoleTest, EachBuildOpensItsInterpreterAndClosesItAtTheEnd) {
    const std::vector<std::string> openClose = {"open " + program_.string(), "close"};
    ASSERT_TRUE(start());
    EXPECT_EQ(calls_, std::vector<std::string>{"open " + program_.string()});
    pipeline_.feedOutput(marker(0));  // compiled
    pipeline_.stop();
    ASSERT_TRUE(result_.has_value());
    EXPECT_TRUE(result_->stopped);
    EXPECT_EQ(result_->failedStep, BuildPipeline::stepName(BuildPipeline::kPreverifyStep));
    EXPECT_EQ(result_->summary,
              utf8ToCp1251("Архив не создан: сборка остановлена на шаге «предверификация»"));
    EXPECT_EQ(calls_, openClose);
    EXPECT_FALSE(pipeline_.running());
    pipeline_.stop();  // nothing runs: nothing happens
    EXPECT_EQ(calls_, openClose);

    calls_.clear();
    result_.reset();
    ASSERT_TRUE(start());
    pipeline_.feedOutput(marker(1));  // the compiler failed
    EXPECT_EQ(calls_, openClose);
    EXPECT_EQ(result_->exitStatus, 1);

    // An interpreter that cannot be started fails the compile step with the system's text.
    calls_.clear();
    result_.reset();
    openError_ = ENOENT;
    const std::size_t sentBefore = sent_.size();
    ASSERT_TRUE(start());
    EXPECT_EQ(calls_, openClose);
    EXPECT_EQ(sent_.size(), sentBefore) << "no command sent";
    EXPECT_EQ(result_->failedStep, BuildPipeline::stepName(BuildPipeline::kCompileStep));
    EXPECT_NE(result_->error.find("Error 2:\r\nNo such file or directory"), std::string::npos)
        << result_->error;

    // Destroyed while a build runs: the interpreter is closed, nobody is called.
    calls_.clear();
    bool called = false;
    {
        BuildPipeline pipeline(
            BuildPipeline::Console{
                .send = [](std::string_view line) { return std::optional<std::string>(line); },
                .print = {},
                .clear = {},
                .open =
                    [this](const fs::path&) {
                        calls_.push_back("open");
                        return 0;
                    },
                .close = [this] { calls_.push_back("close"); },
                .post = {},
            },
            writeSources);
        ASSERT_TRUE(pipeline.start(midlet_, inputs_, [&](const BuildResult&) { called = true; }));
        ASSERT_TRUE(pipeline.running());
    }
    EXPECT_EQ(calls_, (std::vector<std::string>{"open", "close"}));
    EXPECT_FALSE(called);
}

}  // namespace
}  // namespace avizad

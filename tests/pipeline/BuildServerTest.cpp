// The build process: the client against a stand-in server (a shell script that speaks the
// protocol and runs stand-in tools, or misbehaves when a file in its folder says so), the
// pipeline falling back to the interpreter when the process hangs, dies or garbles, and
// the real toolkit's build process: warm builds give the classes of cold ones, a killed
// process is replaced, a compile error is reported as without it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "InstalledToolkit.h"
#include "ToolkitRequired.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "pipeline/BuildPipeline.h"
#include "pipeline/BuildRunner.h"
#include "pipeline/BuildServerClient.h"
#include "pipeline/BuildSession.h"
#include "pipeline/ProcessRunner.h"
#include "pipeline/ShellQuote.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The stand-in server (bash, for reading an exact number of bytes): greets after some noise, names
// the three tools of the toolkit two folders above it, then runs each request's command and answers
// with its output and status. In its current folder, "server-silent" keeps it from greeting;
// "server-hang-T", "server-die-T" and "server-garble-T" make it hang, die or answer garbage on a
// request for tool T, "server-slow-T" take 2 s over it, saying that it is alive meanwhile. It
// logs each request's tool to server.log.
constexpr const char* kServer = R"sh(#!/bin/bash
export LC_ALL=C  # read -N counts bytes
[ -f server-silent ] && exec sleep 1000
root=$(cd "$(dirname "$0")/../.." && pwd -P)
printf 'a warning of the virtual machine\n\036avizad-buildserver 2\n'
for t in jdk/bin/javac jdk/bin/jar wtk/bin/preverify; do
  p="$root/$t"
  printf 'tool %s %d\n%s' "$(basename "$t")" "$(printf %s "$p" | wc -c)" "$p"
done
printf 'ready\n'
while read -r word id argc; do
  [ "$word" = run ] || exit 5
  set --
  i=0
  while [ "$i" -lt "$argc" ]; do
    read -r len
    arg=
    [ "$len" -eq 0 ] || read -r -N "$len" arg
    set -- "$@" "$arg"
    i=$((i + 1))
  done
  tool=$(basename "$1")
  echo "$tool" >> server.log
  [ -f "server-hang-$tool" ] && exec sleep 1000
  # A slow tool: the server says it is alive meanwhile.
  [ -f "server-slow-$tool" ] && for i in 1 2 3 4 5 6; do sleep 0.3; printf 'alive\n'; done
  [ -f "server-die-$tool" ] && exit 1
  [ -f "server-garble-$tool" ] && { printf 'garbage\n'; continue; }
  out=$("$@" 2>&1)
  status=$?
  [ -z "$out" ] || printf 'out %d\n%s\n' "$(printf '%s\n' "$out" | wc -c)" "$out"
  printf 'end %s %d\n' "$id" "$status"
done
)sh";

// Stand-in tools, as in BuildPipelineTest.cpp, that understand the compiler's engine
// options: javac writes NAME.class for every source path after -d, preverify copies the
// classes, jar lists the files it packs in the archive.
constexpr const char* kJavac = R"(#!/bin/sh
echo "javac $*" >> tool.log
[ -f fail-javac ] && { echo "Etap1.java:1: error: boom"; exit 1; }
while [ $# -gt 0 ]; do
  case "$1" in
    -d) out="$2"; shift ;;
    -classpath|-source|-encoding|--engine|--engine-cache) shift ;;
    *.java) echo class > "$out/$(basename "$1" .java).class" ;;
  esac
  shift
done
)";
constexpr const char* kPreverify = R"(#!/bin/sh
echo "preverify $*" >> tool.log
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
archive="$3"; shift 3
: > "$archive"
while [ $# -gt 0 ]; do
  printf '%s\n' "${3#./}" >> "$archive"
  shift 3
done
)";

fs::path testDir(const std::string& kind) {
    return fs::temp_directory_path() /
           ("avizad-" + kind + "-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

void writeScript(const fs::path& path, const char* text) {
    fs::create_directories(path.parent_path());
    writeFileText(path, text);
    fs::permissions(path, fs::perms::owner_all);
}

// A process that has been waited for, or never was.
bool gone(pid_t pid) {
    return pid <= 0 || (::kill(pid, 0) != 0 && errno == ESRCH);
}

// What a client reports, gathered from its reader thread.
struct Reports {
    std::mutex mutex;
    std::condition_variable changed;
    bool ready = false;
    std::string output;
    std::map<std::uint64_t, int> ended;
    std::optional<std::uint64_t> lost;
    std::vector<std::uint64_t> silent;

    BuildServerClient::Handlers handlers() {
        return {
            .ready = [this] { update([this] { ready = true; }); },
            .output =
                [this](std::uint64_t, std::string_view chunk) {
                    update([this, text = std::string(chunk)] { output += text; });
                },
            .ended = [this](std::uint64_t id,
                            int status) { update([this, id, status] { ended[id] = status; }); },
            .lost = [this](std::uint64_t id) { update([this, id] { lost = id; }); },
            .silent = [this](std::uint64_t id) { update([this, id] { silent.push_back(id); }); },
        };
    }
    template <typename Change>
    void update(Change change) {
        {
            std::lock_guard lock(mutex);
            change();
        }
        changed.notify_all();
    }
    template <typename Condition>
    bool waitFor(Condition condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 30s, condition);
    }
};

class FakeServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testDir("buildserver");
        fs::remove_all(dir_);
        writeScript(dir_ / "tools" / "wtk" / "bin" / "buildserver", kServer);
        writeScript(dir_ / "tools" / "jdk" / "bin" / "javac",
                    "#!/bin/sh\necho \"compiled $*\"\nexit 3\n");
        writeScript(dir_ / "tools" / "jdk" / "bin" / "jar", "#!/bin/sh\necho \"packed $*\"\n");
        writeScript(dir_ / "tools" / "wtk" / "bin" / "preverify", "#!/bin/sh\n");
    }
    void TearDown() override { fs::remove_all(dir_); }

    int start(BuildServerClient& client) {
        return client.start(dir_ / "tools" / "wtk" / "bin" / "buildserver", dir_);
    }

    fs::path dir_;
};

TEST_F(FakeServerTest, AnswersEachRequestWithTheToolsOutputAndStatus) {
    Reports reports;
    BuildServerClient client(reports.handlers());
    ASSERT_EQ(start(client), 0);
    ASSERT_TRUE(reports.waitFor([&] { return reports.ready; }));
    EXPECT_EQ(client.state(), BuildServerClient::State::Ready);
    // Its tools, however the path is written; nothing else.
    EXPECT_TRUE(client.serves(dir_ / "tools" / "jdk" / "bin" / "javac"));
    EXPECT_TRUE(client.serves(dir_ / "tools" / "wtk" / ".." / "jdk" / "bin" / "jar"));
    EXPECT_FALSE(client.serves(dir_ / "tools" / "wtk" / "bin" / "emulator"));

    const std::uint64_t first =
        client.run({(dir_ / "tools" / "jdk" / "bin" / "javac").string(), "Привет.java", "b c"});
    ASSERT_NE(first, 0u);
    EXPECT_EQ(client.run({"/bin/true"}), 0u) << "one request at a time";
    ASSERT_TRUE(reports.waitFor([&] { return reports.ended.count(first) > 0; }));
    EXPECT_EQ(reports.ended[first], 3);
    EXPECT_EQ(reports.output, utf8ToCp1251("compiled Привет.java b c\n"));

    const std::uint64_t second = client.run({(dir_ / "tools" / "jdk" / "bin" / "jar").string()});
    ASSERT_NE(second, 0u);
    ASSERT_TRUE(reports.waitFor([&] { return reports.ended.count(second) > 0; }));
    EXPECT_EQ(reports.ended[second], 0);
    EXPECT_FALSE(reports.lost.has_value());

    const pid_t pid = client.pid();
    client.stop();
    EXPECT_TRUE(gone(pid));
    EXPECT_FALSE(reports.lost.has_value()) << "nothing is reported after stop()";
}

TEST_F(FakeServerTest, AServerThatHangsDiesOrGarblesIsLostAndGone) {
    const struct {
        const char* file;
        bool request;  // lost while a request runs (else before the greeting)
    } cases[] = {
        {"server-silent", false},
        {"server-hang-javac", true},
        {"server-die-javac", true},
        {"server-garble-javac", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        writeFileText(dir_ / c.file, "");
        Reports reports;
        BuildServerClient client(reports.handlers(),
                                 {.start = c.request ? 10000ms : 1000ms, .request = 1000ms});
        ASSERT_EQ(start(client), 0);
        const pid_t pid = client.pid();
        std::uint64_t id = 0;
        if (c.request) {
            ASSERT_TRUE(reports.waitFor([&] { return reports.ready; }));
            id = client.run({(dir_ / "tools" / "jdk" / "bin" / "javac").string()});
            ASSERT_NE(id, 0u);
        }
        ASSERT_TRUE(reports.waitFor([&] { return reports.lost.has_value(); }));
        EXPECT_EQ(*reports.lost, id);
        EXPECT_EQ(client.state(), BuildServerClient::State::Lost);
        EXPECT_TRUE(gone(pid));
        // The whole process group: a hung server's "sleep" as well.
        EXPECT_TRUE(::kill(-pid, 0) != 0 && errno == ESRCH);
        EXPECT_EQ(client.run({"/bin/true"}), 0u);
        fs::remove(dir_ / c.file);
    }
}

// A server that says nothing while its tool runs (a stopped process) is told once, then lost;
// one that says it is alive is waited for, however long its tool takes.
TEST_F(FakeServerTest, ASilentServerIsToldThenLostOneThatIsAliveIsWaitedFor) {
    const BuildServerTimeouts timeouts = {
        .start = 10000ms, .silence = 1200ms, .notice = 500ms, .request = 30000ms};
    {
        writeFileText(dir_ / "server-slow-javac", "");
        Reports reports;
        BuildServerClient client(reports.handlers(), timeouts);
        ASSERT_EQ(start(client), 0);
        ASSERT_TRUE(reports.waitFor([&] { return reports.ready; }));
        const std::uint64_t id = client.run({(dir_ / "tools" / "jdk" / "bin" / "javac").string()});
        ASSERT_TRUE(reports.waitFor([&] { return reports.ended.count(id) > 0; }));
        EXPECT_TRUE(reports.silent.empty());
        EXPECT_FALSE(reports.lost.has_value());
        fs::remove(dir_ / "server-slow-javac");
    }
    writeFileText(dir_ / "server-hang-javac", "");
    Reports reports;
    BuildServerClient client(reports.handlers(), timeouts);
    ASSERT_EQ(start(client), 0);
    ASSERT_TRUE(reports.waitFor([&] { return reports.ready; }));
    const auto asked = std::chrono::steady_clock::now();
    const std::uint64_t id = client.run({(dir_ / "tools" / "jdk" / "bin" / "javac").string()});
    ASSERT_TRUE(reports.waitFor([&] { return !reports.silent.empty(); }));
    EXPECT_EQ(reports.silent, std::vector<std::uint64_t>{id});
    EXPECT_FALSE(reports.lost.has_value()) << "told before it is given up";
    ASSERT_TRUE(reports.waitFor([&] { return reports.lost.has_value(); }));
    EXPECT_GE(std::chrono::steady_clock::now() - asked, 1200ms);
    EXPECT_EQ(reports.silent, std::vector<std::uint64_t>{id});
    EXPECT_EQ(*reports.lost, id);
}

TEST_F(FakeServerTest, AMissingLauncherIsAnErrorAtOnce) {
    Reports reports;
    BuildServerClient client(reports.handlers());
    EXPECT_EQ(client.start(dir_ / "no such server", dir_), ENOENT);
    EXPECT_EQ(client.state(), BuildServerClient::State::Lost);
    EXPECT_FALSE(reports.lost.has_value());
}

// The pipeline with stand-in tools and the stand-in build process.
class FakeToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testDir("buildserver-pipeline");
        fs::remove_all(dir_);
        program_ = dir_ / "program";
        for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
            fs::create_directories(program_ / "System" / folder);
        }
        writeScript(program_ / "tools" / "jdk" / "bin" / "javac", kJavac);
        writeScript(program_ / "tools" / "jdk" / "bin" / "jar", kJar);
        writeScript(program_ / "tools" / "wtk" / "bin" / "preverify", kPreverify);
        writeScript(program_ / "tools" / "wtk" / "bin" / "buildserver", kServer);
        inputs_.programDir = program_;
        inputs_.jdkDir = "tools/jdk";
        inputs_.wtkDir = "tools/wtk";
        project_.midletName = "Game";
        session_.pipeline().setBuildServer(true, {.start = 10000ms, .request = 3000ms});
    }
    void TearDown() override { fs::remove_all(dir_); }

    static GameSourcesReport writeSources(const Project&, const BuildFolders& folders) {
        writeFileText(folders.src() / "Etap1.java", "class Etap1 {}\r\n");
        writeFileText(folders.src() / "Stage.java", "class Stage {}\r\n");
        writeFileText(folders.src() / "syrk.java", "class syrk {}\r\n");
        writeFileText(folders.res() / "hero.png", "png");
        writeFileText(folders.manifest(), "MIDlet-Name: Game\r\nMIDlet-1: Game, , syrk\r\n");
        return {};
    }

    BuildResult build() {
        console_.clear();
        return session_.build(project_, inputs_, [this](std::string_view t) { console_ += t; });
    }
    std::string log(const char* name) {
        std::error_code error;
        return fs::exists(program_ / name, error) ? readFileText(program_ / name) : std::string();
    }

    fs::path dir_;
    fs::path program_;
    Project project_;
    BuildInputs inputs_;
    std::string console_;
    BuildSession session_{writeSources};
};

const std::string kFellBack = "Процесс сборки прервался; шаг «";

TEST_F(FakeToolkitTest, ToolStepsGoToTheBuildProcessKeptFromBuildToBuild) {
    const BuildResult first = build();
    ASSERT_TRUE(first.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(log("server.log"), "javac\npreverify\njar\n");
    EXPECT_EQ(readFileText(first.archive), "Etap1.class\nStage.class\nsyrk.class\nhero.png\n");
    // The compiler is told the engine's sources and where their classes are kept; the
    // console shows each command line and the final line.
    EXPECT_NE(log("tool.log")
                  .find("--engine-cache " + program_.string() +
                        "/System/cache/engine --engine Stage.java --engine "
                        "MultiLineText.java --engine Etap0.java -d "),
              std::string::npos)
        << log("tool.log");
    EXPECT_NE(console_.find("/tools/jdk/bin/javac' -source 1.3 -encoding Cp1251"),
              std::string::npos)
        << console_;
    EXPECT_NE(console_.find("/tools/wtk/bin/preverify' -classpath"), std::string::npos);
    EXPECT_NE(console_.find("/tools/jdk/bin/jar' cmf"), std::string::npos);
    EXPECT_EQ(console_.find(kFellBack), std::string::npos);
    EXPECT_EQ(console_.substr(console_.size() - first.summary.size() - 1), first.summary + "\n");
    // Every step ran in the build process: no command interpreter was started.
    EXPECT_EQ(session_.runner().interpretersStarted(), 0);

    const pid_t pid = session_.pipeline().buildServer()->pid();
    ASSERT_TRUE(build().archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(log("server.log"), "javac\npreverify\njar\njavac\npreverify\njar\n");
    EXPECT_EQ(session_.pipeline().buildServer()->pid(), pid);

    // A failing tool fails its step as in the interpreter: its output, then the final line.
    writeFileText(program_ / "fail-javac", "");
    const BuildResult failed = build();
    EXPECT_FALSE(failed.archiveMade);
    EXPECT_EQ(failed.failedStep, utf8ToCp1251("компиляция"));
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_NE(console_.find("Etap1.java:1: error: boom\n" + failed.summary + "\n"),
              std::string::npos)
        << console_;
    EXPECT_FALSE(fs::exists(failed.archive));
}

TEST_F(FakeToolkitTest, AStepTheBuildProcessDoesNotFinishRunsInTheInterpreter) {
    for (const std::string misbehaviour : {"hang", "die", "garble"}) {
        for (const std::string tool : {"javac", "preverify", "jar"}) {
            SCOPED_TRACE(misbehaviour + " at " + tool);
            const fs::path flag = program_ / ("server-" + misbehaviour + "-" + tool);
            writeFileText(flag, "");
            fs::remove(program_ / "tool.log");
            const int interpreters = session_.runner().interpretersStarted();
            const BuildResult result = build();
            ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
            EXPECT_EQ(readFileText(result.archive),
                      "Etap1.class\nStage.class\nsyrk.class\nhero.png\n");
            const std::string step = tool == "javac"       ? "компиляция"
                                     : tool == "preverify" ? "предверификация"
                                                           : "архивация";
            EXPECT_NE(console_.find(utf8ToCp1251(kFellBack + step +
                                                 "» выполняется заново отдельной программой.\n")),
                      std::string::npos)
                << cp1251ToUtf8(console_);
            // An interpreter of its own ran the step again and every step after it.
            EXPECT_EQ(session_.runner().interpretersStarted(), interpreters + 1);
            const std::string tools = log("tool.log");
            EXPECT_NE(tools.find("jar cmf"), std::string::npos) << tools;
            EXPECT_EQ(session_.pipeline().buildServer()->state(), BuildServerClient::State::Lost);
            const pid_t lost = session_.pipeline().buildServer()->pid();
            fs::remove(flag);

            // The next build has a new build process, which runs every step.
            fs::remove(program_ / "server.log");
            ASSERT_TRUE(build().archiveMade) << cp1251ToUtf8(console_);
            EXPECT_EQ(log("server.log"), "javac\npreverify\njar\n");
            EXPECT_EQ(console_.find(utf8ToCp1251(kFellBack)), std::string::npos);
            EXPECT_NE(session_.pipeline().buildServer()->pid(), lost);
            EXPECT_EQ(session_.runner().interpretersStarted(), interpreters + 1);
        }
    }
}

// A build process that stops answering while it compiles: the console says so after the
// notice timeout, and after the silence timeout the step runs in the interpreter.
TEST_F(FakeToolkitTest, ABuildProcessThatStopsAnsweringIsToldThenReplaced) {
    writeFileText(program_ / "server-hang-javac", "");
    session_.pipeline().setBuildServer(
        true, {.start = 10000ms, .silence = 1500ms, .notice = 300ms, .request = 30000ms});
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    const std::size_t told = console_.find(utf8ToCp1251("\nПроцесс сборки не отвечает…\n"));
    const std::size_t replaced = console_.find(utf8ToCp1251(kFellBack + "компиляция"));
    ASSERT_NE(told, std::string::npos) << cp1251ToUtf8(console_);
    ASSERT_NE(replaced, std::string::npos) << cp1251ToUtf8(console_);
    EXPECT_LT(told, replaced);
}

TEST_F(FakeToolkitTest, ABuildProcessThatNeverGreetsLeavesEveryStepToTheInterpreter) {
    writeFileText(program_ / "server-silent", "");
    session_.pipeline().setBuildServer(true, {.start = 1000ms, .request = 1000ms});
    const BuildResult result = build();
    ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(log("server.log"), "");
    EXPECT_NE(log("tool.log").find("jar cmf"), std::string::npos);
    // Nothing of it is said: no step was interrupted.
    EXPECT_EQ(console_.find(utf8ToCp1251(kFellBack)), std::string::npos);
}

// Stopping a build (avizad-cli on SIGTERM, the pipeline's destruction) while the build
// process runs its step kills that process: nothing of the stopped build writes on. A
// build that ends between requests keeps it (above).
TEST_F(FakeToolkitTest, AStoppedBuildEndsTheBuildProcesssStepAndTheNextBuildHasANewOne) {
    writeFileText(program_ / "server-hang-javac", "");
    std::thread stopper([this] {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (log("server.log").find("javac") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
        }
        session_.requestStop();
    });
    const BuildResult stopped = build();
    stopper.join();
    EXPECT_TRUE(stopped.stopped) << cp1251ToUtf8(console_);
    EXPECT_EQ(stopped.failedStep, utf8ToCp1251("компиляция"));
    EXPECT_FALSE(fs::exists(stopped.archive));
    // Killed at once, well before the request's time limit (3 s) would end it.
    const pid_t pid = session_.pipeline().buildServer()->pid();
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (!gone(pid) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(gone(pid));

    fs::remove(program_ / "server-hang-javac");
    ASSERT_TRUE(build().archiveMade) << cp1251ToUtf8(console_);
    EXPECT_NE(session_.pipeline().buildServer()->pid(), pid);
    EXPECT_EQ(console_.find(utf8ToCp1251(kFellBack)), std::string::npos);
}

// What a pipeline's tools report, queued and handled by the test on its own thread.
class TaskQueue {
public:
    void post(std::function<void()> task) {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        queued_.notify_one();
    }
    // Waits up to 60 s for a task to be queued; false when none came.
    bool waitForTask() {
        std::unique_lock lock(mutex_);
        return queued_.wait_until(lock, std::chrono::steady_clock::now() + 60s,
                                  [&] { return !tasks_.empty(); });
    }
    // Handles the tasks until `done`; false when none came for 60 s before.
    bool handleUntil(const std::function<bool()>& done) {
        while (!done()) {
            if (!waitForTask()) {
                return false;
            }
            std::vector<std::function<void()>> now;
            {
                std::lock_guard lock(mutex_);
                now.swap(tasks_);
            }
            for (auto& task : now) {
                task();
            }
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable queued_;
    std::vector<std::function<void()>> tasks_;
};

TEST_F(FakeToolkitTest, ABuildEndingWhileAToolRunsLeavesNothingRunningIntoTheNextBuild) {
    // The pipeline alone, its reports queued and handled here, its interpreter a stand-in
    // that the test ends.
    TaskQueue queue;
    BuildPipeline pipeline(
        BuildPipeline::Console{
            .send = [](std::string_view line) -> std::optional<std::string> {
                return std::string(line) + "\n";
            },
            .print = [this](std::string_view text) { console_ += text; },
            .clear = [this] { console_.clear(); },
            .open = {},
            .close = {},
            .post = [&](std::function<void()> task) { queue.post(std::move(task)); },
        },
        writeSources);
    writeFileText(program_ / "server-hang-javac", "");
    std::optional<BuildResult> result;
    ASSERT_TRUE(pipeline.start(project_, inputs_, [&](const BuildResult& r) { result = r; }));
    ASSERT_TRUE(queue.handleUntil([&] { return pipeline.buildServer()->busy(); }));
    const pid_t pid = pipeline.buildServer()->pid();

    pipeline.interpreterEnded();  // the build fails while the build process compiles
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->failedStep, utf8ToCp1251("компиляция"));

    // The next build starts only when that process is gone, then has a new one.
    fs::remove(program_ / "server-hang-javac");
    result.reset();
    ASSERT_TRUE(pipeline.start(project_, inputs_, [&](const BuildResult& r) { result = r; }));
    EXPECT_TRUE(gone(pid));
    ASSERT_TRUE(queue.handleUntil([&] { return pipeline.buildServer()->busy(); }));
    EXPECT_NE(pipeline.buildServer()->pid(), pid);
}

// A build ends its interpreter on purpose: what that interpreter reports afterwards (its end)
// reaches no later build, also one that runs on the build process and opens no interpreter
// of its own.
TEST_F(FakeToolkitTest, AnInterpreterEndedWithItsBuildReportsNothingIntoTheNext) {
    TaskQueue queue;
    BuildRunner runner(
        {.print = [this](std::string_view text) { console_ += text; }, .clear = {}},
        [&](std::function<void()> task) { queue.post(std::move(task)); }, writeSources);
    runner.pipeline().setBuildServer(true, {.start = 10000ms, .request = 1000ms});
    const auto build = [&] {
        std::optional<BuildResult> result;
        EXPECT_TRUE(
            runner.pipeline().start(project_, inputs_, [&](const BuildResult& r) { result = r; }));
        EXPECT_TRUE(queue.handleUntil([&] { return result.has_value(); }));
        return result.value_or(BuildResult{});
    };
    // The build process hangs at the compiler: the build goes on in an interpreter, which
    // ends with the build.
    writeFileText(program_ / "server-hang-javac", "");
    ASSERT_TRUE(build().archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(runner.interpretersStarted(), 1);
    fs::remove(program_ / "server-hang-javac");
    // The interpreter's end is reported; the next build starts before it is handled.
    ASSERT_TRUE(queue.waitForTask());
    const BuildResult next = build();
    EXPECT_TRUE(next.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(runner.interpretersStarted(), 1);
}

// Without the interpreter a step that needs it fails, naming the system's error.
TEST_F(FakeToolkitTest, AMissingInterpreterFailsTheStepThatNeedsIt) {
    session_.pipeline().setBuildServer(false);
    session_.runner().setInterpreter("/no/such/interpreter");
    const BuildResult result = build();
    EXPECT_FALSE(result.archiveMade);
    EXPECT_EQ(result.failedStep, utf8ToCp1251("компиляция"));
    EXPECT_NE(result.error.find(ProcessRunner::startErrorMessage(ENOENT)), std::string::npos)
        << result.error;
    EXPECT_EQ(session_.runner().interpretersStarted(), 1);
}

// The real toolkit's build process.
using testing::kInstalled;
using testing::kSample;
using testing::kToolkit;
using testing::makeProgramFolder;

class ToolkitServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const fs::path& needed :
             {kInstalled / "draft" / "Etap1.java", kInstalled / "MANIFEST.MF",
              kToolkit / "wtk" / "bin" / "buildserver", kToolkit / "jdk" / "bin" / "javac"}) {
            if (!fs::exists(needed)) {
                AVIZAD_SKIP_WITHOUT_TOOLKIT(needed);
            }
        }
        dir_ = testDir("buildserver-toolkit");
        fs::remove_all(dir_);
        program_ = dir_ / "program";
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

    BuildResult build(std::function<void(std::string_view)> watch = {}) {
        console_.clear();
        return session_.build(project_, inputs_, [this, watch](std::string_view text) {
            console_ += text;
            if (watch) {
                watch(text);
            }
        });
    }

    // The class files of an archive, by name.
    std::map<std::string, std::string> classes(const fs::path& archive) {
        const fs::path out = dir_ / ("unpacked-" + std::to_string(++unpacked_));
        fs::create_directories(out);
        const std::string command = "cd " + shellQuote(out.string()) + " && " +
                                    shellQuote((kToolkit / "jdk" / "bin" / "jar").string()) +
                                    " xf " + shellQuote(archive.string());
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(out)) {
            if (entry.path().extension() == ".class") {
                files[entry.path().filename().string()] = readFileText(entry.path());
            }
        }
        return files;
    }

    fs::path dir_;
    fs::path program_;
    Project project_;
    BuildInputs inputs_;
    std::string console_;
    BuildSession session_;
    int unpacked_ = 0;
};

TEST_F(ToolkitServerTest, AWarmBuildGivesTheClassesOfAColdOne) {
    for (const bool shrink : {true, false}) {
        SCOPED_TRACE(shrink ? "shrunk" : "unshrunk");
        inputs_.shrink = shrink;
        // Cold: without the build process, every tool a program of its own.
        session_.pipeline().setBuildServer(false);
        const BuildResult separate = build();
        ASSERT_TRUE(separate.archiveMade) << cp1251ToUtf8(console_);
        EXPECT_EQ(console_.find("--engine-cache"), std::string::npos);
        const auto expected = classes(separate.archive);
        ASSERT_GE(expected.size(), shrink ? 2u : 7u);

        // A new build process, which compiles the engine (the first time) or takes it from
        // the cache, then the same build process warm.
        session_.pipeline().setBuildServer(true);
        for (int run = 0; run < 2; ++run) {
            SCOPED_TRACE(run);
            const BuildResult served = build();
            ASSERT_TRUE(served.archiveMade) << cp1251ToUtf8(console_);
            EXPECT_NE(console_.find("--engine-cache"), std::string::npos);
            EXPECT_EQ(classes(served.archive), expected);
        }
    }
    // One engine, compiled once.
    EXPECT_EQ(std::distance(fs::directory_iterator(program_ / "System" / "cache" / "engine"),
                            fs::directory_iterator()),
              1);
}

TEST_F(ToolkitServerTest, AKilledBuildProcessIsReplacedAndTheNextBuildSucceeds) {
    const BuildResult first = build();
    ASSERT_TRUE(first.archiveMade) << cp1251ToUtf8(console_);
    const auto expected = classes(first.archive);
    const pid_t pid = session_.pipeline().buildServer()->pid();

    // Killed as it starts compiling: the step runs again as a program of its own.
    const BuildResult killed = build([&](std::string_view text) {
        if (text.find("--engine-cache") != std::string_view::npos) {
            ::kill(pid, SIGKILL);
        }
    });
    ASSERT_TRUE(killed.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_NE(console_.find(utf8ToCp1251(kFellBack)), std::string::npos) << cp1251ToUtf8(console_);
    EXPECT_TRUE(gone(pid));
    EXPECT_EQ(classes(killed.archive), expected);

    // The next build has a build process again.
    const BuildResult next = build();
    ASSERT_TRUE(next.archiveMade) << cp1251ToUtf8(console_);
    EXPECT_EQ(console_.find(utf8ToCp1251(kFellBack)), std::string::npos);
    EXPECT_NE(console_.find("--engine-cache"), std::string::npos);
    EXPECT_NE(session_.pipeline().buildServer()->pid(), pid);
    EXPECT_EQ(classes(next.archive), expected);
}

// A damaged class in the engine cache (cut short, emptied, or replaced by another engine's) is
// never taken: each build succeeds with the classes of the first, and the entry is made again.
TEST_F(ToolkitServerTest, ADamagedEngineCacheIsCompiledAfreshAndReplaced) {
    const BuildResult first = build();
    ASSERT_TRUE(first.archiveMade) << cp1251ToUtf8(console_);
    const auto expected = classes(first.archive);
    const fs::path cache = program_ / "System" / "cache" / "engine";
    ASSERT_EQ(std::distance(fs::directory_iterator(cache), fs::directory_iterator()), 1);
    const fs::path kept = fs::directory_iterator(cache)->path() / "classes";
    const std::string text = readFileText(kept / "MultiLineText.class");
    const std::string stage = readFileText(kept / "Stage.class");
    const struct {
        const char* what;
        const char* file;
        std::string bytes;
    } damages[] = {
        {"cut short", "MultiLineText.class", text.substr(0, text.size() / 2)},
        {"emptied", "MultiLineText.class", ""},
        {"replaced", "Stage.class", text},
    };
    for (const auto& d : damages) {
        SCOPED_TRACE(d.what);
        std::FILE* file = std::fopen((kept / d.file).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(d.bytes.data(), 1, d.bytes.size(), file);
        std::fclose(file);
        const BuildResult result = build();
        ASSERT_TRUE(result.archiveMade) << cp1251ToUtf8(console_);
        EXPECT_EQ(classes(result.archive), expected);
        EXPECT_EQ(readFileText(kept / "MultiLineText.class"), text);
        EXPECT_EQ(readFileText(kept / "Stage.class"), stage);
    }
}

// The real build process says it is alive while a tool runs long (here the archiver,
// reading a file that is a pipe nobody writes yet): it is waited for. Stopped (SIGSTOP), it
// says nothing: it is told, then lost, and its process group is gone.
TEST_F(ToolkitServerTest, ABuildProcessIsAliveWhileItsToolRunsAndLostWhenStopped) {
    fs::create_directories(dir_ / "in");
    const fs::path pipe = dir_ / "in" / "slow.bin";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    Reports reports;
    BuildServerClient client(
        reports.handlers(),
        {.start = 60000ms, .silence = 2500ms, .notice = 2000ms, .request = 60000ms});
    ASSERT_EQ(client.start(kToolkit / "wtk" / "bin" / "buildserver", dir_), 0);
    ASSERT_TRUE(reports.waitFor([&] { return reports.ready; }));
    const std::vector<std::string> jar = {(kToolkit / "jdk" / "bin" / "jar").string(),
                                          "cf",
                                          (dir_ / "slow.jar").string(),
                                          "-C",
                                          (dir_ / "in").string(),
                                          "./slow.bin"};
    const std::uint64_t id = client.run(jar);
    ASSERT_NE(id, 0u);
    std::this_thread::sleep_for(4s);  // longer than the silence timeout
    EXPECT_TRUE(reports.silent.empty());
    EXPECT_FALSE(reports.lost.has_value());
    {
        const int fd = ::open(pipe.c_str(), O_WRONLY);  // the archiver reads it and ends
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::write(fd, "data", 4), 4);
        ::close(fd);
    }
    ASSERT_TRUE(reports.waitFor([&] { return reports.ended.count(id) > 0; }));
    EXPECT_EQ(reports.ended[id], 0) << cp1251ToUtf8(reports.output);

    const std::uint64_t stopped = client.run(jar);
    ASSERT_NE(stopped, 0u);
    ASSERT_EQ(::kill(client.pid(), SIGSTOP), 0);
    ASSERT_TRUE(reports.waitFor([&] { return reports.lost.has_value(); }));
    EXPECT_EQ(reports.silent, std::vector<std::uint64_t>{stopped});
    EXPECT_EQ(*reports.lost, stopped);
    EXPECT_TRUE(::kill(-client.pid(), 0) != 0 && errno == ESRCH);
}

// "/build.XXXXXX/" (a build's staging folder) written as "/build/".
std::string withoutStagingSuffix(std::string text) {
    const std::string folder = "/build.";
    constexpr std::size_t kSuffix = 6;
    for (std::size_t at = text.find(folder); at != std::string::npos;
         at = text.find(folder, at + 1)) {
        const std::size_t end = at + folder.size() + kSuffix;
        if (end < text.size() && text[end] == '/' &&
            std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at + folder.size()),
                        text.begin() + static_cast<std::ptrdiff_t>(end),
                        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
            text.replace(at, folder.size() + kSuffix, "/build");
        }
    }
    return text;
}

TEST_F(ToolkitServerTest, ACompileErrorNamesTheStepAndTheCompilersMessageAsWithoutIt) {
    Event& event = project_.eventTable.events[++project_.eventTable.eventCount];
    event.tag = "event";
    event.conditionCode = "(nosuchvalue>0)";
    event.specialActions[1].add(Action{"", "glob[1]=1;"});
    std::string messages[2];
    for (const bool served : {false, true}) {
        session_.pipeline().setBuildServer(served);
        const BuildResult result = build();
        EXPECT_FALSE(result.archiveMade);
        EXPECT_EQ(result.failedStep, utf8ToCp1251("компиляция"));
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_FALSE(fs::exists(result.archive));
        // The compiler's message: after the command line, before the final line.
        const std::size_t from = console_.find("ERROR in ");
        const std::size_t to = console_.rfind(result.summary);
        ASSERT_NE(from, std::string::npos) << cp1251ToUtf8(console_);
        ASSERT_NE(to, std::string::npos);
        // Each build has a staging folder of its own (System/build.XXXXXX).
        messages[served] = withoutStagingSuffix(console_.substr(from, to - from));
        EXPECT_NE(messages[served].find("nosuchvalue cannot be resolved"), std::string::npos)
            << cp1251ToUtf8(console_);
    }
    EXPECT_EQ(messages[1], messages[0]);
}

}  // namespace
}  // namespace avizad

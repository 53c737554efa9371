#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ProcessTestSupport.h"
#include "model/Cp1251.h"
#include "pipeline/ProcessRunner.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Starts /bin/sh and collects what its callbacks deliver.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("avizad-runner-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        runner_.stop();
        fs::remove_all(dir_);
    }

    int startShell(fs::path program = "/bin/sh") {
        ProcessRunner::Options options;
        options.program = std::move(program);
        options.workingDir = dir_;
        options.onOutput = [this](const std::string& chunk) {
            std::lock_guard lock(mutex_);
            chunks_.push_back(chunk);
            output_ += chunk;
            changed_.notify_all();
        };
        options.onEnded = [this](int status) {
            std::lock_guard lock(mutex_);
            endedStatus_ = status;
            ++endedCalls_;
            changed_.notify_all();
        };
        return runner_.start(std::move(options));
    }

    // Waits until the output holds `text`; true when it came in time.
    bool waitForOutput(const std::string& text) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 20s,
                                 [&] { return output_.find(text) != std::string::npos; });
    }
    bool waitForEnd() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 20s, [&] { return endedCalls_ > 0; });
    }
    std::string output() {
        std::lock_guard lock(mutex_);
        return output_;
    }

    fs::path dir_;
    ProcessRunner runner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> chunks_;
    std::string output_;
    int endedStatus_ = -1;
    int endedCalls_ = 0;
};

TEST_F(ShellFixture, OutputInSeveralChunksJoinsSeamlessly) {
    ASSERT_EQ(startShell(), 0);
    // 3000 numbered Russian words, about 40 KB of UTF-8 with two-byte letters, so
    // reads of 4096 bytes split lines and letters alike. Error output is mixed in.
    ASSERT_TRUE(runner_.sendCommand(
        "i=0; while [ $i -lt 3000 ]; do printf '" + utf8ToCp1251("слово") +
        "%d,' $i; i=$((i+1)); done; echo; echo " + utf8ToCp1251("ошибка") + " >&2; echo done"));
    ASSERT_TRUE(waitForOutput("done\n"));

    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        expected += utf8ToCp1251("слово") + std::to_string(i) + ",";
    }
    expected += "\n" + utf8ToCp1251("ошибка") + "\ndone\n";
    EXPECT_EQ(output(), expected);
    {
        std::lock_guard lock(mutex_);
        EXPECT_GT(chunks_.size(), 1u);
        for (const std::string& chunk : chunks_) {
            EXPECT_LE(chunk.size(), ProcessRunner::kChunkSize);
        }
        chunks_.clear();
        output_.clear();
    }

    // Three-byte lines "ж\n" read 4096 bytes at a time: reads end inside letters.
    ASSERT_TRUE(runner_.sendCommand(utf8ToCp1251("yes ж | head -c 30000; echo end")));
    ASSERT_TRUE(waitForOutput("end\n"));
    std::string letters;
    for (int i = 0; i < 10000; ++i) {
        letters += utf8ToCp1251("ж\n");
    }
    EXPECT_EQ(output(), letters + "end\n");
    std::lock_guard lock(mutex_);
    EXPECT_GT(chunks_.size(), 1u);
    for (const std::string& chunk : chunks_) {
        EXPECT_LE(chunk.size(), ProcessRunner::kChunkSize);
    }
}

TEST_F(ShellFixture, RussianCommandReachesShellAsUtf8AndEchoes) {
    ASSERT_EQ(startShell(), 0);
    const std::string command =
        "printf %s '" + utf8ToCp1251("Привет") + "' | od -An -tx1 | tr -d ' \\n'; echo; pwd";
    const auto echo = runner_.sendCommand(command);
    ASSERT_TRUE(echo.has_value());
    EXPECT_EQ(*echo, command + "\n");
    // The bytes the shell received are the UTF-8 form of the word.
    ASSERT_TRUE(waitForOutput(dir_.string() + "\n"));
    EXPECT_EQ(output(), "d09fd180d0b8d0b2d0b5d182\n" + dir_.string() + "\n");

    ASSERT_TRUE(runner_.sendCommand("echo '" + utf8ToCp1251("ёЁ №") + "'"));
    ASSERT_TRUE(waitForOutput(utf8ToCp1251("ёЁ №\n")));
}

TEST_F(ShellFixture, AfterExitCommandsDoNothing) {
    ASSERT_EQ(startShell(), 0);
    EXPECT_TRUE(runner_.running());
    ASSERT_TRUE(runner_.sendCommand("exit 3"));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(endedStatus_, 3);
    EXPECT_FALSE(runner_.running());

    EXPECT_FALSE(runner_.sendCommand("touch later").has_value());
    EXPECT_FALSE(runner_.sendCommand("echo again").has_value());
    runner_.stop();
    EXPECT_TRUE(runner_.finished());
    EXPECT_FALSE(fs::exists(dir_ / "later"));
    EXPECT_EQ(output(), "");
    EXPECT_EQ(endedCalls_, 1);
}

TEST_F(ShellFixture, MissingInterpreterGivesTheErrorText) {
    const int error = startShell(dir_ / "no-such-shell");
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(ProcessRunner::startErrorMessage(error), "Error 2:\r\nNo such file or directory");
    EXPECT_FALSE(runner_.running());
    EXPECT_FALSE(runner_.sendCommand("echo x").has_value());
}

TEST_F(ShellFixture, StopEndsTheShellAndTheToolsItRuns) {
    ASSERT_EQ(startShell(), 0);
    ASSERT_TRUE(runner_.sendCommand("sleep 60 & sleep 60; echo never"));
    const auto before = std::chrono::steady_clock::now();
    runner_.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
    EXPECT_TRUE(runner_.finished());
    EXPECT_FALSE(runner_.running());
    EXPECT_EQ(output().find("never"), std::string::npos);
    EXPECT_FALSE(runner_.sendCommand("echo x").has_value());
}

// A process the interpreter left behind in its group ends too, and kill() ends the group
// at once without waiting, from any thread; stop() then collects what is left.
TEST_F(ShellFixture, TheWholeGroupEndsAfterTheInterpreter) {
    ASSERT_EQ(startShell(), 0);
    ASSERT_TRUE(runner_.sendCommand("sleep 60 >/dev/null 2>&1 & echo $! > stray.pid; exit 0"));
    const pid_t stray = testing::readPid(dir_ / "stray.pid");
    ASSERT_TRUE(waitForEnd());
    runner_.stop();
    EXPECT_TRUE(testing::processGone(stray));
    ::kill(stray, SIGKILL);

    ProcessRunner second;
    ProcessRunner::Options options;
    options.workingDir = dir_;
    std::atomic<int> ended = -1;
    options.onEnded = [&](int status) { ended = status; };
    ASSERT_EQ(second.start(std::move(options)), 0);
    ASSERT_TRUE(second.sendCommand("sleep 60 & echo $! > tool.pid; wait"));
    const pid_t tool = testing::readPid(dir_ / "tool.pid");
    std::thread([&second] { second.kill(); }).join();
    EXPECT_TRUE(testing::processGone(tool));
    for (int i = 0; i < 100 && ended == -1; ++i) {
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_EQ(ended, 128 + SIGKILL);
    second.stop();
    ::kill(tool, SIGKILL);
}

}  // namespace
}  // namespace avizad

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "model/FileUtil.h"
#include "model/ProjectFile.h"
#include "model/ProjectFixture.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string output;  // standard output and error together
};

CliRun runCli(const std::string& arguments, const std::string& program = AVIZAD_PROGRAM_DIR) {
    const std::string command = "'" + program + "/avizad-cli' " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    CliRun run{-1, {}};
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        run.output.append(chunk, n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("avizad-cli-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return "'" + (dir_ / name).string() + "'"; }

    fs::path dir_;
};

TEST_F(Cli, RoundtripWritesAnIdenticalFile) {
    saveProject(testing::makeFixtureProject(), dir_ / "in put.yrk");
    const CliRun run = runCli("roundtrip " + path("in put.yrk") + " " + path("out.yrk"));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(readFileText(dir_ / "out.yrk"), readFileText(dir_ / "in put.yrk"));
}

TEST_F(Cli, RoundtripOntoWhatIsNotAFileFails) {
    saveProject(testing::makeFixtureProject(), dir_ / "in.yrk");
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0644), 0);
    const CliRun run = runCli("roundtrip " + path("in.yrk") + " " + path("pipe"));
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("не является файлом"), std::string::npos) << run.output;
    EXPECT_EQ(fs::status(dir_ / "pipe").type(), fs::file_type::fifo);
}

TEST_F(Cli, InfoPrintsTheCounts) {
    saveProject(testing::makeFixtureProject(), dir_ / "game.yrk");
    const CliRun run = runCli("info " + path("game.yrk"));
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* line : {"background types: 2", "active types: 2", "indicator types: 1",
                             "text types: 2", "levels: 3", "events: 2",
                             "level 2: 480x320, placements: 1 background, 2 active, 1 indicator, "
                             "2 text"}) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
    }
}

TEST_F(Cli, LoadErrorsExitNonZeroWithTheText) {
    writeFileText(dir_ / "bad.yrk", "0\r\n0\r\n99\r\n");
    CliRun run = runCli("info " + path("bad.yrk"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("строка 3"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(dir_ / "out.yrk"));

    run = runCli("roundtrip " + path("missing.yrk") + " " + path("out.yrk"));
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(fs::exists(dir_ / "out.yrk"));

    run = runCli("frobnicate");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("usage"), std::string::npos);
}

// A build lists the events' code written by hand before anything else, as the editor does
// when it opens the project.
TEST_F(Cli, BuildListsCodeWrittenByHand) {
    Project project = testing::makeFixtureProject();
    ASSERT_GE(project.eventTable.eventCount, 1);
    const std::string evil = "try{Class.forName(\"Evil\").newInstance();}catch(Throwable t){}";
    project.eventTable.events[1].specialActions[1].add({"x", evil});
    saveProject(project, dir_ / "hand.yrk");
    // A program folder of its own without settings: the build stops after the notice.
    fs::copy_file(fs::path(AVIZAD_PROGRAM_DIR) / "avizad-cli", dir_ / "avizad-cli");
    const CliRun run = runCli("build " + path("hand.yrk"), dir_.string());
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.output.find("Внимание: код этих условий и действий"), 0u) << run.output;
    EXPECT_NE(run.output.find("«x»: " + evil + "\n"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace avizad

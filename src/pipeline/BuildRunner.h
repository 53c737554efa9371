#pragma once
// BuildRunner: a build pipeline with the command interpreter it runs its command lines in.
// The interpreter (/bin/sh with the program folder as its current folder, in a process group
// of its own) starts only for a step that runs as a command line: every step with a toolkit
// that has no build process, the step that falls back when the build process fails, and the
// steps after it. It ends with the build, with every tool it runs. The editor keeps one runner
// for its builds; BuildSession keeps one for builds without a window.
//
// Threads: the runner, its pipeline and `view` are used on one thread, the one that drives
// them. What the interpreter and the build process report comes to that thread through
// `post`; reports of an interpreter ended since, or of a runner gone, are dropped.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "pipeline/BuildPipeline.h"
#include "pipeline/ProcessRunner.h"

namespace avizad {

class BuildRunner {
public:
    // Where the build's text goes: `print` appends Windows-1251 text, `clear` empties what
    // was shown before a build (may be left empty).
    struct View {
        std::function<void(std::string_view text)> print;
        std::function<void()> clear;
    };
    // Runs a task later on the runner's thread, tasks in the order posted; callable from any
    // thread.
    using Post = std::function<void(std::function<void()> task)>;

    BuildRunner(View view, Post post,
                BuildPipeline::SourceWriter writeSources = generateGameSources);
    // Stops a running build and ends its interpreter and the build process.
    ~BuildRunner();
    BuildRunner(const BuildRunner&) = delete;
    BuildRunner& operator=(const BuildRunner&) = delete;

    BuildPipeline& pipeline() { return *pipeline_; }
    const BuildPipeline& pipeline() const { return *pipeline_; }

    // The program the interpreter runs ("/bin/sh"; tests name a missing one).
    void setInterpreter(std::filesystem::path program) { interpreterProgram_ = std::move(program); }
    // How many interpreters the builds have started so far.
    int interpretersStarted() const { return started_; }

private:
    int openInterpreter(const std::filesystem::path& workingDir);

    View view_;
    Post post_;
    std::filesystem::path interpreterProgram_ = "/bin/sh";
    std::unique_ptr<ProcessRunner> interpreter_;
    std::uint64_t generation_ = 0;  // of interpreter_: reports of an earlier one are dropped
    int started_ = 0;
    // Tells posted tasks whether the runner still exists.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::unique_ptr<BuildPipeline> pipeline_;  // last: goes first, before the interpreter
};

}  // namespace avizad

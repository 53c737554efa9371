#pragma once
// BuildSession: builds without a window, as the editor builds: one BuildPipeline, with its
// build process, kept from build to build, and for each build a command interpreter of its
// own (/bin/sh in the program folder, in a process group of its own, ended with the
// build). Each build runs to its end on the calling thread: whatever the interpreter and
// the build process report is queued and handled there, one at a time.
// `avizad-cli build` and buildAndWait() use a session for one build; the benchmark keeps
// one for many.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "pipeline/BuildPipeline.h"
#include "pipeline/ProcessRunner.h"

namespace avizad {

class BuildSession {
public:
    explicit BuildSession(BuildPipeline::SourceWriter writeSources = generateGameSources);
    ~BuildSession();
    BuildSession(const BuildSession&) = delete;
    BuildSession& operator=(const BuildSession&) = delete;

    // Runs a build and returns its result. `print` receives the console text
    // (Windows-1251) on the calling thread. When the interpreter cannot be started, the
    // compile step fails with the "Error %d:\r\n%s" text in BuildResult::error.
    BuildResult build(const Project& project, const BuildInputs& inputs,
                      std::function<void(std::string_view text)> print);

    // Stops the running build (BuildPipeline::stop), or the next one as soon as it
    // starts. Safe from any thread.
    void requestStop();

    BuildPipeline& pipeline() { return *pipeline_; }

private:
    void post(std::function<void()> task);
    // Runs the queued tasks; with `wait`, waits for one when there is none.
    void runTasks(bool wait);
    // Console::open: a new interpreter for the build, after the last one has been
    // collected; what the last one still reported is dropped.
    int openInterpreter(const std::filesystem::path& workingDir);

    std::mutex mutex_;  // guards tasks_
    std::condition_variable queued_;
    std::deque<std::function<void()>> tasks_;
    std::function<void(std::string_view text)> print_;
    std::atomic<bool> stopRequested_ = false;
    std::uint64_t interpreterGeneration_ = 0;  // of interpreter_; calling thread only
    // The interpreter and the pipeline go before the queue their threads post into.
    std::unique_ptr<ProcessRunner> interpreter_;
    std::unique_ptr<BuildPipeline> pipeline_;
};

}  // namespace avizad

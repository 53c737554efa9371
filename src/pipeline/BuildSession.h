#pragma once
// BuildSession: builds without a window, as the editor builds: one BuildRunner (the pipeline
// with its build process, kept from build to build, and the command interpreter a build
// starts when a step runs as a command line). Each build runs to its end on the calling
// thread: whatever the interpreter and the build process report is queued and handled
// there, one at a time.
// `avizad-cli build` and buildAndWait() use a session for one build; the benchmark keeps
// one for many.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "pipeline/BuildPipeline.h"
#include "pipeline/BuildRunner.h"

namespace avizad {

class BuildSession {
public:
    explicit BuildSession(BuildPipeline::SourceWriter writeSources = generateGameSources);
    ~BuildSession();
    BuildSession(const BuildSession&) = delete;
    BuildSession& operator=(const BuildSession&) = delete;

    // Runs a build and returns its result. `print` receives the console text
    // (Windows-1251) on the calling thread. When the interpreter cannot be started, the
    // step that needs it fails with the "Error %d:\r\n%s" text in BuildResult::error.
    BuildResult build(const Project& project, const BuildInputs& inputs,
                      std::function<void(std::string_view text)> print);

    // Stops the running build (BuildPipeline::stop), or the next one as soon as it
    // starts. Safe from any thread.
    void requestStop();

    BuildRunner& runner() { return *runner_; }
    BuildPipeline& pipeline() { return runner_->pipeline(); }

private:
    void post(std::function<void()> task);
    // Runs the queued tasks; with `wait`, waits for one when there is none.
    void runTasks(bool wait);

    std::mutex mutex_;  // guards tasks_
    std::condition_variable queued_;
    std::deque<std::function<void()>> tasks_;
    std::function<void(std::string_view text)> print_;
    std::atomic<bool> stopRequested_ = false;
    // Goes before the queue its threads post into.
    std::unique_ptr<BuildRunner> runner_;
};

}  // namespace avizad

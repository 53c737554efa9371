#pragma once
// BuildSession: builds without a window, as the editor builds: one command interpreter
// (/bin/sh in the program folder) and one BuildPipeline, with its build process, kept from
// build to build. Each build runs to its end on the calling thread: whatever the
// interpreter and the build process report is queued and handled there, one at a time.
// `avizad-cli build` and buildAndWait() use a session for one build; the benchmark keeps
// one for many.

#include <condition_variable>
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
    // result names the failed step "запуск командного интерпретатора" and holds the
    // "Error %d:\r\n%s" text.
    BuildResult build(const Project& project, const BuildInputs& inputs,
                      std::function<void(std::string_view text)> print);

    BuildPipeline& pipeline() { return *pipeline_; }

private:
    void post(std::function<void()> task);
    // Runs the queued tasks; with `wait`, waits for one when there is none.
    void runTasks(bool wait);

    std::mutex mutex_;  // guards tasks_
    std::condition_variable queued_;
    std::deque<std::function<void()>> tasks_;
    std::function<void(std::string_view text)> print_;
    std::filesystem::path interpreterDir_;
    // The interpreter and the pipeline go before the queue their threads post into.
    std::unique_ptr<ProcessRunner> interpreter_;
    std::unique_ptr<BuildPipeline> pipeline_;
};

}  // namespace avizad

#pragma once
// A whole build without a window: a BuildSession for one build, waited for until the
// build has ended. Used by `avizad-cli build` and the tests; the editor drives
// BuildPipeline with its console window instead.

#include <functional>
#include <mutex>
#include <string_view>

#include "pipeline/BuildPipeline.h"

namespace avizad {

// Lets another thread stop the build that buildAndWait runs (avizad-cli does on SIGINT
// and SIGTERM).
class BuildStopper {
public:
    // Stops the running build (BuildPipeline::stop: its tools end, no archive), or the
    // next one as soon as it starts. Safe from any thread.
    void requestStop();

    // Used by buildAndWait: `stop` stops its build while it runs.
    void attach(std::function<void()> stop);
    void detach();

private:
    std::mutex mutex_;
    std::function<void()> stop_;
    bool requested_ = false;
};

// Runs the build and returns its result. `print` receives the console text (Windows-1251)
// as it arrives, on the calling thread. When the interpreter cannot be started, the
// compile step fails with the "Error %d:\r\n%s" text in BuildResult::error. When the build
// has ended, the interpreter, every process of its group and the build process have ended
// too.
BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources = generateGameSources,
                         BuildStopper* stopper = nullptr);

}  // namespace avizad

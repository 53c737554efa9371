#include "pipeline/BuildSession.h"

#include <optional>

namespace avizad {

BuildSession::BuildSession(BuildPipeline::SourceWriter writeSources) {
    pipeline_ = std::make_unique<BuildPipeline>(
        BuildPipeline::Console{
            .send =
                [this](std::string_view line) {
                    return interpreter_ ? interpreter_->sendCommand(line) : std::nullopt;
                },
            .print =
                [this](std::string_view text) {
                    if (print_) {
                        print_(text);
                    }
                },
            .clear = {},
            .open = [this](const std::filesystem::path& dir) { return openInterpreter(dir); },
            // Ends the interpreter's process group at once; the next build collects it.
            .close =
                [this] {
                    if (interpreter_) {
                        interpreter_->kill();
                    }
                },
            .post = [this](std::function<void()> task) { post(std::move(task)); },
        },
        std::move(writeSources));
}

BuildSession::~BuildSession() {
    pipeline_.reset();     // stops a running build, ends the build process
    interpreter_.reset();  // collects the interpreter and its threads
}

void BuildSession::post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    queued_.notify_one();
}

void BuildSession::runTasks(bool wait) {
    std::unique_lock lock(mutex_);
    if (wait) {
        queued_.wait(lock, [this] { return !tasks_.empty(); });
    }
    while (!tasks_.empty()) {
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

int BuildSession::openInterpreter(const std::filesystem::path& workingDir) {
    interpreter_.reset();
    const std::uint64_t generation = ++interpreterGeneration_;
    interpreter_ = std::make_unique<ProcessRunner>();
    ProcessRunner::Options options;
    options.workingDir = workingDir;
    options.onOutput = [this, generation](const std::string& chunk) {
        post([this, generation, chunk] {
            if (generation == interpreterGeneration_) {
                pipeline_->feedOutput(chunk);
            }
        });
    };
    options.onEnded = [this, generation](int) {
        post([this, generation] {
            if (generation == interpreterGeneration_) {
                pipeline_->interpreterEnded();
            }
        });
    };
    const int error = interpreter_->start(std::move(options));
    if (error != 0) {
        interpreter_.reset();
    }
    return error;
}

void BuildSession::requestStop() {
    stopRequested_ = true;
    post([this] {
        if (pipeline_->running() && stopRequested_.exchange(false)) {
            pipeline_->stop();
        }
    });
}

BuildResult BuildSession::build(const Project& project, const BuildInputs& inputs,
                                std::function<void(std::string_view text)> print) {
    print_ = std::move(print);
    runTasks(false);  // what an earlier build's tools still reported
    std::optional<BuildResult> result;
    pipeline_->start(project, inputs,
                     [&result](const BuildResult& finished) { result = finished; });
    if (pipeline_->running() && stopRequested_.exchange(false)) {
        pipeline_->stop();
    }
    while (!result) {
        runTasks(true);
    }
    return *result;
}

}  // namespace avizad

#include "pipeline/BuildSession.h"

#include <optional>

#include "model/Cp1251.h"

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
            .post = [this](std::function<void()> task) { post(std::move(task)); },
        },
        std::move(writeSources));
}

BuildSession::~BuildSession() {
    pipeline_.reset();     // ends the build process
    interpreter_.reset();  // ends the interpreter and its threads
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

BuildResult BuildSession::build(const Project& project, const BuildInputs& inputs,
                                std::function<void(std::string_view text)> print) {
    print_ = std::move(print);
    runTasks(false);  // what an earlier build's tools still reported
    if (interpreter_ && (!interpreter_->running() || interpreterDir_ != inputs.programDir)) {
        interpreter_.reset();
    }
    if (!interpreter_) {
        interpreter_ = std::make_unique<ProcessRunner>();
        interpreterDir_ = inputs.programDir;
        ProcessRunner::Options options;
        options.workingDir = inputs.programDir;
        options.onOutput = [this](const std::string& chunk) {
            post([this, chunk] { pipeline_->feedOutput(chunk); });
        };
        options.onEnded = [this](int) { post([this] { pipeline_->interpreterEnded(); }); };
        if (const int error = interpreter_->start(std::move(options)); error != 0) {
            interpreter_.reset();
            BuildResult failed;
            failed.failedStep = utf8ToCp1251("запуск командного интерпретатора");
            failed.exitStatus = -1;
            failed.error = ProcessRunner::startErrorMessage(error);
            failed.summary = utf8ToCp1251("Архив не создан: ") + utf8ToCp1251(failed.error);
            if (print_) {
                print_(failed.summary + "\n");
            }
            return failed;
        }
    }
    std::optional<BuildResult> result;
    pipeline_->start(project, inputs,
                     [&result](const BuildResult& finished) { result = finished; });
    while (!result) {
        runTasks(true);
    }
    return *result;
}

}  // namespace avizad

#include "pipeline/BuildSession.h"

#include <optional>

namespace avizad {

BuildSession::BuildSession(BuildPipeline::SourceWriter writeSources) {
    runner_ = std::make_unique<BuildRunner>(
        BuildRunner::View{.print =
                              [this](std::string_view text) {
                                  if (print_) {
                                      print_(text);
                                  }
                              },
                          .clear = {}},
        [this](std::function<void()> task) { post(std::move(task)); }, std::move(writeSources));
}

BuildSession::~BuildSession() {
    runner_.reset();  // stops a running build, ends the build process and the interpreter
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

void BuildSession::requestStop() {
    stopRequested_ = true;
    post([this] {
        if (pipeline().running() && stopRequested_.exchange(false)) {
            pipeline().stop();
        }
    });
}

BuildResult BuildSession::build(const Project& project, const BuildInputs& inputs,
                                std::function<void(std::string_view text)> print) {
    print_ = std::move(print);
    runTasks(false);  // what an earlier build's tools still reported
    std::optional<BuildResult> result;
    pipeline().start(project, inputs,
                     [&result](const BuildResult& finished) { result = finished; });
    if (pipeline().running() && stopRequested_.exchange(false)) {
        pipeline().stop();
    }
    while (!result) {
        runTasks(true);
    }
    return *result;
}

}  // namespace avizad

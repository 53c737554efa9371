#include "pipeline/BuildAndWait.h"

#include <condition_variable>
#include <mutex>
#include <optional>

#include "model/Cp1251.h"
#include "pipeline/ProcessRunner.h"

namespace avizad {

BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources) {
    std::mutex mutex;  // one of start(), feedOutput() and interpreterEnded() at a time
    std::condition_variable done;
    std::optional<BuildResult> result;
    ProcessRunner runner;

    BuildPipeline pipeline(
        BuildPipeline::Console{
            .send = [&runner](std::string_view line) { return runner.sendCommand(line); },
            .print = print,
            .clear = {},
        },
        std::move(writeSources));

    ProcessRunner::Options options;
    options.workingDir = inputs.programDir;
    options.onOutput = [&](const std::string& chunk) {
        std::lock_guard lock(mutex);
        pipeline.feedOutput(chunk);
    };
    options.onEnded = [&](int) {
        std::lock_guard lock(mutex);
        pipeline.interpreterEnded();
    };
    if (const int error = runner.start(std::move(options)); error != 0) {
        BuildResult failed;
        failed.failedStep = utf8ToCp1251("запуск командного интерпретатора");
        failed.exitStatus = -1;
        failed.error = ProcessRunner::startErrorMessage(error);
        failed.summary = utf8ToCp1251("Архив не создан: ") + utf8ToCp1251(failed.error);
        if (print) {
            print(failed.summary + "\n");
        }
        return failed;
    }

    std::unique_lock lock(mutex);
    pipeline.start(project, inputs, [&](const BuildResult& finished) {
        result = finished;
        done.notify_all();
    });
    done.wait(lock, [&] { return result.has_value(); });
    lock.unlock();
    runner.stop();  // ends the interpreter and its threads before the pipeline goes
    return *result;
}

}  // namespace avizad

#include "pipeline/BuildRunner.h"

#include <optional>

namespace avizad {

BuildRunner::BuildRunner(View view, Post post, BuildPipeline::SourceWriter writeSources)
    : view_(std::move(view)), post_(std::move(post)) {
    pipeline_ = std::make_unique<BuildPipeline>(
        BuildPipeline::Console{
            .send =
                [this](std::string_view line) {
                    return interpreter_ ? interpreter_->sendCommand(line) : std::nullopt;
                },
            .print =
                [this](std::string_view text) {
                    if (view_.print) {
                        view_.print(text);
                    }
                },
            .clear =
                [this] {
                    if (view_.clear) {
                        view_.clear();
                    }
                },
            .open = [this](const std::filesystem::path& dir) { return openInterpreter(dir); },
            // Ends the interpreter's process group at once, and nothing more of it is
            // reported: its end was wanted. The next build, or the runner's end, collects it.
            .close =
                [this] {
                    ++generation_;
                    if (interpreter_) {
                        interpreter_->kill();
                    }
                },
            .post = post_,
        },
        std::move(writeSources));
}

BuildRunner::~BuildRunner() {
    pipeline_.reset();     // stops a running build, ends the build process
    interpreter_.reset();  // collects the interpreter and its threads
}

int BuildRunner::openInterpreter(const std::filesystem::path& workingDir) {
    interpreter_.reset();
    ++started_;
    const std::uint64_t generation = ++generation_;
    const std::weak_ptr<int> alive = alive_;
    ProcessRunner::Options options;
    options.program = interpreterProgram_;
    options.workingDir = workingDir;
    options.onOutput = [this, generation, alive](const std::string& chunk) {
        post_([this, generation, alive, chunk] {
            if (alive.lock() && generation == generation_) {
                pipeline_->feedOutput(chunk);
            }
        });
    };
    options.onEnded = [this, generation, alive](int) {
        post_([this, generation, alive] {
            if (alive.lock() && generation == generation_) {
                pipeline_->interpreterEnded();
            }
        });
    };
    interpreter_ = std::make_unique<ProcessRunner>();
    const int error = interpreter_->start(std::move(options));
    if (error != 0) {
        interpreter_.reset();
    }
    return error;
}

}  // namespace avizad

#include "pipeline/BuildAndWait.h"

#include "pipeline/BuildSession.h"

namespace avizad {

void BuildStopper::requestStop() {
    std::lock_guard lock(mutex_);
    requested_ = true;
    if (stop_) {
        stop_();
    }
}

void BuildStopper::attach(std::function<void()> stop) {
    std::lock_guard lock(mutex_);
    stop_ = std::move(stop);
    if (requested_) {
        stop_();
    }
}

void BuildStopper::detach() {
    std::lock_guard lock(mutex_);
    stop_ = nullptr;
}

BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources, BuildStopper* stopper) {
    BuildSession session(std::move(writeSources));
    if (stopper) {
        stopper->attach([&session] { session.requestStop(); });
    }
    BuildResult result = session.build(project, inputs, std::move(print));
    if (stopper) {
        stopper->detach();
    }
    return result;
}

}  // namespace avizad

#include "pipeline/BuildAndWait.h"

#include "pipeline/BuildSession.h"

namespace avizad {

BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources) {
    BuildSession session(std::move(writeSources));
    return session.build(project, inputs, std::move(print));
}

}  // namespace avizad

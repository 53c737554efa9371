#pragma once
// A whole build without a window: a BuildSession for one build. Used by
// `avizad-cli build` and the tests; the editor drives BuildPipeline with the console's
// interpreter instead.

#include <functional>
#include <string_view>

#include "pipeline/BuildPipeline.h"

namespace avizad {

// Runs the build and returns its result. `print` receives the console text (Windows-1251)
// as it arrives, on the calling thread. When the interpreter cannot be started, the result
// names the failed step "запуск командного интерпретатора" and holds the "Error %d:\r\n%s"
// text.
BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources = generateGameSources);

}  // namespace avizad

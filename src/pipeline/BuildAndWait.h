#pragma once
// A whole build without a window: its own interpreter (/bin/sh in the program folder)
// and a BuildPipeline, waited for until the build has ended. Used by
// `avizad-cli build` and the tests; the editor drives BuildPipeline with the
// console's interpreter instead.

#include <functional>
#include <string_view>

#include "pipeline/BuildPipeline.h"

namespace avizad {

// Runs the build and returns its result. `print` receives the console text (Windows-1251)
// as it arrives, from the interpreter's reader thread or the calling thread, never two
// at once. When the interpreter cannot be started, the result names the failed step
// "запуск командного интерпретатора" and holds the "Error %d:\r\n%s" text.
BuildResult buildAndWait(const Project& project, const BuildInputs& inputs,
                         std::function<void(std::string_view text)> print,
                         BuildPipeline::SourceWriter writeSources = generateGameSources);

}  // namespace avizad

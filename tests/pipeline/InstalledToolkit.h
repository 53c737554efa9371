#pragma once
// The installed program's System folder, its Java ME toolkit and the sample project, for the
// tests that build with the real tools.

#include <filesystem>

namespace avizad::testing {

inline const std::filesystem::path kInstalled =
    std::filesystem::path(AVIZAD_PROGRAM_DIR) / "System";
inline const std::filesystem::path kToolkit = kInstalled / "toolkit";
inline const std::filesystem::path kSample =
    std::filesystem::path(AVIZAD_SOURCE_DIR) / "tests" / "pipeline" / "sample" / "sample.yrk";

// A program folder of its own at `program`: the templates and the manifest template of the
// installed System folder and empty build folders.
inline void makeProgramFolder(const std::filesystem::path& program) {
    namespace fs = std::filesystem;
    for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
        fs::create_directories(program / "System" / folder);
    }
    fs::copy(kInstalled / "draft", program / "System" / "draft", fs::copy_options::recursive);
    fs::copy_file(kInstalled / "MANIFEST.MF", program / "System" / "MANIFEST.MF");
}

}  // namespace avizad::testing

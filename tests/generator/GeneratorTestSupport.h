#pragma once
// A throw-away program folder for the generator tests: System/draft and the manifest
// template copied from the source tree, the empty build folders beside them.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "generator/BuildFolders.h"
#include "model/FileUtil.h"

namespace avizad::testing {

class ProgramFolder {
public:
    ProgramFolder() {
        namespace fs = std::filesystem;
        std::random_device seed;
        root_ = fs::temp_directory_path() /
                ("avizad-gen-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        const fs::path source = fs::path(AVIZAD_SOURCE_DIR) / "System";
        fs::create_directories(root_ / "System");
        fs::copy(source / "draft", root_ / "System" / "draft", fs::copy_options::recursive);
        fs::copy_file(source / "MANIFEST.MF", root_ / "System" / "MANIFEST.MF");
        for (const char* dir : {"src", "res", "bin", "classes", "tmpclasses"}) {
            fs::create_directories(root_ / "System" / dir);
        }
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    BuildFolders folders() const { return BuildFolders(root_); }

private:
    std::filesystem::path root_;
};

inline std::string fileText(const std::filesystem::path& path) {
    return readFileText(path);
}

}  // namespace avizad::testing

#pragma once
// The staging folder of one build. Every build (and `avizad-cli generate`) writes its
// sources, resources, classes, manifest and archive into a folder of its own,
// System/build.XXXXXX, made new when it starts, so that nothing of an earlier build, not
// even the tools of a build killed with SIGKILL that may still run, can write into what
// this build packs. At the end the folder is renamed to System/build, where the last
// build's files stay to be looked at until the next build replaces them.

#include <filesystem>
#include <vector>

#include "generator/BuildFolders.h"

namespace avizad {

class StagingFolder {
public:
    // Removes the staging folders that ended builds left (System/build.*: the caller holds
    // the program folder's BuildLock, so no running build owns one) and makes a new one.
    // Throws IoError when System/build is a symbolic link (nothing is ever deleted
    // through a link) or the folder cannot be made.
    explicit StagingFolder(const BuildFolders& folders);
    // Removes the folder unless keep() has renamed it.
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Renames the folder to System/build, replacing the folder there; when that cannot be
    // done the folder is removed instead. Never throws.
    void keep();

    // System/build: the files of the last build.
    static std::filesystem::path lastBuild(const BuildFolders& folders);
    // The staging folders of builds that ended without renaming theirs (System/build.XXXXXX,
    // left by a killed build; while a build runs, its own is among them).
    static std::vector<std::filesystem::path> leftovers(const BuildFolders& folders);

private:
    std::filesystem::path last_;
    std::filesystem::path path_;
    bool done_ = false;
};

}  // namespace avizad

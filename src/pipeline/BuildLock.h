#pragma once
// The lock of a program folder's game build: while one build (of the window or of
// avizad-cli, in any process) holds it, no other build may touch the build folders.

#include <filesystem>

#include "generator/BuildFolders.h"

namespace avizad {

class BuildLock {
public:
    // Tries to take the lock on System/build.lock (an exclusive flock, released when the
    // object goes or the process ends, however it ends) without waiting; held() tells
    // whether it was taken. Throws IoError when the lock file cannot be opened.
    explicit BuildLock(const BuildFolders& folders);
    ~BuildLock();
    BuildLock(const BuildLock&) = delete;
    BuildLock& operator=(const BuildLock&) = delete;

    bool held() const { return held_; }

    // The lock file of a program folder.
    static std::filesystem::path file(const BuildFolders& folders);

private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace avizad

#include "pipeline/CleanProgramFolder.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "pipeline/BuildLock.h"
#include "pipeline/StagingFolder.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

// Removes `path` and, when it is a folder (not a link), everything in it; returns the number
// of regular files removed. What cannot be removed is skipped.
int removeCounting(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || !fs::exists(status)) {
        return 0;
    }
    int removed = 0;
    if (fs::is_directory(status)) {
        std::vector<fs::path> entries;
        for (fs::directory_iterator it(path, error), end; !error && it != end;
             it.increment(error)) {
            entries.push_back(it->path());
        }
        for (const fs::path& entry : entries) {
            removed += removeCounting(entry);
        }
        fs::remove(path, error);
        return removed;
    }
    const bool file = fs::is_regular_file(status);
    return fs::remove(path, error) && file ? 1 : 0;
}

// Deletes the regular files of `folder` whose extension is `extension` (no dot, any case);
// a folder that is a link deletes nothing.
int removeWithExtension(const fs::path& folder, std::string_view extension) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(folder, error))) {
        return 0;
    }
    int removed = 0;
    for (const std::string& name : filesWithExtensions(folder, {extension})) {
        removed += fs::remove(folder / name, error) ? 1 : 0;
    }
    return removed;
}

}  // namespace

int cleanProgramFolder(const fs::path& programDir) {
    const BuildFolders folders(programDir);
    // The build folders belong to a running build until it ends.
    const BuildLock lock(folders);
    if (!lock.held()) {
        throw IoError(
            "В папке программы идёт сборка (в окне программы или в avizad-cli): "
            "дождитесь её окончания и повторите «Очистка»");
    }
    int removed = removeCounting(StagingFolder::lastBuild(folders));
    for (const fs::path& staging : StagingFolder::leftovers(folders)) {
        removed += removeCounting(staging);
    }
    removed += removeWithExtension(folders.bin(), "jar");
    removed += removeWithExtension(folders.bin(), "jad");
    return removed;
}

}  // namespace avizad

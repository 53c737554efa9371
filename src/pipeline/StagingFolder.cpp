#include "pipeline/StagingFolder.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "build.";
constexpr std::size_t kRandomLength = 6;  // mkdtemp's XXXXXX

// Removes a path without following links: a link is removed itself, a folder with what
// is in it (remove_all never descends into a link). Errors are ignored.
void removeQuietly(const fs::path& path) {
    std::error_code error;
    fs::remove_all(path, error);
}

}  // namespace

fs::path StagingFolder::lastBuild(const BuildFolders& folders) {
    return folders.system() / "build";
}

std::vector<fs::path> StagingFolder::leftovers(const BuildFolders& folders) {
    std::error_code error;
    std::vector<fs::path> found;
    for (fs::directory_iterator it(folders.system(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == kPrefix.size() + kRandomLength && name.starts_with(kPrefix)) {
            found.push_back(it->path());
        }
    }
    return found;
}

StagingFolder::StagingFolder(const BuildFolders& folders) : last_(lastBuild(folders)) {
    refuseLinkedFolder(last_);
    for (const fs::path& path : leftovers(folders)) {
        removeQuietly(path);
    }
    std::string pattern = (folders.system() / kPrefix).string() + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw IoError("Не удаётся создать папку сборки в «" + displayPath(folders.system()) +
                      "»: " + systemErrorText(errno));
    }
    path_ = pattern;
}

StagingFolder::~StagingFolder() {
    if (!done_) {
        removeQuietly(path_);
    }
}

void StagingFolder::keep() {
    if (done_) {
        return;
    }
    done_ = true;
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(last_, error))) {
        removeQuietly(last_);
        fs::rename(path_, last_, error);
        if (!error) {
            return;
        }
    }
    removeQuietly(path_);
}

}  // namespace avizad

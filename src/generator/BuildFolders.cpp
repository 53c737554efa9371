#include "generator/BuildFolders.h"

#include <system_error>

#include "model/FileUtil.h"

namespace avizad {

std::vector<std::string> deleteFilesByExtension(const std::filesystem::path& folder,
                                                const std::string& extension) {
    namespace fs = std::filesystem;
    std::vector<std::string> failures;
    for (const std::string& name : filesWithExtensions(folder, {extension})) {
        std::error_code error;
        if (!fs::remove(folder / name, error) || error) {
            failures.push_back((folder / name).string());
        }
    }
    return failures;
}

std::vector<std::string> emptyFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> failures;
    std::error_code error;
    fs::create_directories(folder, error);
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        std::error_code removeError;
        fs::remove_all(entry, removeError);
        if (removeError || fs::exists(fs::symlink_status(entry, removeError))) {
            failures.push_back(entry.string());
        }
    }
    return failures;
}

std::vector<std::string> cleanBuildFolders(const BuildFolders& folders) {
    std::vector<std::string> failures;
    for (const std::filesystem::path& folder :
         {folders.src(), folders.res(), folders.tmpclasses(), folders.classes()}) {
        for (std::string& entry : emptyFolder(folder)) {
            failures.push_back(std::move(entry));
        }
    }
    for (std::string& file : deleteFilesByExtension(folders.bin(), "part")) {
        failures.push_back(std::move(file));
    }
    return failures;
}

}  // namespace avizad

#include "generator/BuildFolders.h"

#include <system_error>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

std::vector<std::string> emptyFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> failures;
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(folder, error))) {
        return {folder.string()};  // never deleted through
    }
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

void refuseLinkedFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(folder, error))) {
        throw IoError("Папка сборки «" + displayPath(folder) +
                      "» — символическая ссылка, а сборка не удаляет файлы по ссылке: удалите "
                      "ссылку, и сборка создаст на её месте свою папку");
    }
}

std::vector<std::string> cleanBuildFolders(const BuildFolders& folders) {
    const std::filesystem::path staging[] = {folders.src(), folders.res(), folders.tmpclasses(),
                                             folders.classes()};
    for (const std::filesystem::path& folder : staging) {
        refuseLinkedFolder(folder);
    }
    std::vector<std::string> failures;
    for (const std::filesystem::path& folder : staging) {
        for (std::string& entry : emptyFolder(folder)) {
            failures.push_back(std::move(entry));
        }
    }
    return failures;
}

}  // namespace avizad

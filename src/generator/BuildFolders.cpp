#include "generator/BuildFolders.h"

#include <system_error>

namespace avizad {

namespace {

bool sameAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> deleteFilesByExtension(const std::filesystem::path& folder,
                                                const std::string& extension) {
    namespace fs = std::filesystem;
    std::vector<std::string> failures;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        return failures;
    }
    std::vector<fs::path> matches;
    for (const fs::directory_entry& entry : it) {
        const fs::file_status status = entry.symlink_status(error);
        if (error || fs::is_directory(status)) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        const std::size_t dot = name.rfind('.');
        if (dot != std::string::npos && sameAsciiCase(name.substr(dot + 1), extension)) {
            matches.push_back(entry.path());
        }
    }
    for (const fs::path& file : matches) {
        if (!fs::remove(file, error) || error) {
            failures.push_back(file.string());
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

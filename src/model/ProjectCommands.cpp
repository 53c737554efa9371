#include "model/ProjectCommands.h"

#include <cctype>
#include <system_error>
#include <vector>

#include "model/Cp1251.h"
#include "model/FileUtil.h"

namespace avizad {

namespace fs = std::filesystem;

std::string untitledTitle() {
    return "ROR Avizad - [untitled]";
}

std::string projectTitle(const fs::path& file) {
    std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return "ROR Avizad - [" + name + "]";
}

std::string lockedTitle() {
    return "RORAvizad - Редактор сценария";
}

fs::path withDefaultExtension(const fs::path& file, std::string_view extension) {
    const std::string name = file.filename().string();
    if (name.empty() || name.find('.', 1) != std::string::npos) {
        return file;
    }
    fs::path result = file;
    result += ".";
    result += std::string(extension);
    return result;
}

fs::path projectDialogFolder(const fs::path& programDir, const fs::path& projectFile) {
    std::error_code error;
    if (!projectFile.empty() && fs::is_directory(projectFile.parent_path(), error)) {
        return projectFile.parent_path();
    }
    const fs::path folder = programDir / "projects";
    fs::create_directories(folder, error);
    return folder;
}

}  // namespace avizad

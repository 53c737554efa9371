#include "generator/ProjectCopy.h"

#include <algorithm>
#include <system_error>

#include "generator/ProjectResources.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"

namespace avizad {

namespace fs = std::filesystem;

fs::path samplesFolder(const fs::path& programDir) {
    return programDir / "projects";
}

std::vector<SampleProject> installedSamples(const fs::path& programDir) {
    std::vector<SampleProject> found;
    const fs::path folder = samplesFolder(programDir);
    for (const std::string& name :
         filesWithExtensions(folder, {std::string_view(kProjectExtension)})) {
        const fs::path file = folder / name;
        found.push_back({file.stem().string(), file});
    }
    std::sort(found.begin(), found.end(),
              [](const SampleProject& a, const SampleProject& b) { return a.name < b.name; });
    return found;
}

fs::path freeCopyFile(const fs::path& folder, const std::string& name) {
    const std::string extension = "." + std::string(kProjectExtension);
    fs::path file = folder / (name + extension);
    std::error_code error;
    for (int n = 2; fs::exists(fs::symlink_status(file, error)); ++n) {
        file = folder / (name + " " + std::to_string(n) + extension);
    }
    return file;
}

void copyProject(const fs::path& source, const fs::path& target) {
    std::error_code error;
    const fs::path sourceFolder = fs::weakly_canonical(fs::absolute(source).parent_path(), error);
    const fs::path targetFolder = fs::weakly_canonical(fs::absolute(target).parent_path(), error);
    if (sourceFolder == targetFolder) {
        throw IoError("Копию нельзя сохранить в папку «" + displayPath(sourceFolder) +
                      "», где лежит сам проект: выберите другую папку.");
    }
    // The whole source first: a file that is no project writes nothing.
    const std::string bytes = readFileText(source);
    Project project;
    clearProject(project);
    loadProjectFromMemory(project, bytes.data(), bytes.size(), displayPath(source));

    fs::create_directories(target.parent_path(), error);
    const ProjectResources resources =
        findProjectResources(source.parent_path(), iconFileName(project.midletIcon));
    if (!resources.files.empty()) {
        const fs::path res = target.parent_path() / "res";
        fs::create_directories(res, error);
        if (error) {
            throw IoError("Не удаётся создать папку «" + displayPath(res) +
                          "»: " + error.message());
        }
        for (const ProjectResource& file : resources.files) {
            copyProjectResource(file, res);
        }
    }
    SaveFile copy(target);
    copy.write(bytes);
    copy.commit();
}

}  // namespace avizad

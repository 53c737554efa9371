#include "generator/GameSources.h"

#include "generator/MidletAssembly.h"
#include "generator/ProjectResources.h"
#include "generator/ResourceExport.h"
#include "generator/StageGenerator.h"
#include "model/IoError.h"

namespace avizad {

GameSourcesReport generateGameSources(const Project& project, const BuildFolders& folders) {
    GameSourcesReport report;
    report.undeleted = cleanBuildFolders(folders);
    const ResourceExport resources(project, folders);
    const StageGenerator stages(project, folders);
    for (int level = 1; level <= project.levelCount && level <= kMaxLevels; ++level) {
        resources.exportLevelResources(level);
        stages.writeStage(level);
    }
    stages.writeEvents();
    stages.writeEngine();
    MidletAssembly midlet(project, folders);
    midlet.writeMidletClass();
    midlet.copyFixedFiles();
    // Last, so that a project's file never replaces one the game is made of (an icon
    // named like an object's picture or the title's logo.png).
    const ProjectResources own =
        findProjectResources(folders.projectDir, iconFileName(project.midletIcon));
    for (const ProjectResource& file : own.files) {
        if (file.size > kMaxResourceBytes) {
            throw IoError(resourceTooLarge("res/" + file.name, file.size));
        }
    }
    for (const ProjectResource& file : own.files) {
        copyProjectResource(file, folders.res());
    }
    report.warnings = own.leftOut;
    // The manifest once the game's files are all there: it names the icon only when the
    // game holds it.
    if (const std::string warning = midlet.checkIcon(); !warning.empty()) {
        report.warnings.push_back(warning);
    }
    midlet.writeManifest();
    return report;
}

std::vector<std::string> engineSources() {
    return {"Stage.java", "MultiLineText.java", "Etap0.java"};
}

}  // namespace avizad

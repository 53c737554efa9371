#include "generator/GameSources.h"

#include "generator/MidletAssembly.h"
#include "generator/ResourceExport.h"
#include "generator/StageGenerator.h"

namespace avizad {

std::vector<std::string> generateGameSources(const Project& project, const BuildFolders& folders) {
    std::vector<std::string> undeleted = cleanBuildFolders(folders);
    const ResourceExport resources(project, folders);
    resources.exportSounds(folders.projectDir);
    const StageGenerator stages(project, folders);
    for (int level = 1; level <= project.levelCount && level <= kMaxLevels; ++level) {
        resources.exportLevelResources(level);
        stages.writeStage(level);
    }
    stages.writeEvents();
    stages.writeEngine();
    const MidletAssembly midlet(project, folders);
    midlet.writeMidletClass();
    midlet.writeManifest();
    midlet.copyFixedFiles();
    return undeleted;
}

std::vector<std::string> engineSources() {
    return {"Stage.java", "MultiLineText.java", "Etap0.java"};
}

}  // namespace avizad

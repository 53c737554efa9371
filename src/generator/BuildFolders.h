#pragma once
// The folders and files of the game build below the program folder, and the
// cleaning of the build folders before a build.

#include <filesystem>
#include <string>
#include <vector>

namespace avizad {

struct BuildFolders {
    explicit BuildFolders(std::filesystem::path programFolder)
        : programDir(std::move(programFolder)) {}

    std::filesystem::path programDir;
    // The folder of the open project (empty while it was never saved): the sound action
    // keeps its sound files in its folder "res", from where the build takes them.
    std::filesystem::path projectDir;
    // The phone screen the author laid the game out for (the settings' screen outline):
    // on another screen the game keeps its indicators and texts at their distances to
    // the nearer edges of the screen.
    int screenWidth = 240;
    int screenHeight = 320;
    // Where this build writes its sources, resources, classes and manifest: a folder of
    // its own that no other build writes (the pipeline's StagingFolder). Empty: the
    // folders System/src, res, tmpclasses and classes, with the manifest in the program
    // folder.
    std::filesystem::path stagingDir;

    std::filesystem::path system() const { return programDir / "System"; }
    // Templates: Etap1.java, Events.java, Stage.java, syrk.java, etap0.java,
    // MultiLineText.java, logo.png.
    std::filesystem::path draft() const { return system() / "draft"; }
    // The folder that holds src, res, tmpclasses and classes.
    std::filesystem::path staging() const { return stagingDir.empty() ? system() : stagingDir; }
    // Generated Java sources.
    std::filesystem::path src() const { return staging() / "src"; }
    // Resources of the game: images, tile maps, sounds.
    std::filesystem::path res() const { return staging() / "res"; }
    std::filesystem::path classes() const { return staging() / "classes"; }
    std::filesystem::path tmpclasses() const { return staging() / "tmpclasses"; }
    // The finished game archives.
    std::filesystem::path bin() const { return system() / "bin"; }
    // The manifest template and the manifest the archive step packs.
    std::filesystem::path manifestTemplate() const { return system() / "MANIFEST.MF"; }
    std::filesystem::path manifest() const {
        return (stagingDir.empty() ? programDir : stagingDir) / "MANIFEST.MF";
    }
    // The stage class file of a level ("Etap" + level + ".java"; 0 is the title stage).
    std::filesystem::path stageFile(int level) const {
        return src() / ("Etap" + std::to_string(level) + ".java");
    }
};

// Deletes everything inside `folder` (files and sub-folders, links themselves, never what
// they point to); the folder itself stays and is made when it is missing. An entry that
// cannot be deleted is left in place and its path (UTF-8) added to the returned list, and
// so is a folder that is a link, whose content is not touched. Never throws.
std::vector<std::string> emptyFolder(const std::filesystem::path& folder);

// Step 1 of the build: makes and empties the staging folders src, res, tmpclasses and
// classes, so that the game holds exactly the files this build writes.
// The build goes on when an entry cannot be deleted; the returned list names such
// entries for a warning. A staging folder that is a symbolic link is refused before
// anything is deleted (IoError naming it): nothing is ever deleted through a link. The
// caller holds the BuildLock.
std::vector<std::string> cleanBuildFolders(const BuildFolders& folders);

// Throws IoError naming `folder` when it is a symbolic link.
void refuseLinkedFolder(const std::filesystem::path& folder);

}  // namespace avizad

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

    std::filesystem::path system() const { return programDir / "System"; }
    // Templates: Etap1.java, Events.java, Stage.java, syrk.java, etap0.java,
    // MultiLineText.java, logo.png.
    std::filesystem::path draft() const { return system() / "draft"; }
    // Generated Java sources.
    std::filesystem::path src() const { return system() / "src"; }
    // Resources of the game: images, tile maps, sounds.
    std::filesystem::path res() const { return system() / "res"; }
    // The finished game archive.
    std::filesystem::path bin() const { return system() / "bin"; }
    std::filesystem::path classes() const { return system() / "classes"; }
    std::filesystem::path tmpclasses() const { return system() / "tmpclasses"; }
    // The manifest template and the manifest the archive step packs.
    std::filesystem::path manifestTemplate() const { return system() / "MANIFEST.MF"; }
    std::filesystem::path manifest() const { return programDir / "MANIFEST.MF"; }
    // The stage class file of a level ("Etap" + level + ".java"; 0 is the title stage).
    std::filesystem::path stageFile(int level) const {
        return src() / ("Etap" + std::to_string(level) + ".java");
    }
};

// Deletes the files of `folder` whose extension is `extension` (without the dot,
// compared without regard to ASCII case, as the Windows mask "*.ext" does).
// Folders and missing folders are skipped; a file that cannot be deleted is left in
// place and its path (UTF-8) added to the returned list. Never throws for a file.
std::vector<std::string> deleteFilesByExtension(const std::filesystem::path& folder,
                                                const std::string& extension);

// Deletes everything inside `folder` (files and sub-folders, links themselves, never what
// they point to); the folder itself stays and is made when it is missing. An entry that
// cannot be deleted is left in place and its path (UTF-8) added to the returned list, and
// so is a folder that is a link, whose content is not touched. Never throws.
std::vector<std::string> emptyFolder(const std::filesystem::path& folder);

// Step 1 of the build: empties the staging folders System/src, System/res,
// System/tmpclasses and System/classes, so that the game holds exactly the files this
// build writes, and deletes the unfinished archives (*.part) an interrupted build left
// in System/bin. Finished archives stay: a new one replaces its old one in one rename.
// The build goes on when an entry cannot be deleted; the returned list names such
// entries for a warning. A staging folder that is a symbolic link is refused before
// anything is deleted (IoError naming it): nothing is ever deleted through a link. The
// caller holds the BuildLock.
std::vector<std::string> cleanBuildFolders(const BuildFolders& folders);

// Throws IoError naming `folder` when it is a symbolic link.
void refuseLinkedFolder(const std::filesystem::path& folder);

}  // namespace avizad

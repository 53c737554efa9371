#pragma once
// "Очистка": the program folder without what the game builds left there.

#include <filesystem>

namespace avizad {

// Deletes what builds leave below `programDir` (BuildFolders): the files of the last build
// (System/build: its sources, resources, classes and manifest), the staging folders of builds
// that were killed (System/build.XXXXXX), and the games in System/bin, each archive (*.jar)
// with its descriptor (*.jad). Nothing else is touched: the templates, the settings, the
// projects and pictures stay, and nothing is deleted through a symbolic link (a link is
// removed itself). Entries that cannot be deleted are skipped. Returns the number of files
// deleted. Throws IoError, deleting nothing, while a build runs in the program folder (the
// window's or avizad-cli's: BuildLock) or when its lock file cannot be opened.
int cleanProgramFolder(const std::filesystem::path& programDir);

}  // namespace avizad

#pragma once
// Rules behind the main window's project commands that need no window: the window
// title, the project file dialogs' folders and default extension, the clean command
// and the path of the built game.

#include <filesystem>
#include <string>
#include <string_view>

namespace avizad {

// The extension of project files, without its dot.
inline constexpr std::string_view kProjectExtension = "yrk";

// "ROR Avizad - [untitled]": the title of a project without a file.
std::string untitledTitle();
// The title after a project was saved to or opened from `file` (UTF-8): the file name
// without its folder, its extension (with the dot) replaced by "]", after "ROR Avizad - [".
// game.yrk gives "ROR Avizad - [game]".
std::string projectTitle(const std::filesystem::path& file);
// The title while the settings file could not be read at startup.
std::string lockedTitle();

// A file name typed into the save dialog with the project extension appended when it
// has no extension of its own.
std::filesystem::path withDefaultExtension(const std::filesystem::path& file,
                                           std::string_view extension = kProjectExtension);

// The folder the project file dialogs start in: `projects` below the program folder,
// or the folder of the current project file once there is one. Created when missing
// (a failure to create it is ignored: the dialog then starts wherever it can).
std::filesystem::path projectDialogFolder(const std::filesystem::path& programDir,
                                          const std::filesystem::path& projectFile);

// The clean command ("Очистка"): deletes the build leftovers from the program folder,
// every file with the extension txt, then png, class, mid, jar and jad (the descriptor
// that goes with a jar), and the class files of its sub-folders tmpclasses and classes
// and of the build folders System/tmpclasses and System/classes. Extensions match without
// regard to case; entries that are not files, files that cannot be deleted and folders
// that are links are skipped. Returns the number of files deleted.
int cleanProgramFolder(const std::filesystem::path& programDir);
// Deletes the regular files of `folder` whose extension is `extension` (no dot, any
// case); returns how many were deleted. A missing folder, or a folder that is a symbolic
// link, deletes nothing.
int deleteFilesWithExtension(const std::filesystem::path& folder, std::string_view extension);

}  // namespace avizad

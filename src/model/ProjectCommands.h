#pragma once
// Rules behind the main window's project commands that need no window: the window
// title, the project file dialogs' folders and default extension.

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

}  // namespace avizad

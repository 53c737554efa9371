#pragma once
// The project file (".yrk"): one value per line, CR LF line ends, in a fixed order;
// images are stored pixel by pixel, column by column, with a border of -1 values.

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/Project.h"

namespace avizad {

// Writes the project to `path`. The data go to a temporary file beside it that
// replaces the target only when everything was written. Throws IoError.
void saveProject(const Project& project, const std::filesystem::path& path);
// The file's bytes, as saveProject writes them.
std::string projectFileText(const Project& project);

// Reads `path` into `project`. The caller clears the project first (clearProject):
// values the file does not carry keep what the clearing left. On success currentLevel
// is levelCount; on failure the project is left unchanged and IoError names the line
// at fault (a count outside its table's capacity, a negative image size, a line that
// is not an integer where one is due, a missing tag, a file that ends early).
void loadProject(Project& project, const std::filesystem::path& path);
// Reads the project file at `path` into a new project, cleared as the open command
// clears one first. Throws IoError as loadProject does.
Project readProjectFile(const std::filesystem::path& path);
// The same from data in memory; `source` names it in messages.
void loadProjectFromMemory(Project& project, const char* data, std::size_t size,
                           const std::string& source = "project");

}  // namespace avizad

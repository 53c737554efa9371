#pragma once
// The rules a game's MIDlet settings must keep so that the build makes a game that has a
// name, an archive file and a MIDlet-1 line of three fields. The settings dialog and the
// build both refuse settings that break them, with the same message.

#include <string>
#include <string_view>

#include "model/Project.h"

namespace avizad {

// The longest archive file name, ".jar" included, in bytes of UTF-8 (the file system's).
inline constexpr std::size_t kMaxArchiveFileNameBytes = 255;

// What is wrong with a MIDlet name and icon entry (Windows-1251 texts), as the UTF-8
// message the user reads; empty when nothing is.
std::string midletSettingsProblem(std::string_view name, std::string_view icon);
inline std::string midletSettingsProblem(const Project& project) {
    return midletSettingsProblem(project.midletName, project.midletIcon);
}

}  // namespace avizad

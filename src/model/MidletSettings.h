#pragma once
// The rules a game's MIDlet settings must keep so that the build makes a game a phone
// installs: it has a name, a vendor and a version of the MIDP form, an archive file and a
// MIDlet-1 line of three fields. The settings dialog and the build both refuse settings
// that break them, with the same message.

#include <string>
#include <string_view>

#include "model/Project.h"

namespace avizad {

// The longest archive file name, ".jar" included, in bytes of UTF-8 (the file system's).
inline constexpr std::size_t kMaxArchiveFileNameBytes = 255;

// The MIDlet settings of a project, Windows-1251 texts.
struct MidletSettingsValues {
    std::string_view name;
    std::string_view vendor;
    std::string_view version;
    std::string_view icon;
};

// The setting a problem concerns.
enum class MidletField { None, Name, Vendor, Version, Icon };

struct MidletSettingsProblem {
    MidletField field = MidletField::None;
    std::string message;  // UTF-8, what the user reads; empty when nothing is wrong
};

// The first problem of the settings, in the order name, vendor, version, icon:
// - the name must not be empty and must make a file name (no comma, control character
//   or / \ : * ? " < > |, at most kMaxArchiveFileNameBytes with ".jar");
// - the vendor (MIDlet-Vendor) must not be empty nor hold a control character;
// - the version (MIDlet-Version) must be one to three numbers of one or two digits
//   (0 to 99, as MIDP 2.0 numbers versions) separated by dots, nothing else;
// - the icon entry must hold no comma and no control character, and when it is not blank
//   it names a PNG picture of the project's folder "res": a file name ending in ".png" in
//   any letter case, "/" before it or not, without a folder.
MidletSettingsProblem checkMidletSettings(const MidletSettingsValues& settings);

// The message of the first problem of the project's settings, empty when there is none.
inline std::string midletSettingsProblem(const Project& project) {
    return checkMidletSettings({project.midletName, project.midletVendor, project.midletVersion,
                                project.midletIcon})
        .message;
}

}  // namespace avizad

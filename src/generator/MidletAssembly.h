#pragma once
// The MIDlet class, the manifest, the descriptor and the fixed files of the generated game.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/Project.h"

namespace avizad {

class MidletAssembly {
public:
    MidletAssembly(const Project& project, BuildFolders folders);

    // The three texts that replace "//vstavka1", "//vstavka2" and "//vstavka3" of
    // syrk.java, over the stages 0..levelCount: the stage fields, the cases that stop
    // a stage and the cases that start one.
    std::array<std::string, 3> midletInsertions() const;

    // Writes System/src/syrk.java from System/draft/syrk.java (template lines with the
    // three insertions, CR LF ends). Throws IoError.
    void writeMidletClass() const;

    // The manifest lines for the template lines given: "vs1" replaced by the vendor,
    // "vs2" by the version, "vs3" by "syrk", "vs4" by the icon (empty after checkIcon has
    // left it out) and "vs5" by the suite name, all in one pass, each value as it stands (a vendor
    // "Studio vs2" stays so). The result is UTF-8 (a jar manifest is read as UTF-8); line breaks
    // inside a setting become blanks, and a line longer than 72 bytes continues on lines that begin
    // with a blank, as the jar format requires.
    std::vector<std::string> manifestLines(const std::vector<std::string>& templateLines) const;

    // The name the phone lists the game under (MIDlet-Name and the name of MIDlet-1): the
    // MIDlet name of the project, commas made blanks, "syrk" when it is empty. Phones tell
    // suites apart by name and vendor, so each game needs its own name.
    std::string suiteName() const;

    // The classes a manifest names: the last field of every "MIDlet-<n>:" entry (name,
    // icon, class), continuation lines joined, each name once, in order. The shrinking
    // preverifier keeps them.
    static std::vector<std::string> manifestClasses(const std::string& manifestText);

    // Whether MIDlet-1 names the MIDlet settings' icon. Phones refuse a suite whose icon
    // its jar lacks, so the icon is named only when the game holds the file it names (a
    // file of res, see iconFileName): call this once the game's resources, the project's
    // own files among them, are written, before writeManifest. An icon the game does not
    // hold leaves the icon field empty; the returned UTF-8 console line names it (empty
    // when the icon is named, or when the settings name none).
    std::string checkIcon();

    // The descriptor NAME.jad that phones installing over the air, and several phone
    // emulators, read beside NAME.jar: the MIDlet attributes of the jar's manifest
    // (MIDlet-* and MicroEdition-*, in the manifest's order, continued lines joined: a
    // descriptor has none), then "MIDlet-Jar-URL: " and the jar's file name as a relative
    // URL (UTF-8, each byte but letters, digits and "-._~" written %XX, so "Game.jar" stays
    // so) and "MIDlet-Jar-Size: " and the jar's exact size in bytes. The manifest's own
    // MIDlet-Jar-URL and MIDlet-Jar-Size, if any, are left out. UTF-8, CR LF ends.
    static std::string descriptorText(const std::string& manifestText,
                                      const std::string& jarFileName, std::uintmax_t jarBytes);
    // NAME.jad beside NAME.jar.
    static std::filesystem::path descriptorPath(const std::filesystem::path& archive);

    // Writes MANIFEST.MF in the program folder from System/MANIFEST.MF. Throws IoError.
    void writeManifest() const;

    // Copies MultiLineText.java, etap0.java (as Etap0.java) and logo.png from
    // System/draft, each only when the target does not exist; failures are ignored.
    void copyFixedFiles() const;

private:
    const Project& project_;
    BuildFolders folders_;
    bool iconInGame_ = true;
};

}  // namespace avizad

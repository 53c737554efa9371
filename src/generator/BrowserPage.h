#pragma once
// "Экспорт для браузера": the game as one HTML page. The page template (System/web/page.html,
// built with the programs: the page's scripts and the game's machine as WebAssembly) gets the
// game's jar, its title and icon from the jar's manifest, and the screen size; the page needs
// nothing else, no server and no network.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace avizad {

// What the page takes from a jar.
struct BrowserGame {
    std::string name;    // MIDlet-Name (UTF-8), the page's title
    std::string vendor;  // MIDlet-Vendor: with the name, where the page keeps the game's records
    std::vector<std::uint8_t> icon;  // the PNG file MIDlet-1 names, empty when it names none
};

// Reads the manifest of a jar (a zip archive) and the icon it names. Throws IoError when the
// archive or its manifest cannot be read; an icon the jar lacks is left empty.
BrowserGame readBrowserGame(const std::vector<std::uint8_t>& jar);

// The page of a game: `pageTemplate` with its markers (@@AVIZAD_TITLE@@, @@AVIZAD_ICON@@,
// @@AVIZAD_GAME@@, @@AVIZAD_JAR@@, each standing once) replaced by the game's title, icon,
// facts (name, vendor, screen size) and the jar in base64. Throws IoError when the jar cannot be
// read, or the template lacks a marker or repeats one.
std::string browserPage(const std::string& pageTemplate, const std::vector<std::uint8_t>& jar,
                        int screenWidth, int screenHeight);

// Writes the page of `archive` (NAME.jar) as NAME.html beside it, from the program folder's
// template, and returns its path. Throws IoError: the template is not installed (the programs
// were built without the browser's machine), the jar cannot be read, the page not written.
std::filesystem::path writeBrowserPage(const std::filesystem::path& programDir,
                                       const std::filesystem::path& archive, int screenWidth,
                                       int screenHeight);

// System/web/page.html below the program folder.
std::filesystem::path browserPageTemplatePath(const std::filesystem::path& programDir);
// NAME.html beside NAME.jar.
std::filesystem::path browserPagePath(const std::filesystem::path& archive);

}  // namespace avizad

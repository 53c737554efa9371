#pragma once
// The files a game takes from its project's folder: the sound files (*.mid, *.wav, *.mp3)
// of the folder "res", where the sound action puts them, and the icon the MIDlet settings
// name. A project handed around must not make its builder publish files from elsewhere:
// every path is resolved (the project folder, "res" and the file, links followed), and
// only regular files whose real path lies inside the real project folder are taken.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace avizad {

// The largest file a game may hold: a phone loads a resource whole into its memory.
constexpr std::uintmax_t kMaxResourceBytes = 16 * 1024 * 1024;

// A size for the user: "48,8 КБ" below a megabyte, "16,0 МБ" above (UTF-8).
std::string sizeText(std::uintmax_t bytes);
// The message that refuses a resource above kMaxResourceBytes, naming it as `shownName`.
std::string resourceTooLarge(const std::string& shownName, std::uintmax_t bytes);

struct ProjectResource {
    std::string name;                // the file's name in "res" and in the game (UTF-8)
    std::filesystem::path realPath;  // links resolved
    std::uintmax_t size = 0;
};

struct ProjectResources {
    std::vector<ProjectResource> files;  // in name order
    // One UTF-8 line per file of "res" that would have gone into the game and was left
    // out, naming it ("res/NAME") and saying why, for the console.
    std::vector<std::string> leftOut;
};

// What keeps a UTF-8 text (a file name, a path) from a Windows-1251 spelling, the one the
// game's strings have: "U+00E9" for the first character that code page lacks, "0xE9" for
// the first byte that is no UTF-8; empty when nothing does.
std::string outsideCp1251(std::string_view utf8);

// A UTF-8 text for the Windows-1251 console: each character the code page lacks written as
// "<U+00E9>", each byte that is no UTF-8 as "<0xE9>", so every name can be read there.
std::string consoleText(std::string_view utf8);

// Why a file may not go into a game's archive by its name, or empty when it may: a game
// holds its own classes, made by the build, and resources (pictures, sounds, texts, data),
// never a Java class file (".class" in any letter case), nothing named "META-INF" (the
// archive's own folder) and, from the project's folder "res", no name that begins with
// "-" or "@", which an archiver could read as an option or a list of arguments.
std::string resourceNameProblem(std::string_view name);

// The regular files of a build's resource folder that go into the archive, in name order:
// all but class files and "META-INF" (resourceNameProblem; the build's own pictures may
// begin with "-": they are named to the archiver with "./" before them).
std::vector<std::string> archivedResources(const std::filesystem::path& folder);

// Whether the file begins with the signature of a PNG picture.
bool isPngFile(const std::filesystem::path& file);

// The plain file name of the MIDlet's icon when it names a file of the project's folder
// "res" ("/icon.png" or "icon.png"), else empty (UTF-8).
std::string iconFileName(const std::string& midletIcon);

// The sound files of projectDir/res and the file `iconName` there (empty: none). A
// missing project folder or "res" has none; a missing icon is neither taken nor named.
// A file whose name has no Windows-1251 spelling (outsideCp1251) or that resourceNameProblem
// refuses is left out, and so is an icon that is not a PNG picture.
ProjectResources findProjectResources(const std::filesystem::path& projectDir,
                                      const std::string& iconName);

// Copies the file into `folder` under its name, reading it by its real path without
// following a link put there since; a file of that name already in the folder is kept.
// Throws IoError.
void copyProjectResource(const ProjectResource& file, const std::filesystem::path& folder);

}  // namespace avizad

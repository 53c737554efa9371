#pragma once
// The file steps of the sound action "Воспроизвести файл": the chosen file is
// copied into the project's "res" folder, where the game's resources are looked
// for, and its content type is told by its extension.

#include <filesystem>
#include <string>
#include <string_view>

namespace avizad {

struct SoundFile {
    std::string file;         // the file name without its folder (Windows-1251)
    std::string contentType;  // "audio/midi", "audio/mpeg", "audio/x-wav" or ""

    // "audio/midi" for the extension "mid", "audio/mpeg" for "mp3", "audio/x-wav" for
    // "wav", "" otherwise; the extension (after the last dot) must match exactly, so
    // "music.MID" gets "".
    static std::string contentTypeOf(std::string_view fileName);

    // Why the chosen file cannot be a sound of the game ("" when it can; UTF-8): the game
    // names it in a Windows-1251 string, so every character of its name must be one that
    // Windows-1251 has ("音.wav" and "café.wav" are refused, "звук №1.wav" is not).
    static std::string refusal(const std::filesystem::path& chosen);

    // The folder the sound goes to: projectDir/res, or programDir/res while the
    // project has never been saved (projectDir empty).
    static std::filesystem::path resourceFolder(const std::filesystem::path& projectDir,
                                                const std::filesystem::path& programDir);

    // Copies `chosen` into resourceFolder(...) (made when missing) unless a file of that
    // name is already there, which is kept. A failed copy (e.g. a missing source) is
    // ignored: the action is added all the same. Returns the values of the action.
    static SoundFile prepare(const std::filesystem::path& chosen,
                             const std::filesystem::path& projectDir,
                             const std::filesystem::path& programDir);
};

}  // namespace avizad

#pragma once
// Whole-file helpers and SaveFile, the one way this program replaces a file:
// the data go to a temporary file beside the target, which is flushed to the disk
// and renamed over the target only when everything was written, so a failed save,
// a killed program or a power cut never destroys the previous file. A read-only
// target is refused, and so is a target that is not a regular file (a device, a pipe, a
// socket, a folder). A symbolic link is followed and the file it names replaced when the
// link and that file belong to the user; another user's link, or a link to another
// user's file, is refused. All failures throw IoError.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace avizad {

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);
std::string readFileText(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const void* data, std::size_t size);
inline void writeFileText(const std::filesystem::path& path, std::string_view text) {
    writeFileBytes(path, text.data(), text.size());
}

// A path as the user reads it in messages (UTF-8): each part of it as shownName shows it.
std::string displayPath(const std::filesystem::path& path);

// How many characters of a name a message quotes.
inline constexpr std::size_t kShownNameCharacters = 200;
// A name (UTF-8) as a message quotes it: its first kShownNameCharacters characters, with
// "…" when it is longer, and every control character (a NUL too) shown as U+FFFD (�), so
// that no name makes a huge message or cuts one short.
std::string shownName(std::string_view utf8);
// The same for a model text (Windows-1251); only the part shown is converted.
std::string shownModelName(std::string_view cp1251);

// The longest file name the file systems take, in bytes of its UTF-8 form.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// Why a Windows-1251 text followed by `extension` cannot be a file name, "" when it can
// (UTF-8): it holds a control character, or its UTF-8 form is longer than kMaxFileNameBytes.
std::string fileNameFault(std::string_view name, std::string_view extension);

// Whether the file name ends in "." and one of `extensions` (given without the dot),
// ASCII letters compared without regard to case, as the mask "*.ext" matches.
bool hasExtension(const std::filesystem::path& file,
                  const std::vector<std::string_view>& extensions);
// The names of the files of `folder` that hasExtension matches, sorted. One rule for
// every folder the program reads or cleans by extension: only regular files count, and
// a symbolic link is never followed (a project handed around cannot make the build pack
// or the clean command delete a file elsewhere). A missing folder has none.
std::vector<std::string> filesWithExtensions(const std::filesystem::path& folder,
                                             const std::vector<std::string_view>& extensions);

// While one lives on a thread, the files that thread writes (writeFileBytes, SaveFile) are
// still replaced whole, but not flushed to the disk, neither the data nor the folder: for
// files that every build makes anew in its own folders and that mean nothing after a crash.
// A flush waits for everything the machine has written lately, tens of milliseconds a
// file while other programs write. Nests.
class ScratchWrites {
public:
    ScratchWrites();
    ~ScratchWrites();
    ScratchWrites(const ScratchWrites&) = delete;
    ScratchWrites& operator=(const ScratchWrites&) = delete;
    // Whether one lives on this thread.
    static bool active();
};

class SaveFile {
public:
    // Creates the temporary file "TARGET.avizad-PID-XXXXXX" beside the file the target
    // names, after removing those an earlier, ended run of the program left there.
    explicit SaveFile(const std::filesystem::path& target);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    void write(const void* data, std::size_t size);
    void write(std::string_view text) { write(text.data(), text.size()); }
    // Flushes the data to the disk, closes and renames the temporary file over the
    // target, then flushes the folder so that the new name is on the disk too.
    void commit();

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& temporary() const { return temporary_; }

private:
    [[noreturn]] void fail(const std::string& action, int errorNumber);

    std::filesystem::path target_;       // as the user named it, for messages
    std::filesystem::path destination_;  // the file replaced: the target, links followed
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace avizad

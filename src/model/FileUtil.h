#pragma once
// Whole-file helpers and SaveFile, the one way this program replaces a file:
// the data go to a temporary file beside the target, which is renamed over the
// target only when everything was written, so a failed save never destroys the
// previous file. All failures throw IoError.

#include <cstdint>
#include <cstdio>
#include <filesystem>
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

// A path as the user reads it in messages (UTF-8).
std::string displayPath(const std::filesystem::path& path);

class SaveFile {
public:
    explicit SaveFile(const std::filesystem::path& target);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    void write(const void* data, std::size_t size);
    void write(std::string_view text) { write(text.data(), text.size()); }
    // Flushes, closes and renames the temporary file over the target.
    void commit();

    const std::filesystem::path& target() const { return target_; }

private:
    [[noreturn]] void fail(const std::string& action, int errorNumber);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace avizad

#include "model/FileUtil.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/IoError.h"

namespace avizad {

std::string systemErrorText(int errorNumber) { return std::strerror(errorNumber); }

std::string displayPath(const std::filesystem::path& path) { return path.string(); }

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw IoError("Не удаётся открыть файл «" + displayPath(path) +
                      "»: " + systemErrorText(errno));
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        throw IoError("Ошибка чтения файла «" + displayPath(path) + "»: " + systemErrorText(error));
    }
    return bytes;
}

std::string readFileText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeFileBytes(const std::filesystem::path& path, const void* data, std::size_t size) {
    SaveFile file(path);
    file.write(data, size);
    file.commit();
}

SaveFile::SaveFile(const std::filesystem::path& target) : target_(target) {
    std::string pattern = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        const int error = errno;
        throw IoError("Не удаётся создать файл «" + displayPath(target) +
                      "»: " + systemErrorText(error));
    }
    temporary_ = pattern;
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(fd);
        std::filesystem::remove(temporary_);
        throw IoError("Не удаётся создать файл «" + displayPath(target) +
                      "»: " + systemErrorText(error));
    }
}

SaveFile::~SaveFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void SaveFile::fail(const std::string& action, int errorNumber) {
    throw IoError("Ошибка " + action + " файла «" + displayPath(target_) +
                  "»: " + systemErrorText(errorNumber));
}

void SaveFile::write(const void* data, std::size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, file_) != size) {
        fail("записи", errno);
    }
}

void SaveFile::commit() {
    if (std::fflush(file_) != 0) {
        fail("записи", errno);
    }
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) {
        fail("записи", errno);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail("замены", errno);
    }
    committed_ = true;
}

}  // namespace avizad

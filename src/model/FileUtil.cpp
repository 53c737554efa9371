#include "model/FileUtil.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "model/Cp1251.h"
#include "model/IoError.h"

namespace avizad {

std::string systemErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

std::string displayPath(const std::filesystem::path& path) {
    const std::string& text = path.native();
    std::string shown;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t slash = std::min(text.find('/', begin), text.size());
        shown += shownName(std::string_view(text).substr(begin, slash - begin));
        if (slash < text.size()) {
            shown += '/';
        }
        begin = slash + 1;
    }
    return shown;
}

std::string shownName(std::string_view utf8) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) != 0x80 && ++characters > kShownNameCharacters) {
            return shown + "…";
        }
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\xEF\xBF\xBD";  // U+FFFD, the replacement character
        } else {
            shown += utf8[i];
        }
    }
    return shown;
}

std::string shownModelName(std::string_view cp1251) {
    return shownName(cp1251ToUtf8(cp1251.substr(0, kShownNameCharacters + 1)));
}

std::string fileNameFault(std::string_view name, std::string_view extension) {
    const auto shown = [&] { return "«" + shownModelName(name) + "»"; };
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return "имя " + shown() + " содержит управляющий символ";
        }
    }
    std::size_t bytes = extension.size();
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t code = cp1251ToUnicode(byte);
        bytes += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
    }
    if (bytes > kMaxFileNameBytes) {
        return "имя " + shown() +
               " длиннее, чем позволяет файловая система: " + std::to_string(bytes) +
               " байт в UTF-8 с «" + std::string(extension) + "», а можно не больше " +
               std::to_string(kMaxFileNameBytes);
    }
    return {};
}

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

namespace {

thread_local int scratchWrites = 0;

}  // namespace

ScratchWrites::ScratchWrites() {
    ++scratchWrites;
}

ScratchWrites::~ScratchWrites() {
    --scratchWrites;
}

bool ScratchWrites::active() {
    return scratchWrites > 0;
}

void writeFileBytes(const std::filesystem::path& path, const void* data, std::size_t size) {
    SaveFile file(path);
    file.write(data, size);
    file.commit();
}

namespace {

// The temporary files of a save are named TARGET + kTemporaryMark + PID + "-XXXXXX".
constexpr std::string_view kTemporaryMark = ".avizad-";

// The file a save replaces: the target itself, or the file its symbolic links name. A save
// renames onto the file it found, past the kernel's guard of links in shared folders such
// as /tmp, so a link is followed only when it and the file it names (if there is one)
// belong to the user: nobody else's link can lead a save onto a file, nor a link onto
// somebody else's file.
std::filesystem::path followLinks(const std::filesystem::path& target) {
    std::filesystem::path path = target;
    std::filesystem::path lastLink;
    const auto refuse = [&] {
        throw IoError("Не удаётся сохранить «" + displayPath(target) + "»: ссылка «" +
                      displayPath(lastLink) +
                      "» или файл, на который она указывает, принадлежит другому пользователю");
    };
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return path;
        }
        if (!S_ISLNK(status.st_mode)) {
            if (hops > 0 && status.st_uid != ::geteuid()) {
                refuse();
            }
            return path;
        }
        lastLink = path;
        if (status.st_uid != ::geteuid()) {
            refuse();
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) {
            throw IoError("Не удаётся прочитать ссылку «" + displayPath(path) +
                          "»: " + error.message());
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    throw IoError("Не удаётся сохранить файл «" + displayPath(target) +
                  "»: " + systemErrorText(ELOOP));
}

// True when `name` is TARGET + kTemporaryMark + PID + "-XXXXXX" and that process
// has ended; `prefix` is TARGET + kTemporaryMark.
bool isStaleTemporary(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return false;
    }
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || rest.size() != dash + 7) {
        return false;
    }
    long pid = 0;
    for (const char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return false;
        }
        pid = pid * 10 + (c - '0');
    }
    if (pid <= 0 || pid == ::getpid()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files that saves of `destination` by ended runs of this
// program, under this user, left in its folder.
void removeStaleTemporaries(const std::filesystem::path& destination) {
    const std::string prefix = destination.filename().string() + std::string(kTemporaryMark);
    const std::filesystem::path folder =
        destination.has_parent_path() ? destination.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        struct stat status {};
        if (isStaleTemporary(path.filename().string(), prefix) &&
            ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid()) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
}

}  // namespace

SaveFile::SaveFile(const std::filesystem::path& target)
    : target_(target), destination_(followLinks(target)) {
    struct stat existing {};
    const bool exists = ::stat(destination_.c_str(), &existing) == 0;
    // A device, a pipe, a socket or a folder is never replaced by a file (the rename
    // would replace /dev/null as readily as a project).
    if (exists && !S_ISREG(existing.st_mode)) {
        throw IoError("«" + displayPath(target) + "» не является файлом");
    }
    // A read-only file stays as it is, even where the folder would allow replacing it.
    if (exists && ((existing.st_mode & 0222) == 0 || (::access(destination_.c_str(), W_OK) != 0 &&
                                                      (errno == EACCES || errno == EROFS)))) {
        throw IoError("Файл только для чтения: «" + displayPath(target) + "»");
    }
    removeStaleTemporaries(destination_);
    std::string pattern = destination_.string() + std::string(kTemporaryMark) +
                          std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        throw IoError("Не удаётся создать файл «" + displayPath(target) +
                      "»: " + systemErrorText(error));
    }
    temporary_ = pattern;
    // A replaced file keeps its permissions (and, where allowed, its owner); a new one
    // gets the usual ones.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
        }
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
    const bool flush = !ScratchWrites::active();
    if (std::fflush(file_) != 0 || (flush && ::fsync(::fileno(file_)) != 0)) {
        fail("записи", errno);
    }
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) {
        fail("записи", errno);
    }
    if (std::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        fail("замены", errno);
    }
    committed_ = true;
    if (!flush) {
        return;
    }
    // The new name reaches the disk with the folder; a file system that cannot flush a
    // folder (EINVAL) keeps names safe on its own.
    const std::filesystem::path folder =
        destination_.has_parent_path() ? destination_.parent_path() : ".";
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        const int synced = ::fsync(folderFd);
        const int error = errno;
        ::close(folderFd);
        if (synced != 0 && error != EINVAL && error != EROFS) {
            fail("записи", error);
        }
    }
}

bool hasExtension(const std::filesystem::path& file,
                  const std::vector<std::string_view>& extensions) {
    const std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string_view actual = std::string_view(name).substr(dot + 1);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::string_view extension : extensions) {
        if (std::equal(actual.begin(), actual.end(), extension.begin(), extension.end(),
                       [&](char a, char b) { return lower(a) == lower(b); })) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> filesWithExtensions(const std::filesystem::path& folder,
                                             const std::vector<std::string_view>& extensions) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const fs::file_status status = it->symlink_status(typeError);
        if (!typeError && fs::is_regular_file(status) && hasExtension(it->path(), extensions)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace avizad

#include "generator/ProjectResources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/GameNames.h"
#include "model/IoError.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

// One step through a UTF-8 text: the code point at `at` and its length, or length 0 when
// the byte there begins no valid sequence (overlong forms and surrogates included).
struct Utf8Step {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Utf8Step utf8At(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return {};
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {};
    }
    return {c, length};
}

bool hasCp1251(char32_t c) {
    return c == U'?' || cp1251FromUnicode(c) != '?';
}

std::string hex(unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    }
    return text;
}

std::string codePointName(char32_t c) {
    return "U+" + hex(static_cast<unsigned>(c), c > 0xFFFF ? 6 : 4);
}

// Whether `path` is `folder` or lies below it; both are real paths (no links, no "..").
bool isInside(const fs::path& path, const fs::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty()) {
            continue;  // the empty last part of a folder written with a final "/"
        }
        if (p == path.end() || *p != *f) {
            return false;
        }
    }
    return true;
}

// Why a file of "res" cannot go into the game, or empty when it can.
std::string problem(const fs::path& file, const fs::path& realProject, fs::path& real) {
    std::error_code error;
    real = fs::canonical(file, error);
    if (error) {
        return "файл, на который он ссылается, не найден (" + error.message() + ")";
    }
    if (!isInside(real, realProject)) {
        return "он лежит вне папки проекта («" + displayPath(real) + "»)";
    }
    if (!fs::is_regular_file(fs::status(real, error))) {
        return "это не обычный файл";
    }
    return {};
}

}  // namespace

std::string sizeText(std::uintmax_t bytes) {
    const bool mega = bytes >= 1024 * 1024;
    const std::uintmax_t unit = mega ? 1024 * 1024 : 1024;
    const std::uintmax_t tenths = (bytes * 10 + unit / 2) / unit;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + (mega ? " МБ" : " КБ");
}

std::string resourceTooLarge(const std::string& shownName, std::uintmax_t bytes) {
    return "Файл «" + shownName + "» занимает " + sizeText(bytes) +
           ", а один файл игры может занимать не больше " + sizeText(kMaxResourceBytes) +
           ": телефон не загрузит такой файл; уменьшите его";
}

std::string outsideCp1251(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Step step = utf8At(utf8, at);
        if (step.length == 0) {
            return "0x" + hex(static_cast<unsigned char>(utf8[at]), 2);
        }
        if (!hasCp1251(step.codePoint)) {
            return codePointName(step.codePoint);
        }
        at += step.length;
    }
    return {};
}

std::string consoleText(std::string_view utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Step step = utf8At(utf8, at);
        if (step.length == 0) {
            out += "<0x" + hex(static_cast<unsigned char>(utf8[at]), 2) + ">";
            ++at;
            continue;
        }
        out += hasCp1251(step.codePoint) ? std::string(1, cp1251FromUnicode(step.codePoint))
                                         : "<" + codePointName(step.codePoint) + ">";
        at += step.length;
    }
    return out;
}

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower;
}

bool isClassFile(std::string_view name) {
    return lowerAscii(name).ends_with(".class");
}

bool isArchiveFolderName(std::string_view name) {
    const std::string lower = lowerAscii(name);
    return lower == "meta-inf" || lower.starts_with("meta-inf/");
}

}  // namespace

std::string resourceNameProblem(std::string_view name) {
    if (isClassFile(name)) {
        return "это класс Java, а классы игры делает только сборка";
    }
    if (isArchiveFolderName(name)) {
        return "имя META-INF принадлежит описанию архива игры";
    }
    if (name.starts_with('-') || name.starts_with('@')) {
        return std::string("его имя начинается с «") + name.front() +
               "», и архиватор мог бы прочесть его как параметр: переименуйте его";
    }
    return {};
}

std::vector<std::string> archivedResources(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(typeError) && !isClassFile(name) && !isArchiveFolderName(name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isPngFile(const fs::path& file) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    char head[8] = {};
    const ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    return n == static_cast<ssize_t>(sizeof head) && std::string_view(head, 8) == kSignature;
}

std::string iconFileName(const std::string& midletIcon) {
    std::string name = cp1251ToUtf8(midletIcon);
    while (!name.empty() && (name.front() == '/' || name.front() == ' ')) {
        name.erase(0, 1);
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        return {};
    }
    return name;
}

ProjectResources findProjectResources(const fs::path& projectDir, const std::string& iconName) {
    ProjectResources found;
    std::error_code error;
    const fs::path realProject = fs::canonical(projectDir, error);
    if (projectDir.empty() || error) {
        return found;
    }
    const fs::path res = projectDir / "res";
    std::vector<std::string> names;
    for (fs::directory_iterator it(res, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name == iconName || hasExtension(name, soundFileExtensions())) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        fs::path real;
        std::string why;
        if (const std::string refused = resourceNameProblem(name); !refused.empty()) {
            why = refused;
        } else if (const std::string outside = outsideCp1251(name); !outside.empty()) {
            why = (outside.starts_with("U+")
                       ? "в его имени есть знак " + outside +
                             ", которого нет в кодировке Windows-1251"
                       : "в его имени есть байт " + outside + ", который не читается как UTF-8") +
                  ", и игра не может назвать такой файл: переименуйте его";
        } else {
            why = problem(res / name, realProject, real);
            if (why.empty() && name == iconName && !hasExtension(name, soundFileExtensions()) &&
                !isPngFile(real)) {
                why = "это не картинка PNG, а значком мидлета может быть только она";
            }
        }
        if (why.empty()) {
            const std::uintmax_t size = fs::file_size(real, error);
            found.files.push_back({name, real, error ? 0 : size});
        } else {
            found.leftOut.push_back("Файл «res/" + name + "» не взят в игру: " + why);
        }
    }
    return found;
}

void copyProjectResource(const ProjectResource& file, const fs::path& folder) {
    const fs::path target = folder / file.name;
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error))) {
        return;
    }
    // The real path holds no link; O_NOFOLLOW keeps a link put in its place since then
    // from being followed, and fstat makes sure a regular file is read.
    const int fd = ::open(file.realPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int number = fd < 0 ? errno : EINVAL;
        if (fd >= 0) {
            ::close(fd);
        }
        throw IoError("Не удаётся прочитать файл «" + displayPath(file.realPath) +
                      "»: " + systemErrorText(number));
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxResourceBytes) {
        ::close(fd);
        throw IoError(
            resourceTooLarge("res/" + file.name, static_cast<std::uintmax_t>(status.st_size)));
    }
    std::string bytes;
    char chunk[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, chunk, sizeof chunk)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) {
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
    }
    const int readError = errno;
    ::close(fd);
    if (n < 0) {
        throw IoError("Ошибка чтения файла «" + displayPath(file.realPath) +
                      "»: " + systemErrorText(readError));
    }
    writeFileText(target, bytes);
}

}  // namespace avizad

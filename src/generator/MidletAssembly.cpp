#include "generator/MidletAssembly.h"

#include <algorithm>
#include <system_error>

#include "generator/JavaText.h"
#include "generator/ProjectResources.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"

namespace avizad {

namespace {

constexpr std::size_t kManifestLineBytes = 72;

// A setting as one manifest value: UTF-8, without line breaks.
std::string manifestValue(const std::string& cp1251) {
    std::string value = cp1251ToUtf8(cp1251);
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return value;
}

void appendWrapped(std::vector<std::string>& out, const std::string& line) {
    if (line.size() <= kManifestLineBytes) {
        out.push_back(line);
        return;
    }
    out.push_back(line.substr(0, kManifestLineBytes));
    for (std::size_t at = kManifestLineBytes; at < line.size(); at += kManifestLineBytes - 1) {
        out.push_back(" " + line.substr(at, kManifestLineBytes - 1));
    }
}

// The logical lines of a manifest: a line that begins with a blank continues the one
// before; CR LF, CR and LF end lines.
std::vector<std::string> logicalLines(const std::string& manifestText) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < manifestText.size()) {
        std::size_t end = manifestText.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = manifestText.size();
        }
        const std::string line = manifestText.substr(start, end - start);
        if (!line.empty() && line[0] == ' ' && !lines.empty()) {
            lines.back() += line.substr(1);
        } else {
            lines.push_back(line);
        }
        start = end + 1;
        if (start < manifestText.size() && manifestText[end] == '\r' &&
            manifestText[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

// A file name as a relative URL: every byte but ASCII letters, digits and "-._~" as %XX.
std::string urlName(const std::string& utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
            byte == '~') {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

// At most 200 characters of a UTF-8 name, for a message.
std::string quotedName(const std::string& utf8) {
    std::size_t at = 0;
    for (int characters = 0; at < utf8.size() && characters < 200; ++characters) {
        ++at;
        while (at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80) {
            ++at;
        }
    }
    return at < utf8.size() ? utf8.substr(0, at) + "…" : utf8;
}

}  // namespace

MidletAssembly::MidletAssembly(const Project& project, BuildFolders folders)
    : project_(project), folders_(std::move(folders)) {}

std::string MidletAssembly::suiteName() const {
    std::string name = manifestValue(project_.midletName);
    for (char& c : name) {
        if (c == ',') {
            c = ' ';  // MIDlet-1 separates its fields by commas
        }
    }
    return name.find_first_not_of(' ') == std::string::npos ? "syrk" : name;
}

std::array<std::string, 3> MidletAssembly::midletInsertions() const {
    std::array<std::string, 3> insertions;
    const int levels = project_.levelCount < 1 ? 1 : std::min(project_.levelCount, kMaxLevels);
    for (int s = 0; s <= levels; ++s) {
        const std::string n = std::to_string(s);
        insertions[0] += "private Etap" + n + " etap" + n + "=null;";
        insertions[1] += "case " + n + ":etap" + n + ".stop();etap" + n + "=null;break;";
        insertions[2] += "case " + n + ":etap" + n + "=new Etap" + n + "(this);etap" + n +
                         ".start();Display.getDisplay(this).setCurrent(etap" + n + ");break;";
    }
    return insertions;
}

void MidletAssembly::writeMidletClass() const {
    const std::vector<std::string> lines = readTemplateLines(folders_.draft() / "syrk.java");
    const std::array<std::string, 3> insertions = midletInsertions();
    std::string text;
    for (const std::string& line : lines) {
        std::string out = replaceAll(line, "//vstavka1", insertions[0]);
        out = replaceAll(out, "//vstavka2", insertions[1]);
        out = replaceAll(out, "//vstavka3", insertions[2]);
        text += javaAsciiSource(out);
        text += "\r\n";
    }
    writeFileText(folders_.src() / "syrk.java", text);
}

std::vector<std::string> MidletAssembly::manifestLines(
    const std::vector<std::string>& templateLines) const {
    // "vs1" .. "vs5" in one pass over each line: a value is inserted as it stands, never
    // searched for placeholders itself.
    const std::string values[] = {
        manifestValue(project_.midletVendor), manifestValue(project_.midletVersion), "syrk",
        iconInGame_ ? manifestValue(project_.midletIcon) : "", suiteName()};
    std::vector<std::string> out;
    for (const std::string& line : templateLines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line.compare(i, 2, "vs") == 0 && i + 2 < line.size() && line[i + 2] >= '1' &&
                line[i + 2] <= '5') {
                text += values[line[i + 2] - '1'];
                i += 2;
            } else {
                text += line[i];
            }
        }
        appendWrapped(out, text);
    }
    return out;
}

std::vector<std::string> MidletAssembly::manifestClasses(const std::string& manifestText) {
    const std::vector<std::string> lines = logicalLines(manifestText);
    std::vector<std::string> classes;
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(':');
        if (line.rfind("MIDlet-", 0) != 0 || colon == std::string::npos || colon == 7 ||
            line.find_first_not_of("0123456789", 7) != colon) {
            continue;
        }
        const std::string fields = line.substr(colon + 1);
        const std::size_t comma = fields.rfind(',');
        std::string name = comma == std::string::npos ? fields : fields.substr(comma + 1);
        const std::size_t first = name.find_first_not_of(" \t");
        const std::size_t last = name.find_last_not_of(" \t");
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        if (!name.empty() && std::find(classes.begin(), classes.end(), name) == classes.end()) {
            classes.push_back(name);
        }
    }
    return classes;
}

std::string MidletAssembly::descriptorText(const std::string& manifestText,
                                           const std::string& jarFileName,
                                           std::uintmax_t jarBytes) {
    std::string text;
    for (const std::string& line : logicalLines(manifestText)) {
        if ((line.starts_with("MIDlet-") || line.starts_with("MicroEdition-")) &&
            !line.starts_with("MIDlet-Jar-URL:") && !line.starts_with("MIDlet-Jar-Size:")) {
            text += line + "\r\n";
        }
    }
    return text + "MIDlet-Jar-URL: " + urlName(jarFileName) +
           "\r\nMIDlet-Jar-Size: " + std::to_string(jarBytes) + "\r\n";
}

std::filesystem::path MidletAssembly::descriptorPath(const std::filesystem::path& archive) {
    std::filesystem::path descriptor = archive;
    return descriptor.replace_extension(".jad");
}

std::string MidletAssembly::checkIcon() {
    const std::string icon = manifestValue(project_.midletIcon);
    if (icon.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    const std::string name = iconFileName(project_.midletIcon);
    std::error_code error;
    iconInGame_ = !name.empty() && std::filesystem::is_regular_file(std::filesystem::symlink_status(
                                       folders_.res() / name, error));
    if (iconInGame_) {
        return {};
    }
    return "Значок мидлета «" + quotedName(icon) +
           "» не попадёт в игру: в папке res проекта нет годного файла с таким именем. "
           "В MIDlet-1 значок не указан";
}

void MidletAssembly::writeManifest() const {
    writeFileText(folders_.manifest(),
                  joinCrLf(manifestLines(readTemplateLines(folders_.manifestTemplate()))));
}

void MidletAssembly::copyFixedFiles() const {
    namespace fs = std::filesystem;
    const auto copy = [](const fs::path& from, const fs::path& to) {
        std::error_code error;
        if (!fs::exists(to, error) && !error) {
            fs::copy_file(from, to, fs::copy_options::skip_existing, error);
        }
    };
    copy(folders_.draft() / "MultiLineText.java", folders_.src() / "MultiLineText.java");
    copy(folders_.draft() / "etap0.java", folders_.src() / "Etap0.java");
    copy(folders_.draft() / "logo.png", folders_.res() / "logo.png");
}

}  // namespace avizad

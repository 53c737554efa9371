#include "generator/BrowserPage.h"

#include <zlib.h>

#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace {

using Bytes = std::vector<std::uint8_t>;

[[noreturn]] void refuse(const std::string& why) {
    throw IoError("Архив игры не читается: " + why);
}

std::uint32_t little(const Bytes& data, std::size_t at, int size) {
    if (at + size > data.size()) {
        refuse("он обрезан");
    }
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | data[at + i];
    }
    return value;
}

Bytes inflateRaw(const std::uint8_t* packed, std::size_t packedSize, std::size_t size) {
    Bytes out(size);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        refuse("нет памяти для распаковки");
    }
    stream.next_in = const_cast<std::uint8_t*>(packed);
    stream.avail_in = static_cast<uInt>(packedSize);
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(size);
    const int status = inflate(&stream, Z_FINISH);
    const bool whole = status == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!whole) {
        refuse("запись не распаковывается");
    }
    return out;
}

// The entry of a zip archive by its name; nothing when the archive has none of that name.
std::optional<Bytes> zipEntry(const Bytes& zip, std::string_view wanted) {
    if (zip.size() < 22) {
        refuse("это не архив jar");
    }
    std::size_t end = zip.size() - 22;
    const std::size_t last = zip.size() > 22 + 0xFFFF ? zip.size() - 22 - 0xFFFF : 0;
    while (little(zip, end, 4) != 0x06054B50u) {
        if (end == last) {
            refuse("это не архив jar");
        }
        --end;
    }
    const std::uint32_t count = little(zip, end + 10, 2);
    std::size_t at = little(zip, end + 16, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (little(zip, at, 4) != 0x02014B50u) {
            refuse("оглавление повреждено");
        }
        const std::uint32_t method = little(zip, at + 10, 2);
        const std::uint32_t crc = little(zip, at + 16, 4);
        const std::uint32_t packedSize = little(zip, at + 20, 4);
        const std::uint32_t size = little(zip, at + 24, 4);
        const std::uint32_t nameLength = little(zip, at + 28, 2);
        const std::size_t next =
            at + 46 + nameLength + little(zip, at + 30, 2) + little(zip, at + 32, 2);
        const std::uint32_t local = little(zip, at + 42, 4);
        if (at + 46 + nameLength > zip.size()) {
            refuse("оглавление повреждено");
        }
        const std::string_view name(reinterpret_cast<const char*>(zip.data() + at + 46),
                                    nameLength);
        at = next;
        if (name != wanted) {
            continue;
        }
        if (little(zip, local, 4) != 0x04034B50u) {
            refuse("запись повреждена");
        }
        const std::size_t start =
            local + 30 + little(zip, local + 26, 2) + little(zip, local + 28, 2);
        if (start + packedSize > zip.size() || size > 16 * 1024 * 1024) {
            refuse("запись обрезана");
        }
        Bytes content;
        if (method == 0) {
            content.assign(zip.begin() + start, zip.begin() + start + packedSize);
        } else if (method == 8) {
            content = inflateRaw(zip.data() + start, packedSize, size);
        } else {
            refuse("неизвестный способ сжатия");
        }
        if (content.size() != size ||
            crc32(0, content.data(), static_cast<uInt>(content.size())) != crc) {
            refuse("не сходится контрольная сумма");
        }
        return content;
    }
    return std::nullopt;
}

// The main section of a manifest: continuation lines joined, "Name: value" by name.
std::map<std::string, std::string> manifestAttributes(const Bytes& manifest) {
    std::string text(manifest.begin(), manifest.end());
    std::map<std::string, std::string> attributes;
    std::string last;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty()) {
            break;
        }
        if (line[0] == ' ' && !last.empty()) {
            attributes[last] += line.substr(1);
            continue;
        }
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) {
            last = line.substr(0, colon);
            attributes[last] = line.substr(colon + 2);
        }
    }
    return attributes;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? "" : std::string(text.substr(first, last - first + 1));
}

std::string base64(const Bytes& data) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < data.size(); i += 3) {
        const std::uint32_t a = data[i];
        const std::uint32_t b = i + 1 < data.size() ? data[i + 1] : 0;
        const std::uint32_t c = i + 2 < data.size() ? data[i + 2] : 0;
        const std::uint32_t triple = (a << 16) | (b << 8) | c;
        out += kDigits[(triple >> 18) & 63];
        out += kDigits[(triple >> 12) & 63];
        out += i + 1 < data.size() ? kDigits[(triple >> 6) & 63] : '=';
        out += i + 2 < data.size() ? kDigits[triple & 63] : '=';
    }
    return out;
}

std::string htmlText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A JSON string that cannot end the script element it stands in.
std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

BrowserGame readBrowserGame(const Bytes& jar) {
    const std::optional<Bytes> manifest = zipEntry(jar, "META-INF/MANIFEST.MF");
    if (!manifest) {
        refuse("в нём нет манифеста");
    }
    std::map<std::string, std::string> attributes = manifestAttributes(*manifest);
    BrowserGame game;
    game.name = attributes["MIDlet-Name"];
    game.vendor = attributes["MIDlet-Vendor"];
    // MIDlet-1: name, icon, class
    const std::string& midlet = attributes["MIDlet-1"];
    const std::size_t first = midlet.find(',');
    const std::size_t second = first == std::string::npos ? first : midlet.find(',', first + 1);
    if (second != std::string::npos) {
        std::string icon = trimmed(std::string_view(midlet).substr(first + 1, second - first - 1));
        while (!icon.empty() && icon[0] == '/') {
            icon.erase(0, 1);
        }
        if (!icon.empty()) {
            game.icon = zipEntry(jar, icon).value_or(Bytes());
        }
    }
    return game;
}

std::string browserPage(const std::string& pageTemplate, const Bytes& jar, int screenWidth,
                        int screenHeight) {
    const BrowserGame game = readBrowserGame(jar);
    const std::string title = game.name.empty() ? "Игра" : game.name;
    static constexpr std::array<std::string_view, 4> kMarkers = {
        "@@AVIZAD_TITLE@@", "@@AVIZAD_ICON@@", "@@AVIZAD_GAME@@", "@@AVIZAD_JAR@@"};
    const std::array<std::string, 4> values = {
        htmlText(title),
        game.icon.empty() ? ""
                          : "<link rel=\"icon\" type=\"image/png\" href=\"data:image/png;base64," +
                                base64(game.icon) + "\">",
        "{\"name\":" + jsonString(game.name) + ",\"vendor\":" + jsonString(game.vendor) +
            ",\"width\":" + std::to_string(screenWidth) +
            ",\"height\":" + std::to_string(screenHeight) + "}",
        base64(jar),
    };
    // Where each marker stands, in the template only (a value may hold marker text).
    std::map<std::size_t, std::size_t> places;  // position -> marker
    for (std::size_t m = 0; m < kMarkers.size(); ++m) {
        const std::size_t at = pageTemplate.find(kMarkers[m]);
        if (at == std::string::npos ||
            pageTemplate.find(kMarkers[m], at + kMarkers[m].size()) != std::string::npos) {
            throw IoError("Шаблон страницы для браузера повреждён: метка " +
                          std::string(kMarkers[m]) + " должна стоять в нём ровно один раз");
        }
        places[at] = m;
    }
    std::string page;
    page.reserve(pageTemplate.size() + values[1].size() + values[3].size());
    std::size_t copied = 0;
    for (const auto& [at, m] : places) {
        page.append(pageTemplate, copied, at - copied);
        page += values[m];
        copied = at + kMarkers[m].size();
    }
    page.append(pageTemplate, copied, std::string::npos);
    return page;
}

std::filesystem::path writeBrowserPage(const std::filesystem::path& programDir,
                                       const std::filesystem::path& archive, int screenWidth,
                                       int screenHeight) {
    const std::filesystem::path pageTemplate = browserPageTemplatePath(programDir);
    std::error_code error;
    if (!std::filesystem::is_regular_file(pageTemplate, error)) {
        throw IoError("Игра для браузера не собрана: нет шаблона страницы «" +
                      displayPath(pageTemplate) + "»");
    }
    const std::filesystem::path page = browserPagePath(archive);
    writeFileText(page, browserPage(readFileText(pageTemplate), readFileBytes(archive), screenWidth,
                                    screenHeight));
    return page;
}

std::filesystem::path browserPageTemplatePath(const std::filesystem::path& programDir) {
    return programDir / "System" / "web" / "page.html";
}

std::filesystem::path browserPagePath(const std::filesystem::path& archive) {
    std::filesystem::path page = archive;
    return page.replace_extension(".html");
}

}  // namespace avizad

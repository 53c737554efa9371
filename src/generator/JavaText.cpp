#include "generator/JavaText.h"

#include <cstdio>

#include "model/Cp1251.h"

namespace avizad {

namespace {

std::string unicodeEscape(char32_t codePoint) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(codePoint));
    return buffer;
}

}  // namespace

std::string javaNumber(int value) {
    return std::to_string(value);
}

std::string javaStringContent(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\r') {
            // \u000d and \u000a would end the line before the literal is read.
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += unicodeEscape(byte);
        } else {
            out += c;
        }
    }
    return out;
}

std::string javaAsciiSource(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            out += unicodeEscape(cp1251ToUnicode(byte));
        } else {
            out += c;
        }
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, start)) {
        out.append(text.substr(start, found - start));
        out.append(to);
        start = found + from.size();
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace avizad

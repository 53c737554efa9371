#include "model/JavaString.h"

#include <cstdio>

namespace avizad {

std::string javaUnicodeEscape(char32_t codePoint) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(codePoint));
    return buffer;
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
            out += javaUnicodeEscape(byte);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace avizad

#include "generator/JavaText.h"

#include "model/Cp1251.h"

namespace avizad {

std::string javaNumber(int value) {
    return std::to_string(value);
}

std::string javaAsciiSource(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            out += javaUnicodeEscape(cp1251ToUnicode(byte));
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

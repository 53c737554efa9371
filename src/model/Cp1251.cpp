#include "model/Cp1251.h"

#include <array>
#include <unordered_map>

namespace avizad {

namespace {

constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

const std::unordered_map<char32_t, char>& reverseTable() {
    static const std::unordered_map<char32_t, char> table = [] {
        std::unordered_map<char32_t, char> t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            t.emplace(cp1251ToUnicode(static_cast<unsigned char>(b)), static_cast<char>(b));
        }
        return t;
    }();
    return table;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Not a code point: what nextCharacter gives for a malformed sequence.
constexpr char32_t kMalformed = 0xFFFFFFFF;

// Decodes the UTF-8 sequence at text[i] into `c` (kMalformed when it is not well formed)
// and returns the number of bytes it takes (at least 1).
std::size_t nextCharacter(std::string_view text, std::size_t i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        c = kMalformed;
        return 1;
    }
    std::size_t k = 1;
    for (; k < length && i + k < text.size(); ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            break;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (k < length || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kMalformed;
        return k;
    }
    return length;
}

}  // namespace

char32_t cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kUpperHalf[byte - 0x80];
}

char cp1251FromUnicode(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<char>(codePoint);
    }
    if (codePoint >= 0x0410 && codePoint <= 0x044F) {
        return static_cast<char>(0xC0 + (codePoint - 0x0410));
    }
    const auto& table = reverseTable();
    const auto found = table.find(codePoint);
    return found == table.end() ? '?' : found->second;
}

std::string cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        appendUtf8(out, cp1251ToUnicode(static_cast<unsigned char>(ch)));
    }
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += nextCharacter(text, i, c);
        out += c == kMalformed ? '?' : cp1251FromUnicode(c);
    }
    return out;
}

std::string firstCharacterOutsideCp1251(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = nextCharacter(utf8, i, c);
        if (c == kMalformed) {
            return "\xEF\xBF\xBD";
        }
        if (c != '?' && cp1251FromUnicode(c) == '?') {
            return std::string(utf8.substr(i, length));
        }
        i += length;
    }
    return {};
}

std::size_t incompleteUtf8Tail(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: look further back for the lead byte
        }
        std::size_t length = 1;
        if ((byte & 0xE0) == 0xC0) {
            length = 2;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
        }
        return length > back ? back : 0;
    }
    return 0;
}

}  // namespace avizad

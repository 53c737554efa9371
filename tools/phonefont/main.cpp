// avizad-phonefont-gen FONT_FOLDER OUT.bin OUT.cpp: rasterises the phone font from the
// DejaVu fonts in FONT_FOLDER (Debian's fonts-dejavu-core and fonts-dejavu-extra) at every
// pixel size of the screen profiles, one bit a pixel, and writes the font file
// (phonefont/FontFile.h) and the same bytes as a C++ array for the library.
//
// Faces: system and proportional are DejaVu Sans, monospace DejaVu Sans Mono; bold and
// italic are the fonts' own bold and oblique designs. Glyphs are hinted by FreeType's
// automatic hinter for monochrome output, which keeps stems whole pixels wide. Every
// character of Windows-1251 is there; the replacement glyph (U+FFFD) stands for the rest.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Cp1251.h"
#include "phonefont/FontFile.h"
#include "phonefont/PhoneFont.h"
#include "phonefont/ScreenProfiles.h"

namespace {

using namespace avizad::phonefont;

// The fonts of each family: plain, bold, italic, bold italic (the variant's bits).
const char* const kFamilyFiles[][4] = {
    {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
     "DejaVuSans-BoldOblique.ttf"},
    {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
     "DejaVuSansMono-BoldOblique.ttf"},
};
// The family of the faces system, monospace and proportional.
const std::uint8_t kFaceFamilies[kFaceCount] = {0, 1, 0};
constexpr char16_t kReplacement = 0xFFFD;

// A glyph as rendered: its metrics (the library's, without the bitmap's place) and bits.
struct Glyph : avizad::phonefont::Glyph {
    std::vector<bool> pixels;  // row after row
    bool missing = false;      // the replacement glyph stands for it (and shares its bitmap)
};

class Writer {
public:
    void u8(int v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void u16(int v) {
        u8(v >> 8);
        u8(v);
    }
    void u24(std::uint32_t v) {
        u8(static_cast<int>(v >> 16));
        u16(static_cast<int>(v & 0xFFFF));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<int>(v >> 16));
        u16(static_cast<int>(v & 0xFFFF));
    }
    void patch32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
        }
    }
    std::vector<std::uint8_t> bytes;
};

void check(FT_Error error, const std::string& what) {
    if (error != 0) {
        throw std::runtime_error(what + ": FreeType error " + std::to_string(error));
    }
}

int byteRange(int value, const char* what) {
    if (value < -128 || value > 255) {
        throw std::runtime_error(std::string("out of range: ") + what);
    }
    return value;
}

// The glyph of `code` (its bitmap trimmed to the pixels it sets), or none when the font
// lacks the character.
bool render(FT_Face face, char32_t code, Glyph& glyph) {
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) {
        return false;
    }
    check(FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT),
          "glyph");
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph = Glyph{};
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const auto on = [&](int x, int y) {
        return (bitmap.buffer[y * bitmap.pitch + x / 8] & (0x80 >> (x % 8))) != 0;
    };
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    int x0 = width, x1 = -1, y0 = rows, y1 = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            if (on(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        return true;  // a blank
    }
    glyph.left = slot->bitmap_left + x0;
    glyph.top = slot->bitmap_top - y0;
    glyph.width = x1 - x0 + 1;
    glyph.height = y1 - y0 + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            glyph.pixels.push_back(on(x, y));
        }
    }
    return true;
}

std::vector<std::uint8_t> makeFontFile(FT_Library library, const std::string& folder) {
    // The characters: Windows-1251's, without its control characters.
    std::set<char16_t> set;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char32_t code = avizad::cp1251ToUnicode(static_cast<unsigned char>(byte));
        if (code >= 0x20 && !(code >= 0x7F && code < 0xA0)) {
            set.insert(static_cast<char16_t>(code));
        }
    }
    const std::vector<char16_t> chars(set.begin(), set.end());

    Writer out;
    for (char c : kFontFileMagic) {
        out.u8(c);
    }
    out.u8(static_cast<int>(std::size(kScreenProfiles)));
    std::set<int> sizes;
    for (const ScreenProfile& p : kScreenProfiles) {
        out.u16(p.width);
        out.u16(p.height);
        out.u8(p.small);
        out.u8(p.medium);
        out.u8(p.large);
        sizes.insert({p.small, p.medium, p.large});
    }
    for (std::uint8_t family : kFaceFamilies) {
        out.u8(family);
    }
    out.u16(static_cast<int>(chars.size()));
    for (char16_t c : chars) {
        out.u16(c);
    }
    // The glyphs of every strike. A family's four variants at one size share their ascent
    // and descent: the font's own, or more where a glyph (an accented capital) reaches
    // past them, so that rows never overlap.
    struct Strike {
        int family = 0;
        int size = 0;
        int variant = 0;
        int ascent = 0;
        int descent = 0;
        std::vector<Glyph> glyphs;
    };
    std::vector<Strike> strikes;
    for (std::size_t family = 0; family < std::size(kFamilyFiles); ++family) {
        for (int size : sizes) {
            const std::size_t first = strikes.size();
            int ascent = 0;
            int descent = 0;
            for (int variant = 0; variant < 4; ++variant) {
                const std::string path = folder + "/" + kFamilyFiles[family][variant];
                FT_Face face = nullptr;
                check(FT_New_Face(library, path.c_str(), 0, &face), path);
                check(FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)), path);
                const auto* hhea =
                    static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
                if (hhea == nullptr) {
                    throw std::runtime_error(path + ": no horizontal header");
                }
                const double scale = static_cast<double>(size) / face->units_per_EM;
                ascent = std::max(ascent, static_cast<int>(std::ceil(hhea->Ascender * scale)));
                descent = std::max(descent, static_cast<int>(std::ceil(-hhea->Descender * scale)));
                Strike strike{static_cast<int>(family),
                              size,
                              variant,
                              0,
                              0,
                              std::vector<Glyph>(chars.size() + 1)};
                std::vector<Glyph>& glyphs = strike.glyphs;
                if (!render(face, kReplacement, glyphs[0]) && !render(face, U'?', glyphs[0])) {
                    throw std::runtime_error(path + ": no replacement glyph");
                }
                for (std::size_t i = 0; i < chars.size(); ++i) {
                    if (!render(face, chars[i], glyphs[i + 1])) {
                        glyphs[i + 1] = glyphs[0];
                        glyphs[i + 1].missing = true;
                    }
                }
                for (const Glyph& g : glyphs) {
                    ascent = std::max(ascent, g.top);
                    descent = std::max(descent, g.height - g.top);
                }
                FT_Done_Face(face);
                strikes.push_back(std::move(strike));
            }
            for (std::size_t s = first; s < strikes.size(); ++s) {
                strikes[s].ascent = ascent;
                strikes[s].descent = descent;
            }
        }
    }

    out.u8(static_cast<int>(strikes.size()));
    std::vector<std::size_t> recordOffsets;
    for (const Strike& s : strikes) {
        out.u8(s.family);
        out.u8(s.size);
        out.u8(s.variant);
        out.u8(byteRange(s.ascent, "ascent"));
        out.u8(byteRange(s.descent, "descent"));
        recordOffsets.push_back(out.bytes.size());
        out.u32(0);
    }
    for (std::size_t s = 0; s < strikes.size(); ++s) {
        const std::vector<Glyph>& glyphs = strikes[s].glyphs;
        out.patch32(recordOffsets[s], static_cast<std::uint32_t>(out.bytes.size()));
        const std::size_t records = out.bytes.size();
        out.bytes.resize(records + glyphs.size() * kGlyphRecordSize);
        Writer bitmaps;
        std::vector<std::uint32_t> bitmapOffsets;
        for (const Glyph& g : glyphs) {
            if (g.missing) {
                bitmapOffsets.push_back(bitmapOffsets.front());
                continue;
            }
            bitmapOffsets.push_back(static_cast<std::uint32_t>(bitmaps.bytes.size()));
            int byte = 0;
            int count = 0;
            for (bool bit : g.pixels) {
                byte = (byte << 1) | (bit ? 1 : 0);
                if (++count % 8 == 0) {
                    bitmaps.u8(byte);
                    byte = 0;
                }
            }
            if (count % 8 != 0) {
                bitmaps.u8(byte << (8 - count % 8));
            }
        }
        const std::size_t base = out.bytes.size();
        Writer record;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const Glyph& g = glyphs[i];
            record.u8(byteRange(g.advance, "advance"));
            record.u8(byteRange(g.left, "left") & 0xFF);
            record.u8(byteRange(g.top, "top") & 0xFF);
            record.u8(byteRange(g.width, "width"));
            record.u8(byteRange(g.height, "height"));
            record.u24(static_cast<std::uint32_t>(base) + bitmapOffsets[i]);
        }
        std::copy(record.bytes.begin(), record.bytes.end(),
                  out.bytes.begin() + static_cast<std::ptrdiff_t>(records));
        out.bytes.insert(out.bytes.end(), bitmaps.bytes.begin(), bitmaps.bytes.end());
    }
    if (out.bytes.size() >= (1u << 24)) {
        throw std::runtime_error("font file too large");
    }
    return out.bytes;
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: avizad-phonefont-gen FONT_FOLDER OUT.bin OUT.cpp\n");
        return 2;
    }
    try {
        FT_Library library = nullptr;
        check(FT_Init_FreeType(&library), "FreeType");
        const std::vector<std::uint8_t> bytes = makeFontFile(library, argv[1]);
        FT_Done_FreeType(library);
        writeFile(argv[2], std::string(bytes.begin(), bytes.end()));
        std::string source =
            "// The phone font file, made by avizad-phonefont-gen; not to be edited.\n"
            "#include <cstddef>\n\nnamespace avizad::phonefont {\n\n"
            "extern const unsigned char kFontFileData[] = {";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            source += (i % 24 == 0 ? "\n" : "");
            source += std::to_string(bytes[i]) + ",";
        }
        source +=
            "\n};\nextern const std::size_t kFontFileSize = sizeof(kFontFileData);\n\n"
            "}  // namespace avizad::phonefont\n";
        writeFile(argv[3], source);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "avizad-phonefont-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}

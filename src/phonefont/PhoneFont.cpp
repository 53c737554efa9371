#include "phonefont/PhoneFont.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "phonefont/FontFile.h"

namespace avizad::phonefont {

// The font file, compiled in (made by avizad-phonefont-gen).
extern const unsigned char kFontFileData[];
extern const std::size_t kFontFileSize;

namespace {

struct Strike {
    int family = 0;
    int pixelSize = 0;
    int variant = 0;
    int ascent = 0;
    int descent = 0;
    const unsigned char* records = nullptr;
};

struct FontData {
    int faceFamily[kFaceCount] = {};
    std::vector<char16_t> chars;
    std::vector<Strike> strikes;
};

class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    int u8() {
        need(1);
        return data_[at_++];
    }
    int u16() {
        const int high = u8();
        return (high << 8) | u8();
    }
    std::size_t u32() {
        const std::size_t high = static_cast<std::size_t>(u16());
        return (high << 16) | static_cast<std::size_t>(u16());
    }
    void need(std::size_t n) const {
        if (n > size_ - at_) {
            throw std::runtime_error("phone font file is cut short");
        }
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

FontData parse(const unsigned char* data, std::size_t size) {
    Reader in(data, size);
    for (char c : kFontFileMagic) {
        if (in.u8() != static_cast<unsigned char>(c)) {
            throw std::runtime_error("not a phone font file");
        }
    }
    FontData font;
    const int profiles = in.u8();
    for (int i = 0; i < profiles * 7; ++i) {
        in.u8();  // the emulator's copy of the profiles; this library has the table itself
    }
    for (int& family : font.faceFamily) {
        family = in.u8();
    }
    font.chars.resize(static_cast<std::size_t>(in.u16()));
    for (char16_t& c : font.chars) {
        c = static_cast<char16_t>(in.u16());
    }
    const std::size_t recordsSize = (font.chars.size() + 1) * kGlyphRecordSize;
    font.strikes.resize(static_cast<std::size_t>(in.u8()));
    for (Strike& s : font.strikes) {
        s.family = in.u8();
        s.pixelSize = in.u8();
        s.variant = in.u8();
        s.ascent = in.u8();
        s.descent = in.u8();
        const std::size_t offset = in.u32();
        if (offset > size || recordsSize > size - offset) {
            throw std::runtime_error("phone font file is cut short");
        }
        s.records = data + offset;
    }
    return font;
}

const FontData& fontData() {
    static const FontData data = parse(kFontFileData, kFontFileSize);
    return data;
}

const Strike& strikeOf(const void* strike) {
    return *static_cast<const Strike*>(strike);
}

std::size_t glyphIndex(char16_t c) {
    const std::vector<char16_t>& chars = fontData().chars;
    const auto it = std::lower_bound(chars.begin(), chars.end(), c);
    return it != chars.end() && *it == c ? static_cast<std::size_t>(it - chars.begin()) + 1 : 0;
}

}  // namespace

bool isTextAnchor(int anchor) {
    if (anchor == 0) {
        return true;
    }
    const int horizontal = anchor & (kLeft | kRight | kHCenter);
    const int vertical = anchor & (kTop | kBottom | kBaseline);
    const auto single = [](int bits) { return bits != 0 && (bits & (bits - 1)) == 0; };
    return (anchor & ~(kLeft | kRight | kHCenter | kTop | kBottom | kBaseline)) == 0 &&
           single(horizontal) && single(vertical);
}

Font::Font() : Font(screenProfile(240, 320), Face::System, kStylePlain, Size::Medium) {}

Font::Font(const ScreenProfile& screen, Face face, int style, Size size)
    : face_(face), style_(style & (kStyleBold | kStyleItalic | kStyleUnderlined)), size_(size) {
    pixelSize_ = size == Size::Small   ? screen.small
                 : size == Size::Large ? screen.large
                                       : screen.medium;
    const FontData& data = fontData();
    const int faceIndex = face == Face::Monospace ? 1 : face == Face::Proportional ? 2 : 0;
    const int family = data.faceFamily[faceIndex];
    const int variant = style_ & (kStyleBold | kStyleItalic);  // the file's variant bits
    const Strike* nearest = nullptr;
    for (const Strike& s : data.strikes) {
        if (s.family != family || s.variant != variant) {
            continue;
        }
        if (nearest == nullptr ||
            std::abs(s.pixelSize - pixelSize_) < std::abs(nearest->pixelSize - pixelSize_)) {
            nearest = &s;
        }
    }
    if (nearest == nullptr) {
        throw std::runtime_error("the phone font file has no such font");
    }
    strike_ = nearest;
}

int Font::height() const {
    return strikeOf(strike_).ascent + strikeOf(strike_).descent;
}

int Font::baseline() const {
    return strikeOf(strike_).ascent;
}

Glyph Font::glyph(char16_t c) const {
    const unsigned char* r = strikeOf(strike_).records + glyphIndex(c) * kGlyphRecordSize;
    Glyph g;
    g.advance = r[0];
    g.left = static_cast<signed char>(r[1]);
    g.top = static_cast<signed char>(r[2]);
    g.width = r[3];
    g.height = r[4];
    g.bits = kFontFileData + ((static_cast<std::size_t>(r[5]) << 16) |
                              (static_cast<std::size_t>(r[6]) << 8) | r[7]);
    return g;
}

int Font::charWidth(char16_t c) const {
    return strikeOf(strike_).records[glyphIndex(c) * kGlyphRecordSize];
}

int Font::stringWidth(std::u16string_view text) const {
    int width = 0;
    for (char16_t c : text) {
        width += charWidth(c);
    }
    return width;
}

bool Font::drawString(const PixelBuffer& target, const ClipRect& clip, std::u16string_view text,
                      int x, int y, int anchor, std::uint32_t pixel) const {
    if (!isTextAnchor(anchor)) {
        return false;
    }
    if (anchor == 0) {
        anchor = kTop | kLeft;
    }
    const int width = stringWidth(text);
    if ((anchor & kHCenter) != 0) {
        x -= width / 2;
    } else if ((anchor & kRight) != 0) {
        x -= width;
    }
    const int baselineY = (anchor & kTop) != 0      ? y + baseline()
                          : (anchor & kBottom) != 0 ? y - height() + baseline()
                                                    : y;
    // The pixels that may be written: the clip rectangle within the buffer.
    const long long left = std::max(0, clip.x);
    const long long top = std::max(0, clip.y);
    const long long right = std::min<long long>(target.width, 0LL + clip.x + clip.width);
    const long long bottom = std::min<long long>(target.height, 0LL + clip.y + clip.height);
    if (left >= right || top >= bottom || target.pixels == nullptr) {
        return true;
    }
    const auto put = [&](long long px, long long py) {
        if (px >= left && px < right && py >= top && py < bottom) {
            target.pixels[py * target.stride + px] = pixel;
        }
    };
    long long pen = x;
    for (char16_t c : text) {
        const Glyph g = glyph(c);
        for (int row = 0; row < g.height; ++row) {
            const long long py = 0LL + baselineY - g.top + row;
            if (py < top || py >= bottom) {
                continue;
            }
            for (int column = 0; column < g.width; ++column) {
                if (g.pixel(column, row)) {
                    put(pen + g.left + column, py);
                }
            }
        }
        pen += g.advance;
    }
    if ((style_ & kStyleUnderlined) != 0) {
        for (long long px = x; px < 0LL + x + width; ++px) {
            put(px, 0LL + baselineY + 1);
        }
    }
    return true;
}

}  // namespace avizad::phonefont

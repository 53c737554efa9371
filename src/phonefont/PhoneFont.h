#pragma once
// The phone font: the one font every runtime of a game draws texts with (the emulator,
// our own virtual machine, the editor's previews), so a text looks the same everywhere.
// Its glyphs are bitmaps of one bit a pixel, made at build time for every size of the
// screen profiles (ScreenProfiles.h). Metrics are those of MIDP's Font.
//
// The drawing rule, which every runtime follows to the pixel:
// - A string is drawn character by character from its left edge: the glyph's bitmap goes
//   with its top-left pixel at (pen + left, baseline - top), then the pen moves on by the
//   glyph's advance. A string's width is the sum of its characters' advances.
// - A character the font lacks (any but Windows-1251's printable ones) draws the
//   replacement glyph, with that glyph's advance.
// - Bold and italic are glyphs of their own (the bold and oblique designs); nothing is
//   synthesised while drawing.
// - Underlined text has one row of pixels under it, at baseline + 1, from the string's
//   left edge to its width - 1.
// - Anchors as in MIDP: LEFT, HCENTER (left edge x - width / 2, rounded down) or RIGHT
//   (x - width) with TOP (baseline y + baseline position), BASELINE (y) or BOTTOM
//   (y - height + baseline position); 0 means TOP | LEFT.
// - A pixel is written, with the caller's value, when it lies inside the clip rectangle
//   and the buffer; nothing is blended.

#include <cstdint>
#include <string_view>

#include "phonefont/ScreenProfiles.h"

namespace avizad::phonefont {

// MIDP's values for faces, sizes, styles and anchors.
enum class Face : int { System = 0, Monospace = 32, Proportional = 64 };
enum class Size : int { Medium = 0, Small = 8, Large = 16 };
inline constexpr int kStylePlain = 0;
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
inline constexpr int kStyleUnderlined = 4;

inline constexpr int kHCenter = 1;
inline constexpr int kVCenter = 2;
inline constexpr int kLeft = 4;
inline constexpr int kRight = 8;
inline constexpr int kTop = 16;
inline constexpr int kBottom = 32;
inline constexpr int kBaseline = 64;

// Whether `anchor` is one MIDP allows for text (at most one horizontal and one vertical
// value, both or neither, no VCENTER).
bool isTextAnchor(int anchor);

// 32-bit pixels, `stride` pixels from one row to the next.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

struct ClipRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One glyph of a font: its bitmap and where it goes (see the drawing rule above).
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const unsigned char* bits = nullptr;  // width x height bits, row after row, MSB first

    bool pixel(int x, int y) const {
        const int bit = y * width + x;
        return (bits[bit >> 3] & (0x80 >> (bit & 7))) != 0;
    }
};

// A font of the phone: a face, a style and a size on a screen of a given profile.
class Font {
public:
    // The medium system font of the 240 x 320 screen.
    Font();
    Font(const ScreenProfile& screen, Face face, int style, Size size);

    Face face() const { return face_; }
    int style() const { return style_; }
    Size size() const { return size_; }
    // The em square in pixels, from the screen's profile.
    int pixelSize() const { return pixelSize_; }

    // MIDP's getHeight and getBaselinePosition.
    int height() const;
    int baseline() const;
    int charWidth(char16_t c) const;
    int stringWidth(std::u16string_view text) const;
    // The glyph `c` draws with (the replacement glyph for a character the font lacks).
    Glyph glyph(char16_t c) const;

    // Draws `text` at (x, y) by `anchor` (a text anchor; others draw nothing and return
    // false) in the pixel value `pixel`.
    bool drawString(const PixelBuffer& target, const ClipRect& clip, std::u16string_view text,
                    int x, int y, int anchor, std::uint32_t pixel) const;

    bool operator==(const Font& other) const {
        return strike_ == other.strike_ && style_ == other.style_ && face_ == other.face_ &&
               size_ == other.size_;
    }

private:
    const void* strike_ = nullptr;
    Face face_ = Face::System;
    int style_ = kStylePlain;
    Size size_ = Size::Medium;
    int pixelSize_ = 0;
};

}  // namespace avizad::phonefont

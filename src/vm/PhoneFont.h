#pragma once
// The phone's font for the machine: metrics and glyphs of the three MIDP sizes at the sizes of
// the phone profile the screen stands for.

#include <string>

#include "vm/Raster.h"

namespace avizad::vm {

struct FontKey {
    int face;   // Font.FACE_*
    int style;  // Font.STYLE_* bits
    int size;   // Font.SIZE_*
    int screenWidth;
    int screenHeight;
};

class PhoneFont {
public:
    virtual ~PhoneFont() = default;
    virtual int height(const FontKey& key) const = 0;
    virtual int ascent(const FontKey& key) const = 0;
    virtual int width(const FontKey& key, const std::u16string& text) const = 0;
    // Draws `text` with its baseline at y and its left edge at x.
    virtual void draw(Surface& s, ClipRect clip, const std::u16string& text, int x, int baseline,
                      const FontKey& key, uint32_t rgb) const = 0;
};

const PhoneFont& phoneFont();

}  // namespace avizad::vm

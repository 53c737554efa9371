#pragma once
// What the game shows of a text object: the phone font its values choose and the rows
// the game draws in the object's window (100 by 100 pixels), each line wrapped at
// blanks to the window's width, as many rows as the window's height holds.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/TextDraft.h"
#include "model/Color.h"

namespace avizad {

inline constexpr int kTextWindowWidth = 100;
inline constexpr int kTextWindowHeight = 100;

enum class PhoneFace { System, Monospace, Proportional };

struct PhoneFont {
    PhoneFace face = PhoneFace::System;
    int points = 13;  // small 11, medium 13, large 16, as the emulator's fonts
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PhoneFont&) const = default;
};

// The widths and the row height of texts in the phone's fonts: the widgets measure with
// their fonts, tests and tools without fonts with FixedFontMeasure.
class FontMeasure {
public:
    virtual ~FontMeasure() = default;
    virtual int width(const PhoneFont& font, std::string_view text) const = 0;
    virtual int height(const PhoneFont& font) const = 0;
};

// Every character half the font's points wide plus one pixel, rows points + 2 high.
class FixedFontMeasure : public FontMeasure {
public:
    int width(const PhoneFont& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * (font.points / 2 + 1);
    }
    int height(const PhoneFont& font) const override { return font.points + 2; }
};

// The font of a text object: face 2 monospace, 3 proportional, any other system; size 0
// small, 2 large, any other (also "none chosen") medium.
PhoneFont phoneFont(const TextDraft& text);
// The text colour as a COLORREF.
Color textColor(const TextDraft& text);

struct TextRow {
    std::string text;
    int y = 0;  // top of the row in the window

    bool operator==(const TextRow&) const = default;
};

// The rows of `lines` in a window of width x height with rows `rowHeight` high;
// `measure` gives a text's width in pixels in the chosen font.
std::vector<TextRow> layoutTextRows(const std::vector<std::string>& lines, int width, int height,
                                    int rowHeight,
                                    const std::function<int(std::string_view)>& measure);

}  // namespace avizad

#pragma once
// What the game shows of a text object: the phone font its values choose (phonefont/),
// at the sizes of the screen the project is made for, and the rows the game draws in the
// object's window (100 pixels wide; the window of the generated size grows to hold every
// row, no larger than the screen), each line wrapped at blanks to the window's width.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/TextDraft.h"
#include "model/Color.h"
#include "model/Image.h"
#include "phonefont/PhoneFont.h"

namespace avizad {

inline constexpr int kTextWindowWidth = 100;
inline constexpr int kTextWindowHeight = 100;

// A font of the phone, whatever the screen: face, size and style (MIDP's values).
struct PhoneFont {
    phonefont::Face face = phonefont::Face::System;
    phonefont::Size size = phonefont::Size::Medium;
    int style = phonefont::kStylePlain;

    bool bold() const { return (style & phonefont::kStyleBold) != 0; }
    bool operator==(const PhoneFont&) const = default;
};

// A model text (Windows-1251) as the phone's characters.
std::u16string phoneText(std::string_view text);

// The phone's fonts on a screen of one size (the settings' "Контур экрана"): those of its
// profile, as the game has them on that screen. 240 x 320 unless told.
class FontMeasure {
public:
    FontMeasure() : FontMeasure(240, 320) {}
    FontMeasure(int screenWidth, int screenHeight)
        : screenWidth_(screenWidth), screenHeight_(screenHeight) {}

    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    phonefont::Font font(const PhoneFont& font) const;
    int width(const PhoneFont& font, std::string_view text) const;
    int height(const PhoneFont& font) const;

    bool operator==(const FontMeasure&) const = default;

private:
    int screenWidth_;
    int screenHeight_;
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

// Every row of `lines` in a window `width` pixels wide with rows `rowHeight` high;
// `measure` gives a text's width in pixels in the chosen font.
std::vector<TextRow> layoutTextRows(const std::vector<std::string>& lines, int width, int rowHeight,
                                    const std::function<int(std::string_view)>& measure);

// A text as the game shows it when its level starts: the rows it draws in its window, in
// its font and colour, and the size of what they cover (the window's width and height at
// most): the widest row, or further where a glyph reaches past its row (italics).
struct TextShown {
    std::vector<TextRow> rows;
    PhoneFont font;
    Color color = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TextShown&) const = default;
};
TextShown showText(const std::vector<std::string>& lines, const PhoneFont& font, Color color,
                   const FontMeasure& measure);
// Its picture, width x height: the text's pixels in its colour, the rest transparent.
Image textPicture(const TextShown& text, const FontMeasure& measure);

}  // namespace avizad

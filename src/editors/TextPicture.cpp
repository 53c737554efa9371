#include "editors/TextPicture.h"

#include <algorithm>

#include "model/Cp1251.h"

namespace avizad {

std::u16string phoneText(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) {
        out += static_cast<char16_t>(cp1251ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

phonefont::Font FontMeasure::font(const PhoneFont& font) const {
    return phonefont::Font(phonefont::screenProfile(screenWidth_, screenHeight_), font.face,
                           font.style, font.size);
}

int FontMeasure::width(const PhoneFont& phone, std::string_view text) const {
    return font(phone).stringWidth(phoneText(text));
}

int FontMeasure::height(const PhoneFont& phone) const {
    return font(phone).height();
}

PhoneFont phoneFont(const TextDraft& text) {
    PhoneFont font;
    font.face = text.kind == 2   ? phonefont::Face::Monospace
                : text.kind == 3 ? phonefont::Face::Proportional
                                 : phonefont::Face::System;
    font.size = text.size == 0   ? phonefont::Size::Small
                : text.size == 2 ? phonefont::Size::Large
                                 : phonefont::Size::Medium;
    font.style = (text.bold ? phonefont::kStyleBold : 0) |
                 (text.italic ? phonefont::kStyleItalic : 0) |
                 (text.underline ? phonefont::kStyleUnderlined : 0);
    return font;
}

Color textColor(const TextDraft& text) {
    return rgb(text.colorR, text.colorG, text.colorB);
}

namespace {

// The characters of `text` that fill one row: up to the last blank that fits, or as many
// characters as fit when there is none (at least one).
std::size_t fitting(std::string_view text, int width,
                    const std::function<int(std::string_view)>& measure) {
    if (measure(text) <= width) {
        return text.size();
    }
    std::size_t n = 1;
    while (n < text.size() && measure(text.substr(0, n + 1)) <= width) {
        ++n;
    }
    const std::size_t blank = text.rfind(' ', n);
    return blank != std::string_view::npos && blank > 0 ? blank : n;
}

// How far right of its left edge a row reaches: its width, or further where a glyph's
// pixels pass its advance.
int reach(const phonefont::Font& font, std::u16string_view text) {
    int pen = 0;
    int right = 0;
    for (char16_t c : text) {
        const phonefont::Glyph g = font.glyph(c);
        if (g.width > 0) {
            right = std::max(right, pen + g.left + g.width);
        }
        pen += g.advance;
    }
    return std::max(right, pen);
}

}  // namespace

std::vector<TextRow> layoutTextRows(const std::vector<std::string>& lines, int width, int rowHeight,
                                    const std::function<int(std::string_view)>& measure) {
    std::vector<TextRow> rows;
    if (width <= 0) {
        return rows;
    }
    int y = 0;
    for (const std::string& line : lines) {
        std::string_view rest = line;
        do {
            const std::size_t n = fitting(rest, width, measure);
            rows.push_back(TextRow{std::string(rest.substr(0, n)), y});
            rest.remove_prefix(n);
            while (!rest.empty() && rest.front() == ' ') {
                rest.remove_prefix(1);
            }
            y += rowHeight;
        } while (!rest.empty());
    }
    return rows;
}

TextShown showText(const std::vector<std::string>& lines, const PhoneFont& font, Color color,
                   const FontMeasure& measure) {
    TextShown shown;
    shown.font = font;
    shown.color = color;
    const phonefont::Font phone = measure.font(font);
    const int windowWidth = std::min(kTextWindowWidth, measure.screenWidth());
    const auto width = [&](std::string_view s) { return phone.stringWidth(phoneText(s)); };
    std::vector<TextRow> rows = layoutTextRows(lines, windowWidth, phone.height(), width);
    // The window of the generated size grows to hold the rows, up to the screen's height.
    const int rowsHeight = static_cast<int>(rows.size()) * phone.height();
    const int windowHeight =
        std::min(std::max(kTextWindowHeight, rowsHeight), measure.screenHeight());
    for (const TextRow& row : rows) {
        if (row.y >= windowHeight) {
            break;
        }
        shown.width = std::max(shown.width, reach(phone, phoneText(row.text)));
        shown.rows.push_back(row);
    }
    shown.width = std::min(shown.width, windowWidth);
    shown.height = std::min(rowsHeight, windowHeight);
    return shown;
}

Image textPicture(const TextShown& text, const FontMeasure& measure) {
    const int width = std::max(text.width, 0);
    const int height = std::max(text.height, 0);
    Image picture(width, height, text.color);
    if (picture.isNull()) {
        return picture;
    }
    std::vector<std::uint32_t> ink(static_cast<std::size_t>(width) * height, 0);
    const phonefont::PixelBuffer buffer{ink.data(), width, height, width};
    const phonefont::Font font = measure.font(text.font);
    for (const TextRow& row : text.rows) {
        font.drawString(buffer, {0, 0, width, height}, phoneText(row.text), 0, row.y,
                        phonefont::kTop | phonefont::kLeft, 1);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setAlpha(x, y, ink[static_cast<std::size_t>(y) * width + x] != 0 ? 255 : 0);
        }
    }
    return picture;
}

}  // namespace avizad

#include "editors/TextPicture.h"

namespace avizad {

PhoneFont phoneFont(const TextDraft& text) {
    PhoneFont font;
    font.face = text.kind == 2   ? PhoneFace::Monospace
                : text.kind == 3 ? PhoneFace::Proportional
                                 : PhoneFace::System;
    font.points = text.size == 0 ? 11 : text.size == 2 ? 16 : 13;
    font.bold = text.bold;
    font.italic = text.italic;
    font.underline = text.underline;
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

}  // namespace

std::vector<TextRow> layoutTextRows(const std::vector<std::string>& lines, int width, int height,
                                    int rowHeight,
                                    const std::function<int(std::string_view)>& measure) {
    std::vector<TextRow> rows;
    if (width <= 0 || height <= 0 || rowHeight <= 0) {
        return rows;
    }
    int y = 0;
    for (std::size_t i = 0; i < lines.size() && y < height; ++i) {
        std::string_view rest = lines[i];
        do {
            const std::size_t n = fitting(rest, width, measure);
            rows.push_back(TextRow{std::string(rest.substr(0, n)), y});
            rest.remove_prefix(n);
            while (!rest.empty() && rest.front() == ' ') {
                rest.remove_prefix(1);
            }
            y += rowHeight;
        } while (!rest.empty() && y < height);
    }
    return rows;
}

}  // namespace avizad

#include "editors/ui/QtPhoneFont.h"

#include <algorithm>
#include <cmath>

#include "model/ui/QtText.h"

namespace avizad {

QFont qtFont(const PhoneFont& phone, int zoom) {
    QFont font(phone.face == PhoneFace::Monospace ? QStringLiteral("Monospace")
                                                  : QStringLiteral("Sans Serif"));
    font.setStyleHint(phone.face == PhoneFace::Monospace ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(phone.points * zoom / 100.0))));
    font.setBold(phone.bold);
    font.setItalic(phone.italic);
    font.setUnderline(phone.underline);
    return font;
}

const QFontMetrics& QtFontMeasure::metrics(const PhoneFont& font) const {
    const auto key = std::make_tuple(static_cast<int>(font.face), font.points, font.bold,
                                     font.italic, font.underline);
    auto it = metrics_.find(key);
    if (it == metrics_.end()) {
        it = metrics_.emplace(key, QFontMetrics(qtFont(font))).first;
    }
    return it->second;
}

int QtFontMeasure::width(const PhoneFont& font, std::string_view text) const {
    return metrics(font).horizontalAdvance(fromModel(text));
}

int QtFontMeasure::height(const PhoneFont& font) const {
    return metrics(font).height();
}

}  // namespace avizad

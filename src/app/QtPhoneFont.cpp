#include "app/QtPhoneFont.h"

#include <QFontMetrics>
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

int QtFontMeasure::width(const PhoneFont& font, std::string_view text) const {
    return QFontMetrics(qtFont(font)).horizontalAdvance(fromModel(text));
}

int QtFontMeasure::height(const PhoneFont& font) const {
    return QFontMetrics(qtFont(font)).height();
}

}  // namespace avizad

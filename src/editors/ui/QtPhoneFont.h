#pragma once
// The phone's fonts in Qt, for every widget that shows a text object as the game does:
// the font a text object's values choose (its size in pixels, times a zoom) and widths
// measured in it.

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <tuple>

#include "editors/TextPicture.h"

namespace avizad {

// The Qt font of a phone font, `zoom` percent of its size.
QFont qtFont(const PhoneFont& font, int zoom = 100);

// Widths measured in the Qt fonts, each font's metrics made once.
class QtFontMeasure : public FontMeasure {
public:
    int width(const PhoneFont& font, std::string_view text) const override;
    int height(const PhoneFont& font) const override;

private:
    const QFontMetrics& metrics(const PhoneFont& font) const;
    mutable std::map<std::tuple<int, int, bool, bool, bool>, QFontMetrics> metrics_;
};

}  // namespace avizad

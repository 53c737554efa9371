#include "editors/ImageCopy.h"

namespace avizad {

Image copyArea(const Image& source, const PixelRect& area) {
    Image result(area.width, area.height);
    if (result.isNull()) {
        return result;
    }
    const bool partial = area.x < 0 || area.y < 0 || area.x + area.width > source.width() ||
                         area.y + area.height > source.height();
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const int sx = area.x + x;
            const int sy = area.y + y;
            if (source.contains(sx, sy)) {
                result.setPixel(x, y, source.pixel(sx, sy));
                if (source.hasAlpha() || partial) {
                    result.setAlpha(x, y, source.alpha(sx, sy));
                }
            } else {
                result.setAlpha(x, y, 0);
            }
        }
    }
    return result;
}

void drawArea(Image& target, int x, int y, const Image& source, const PixelRect& area) {
    for (int dy = 0; dy < area.height; ++dy) {
        for (int dx = 0; dx < area.width; ++dx) {
            const int sx = area.x + dx;
            const int sy = area.y + dy;
            if (!source.contains(sx, sy) || !target.contains(x + dx, y + dy)) {
                continue;
            }
            const Color c = source.pixel(sx, sy);
            const int a = source.alpha(sx, sy);
            const auto blend = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
            target.setPixel(
                x + dx, y + dy,
                a == 255 ? c : rgb(blend(redOf(c)), blend(greenOf(c)), blend(blueOf(c))));
        }
    }
}

}  // namespace avizad

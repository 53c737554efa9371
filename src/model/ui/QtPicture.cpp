#include "model/ui/QtPicture.h"

namespace avizad {

QImage toQImage(const Image& image) {
    if (image.isNull()) {
        return {};
    }
    const bool alpha = image.hasAlpha();
    QImage out(image.width(), image.height(), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const std::vector<Color>& pixels = image.pixels();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const Color* row = pixels.data() + static_cast<std::size_t>(y) * image.width();
        for (int x = 0; x < image.width(); ++x) {
            const Color c = row[x];
            line[x] = qRgba(redOf(c), greenOf(c), blueOf(c), alpha ? image.alpha(x, y) : 255);
        }
    }
    return out;
}

}  // namespace avizad

#include "editors/QtImage.h"

namespace avizad {

QImage toQImage(const Image& image) {
    if (image.isNull()) {
        return QImage();
    }
    QImage result(image.width(), image.height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.pixel(x, y);
            line[x] = qRgba(redOf(c), greenOf(c), blueOf(c), image.alpha(x, y));
        }
    }
    return result;
}

}  // namespace avizad

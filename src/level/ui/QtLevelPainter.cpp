#include "level/ui/QtLevelPainter.h"

#include <algorithm>

#include "level/LevelGeometry.h"
#include "model/ui/QtText.h"

namespace avizad {

QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QtLevelPainter::QtLevelPainter(QPainter& painter, QImage& target, QPoint offset, int zoom,
                               PictureCache& cache, LookCache& looks, const FontMeasure& measure)
    : painter_(painter),
      target_(target),
      offset_(offset),
      zoom_(zoom),
      cache_(cache),
      looks_(looks),
      measure_(measure) {}

void QtLevelPainter::fillRect(const CanvasRect& rect, Color fill) {
    painter_.fillRect(device(rect), toQColor(fill));
}

void QtLevelPainter::frameRect(const CanvasRect& rect, Color pen) {
    const QRect r = device(rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    const QColor color = toQColor(pen);
    painter_.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter_.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter_.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter_.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

void QtLevelPainter::drawPicture(const Image& picture, const CanvasRect& source,
                                 const CanvasRect& target) {
    const QRect to = device(target);
    if (to.width() <= 0 || to.height() <= 0) {
        return;
    }
    const QImage& scaled = cache_.scaled(picture, zoom_);
    if (!scaled.isNull()) {
        const QRect from(toCanvas(source.left, zoom_), toCanvas(source.top, zoom_),
                         toCanvas(source.right, zoom_) - toCanvas(source.left, zoom_),
                         toCanvas(source.bottom, zoom_) - toCanvas(source.top, zoom_));
        if (from.size() == to.size()) {
            painter_.drawImage(to.topLeft(), scaled, from);  // a plain copy
        } else {
            painter_.drawImage(to, scaled, from);  // a pixel more or less from rounding
        }
        return;
    }
    const QRect from(source.left, source.top, source.right - source.left,
                     source.bottom - source.top);
    painter_.drawImage(to, cache_.image(picture), from);
}

const QImage& QtLevelPainter::textMarker() {
    static const QImage marker = [] {
        QImage image(40, 9, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(255, 255, 220));
        QPainter p(&image);
        p.setPen(QColor(60, 60, 60));
        p.drawRect(0, 0, 39, 8);
        p.fillRect(QRect(3, 3, 5, 3), QColor(60, 90, 170));
        p.fillRect(QRect(10, 3, 12, 3), QColor(60, 90, 170));
        p.fillRect(QRect(24, 3, 8, 3), QColor(60, 90, 170));
        return image;
    }();
    return marker;
}

void QtLevelPainter::drawTextMarker(const CanvasRect& target) {
    painter_.drawImage(device(target), textMarker());
}

void QtLevelPainter::drawText(const CanvasRect& target, const TextLook& look, int) {
    const Image& picture = looks_.text(look, measure_);
    drawPicture(picture, {0, 0, picture.width(), picture.height()}, target);
}

void QtLevelPainter::drawDot(const CanvasRect& rect, Color color) {
    const QRect r = device(rect).intersected(target_.rect());
    if (r.isEmpty()) {
        return;
    }
    const QRgb value = qRgb(redOf(color), greenOf(color), blueOf(color));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target_.scanLine(y));
        std::fill(line + r.left(), line + r.right() + 1, value);
    }
}

void QtLevelPainter::drawDotGrid(const std::vector<std::pair<int, int>>& columns,
                                 const std::vector<std::pair<int, int>>& rows, Color color) {
    const QRgb value = qRgb(redOf(color), greenOf(color), blueOf(color));
    const int width = target_.width();
    const int height = target_.height();
    // Column spans in image pixels, clipped to the image.
    std::vector<std::pair<int, int>> spans;
    spans.reserve(columns.size());
    for (const auto& c : columns) {
        const int from = std::max(0, c.first + offset_.x());
        const int to = std::min(width, c.second + offset_.x());
        if (from < to) {
            if (!spans.empty() && from <= spans.back().second) {
                spans.back().second = std::max(spans.back().second, to);  // dots that touch
            } else {
                spans.emplace_back(from, to);
            }
        }
    }
    int done = 0;  // rows of the image filled so far (dot rows may overlap)
    for (const auto& r : rows) {
        const int from = std::max({0, done, r.first + offset_.y()});
        const int to = std::min(height, r.second + offset_.y());
        done = std::max(done, to);
        for (int y = from; y < to; ++y) {
            auto* line = reinterpret_cast<QRgb*>(target_.scanLine(y));
            for (const auto& span : spans) {
                std::fill(line + span.first, line + span.second, value);
            }
        }
    }
}

void QtLevelPainter::drawLabel(int x, int y, const std::string& text, Color color) {
    QFont font = painter_.font();
    font.setPixelSize(12);
    painter_.setFont(font);
    painter_.setPen(toQColor(color));
    painter_.drawText(QPoint(x + offset_.x(), y + offset_.y() + 12), QString::fromStdString(text));
}

}  // namespace avizad

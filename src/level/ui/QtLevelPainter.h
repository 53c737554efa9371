#pragma once
// The level view's painter on a Qt image: canvas pixels shifted by an offset (the
// canvas point shown at the image's top-left corner is -offset). Pictures come scaled
// from a PictureCache, the looks of active objects and texts (drawn in the phone font) from
// a LookCache; grid dots are written straight into the image.

#include <QImage>
#include <QPainter>

#include "level/LevelPainter.h"
#include "level/ui/PictureCache.h"

namespace avizad {

class QtLevelPainter : public LevelPainter {
public:
    QtLevelPainter(QPainter& painter, QImage& target, QPoint offset, int zoom, PictureCache& cache,
                   LookCache& looks, const FontMeasure& measure);

    void fillRect(const CanvasRect& rect, Color fill) override;
    void frameRect(const CanvasRect& rect, Color pen) override;
    void drawPicture(const Image& picture, const CanvasRect& source,
                     const CanvasRect& target) override;
    void drawTextMarker(const CanvasRect& target) override;
    void drawText(const CanvasRect& target, const TextLook& look, int zoom) override;
    const FontMeasure& fontMeasure() const override { return measure_; }
    const Image& activeLook(const ActiveObject& object) override { return looks_.active(object); }
    void drawDot(const CanvasRect& rect, Color color) override;
    void drawDotGrid(const std::vector<std::pair<int, int>>& columns,
                     const std::vector<std::pair<int, int>>& rows, Color color) override;
    void drawLabel(int x, int y, const std::string& text, Color color) override;

    // The text marker picture, 40 x 9.
    static const QImage& textMarker();

private:
    QRect device(const CanvasRect& r) const {
        return {r.left + offset_.x(), r.top + offset_.y(), r.right - r.left, r.bottom - r.top};
    }

    QPainter& painter_;
    QImage& target_;
    QPoint offset_;
    int zoom_;
    PictureCache& cache_;
    LookCache& looks_;
    const FontMeasure& measure_;
};

QColor toQColor(Color c);

}  // namespace avizad

#pragma once
// What the level view's repaint draws with: a few primitives in canvas pixels, the fonts
// texts are measured in and the looks of active objects (made once and kept). The
// editor's canvas implements it with Qt; tests record the calls.

#include <string>
#include <utility>
#include <vector>

#include "editors/ObjectLook.h"
#include "level/LevelGeometry.h"
#include "model/Color.h"
#include "model/Image.h"

namespace avizad {

class LevelPainter {
public:
    virtual ~LevelPainter() = default;
    // A filled rectangle without outline.
    virtual void fillRect(const CanvasRect& rect, Color fill) = 0;
    // A one-pixel frame on the edge pixels of `rect`.
    virtual void frameRect(const CanvasRect& rect, Color pen) = 0;
    // Part `source` (image pixels) of `picture` stretched into `target`.
    virtual void drawPicture(const Image& picture, const CanvasRect& source,
                             const CanvasRect& target) = 0;
    // The text marker picture (40 x 9) stretched into `target`.
    virtual void drawTextMarker(const CanvasRect& target) = 0;
    // A text's rows as the game shows them (LookCache::text), stretched into `target`.
    virtual void drawText(const CanvasRect& target, const TextLook& look, int zoom) = 0;
    // The fonts texts are measured in.
    virtual const FontMeasure& fontMeasure() const { return fixedMeasure_; }
    // The picture the game shows of an active object (LookCache).
    virtual const Image& activeLook(const ActiveObject& object) { return looks_.active(object); }
    // A grid dot filling `rect` (3 x 3 pixels).
    virtual void drawDot(const CanvasRect& rect, Color color) = 0;
    // Grid dots: one dot for every pair of a column span (left, right) and a row span
    // (top, bottom).
    virtual void drawDotGrid(const std::vector<std::pair<int, int>>& columns,
                             const std::vector<std::pair<int, int>>& rows, Color color) {
        for (const auto& row : rows) {
            for (const auto& column : columns) {
                drawDot({column.first, row.first, column.second, row.second}, color);
            }
        }
    }
    // A trajectory point's number, its top-left corner at (x, y).
    virtual void drawLabel(int x, int y, const std::string& text, Color color) = 0;

private:
    FontMeasure fixedMeasure_;  // the phone's fonts on a 240 x 320 screen
    LookCache looks_;
};

}  // namespace avizad

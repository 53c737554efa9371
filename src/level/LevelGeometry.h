#pragma once
// The level view's coordinates: level pixels scaled by a zoom in percent, rounded to
// the nearest integer with halves to even; snapping to the grid cell; the zoom slider;
// the hit boxes and selection boxes of placements, tested with strict comparisons.

#include "editors/TextPicture.h"
#include "model/Project.h"

namespace avizad {

// A rectangle in canvas pixels; right and bottom are exclusive.
struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    bool intersects(const CanvasRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool operator==(const CanvasRect&) const = default;
};

inline constexpr int kMinZoom = 10;
inline constexpr int kMaxZoom = 300;

// r(v): the canvas pixel of level value v at `zoom` percent.
int toCanvas(int v, int zoom);
// The level value of canvas pixel p at `zoom` percent.
int toLevel(int p, int zoom);
// round(v / cell) * cell; a cell of 0 or less snaps nothing and gives v back.
int snapToGrid(int v, int cell);
// The zoom of the slider position 0..100: 0 -> 10, 25 -> 55, 50 -> 100, 51 -> 104, 100 -> 300.
int zoomFromSlider(int position);
// The slider position that shows `zoom` (the nearest one).
int sliderFromZoom(int zoom);

// The size of a placement's box in level pixels.
struct BoxSize {
    int width = 0;
    int height = 0;
};
// The box used to pick a placement with the pointer: what the level view draws of it (a
// background placement's is four pixels narrower and lower per tile than its picture).
// Texts are measured in `measure`'s fonts.
BoxSize hitBox(const Project& project, ObjectKind kind, const Placement& placement,
               const FontMeasure& measure);
// The box framed around a selected placement: what the level view draws of it.
BoxSize selectionBox(const Project& project, ObjectKind kind, const Placement& placement,
                     const FontMeasure& measure);
// The canvas rectangle of a box at (x, y): r(x) .. r(x + width), r(y) .. r(y + height).
CanvasRect canvasBox(int x, int y, BoxSize box, int zoom);
// The size of the text marker, shown for a text placement without text.
inline constexpr BoxSize kTextMarkerSize{40, 9};
// Whether canvas point (qx, qy) lies strictly inside the box of a placement.
bool hits(const Placement& placement, BoxSize box, int zoom, int qx, int qy);

// The hit-test size a placement carries: the tile size of a background type, the icon
// size of an active type; indicator and text placements keep 0.
BoxSize placementSize(const Project& project, ObjectKind kind, int object);

}  // namespace avizad

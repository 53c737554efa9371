#pragma once
// The pixel work of Graphics, as Java 2D does it without antialiasing: source-over blending of
// non-premultiplied ARGB onto an RGB screen or an ARGB image, shapes filled by pixel centres.

#include <cstdint>

namespace avizad::vm {

struct Surface {
    uint32_t* pixels;
    int width;
    int height;
    bool alpha;  // ARGB (a mutable image) or RGB (the screen)
};

struct ClipRect {
    int x, y, w, h;
};

// Source-over of one non-premultiplied ARGB pixel.
void blendPixel(Surface& s, int x, int y, uint32_t argb);

void fillRect(Surface& s, ClipRect c, int x, int y, int w, int h, uint32_t rgb);
// Copies a w x h region of `src` (row length `sw`) at (sx, sy), turned by one of the eight
// Sprite transforms, with its top left corner at (dx, dy). Without `srcAlpha` every source
// pixel is opaque.
void blit(Surface& s, ClipRect c, const uint32_t* src, int sw, int sx, int sy, int w, int h,
          int transform, int dx, int dy, bool srcAlpha);
// The pixel of a w x h region at transformed position (tx, ty): the source position.
void untransform(int transform, int w, int h, int tx, int ty, int& sx, int& sy);

void drawLine(Surface& s, ClipRect c, int x1, int y1, int x2, int y2, uint32_t rgb, bool dotted);
void drawRect(Surface& s, ClipRect c, int x, int y, int w, int h, uint32_t rgb, bool dotted);
void fillTriangle(Surface& s, ClipRect c, int x1, int y1, int x2, int y2, int x3, int y3,
                  uint32_t rgb);
void drawArc(Surface& s, ClipRect c, int x, int y, int w, int h, int start, int extent,
             uint32_t rgb, bool fill);
void drawRoundRect(Surface& s, ClipRect c, int x, int y, int w, int h, int aw, int ah, uint32_t rgb,
                   bool fill);

}  // namespace avizad::vm

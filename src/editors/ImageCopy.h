#pragma once
// Copying parts of images: a rectangle into a new image, or into a place of another
// image over white (the pictures the palette and the level view show are opaque).

#include "editors/PixelRect.h"
#include "model/Image.h"

namespace avizad {

inline constexpr Color kWhite = 0xFFFFFF;

// The pixels of `area` of `source` as an image of the area's size; the parts of the
// area outside the source stay transparent.
Image copyArea(const Image& source, const PixelRect& area);

// Draws `area` of `source` at (x, y) of `target`, each pixel blended over white by its
// alpha; pixels outside either image are skipped.
void drawArea(Image& target, int x, int y, const Image& source, const PixelRect& area);

}  // namespace avizad

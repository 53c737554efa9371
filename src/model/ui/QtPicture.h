#pragma once
// Model pictures (COLORREF pixels, optional alpha plane) as Qt images, for drawing.

#include <QImage>

#include "model/Image.h"

namespace avizad {

// A 32-bit copy of the picture: ARGB where it has an alpha plane, opaque RGB otherwise;
// a null image for a null picture.
QImage toQImage(const Image& image);

}  // namespace avizad

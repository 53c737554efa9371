#pragma once
// Model images for Qt painting.

#include <QImage>

#include "model/Image.h"

namespace avizad {

// An ARGB copy of the image (opaque where it has no alpha plane).
QImage toQImage(const Image& image);

}  // namespace avizad

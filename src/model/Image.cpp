#include "model/Image.h"

#include <algorithm>

namespace avizad {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   fill & 0x00FFFFFF);
}

void Image::resize(int width, int height, Color fill) {
    Image resized(width, height, fill);
    const int w = std::min(width_, resized.width_);
    const int h = std::min(height_, resized.height_);
    if (hasAlpha()) {
        resized.alpha_.assign(resized.pixels_.size(), 255);
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            resized.pixels_[resized.index(x, y)] = pixels_[index(x, y)];
            if (hasAlpha()) {
                resized.alpha_[resized.index(x, y)] = alpha_[index(x, y)];
            }
        }
    }
    *this = std::move(resized);
}

void Image::setAlpha(int x, int y, std::uint8_t a) {
    if (!contains(x, y)) {
        return;
    }
    if (!hasAlpha()) {
        if (a == 255) {
            return;
        }
        alpha_.assign(pixels_.size(), 255);
    }
    alpha_[index(x, y)] = a;
}

}  // namespace avizad

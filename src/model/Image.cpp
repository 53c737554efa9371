#include "model/Image.h"

#include <algorithm>

namespace avizad {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    const std::size_t size = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    if (size > 0) {
        pixels_ = std::make_shared<std::vector<Color>>(size, fill & 0x00FFFFFF);
    }
}

const std::vector<Color>& Image::empty() {
    static const std::vector<Color> none;
    return none;
}

std::vector<Color>& Image::pixels() {
    if (!pixels_) {
        pixels_ = std::make_shared<std::vector<Color>>();
    } else if (pixels_.use_count() > 1) {
        pixels_ = std::make_shared<std::vector<Color>>(*pixels_);
    }
    return *pixels_;
}

void Image::resize(int width, int height, Color fill) {
    Image resized(width, height, fill);
    const int w = std::min(width_, resized.width_);
    const int h = std::min(height_, resized.height_);
    if (!resized.pixels_) {
        *this = std::move(resized);
        return;
    }
    if (hasAlpha()) {
        resized.alpha_ = std::make_shared<std::vector<std::uint8_t>>(resized.pixels_->size(), 255);
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            (*resized.pixels_)[resized.index(x, y)] = (*pixels_)[index(x, y)];
            if (hasAlpha()) {
                (*resized.alpha_)[resized.index(x, y)] = (*alpha_)[index(x, y)];
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
        alpha_ = std::make_shared<std::vector<std::uint8_t>>(pixels().size(), 255);
    } else if (alpha_.use_count() > 1) {
        alpha_ = std::make_shared<std::vector<std::uint8_t>>(*alpha_);
    }
    (*alpha_)[index(x, y)] = a;
}

bool Image::operator==(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) {
        return false;
    }
    const bool samePixels = pixels_ == other.pixels_ || pixels() == other.pixels();
    if (!samePixels || hasAlpha() != other.hasAlpha()) {
        return false;
    }
    return !hasAlpha() || alpha_ == other.alpha_ || *alpha_ == *other.alpha_;
}

}  // namespace avizad

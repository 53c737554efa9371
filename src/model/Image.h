#pragma once
// A raster image with per-pixel access; pixels are COLORREF values. An image may
// also carry an alpha plane (kept from a PNG file so that it can be written again).
// Copies share their pixels until one of them is written (copy on write), so the
// undo history of the editor keeps pictures at no cost.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/Color.h"

namespace avizad {

class Image {
public:
    Image() = default;
    // An image of the given size filled with `fill`; negative sizes give an empty image.
    Image(int width, int height, Color fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The pixel at (x, y), or kNoColor (-1) outside the image.
    Color pixel(int x, int y) const { return contains(x, y) ? (*pixels_)[index(x, y)] : kNoColor; }
    // Sets the colour of (x, y); a point outside the image is ignored.
    void setPixel(int x, int y, Color c) {
        if (contains(x, y)) {
            pixels()[index(x, y)] = c & 0x00FFFFFF;
        }
    }

    // Resizes to width x height; the kept area keeps its pixels, new pixels are `fill`.
    void resize(int width, int height, Color fill = 0);

    // Alpha plane: empty for an opaque image.
    bool hasAlpha() const { return alpha_ != nullptr; }
    std::uint8_t alpha(int x, int y) const {
        return contains(x, y) ? (hasAlpha() ? (*alpha_)[index(x, y)] : 255) : 0;
    }
    void setAlpha(int x, int y, std::uint8_t a);
    void dropAlpha() { alpha_.reset(); }

    // Row-major pixel storage (y * width + x), for fast bulk access. The writable
    // form gives this image its own copy first when the pixels are shared.
    const std::vector<Color>& pixels() const { return pixels_ ? *pixels_ : empty(); }
    std::vector<Color>& pixels();

    // Whether two images share one pixel buffer (a copy not written since).
    bool sharesPixelsWith(const Image& other) const { return pixels_ == other.pixels_; }

    bool operator==(const Image& other) const;

private:
    static const std::vector<Color>& empty();
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<std::vector<Color>> pixels_;
    std::shared_ptr<std::vector<std::uint8_t>> alpha_;
};

}  // namespace avizad

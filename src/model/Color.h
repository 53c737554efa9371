#pragma once
// Colours are COLORREF values: 0x00BBGGRR, red in the low byte.

#include <cstdint>

namespace avizad {

using Color = std::int32_t;

// The value a read outside an image yields; also written for the border of a pixel block.
inline constexpr Color kNoColor = -1;

// RGB of three components, each taken modulo 256.
constexpr Color rgb(int r, int g, int b) {
    auto byte = [](int v) { return ((v % 256) + 256) % 256; };
    return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}
constexpr int redOf(Color c) {
    return c & 0xFF;
}
constexpr int greenOf(Color c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Color c) {
    return (c >> 16) & 0xFF;
}

}  // namespace avizad

#pragma once
// A rectangle of pixels: left and top edge, width and height.

namespace avizad {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

// The quotient of two integers rounded to the nearest integer, halves to the even
// neighbour (100 / 3 = 33, 5 / 2 = 2, 7 / 2 = 4); 0 when the divisor is not positive.
int roundedQuotient(int numerator, int denominator);

}  // namespace avizad

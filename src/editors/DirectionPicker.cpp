#include "editors/DirectionPicker.h"

#include <cstdlib>

namespace avizad {

PixelPoint pickerCentre(int width, int height) {
    return PixelPoint{roundedQuotient(width, 2), roundedQuotient(height, 2)};
}

Direction chooseDirection(int x, int y, int width, int height, Direction previous) {
    const PixelPoint centre = pickerCentre(width, height);
    const int dx = x - centre.x;
    const int dy = y - centre.y;
    if (std::abs(dy) < std::abs(dx)) {
        return dx > 0 ? Direction::Right : Direction::Left;
    }
    if (std::abs(dy) > std::abs(dx)) {
        return dy < 0 ? Direction::Up : Direction::Down;
    }
    return previous;
}

std::vector<PixelPoint> arrowFigure(Direction direction, int width, int height) {
    const PixelPoint c = pickerCentre(width, height);
    switch (direction) {
        case Direction::Right:
            return {c,
                    {width - 30, c.y},
                    {width - 30, c.y - 5},
                    {width - 20, c.y},
                    {width - 30, c.y + 5},
                    {width - 30, c.y}};
        case Direction::Left:
            return {c, {30, c.y}, {30, c.y - 5}, {20, c.y}, {30, c.y + 5}, {30, c.y}};
        case Direction::Up:
            return {c, {c.x, 30}, {c.x - 5, 30}, {c.x, 20}, {c.x + 5, 30}, {c.x, 30}};
        case Direction::Down:
            return {c,
                    {c.x, height - 30},
                    {c.x - 5, height - 30},
                    {c.x, height - 20},
                    {c.x + 5, height - 30},
                    {c.x, height - 30}};
    }
    return {};
}

std::vector<PixelPoint> startLine(int width, int height) {
    const PixelPoint c = pickerCentre(width, height);
    return {c, {width - 20, c.y}};
}

}  // namespace avizad

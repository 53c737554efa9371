#include "editors/TileGrid.h"

#include <algorithm>
#include <cmath>

namespace avizad {

int roundedQuotient(int numerator, int denominator) {
    if (denominator <= 0) {
        return 0;
    }
    return static_cast<int>(
        std::nearbyint(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

TileGrid TileGrid::cut(int imageWidth, int imageHeight, int across, int down) {
    TileGrid grid;
    grid.across = std::max(1, across);
    grid.down = std::max(1, down);
    grid.tileWidth = roundedQuotient(imageWidth, grid.across);
    grid.tileHeight = roundedQuotient(imageHeight, grid.down);
    return grid;
}

TileGrid TileGrid::ofObject(const BackgroundObject& object) {
    TileGrid grid;
    grid.across =
        std::clamp(roundedQuotient(object.tileSetWidth, object.tileWidth), 1, kMaxTilesAcross);
    grid.down =
        std::clamp(roundedQuotient(object.tileSetHeight, object.tileHeight), 1, kMaxTilesAcross);
    grid.tileWidth = object.tileWidth;
    grid.tileHeight = object.tileHeight;
    return grid;
}

PixelRect TileGrid::tile(int k) const {
    const int c = (k - 1) % across;
    const int r = (k - 1) / across;
    return PixelRect{tileWidth * c, tileHeight * r, tileWidth, tileHeight};
}

}  // namespace avizad

#include "editors/MapPicture.h"

#include "editors/ImageCopy.h"

namespace avizad {

Image renderMapPicture(const Image& tileSet, const TileGrid& grid, const TileMap& map, int columns,
                       int rows) {
    Image picture(columns * grid.tileWidth, rows * grid.tileHeight, kWhite);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const int tile = map.at(r, c);
            if (grid.holds(tile)) {
                drawArea(picture, grid.tileWidth * (c - 1), grid.tileHeight * (r - 1), tileSet,
                         grid.tile(tile));
            }
        }
    }
    return picture;
}

void clearMapArea(TileMap& map, int columns, int rows) {
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (map.at(r, c) != 0) {  // reading first keeps an untouched map unallocated
                map.at(r, c) = 0;
            }
        }
    }
}

}  // namespace avizad

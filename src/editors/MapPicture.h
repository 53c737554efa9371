#pragma once
// The picture of a background's whole map: every cell shows its tile of the tile set at
// natural size; empty cells (0, or a number the tile set does not have) stay white.

#include "editors/TileGrid.h"
#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

// columns * tileWidth by rows * tileHeight pixels; cell (c, r) covers the rectangle from
// (tileWidth * (c - 1), tileHeight * (r - 1)). `map` is indexed [row][column].
Image renderMapPicture(const Image& tileSet, const TileGrid& grid, const TileMap& map, int columns,
                       int rows);

// Empties the cells of rows 1..rows and columns 1..columns; the cells outside keep
// their numbers.
void clearMapArea(TileMap& map, int columns, int rows);

}  // namespace avizad

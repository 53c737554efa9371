#include "editors/BackgroundDraft.h"

#include <algorithm>
#include <cstdlib>

#include "editors/MapPicture.h"

namespace avizad {

void BackgroundDraft::startNew(std::string newName) {
    *this = BackgroundDraft{};
    name = std::move(newName);
}

void BackgroundDraft::loadImage(Image image) {
    clearMap();
    tileSet = std::move(image);
    imageLoaded = true;
}

void BackgroundDraft::open(const BackgroundObject& object) {
    kind = object.kind;
    tileSet = object.tileSet;
    imageLoaded = true;
    const TileGrid stored = TileGrid::ofObject(object);
    tilesAcross = stored.across;
    tilesDown = stored.down;
    columns = std::clamp(object.columns, 1, kMaxMapCells);
    rows = std::clamp(object.rows, 1, kMaxMapCells);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (map.at(r, c) != object.tileMap.at(r, c)) {
                map.at(r, c) = object.tileMap.at(r, c);
            }
        }
    }
    name = object.name;
    propertyNames = object.propertyNames;
    propertyValues = object.propertyValues;
}

void BackgroundDraft::paint(int column, int row, bool leftButton) {
    if (column < 1 || column > columns || row < 1 || row > rows) {
        return;
    }
    map.at(row, column) = leftButton ? selectedTile : 0;
}

void BackgroundDraft::paintStroke(int fromColumn, int fromRow, int toColumn, int toRow,
                                  bool leftButton) {
    // Bresenham's line over cells.
    const int dc = std::abs(toColumn - fromColumn);
    const int dr = -std::abs(toRow - fromRow);
    const int sc = fromColumn < toColumn ? 1 : -1;
    const int sr = fromRow < toRow ? 1 : -1;
    int error = dc + dr;
    int c = fromColumn;
    int r = fromRow;
    while (true) {
        paint(c, r, leftButton);
        if (c == toColumn && r == toRow) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= dr) {
            error += dr;
            c += sc;
        }
        if (twice <= dc) {
            error += dc;
            r += sr;
        }
    }
}

void BackgroundDraft::clearMap() {
    clearMapArea(map, columns, rows);
}

void BackgroundDraft::storeInto(BackgroundObject& object) const {
    const TileGrid tiles = grid();
    object.tileSet = tileSet;
    object.tileSetWidth = tileSet.width();
    object.tileSetHeight = tileSet.height();
    if (kind >= 0) {
        object.kind = kind;
    }
    object.name = name;
    object.tileWidth = tiles.tileWidth;
    object.tileHeight = tiles.tileHeight;
    object.columns = columns;
    object.rows = rows;
    TileMap stored;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (map.at(r, c) != 0) {
                stored.at(r, c) = map.at(r, c);
            }
        }
    }
    object.tileMap = stored;
    object.mapPicture = renderMapPicture(tileSet, tiles, map, columns, rows);
    object.mapPictureWidth = object.mapPicture.width();
    object.mapPictureHeight = object.mapPicture.height();
    object.propertyNames = propertyNames;
    object.propertyValues = propertyValues;
}

}  // namespace avizad

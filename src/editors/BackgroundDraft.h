#pragma once
// The working state of the background object editor and how it becomes a stored
// BackgroundObject: the tile set, the two tile counts, the map size, the cells
// ([row][column], room for 100 x 100), the kind, the name and the properties.

#include <string>

#include "editors/TileGrid.h"
#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

struct BackgroundDraft {
    std::string name = "fon1";
    int kind = -1;  // 0 neutral, 1 obstacle, 2 ladder; -1 = no kind chosen yet
    Image tileSet;
    bool imageLoaded = false;
    int tilesAcross = 1;
    int tilesDown = 1;
    int columns = 1;
    int rows = 1;
    TileMap map;
    int selectedTile = 0;  // chosen in the tile list; 0 until one is chosen
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    // A new object: every value back to its default (no tile set, counts 1, empty cells,
    // no tile chosen, no kind), named `newName`.
    void startNew(std::string newName);
    // A newly loaded tile set: the cells of the map's current size are emptied.
    void loadImage(Image image);
    // The object's values; the map's cells outside its size keep their numbers.
    void open(const BackgroundObject& object);

    TileGrid grid() const {
        return TileGrid::cut(tileSet.width(), tileSet.height(), tilesAcross, tilesDown);
    }
    // The left button puts the chosen tile into a cell, any other button empties it.
    void paint(int column, int row, bool leftButton);
    // A stroke of the pointer from one cell to the next: every cell on the straight line
    // between them (both included) is painted.
    void paintStroke(int fromColumn, int fromRow, int toColumn, int toRow, bool leftButton);
    // Empties every cell of the map's current size.
    void clearMap();

    // Writes everything the editor owns into `object` (tile size, tile set, map, map
    // picture, name, kind when chosen, properties); the other fields stay.
    void storeInto(BackgroundObject& object) const;
};

}  // namespace avizad

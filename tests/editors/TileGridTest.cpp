// Tile sizes and numbering, the map picture and the map's cells.

#include <gtest/gtest.h>

#include "editors/BackgroundDraft.h"
#include "editors/MapPicture.h"
#include "editors/TileGrid.h"

namespace avizad {
namespace {

TEST(TileGridTest, TilesAreNumberedLeftToRightThenTopToBottom) {
    const TileGrid grid = TileGrid::cut(96, 64, 3, 2);
    EXPECT_EQ(grid.tileWidth, 32);
    EXPECT_EQ(grid.tileHeight, 32);
    EXPECT_EQ(grid.tileCount(), 6);
    const PixelRect expected[] = {{0, 0, 32, 32},  {32, 0, 32, 32},  {64, 0, 32, 32},
                                  {0, 32, 32, 32}, {32, 32, 32, 32}, {64, 32, 32, 32}};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(grid.tile(k), expected[k - 1]) << "tile " << k;
    }
    EXPECT_FALSE(grid.holds(0));
    EXPECT_FALSE(grid.holds(7));
}

TEST(TileGridTest, TileSizesRoundHalvesToEven) {
    struct Case {
        int width, across, tileWidth;
    } cases[] = {{100, 3, 33}, {5, 2, 2}, {7, 2, 4}, {3, 2, 2}, {10, 4, 2}, {1, 20, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(TileGrid::cut(c.width, 10, c.across, 1).tileWidth, c.tileWidth)
            << c.width << " / " << c.across;
    }
}

TEST(TileGridTest, StoredObjectGivesBackItsTileCounts) {
    BackgroundObject object;
    object.tileSetWidth = 100;
    object.tileSetHeight = 64;
    object.tileWidth = 33;
    object.tileHeight = 32;
    const TileGrid grid = TileGrid::ofObject(object);
    EXPECT_EQ(grid.across, 3);
    EXPECT_EQ(grid.down, 2);
    object.tileWidth = 0;  // a damaged file must not divide by zero
    EXPECT_EQ(TileGrid::ofObject(object).across, 1);
}

// A 6 x 4 tile set of 3 x 2 tiles of 2 x 2 pixels, tile k coloured k.
Image numberedTiles() {
    Image image(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            image.setPixel(x, y, (y / 2) * 3 + x / 2 + 1);
        }
    }
    return image;
}

TEST(MapPictureTest, CellsShowTheirTilesAndEmptyCellsStayWhite) {
    TileMap map;
    map.at(1, 1) = 6;
    map.at(1, 3) = 2;
    map.at(2, 2) = 9;  // no such tile
    const Image picture = renderMapPicture(numberedTiles(), TileGrid::cut(6, 4, 3, 2), map, 3, 2);
    ASSERT_EQ(picture.width(), 6);
    ASSERT_EQ(picture.height(), 4);
    EXPECT_EQ(picture.pixel(0, 0), 6);
    EXPECT_EQ(picture.pixel(1, 1), 6);
    EXPECT_EQ(picture.pixel(2, 0), 0xFFFFFF);
    EXPECT_EQ(picture.pixel(4, 1), 2);
    EXPECT_EQ(picture.pixel(3, 3), 0xFFFFFF);
}

TEST(MapPictureTest, TransparentTilePixelsAreBlendedOverWhite) {
    Image tiles(1, 1, 0);
    tiles.setAlpha(0, 0, 0);
    TileMap map;
    map.at(1, 1) = 1;
    EXPECT_EQ(renderMapPicture(tiles, TileGrid::cut(1, 1, 1, 1), map, 1, 1).pixel(0, 0), 0xFFFFFF);
}

TEST(BackgroundDraftTest, StoresMapSizeCellsAndPicture) {
    BackgroundDraft draft;
    draft.loadImage(numberedTiles());
    draft.tilesAcross = 3;
    draft.tilesDown = 2;
    draft.columns = 3;
    draft.rows = 2;
    draft.paint(1, 1, true);  // no tile chosen yet: stores 0
    EXPECT_EQ(draft.map.at(1, 1), 0);
    draft.selectedTile = 5;
    draft.paint(3, 2, true);
    draft.paint(1, 1, true);
    draft.paint(1, 1, false);  // any other button empties
    draft.name = "ground";
    draft.kind = 1;
    BackgroundObject object;
    object.reservedInt = 7;
    draft.storeInto(object);
    EXPECT_EQ(object.name, "ground");
    EXPECT_EQ(object.kind, 1);
    EXPECT_EQ(object.tileWidth, 2);
    EXPECT_EQ(object.tileHeight, 2);
    EXPECT_EQ(object.columns, 3);
    EXPECT_EQ(object.rows, 2);
    EXPECT_EQ(object.tileMap.at(2, 3), 5);
    EXPECT_EQ(object.tileMap.at(1, 1), 0);
    EXPECT_EQ(object.tileSetWidth, 6);
    EXPECT_EQ(object.mapPictureWidth, 6);
    EXPECT_EQ(object.mapPictureHeight, 4);
    EXPECT_EQ(object.mapPicture.pixel(5, 3), 5);
    EXPECT_EQ(object.mapPicture.pixel(0, 0), 0xFFFFFF);
    EXPECT_EQ(object.reservedInt, 7);
    draft.kind = -1;  // no kind chosen: the stored one stays
    draft.storeInto(object);
    EXPECT_EQ(object.kind, 1);
}

TEST(BackgroundDraftTest, AStrokePaintsEveryCellOnItsWayAndStaysOnTheMap) {
    BackgroundDraft draft;
    draft.columns = 6;
    draft.rows = 4;
    draft.selectedTile = 2;
    draft.paintStroke(1, 1, 5, 3, true);  // a slanted stroke: no gaps between its cells
    int painted = 0;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 6; ++c) {
            painted += draft.map.at(r, c) == 2 ? 1 : 0;
        }
    }
    EXPECT_EQ(painted, 5);
    EXPECT_EQ(draft.map.at(1, 1), 2);
    EXPECT_EQ(draft.map.at(2, 3), 2);
    EXPECT_EQ(draft.map.at(3, 5), 2);
    draft.paintStroke(5, 3, 9, 3, false);  // the right button empties; off the map nothing
    EXPECT_EQ(draft.map.at(3, 5), 0);
    EXPECT_EQ(draft.map.at(3, 6), 0);
}

TEST(BackgroundDraftTest, NewImageEmptiesOnlyTheCellsOfTheCurrentSize) {
    BackgroundDraft draft;
    draft.selectedTile = 4;
    draft.columns = 3;
    draft.rows = 3;
    draft.loadImage(numberedTiles());
    draft.paint(3, 3, true);
    draft.paint(1, 1, true);
    draft.columns = 2;
    draft.rows = 2;
    draft.loadImage(numberedTiles());
    EXPECT_EQ(draft.map.at(1, 1), 0);
    EXPECT_EQ(draft.map.at(3, 3), 4);  // shows again when the map grows
    draft.columns = 3;
    draft.rows = 3;
    draft.clearMap();
    EXPECT_EQ(draft.map.at(3, 3), 0);
}

TEST(BackgroundDraftTest, OpenGivesBackWhatWasStored) {
    BackgroundDraft first;
    first.loadImage(numberedTiles());
    first.tilesAcross = 3;
    first.tilesDown = 2;
    first.columns = 4;
    first.rows = 2;
    first.selectedTile = 3;
    first.paint(4, 2, true);
    first.kind = 2;
    first.propertyNames[2] = "hp";
    BackgroundObject object;
    first.storeInto(object);

    BackgroundDraft second;
    second.open(object);
    EXPECT_EQ(second.tilesAcross, 3);
    EXPECT_EQ(second.tilesDown, 2);
    EXPECT_EQ(second.columns, 4);
    EXPECT_EQ(second.rows, 2);
    EXPECT_EQ(second.kind, 2);
    EXPECT_EQ(second.map.at(2, 4), 3);
    EXPECT_EQ(second.propertyNames[2], "hp");
    BackgroundObject again;
    second.storeInto(again);
    EXPECT_EQ(again, object);
}

}  // namespace
}  // namespace avizad

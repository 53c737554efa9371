#pragma once
// How a background's tile set is cut into tiles: `across` tiles side by side and `down`
// rows of them, each round(width / across) by round(height / down) pixels, numbered from
// 1 left to right and then top to bottom.

#include "editors/PixelRect.h"
#include "model/Project.h"

namespace avizad {

inline constexpr int kMaxTilesAcross = 20;  // each tile-count box goes from 1 to 20

struct TileGrid {
    int across = 1;
    int down = 1;
    int tileWidth = 0;
    int tileHeight = 0;

    // A tile set of imageWidth x imageHeight cut into across x down tiles (counts below
    // 1 count as 1).
    static TileGrid cut(int imageWidth, int imageHeight, int across, int down);
    // The tile counts of a stored object, round(tileSetWidth / tileWidth) and
    // round(tileSetHeight / tileHeight), kept within 1..20.
    static TileGrid ofObject(const BackgroundObject& object);

    int tileCount() const { return across * down; }
    bool holds(int tile) const { return tile >= 1 && tile <= tileCount(); }
    // The rectangle of tile k (1..tileCount()) in the tile set.
    PixelRect tile(int k) const;

    bool operator==(const TileGrid&) const = default;
};

}  // namespace avizad

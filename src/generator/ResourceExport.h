#pragma once
// The resource export of the build: the images of the object types and the tile maps
// of a level's background placements, written to System/res.

#include <optional>
#include <string>

#include "generator/BuildFolders.h"
#include "model/Color.h"
#include "model/Project.h"

namespace avizad {

class ResourceExport {
public:
    ResourceExport(const Project& project, BuildFolders folders);

    // Writes what level `level` needs: the images of all active object types, the
    // tile map "fon" + (level - 1) + "-" + (i - 1) + ".txt" and the tile set image of
    // every background placement i, and the images of all indicator object types.
    // Throws IoError when a file cannot be written or an exported object has no image.
    void exportLevelResources(int level) const;

    // The one line of a tile map file: tileMap[r][c] + "," for every row, then column,
    // ended by CR LF.
    static std::string tileMapText(const BackgroundObject& background);

    // The transparent colour of an active object's strip: the colour of pixel (1, 1)
    // when transparentBackground is 1 and the strip has that pixel, otherwise none.
    static std::optional<Color> stripTransparentColor(const ActiveObject& active);

private:
    const Project& project_;
    BuildFolders folders_;
};

}  // namespace avizad

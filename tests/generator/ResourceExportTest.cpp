// The export of images and tile maps.

#include <gtest/gtest.h>

#include <algorithm>

#include "GeneratorShowcase.h"
#include "GeneratorTestSupport.h"
#include "generator/ResourceExport.h"
#include "generator/StageGenerator.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/Png.h"

namespace avizad {
namespace {

using testing::fileText;
using testing::ProgramFolder;

TEST(TileMapText, IsOneLineOfRowsThenColumns) {
    BackgroundObject background;
    background.rows = 2;
    background.columns = 3;
    int n = 0;
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c) {
            background.tileMap.at(r, c) = n++ * (r == 2 ? -1 : 1);
        }
    }
    background.tileMap.at(3, 1) = 99;  // outside the map
    EXPECT_EQ(ResourceExport::tileMapText(background), "0,1,2,-3,-4,-5,\r\n");
    background.rows = 0;
    EXPECT_EQ(ResourceExport::tileMapText(background), "\r\n");
}

TEST(ExportLevelResources, WritesTileMapsAndImagesUnderTheirNames) {
    ProgramFolder folder;
    const Project project = testing::makeShowcaseProject();
    const ResourceExport exporter(project, folder.folders());
    exporter.exportLevelResources(1);
    const auto res = folder.root() / "System/res";
    // Two placements of the same type: two equal maps, one image.
    EXPECT_EQ(fileText(res / "fon0-0.txt"), "1,1,1,1,1,1,1,2,\r\n");
    EXPECT_EQ(fileText(res / "fon0-1.txt"), fileText(res / "fon0-0.txt"));
    EXPECT_EQ(fileText(res / "fon0-2.txt"), "1,1,1,1,1,1,1,1,1,\r\n");
    EXPECT_FALSE(std::filesystem::exists(res / "fon0-3.txt"));
    EXPECT_EQ(readPng(res / "wall.png"), project.backgrounds[1].tileSet);
    // Russian names are UTF-8 on disk.
    EXPECT_EQ(readPng(res / "трава.png"), project.backgrounds[2].tileSet);
    EXPECT_TRUE(std::filesystem::exists(res / "герой.png"));
    EXPECT_TRUE(std::filesystem::exists(res / "enemy.png"));
    EXPECT_TRUE(std::filesystem::exists(res / "life.png"));
    // The ladder is placed on level 2 only.
    EXPECT_FALSE(std::filesystem::exists(res / "ladder.png"));
    exporter.exportLevelResources(2);
    EXPECT_EQ(fileText(res / "fon1-0.txt"), "1,1,1,1,\r\n");
    EXPECT_TRUE(std::filesystem::exists(res / "ladder.png"));
}

TEST(ExportLevelResources, MakesTheColourOfPixelOneOneTransparent) {
    ProgramFolder folder;
    Project project;
    project.activeCount = 2;
    ActiveObject& a = project.actives[1];
    a.name = "a";
    a.strip = Image(4, 3, rgb(255, 0, 255));
    a.strip.setPixel(0, 0, rgb(1, 2, 3));
    a.strip.setPixel(2, 2, rgb(9, 9, 9));
    a.transparentBackground = 1;
    ActiveObject& b = project.actives[2];  // on no level, kept opaque
    b.name = "b";
    b.strip = a.strip;
    ResourceExport(project, folder.folders()).exportLevelResources(1);
    const Image out = readPng(folder.root() / "System/res/a.png");
    EXPECT_EQ(out.alpha(1, 1), 0);
    EXPECT_EQ(out.alpha(3, 0), 0);
    EXPECT_EQ(out.alpha(0, 0), 255);
    EXPECT_EQ(out.alpha(2, 2), 255);
    EXPECT_EQ(out.pixel(0, 0), rgb(1, 2, 3));
    const Image opaque = readPng(folder.root() / "System/res/b.png");
    EXPECT_EQ(opaque.alpha(1, 1), 255);
    // A strip too small to have pixel (1, 1) has no transparent colour.
    a.strip = Image(1, 1, rgb(5, 5, 5));
    EXPECT_FALSE(ResourceExport::stripTransparentColor(a).has_value());
}

TEST(ExportLevelResources, NeverWritesOutsideTheResourceFolder) {
    ProgramFolder folder;
    Project project;
    project.activeCount = 1;
    project.actives[1].name = "../../escape";
    project.actives[1].strip = Image(2, 2, 0);
    project.indicatorCount = 1;
    project.indicators[1].name = "../outside";
    project.indicators[1].image = Image(2, 2, 0);
    ResourceExport(project, folder.folders()).exportLevelResources(1);
    EXPECT_TRUE(std::filesystem::exists(folder.root() / "System/res/escape.png"));
    EXPECT_TRUE(std::filesystem::exists(folder.root() / "System/res/outside.png"));
    EXPECT_FALSE(std::filesystem::exists(folder.root() / "escape.png"));
    EXPECT_FALSE(std::filesystem::exists(folder.root() / "System/outside.png"));
}

TEST(ExportLevelResources, KeepsTheImagesOfLikeNamedObjectsApart) {
    ProgramFolder folder;
    Project project;
    project.activeCount = 1;
    project.actives[1].name = "tree";
    project.actives[1].strip = Image(2, 2, rgb(1, 1, 1));
    project.backgroundCount = 1;
    project.backgrounds[1].name = "tree.bmp";
    project.backgrounds[1].tileSet = Image(2, 2, rgb(2, 2, 2));
    project.levels[1].backgroundPlacements.add(Placement{0, 0, 1, "tree.bmp", 2, 2});
    project.levels[1].activePlacements.add(Placement{0, 0, 1, "tree", 2, 2});
    ResourceExport(project, folder.folders()).exportLevelResources(1);
    EXPECT_EQ(readPng(folder.root() / "System/res/tree.png").pixel(0, 0), rgb(1, 1, 1));
    EXPECT_EQ(readPng(folder.root() / "System/res/tree-2.png").pixel(0, 0), rgb(2, 2, 2));
    const StageGenerator generator(project, folder.folders());
    const auto values = generator.levelValues(1);
    const auto value = [&](std::string_view name) {
        return std::find_if(values.begin(), values.end(),
                            [&](const LevelValue& v) { return v.first == name; })
            ->second;
    };
    EXPECT_EQ(value("add_act"), "new String[]{\"/tree.png\",}");
    EXPECT_EQ(value("add_fon"), "new String[]{\"/tree-2.png\",}");
}

TEST(ExportLevelResources, ReportsAnObjectWithoutImage) {
    ProgramFolder folder;
    Project project;
    project.indicatorCount = 1;
    project.indicators[1].name = "bar";
    EXPECT_THROW(ResourceExport(project, folder.folders()).exportLevelResources(1), IoError);
    std::filesystem::remove_all(folder.root() / "System/res");
    project.indicators[1].image = Image(2, 2, 0);
    EXPECT_THROW(ResourceExport(project, folder.folders()).exportLevelResources(1), IoError);
}

}  // namespace
}  // namespace avizad

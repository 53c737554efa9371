// The repaint of the level view: its order, the exact rectangles at a zoom, the grid,
// and drawing only what meets the clip.
#include <gtest/gtest.h>

#include "RecordingPainter.h"
#include "level/LevelRenderer.h"

namespace avizad {
namespace {

using testing::RecordingPainter;

const CanvasRect kEverything{-100000, -100000, 100000, 100000};

Project levelWithTwoTiles() {
    Project p;
    p.levels[1].width = 240;
    p.levels[1].height = 320;
    p.backgroundCount = 1;
    BackgroundObject& b = p.backgrounds[1];
    b.tileWidth = b.tileHeight = 16;
    b.columns = 2;
    b.rows = 1;
    b.tileSet = Image(32, 16);  // two tiles side by side
    b.tileSetWidth = 32;
    b.tileSetHeight = 16;
    b.tileMap.at(1, 1) = 1;
    b.tileMap.at(1, 2) = 2;
    Placement pl;
    pl.object = 1;
    pl.x = 10;
    pl.y = 20;
    p.levels[1].backgroundPlacements.add(pl);
    return p;
}

Settings noGrid() {
    Settings s;
    s.screenWidth = 100;
    s.screenHeight = 200;
    return s;
}

TEST(LevelRenderer, PaintsInOrderWithTheExactRectangles) {
    Project p = levelWithTwoTiles();
    p.activeCount = 1;
    p.actives[1].icon = Image(32, 32);
    Placement active;
    active.object = 1;
    active.x = 101;
    p.levels[1].activePlacements.add(active);
    Placement text;
    text.x = 2;
    text.y = 4;
    p.levels[1].textPlacements.add(text);
    LevelView view;
    view.zoom = 50;
    view.selectionFrame = {5, 6, 20, 30};
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, kEverything);
    const std::vector<std::string> expected = {
        "fill 0,0-120,160",
        "frame 0,0-120,160",
        "picture 32 0,0-16,16 -> 5,10-13,18",
        "picture 32 16,0-32,16 -> 13,10-21,18",
        "picture 32 0,0-32,32 -> 50,0-66,16",  // 50.5 -> 50, 66.5 -> 66
        "text 1,2-21,6",
        "frame 5,6-20,30",
        "frame 6,7-19,29",
        "frame 0,0-50,100"};
    EXPECT_EQ(painter.calls, expected);
}

TEST(LevelRenderer, ObjectsLookAsTheGameStartsThem) {
    Project p = levelWithTwoTiles();
    p.activeCount = 1;
    ActiveObject& hero = p.actives[1];
    hero.strip = Image(8, 4, rgb(255, 0, 255));  // two frames on a magenta backdrop
    hero.frameWidth = 4;
    hero.frameHeight = 4;
    hero.icon = Image(4, 4, rgb(0, 255, 0));  // a stored icon the game never shows
    hero.iconWidth = hero.iconHeight = 4;
    hero.transparentBackground = 1;
    hero.animation[1][static_cast<int>(Direction::Right)][static_cast<int>(AnimationState::Idle)] =
        2;
    p.indicatorCount = 1;
    p.indicators[1].image = Image(40, 8);
    p.indicators[1].imageWidth = 40;
    p.indicators[1].imageHeight = 8;
    p.indicators[1].amount = 3;
    p.textCount = 2;
    p.texts[1].lineCount = 1;
    p.texts[1].lines[1] = "Hi";
    Level& level = p.levels[1];
    for (ObjectKind kind : {ObjectKind::Active, ObjectKind::Indicator, ObjectKind::Text}) {
        Placement pl;
        pl.object = 1;
        pl.x = 10;
        pl.y = 20;
        level.placements(kind).add(pl);
    }
    Placement empty;
    empty.object = 2;  // a text without lines: the marker
    level.textPlacements.add(empty);
    LevelView view;
    view.zoom = 200;
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, kEverything, RenderLayers::Overlay);
    // The text in the phone's small font of a 240 x 320 screen, at 200 %.
    const TextLook look = textLook(p.texts[1], FontMeasure(240, 320));
    ASSERT_EQ(look.height, FontMeasure(240, 320).height(look.font));
    const std::vector<std::string> expected = {
        "picture 4 alpha 0,0-4,4 -> 20,40-28,48",  // frame 2, its backdrop transparent
        "rows 1 Hi 200 20,40-" + std::to_string(20 + 2 * look.width) + "," +
            std::to_string(40 + 2 * look.height),
        "text 0,0-80,18",
        "picture 40 20,0-40,8 -> 20,40-60,56",  // the empty half: the game starts at 0
        "frame 0,0-200,400"};
    EXPECT_EQ(painter.calls, expected);
}

TEST(LevelRenderer, TilesAtZoom55) {
    const Project p = levelWithTwoTiles();
    LevelView view;
    view.zoom = 55;
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, kEverything, RenderLayers::Backgrounds);
    ASSERT_EQ(painter.count("picture"), 2);
    EXPECT_EQ(painter.calls[3], "picture 32 16,0-32,16 -> 14,11-23,20");
    view.zoom = 100;
    painter.calls.clear();
    renderLevel(p, 1, noGrid(), view, painter, kEverything, RenderLayers::Backgrounds);
    EXPECT_EQ(painter.calls[2], "picture 32 0,0-16,16 -> 10,20-26,36");
    EXPECT_EQ(painter.calls[3], "picture 32 16,0-32,16 -> 26,20-42,36");
}

TEST(LevelRenderer, LevelAreaFollowsTheZoom) {
    const Project p = levelWithTwoTiles();
    LevelView view;
    view.zoom = 300;
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, kEverything, RenderLayers::Backgrounds);
    EXPECT_EQ(painter.calls[0], "fill 0,0-720,960");
}

TEST(LevelRenderer, EmptyCellsAndUnknownTilesDrawNothing) {
    Project p = levelWithTwoTiles();
    p.backgrounds[1].tileMap.at(1, 1) = 0;
    p.backgrounds[1].tileMap.at(1, 2) = 3;  // only two tiles in the set
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), LevelView{}, painter, kEverything);
    EXPECT_EQ(painter.count("picture"), 0);
}

TEST(LevelRenderer, GridHasSixteenColumnsOnA240PixelLevel) {
    const Project p = levelWithTwoTiles();
    Settings s = noGrid();
    s.gridWidth = s.gridHeight = 16;
    LevelView view;
    view.showGrid = true;
    RecordingPainter painter;
    renderLevel(p, 1, s, view, painter, kEverything);
    EXPECT_EQ(painter.count("dot"), 16 * 21);  // 320 / 16 = 20 -> 21 rows
    EXPECT_NE(std::find(painter.calls.begin(), painter.calls.end(), "dot 238,-2-241,1"),
              painter.calls.end());
    EXPECT_NE(std::find(painter.calls.begin(), painter.calls.end(), "dot 14,14-17,17"),
              painter.calls.end());
    s.gridWidth = 0;  // a cell of no size draws no dots and divides by nothing
    painter.calls.clear();
    renderLevel(p, 1, s, view, painter, kEverything);
    EXPECT_EQ(painter.count("dot"), 0);
}

TEST(LevelRenderer, TrajectoryPointsOnlyInTrajectoryMode) {
    Project p = levelWithTwoTiles();
    TrajectoryPoint point;
    point.x = 40;
    point.y = 60;
    p.levels[1].trajectories[2].points.add(point);
    LevelView view;
    view.currentTrajectory = 2;
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, kEverything);
    EXPECT_EQ(painter.count("label"), 0);
    view.editMode = EditMode::Trajectory;
    renderLevel(p, 1, noGrid(), view, painter, kEverything);
    EXPECT_NE(std::find(painter.calls.begin(), painter.calls.end(), "fill 37,57-43,63"),
              painter.calls.end());
    EXPECT_NE(std::find(painter.calls.begin(), painter.calls.end(), "label 1 50,70"),
              painter.calls.end());
}

TEST(LevelRenderer, CellsUnderALaterOpaqueMapAreSkipped) {
    Project p = levelWithTwoTiles();  // map 32 x 16 at (10, 20)
    Placement under;
    under.object = 1;
    under.x = 26;  // its first cell lies under the second cell of the map above
    under.y = 20;
    p.levels[1].backgroundPlacements.add(under);
    std::swap(p.levels[1].backgroundPlacements[1], p.levels[1].backgroundPlacements[2]);
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), LevelView{}, painter, kEverything, RenderLayers::Backgrounds);
    const std::vector<std::string> expected = {
        "fill 0,0-240,320", "frame 0,0-240,320",
        "picture 32 16,0-32,16 -> 42,20-58,36",  // the covered cell is not drawn
        "picture 32 0,0-16,16 -> 10,20-26,36", "picture 32 16,0-32,16 -> 26,20-42,36"};
    EXPECT_EQ(painter.calls, expected);
    // A map with an empty cell covers nothing.
    p.backgrounds[1].tileMap.at(1, 1) = 0;
    painter.calls.clear();
    renderLevel(p, 1, noGrid(), LevelView{}, painter, kEverything, RenderLayers::Backgrounds);
    EXPECT_EQ(painter.count("picture"), 2);  // one cell of each placement
}

TEST(LevelRenderer, NoLevelDrawsNothing) {
    const Project p = levelWithTwoTiles();
    RecordingPainter painter;
    renderLevel(p, 0, noGrid(), LevelView{}, painter, kEverything);
    renderLevel(p, 2, noGrid(), LevelView{}, painter, kEverything);
    EXPECT_TRUE(painter.calls.empty());
}

TEST(LevelRenderer, OnlyVisibleCellsAreDrawn) {
    Project p;
    p.levels[1].width = p.levels[1].height = 10000;
    p.backgroundCount = 1;
    BackgroundObject& b = p.backgrounds[1];
    b.tileWidth = b.tileHeight = 16;
    b.columns = b.rows = 100;
    b.tileSet = Image(16, 16);
    b.tileSetWidth = b.tileSetHeight = 16;
    for (int r = 1; r <= 100; ++r) {
        for (int c = 1; c <= 100; ++c) {
            b.tileMap.at(r, c) = 1;
        }
    }
    Placement pl;
    pl.object = 1;
    p.levels[1].backgroundPlacements.add(pl);
    LevelView view;
    view.zoom = 300;
    RecordingPainter painter;
    renderLevel(p, 1, noGrid(), view, painter, {480, 480, 960, 960}, RenderLayers::Backgrounds);
    EXPECT_EQ(painter.count("picture"), 10 * 10);  // cells 11..20 of each side
}

}  // namespace
}  // namespace avizad

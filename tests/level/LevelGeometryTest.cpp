// Scaling, snapping, the zoom slider and the hit and selection boxes.
#include <gtest/gtest.h>

#include "level/LevelGeometry.h"

namespace avizad {
namespace {

TEST(LevelGeometry, ScalingRoundsHalvesToEven) {
    struct Case {
        int v, zoom, canvas;
    };
    for (const Case& c : {Case{101, 50, 50}, Case{133, 50, 66}, Case{26, 55, 14}, Case{42, 55, 23},
                          Case{36, 55, 20}, Case{20, 55, 11}, Case{240, 300, 720},
                          Case{-101, 50, -50}, Case{-3, 50, -2}}) {
        EXPECT_EQ(toCanvas(c.v, c.zoom), c.canvas) << c.v << " at " << c.zoom;
    }
}

TEST(LevelGeometry, PointerToLevelPosition) {
    EXPECT_EQ(toLevel(100, 50), 200);
    EXPECT_EQ(toLevel(52, 104), 50);
    EXPECT_EQ(toLevel(1, 300), 0);  // 0.33
    EXPECT_EQ(toLevel(3, 200), 2);  // 1.5 -> 2
    EXPECT_EQ(toLevel(5, 200), 2);  // 2.5 -> 2
}

TEST(LevelGeometry, SnappingToTheCell) {
    struct Case {
        int v, cell, snapped;
    };
    for (const Case& c : {Case{23, 16, 16}, Case{24, 16, 32}, Case{40, 16, 32}, Case{8, 16, 0},
                          Case{-24, 16, -32}, Case{23, 0, 23}, Case{23, -5, 23}, Case{7, 1, 7}}) {
        EXPECT_EQ(snapToGrid(c.v, c.cell), c.snapped) << c.v << " / " << c.cell;
    }
}

TEST(LevelGeometry, ZoomFromSlider) {
    const int positions[] = {0, 25, 50, 51, 100, -5, 120};
    const int zooms[] = {10, 55, 100, 104, 300, 10, 300};
    for (std::size_t i = 0; i < std::size(positions); ++i) {
        EXPECT_EQ(zoomFromSlider(positions[i]), zooms[i]) << positions[i];
    }
    EXPECT_EQ(sliderFromZoom(100), 50);
    EXPECT_EQ(sliderFromZoom(300), 100);
}

TEST(LevelGeometry, BackgroundHitBoxIsNarrowerThanItsFrame) {
    const FontMeasure measure;
    Project p;
    p.backgroundCount = 1;
    p.backgrounds[1].tileWidth = 32;
    p.backgrounds[1].tileHeight = 32;
    p.backgrounds[1].columns = 10;
    p.backgrounds[1].rows = 1;
    Placement pl;
    pl.object = 1;
    const BoxSize hit = hitBox(p, ObjectKind::Background, pl, measure);
    EXPECT_EQ(hit.width, 280);
    EXPECT_EQ(selectionBox(p, ObjectKind::Background, pl, measure).width, 320);
    EXPECT_FALSE(hits(pl, hit, 100, 0, 5));
    EXPECT_TRUE(hits(pl, hit, 100, 1, 5));
    EXPECT_TRUE(hits(pl, hit, 100, 279, 5));
    EXPECT_FALSE(hits(pl, hit, 100, 280, 5));
    EXPECT_FALSE(hits(pl, hit, 100, 100, 28));  // height 28: 28 is on the edge
    const CanvasRect frame =
        canvasBox(0, 0, selectionBox(p, ObjectKind::Background, pl, measure), 100);
    EXPECT_EQ(frame, (CanvasRect{0, 0, 320, 32}));
}

TEST(LevelGeometry, BoxesOfTheOtherKindsAreWhatTheViewDraws) {
    const FontMeasure measure;
    Project p;
    p.activeCount = 1;
    p.actives[1].iconWidth = 24;
    p.actives[1].iconHeight = 16;
    p.indicatorCount = 1;
    p.indicators[1].image = Image(50, 6);
    p.indicators[1].imageWidth = 50;
    p.indicators[1].imageHeight = 6;
    p.textCount = 1;
    Placement pl;
    pl.object = 1;
    EXPECT_EQ(hitBox(p, ObjectKind::Active, pl, measure).width, 24);
    EXPECT_EQ(hitBox(p, ObjectKind::Active, pl, measure).height, 16);
    // A text without lines shows the marker; with lines, its rows in the phone's font.
    EXPECT_EQ(hitBox(p, ObjectKind::Text, pl, measure).width, 40);
    EXPECT_EQ(hitBox(p, ObjectKind::Text, pl, measure).height, 9);
    p.texts[1].lineCount = 2;
    p.texts[1].lines[1] = "Score";
    p.texts[1].lines[2] = "0";
    const PhoneFont small{phonefont::Face::System, phonefont::Size::Small, phonefont::kStylePlain};
    EXPECT_EQ(hitBox(p, ObjectKind::Text, pl, measure).width, measure.width(small, "Score"));
    EXPECT_EQ(hitBox(p, ObjectKind::Text, pl, measure).height, 2 * measure.height(small));
    // On a larger screen, in its larger fonts.
    EXPECT_GT(hitBox(p, ObjectKind::Text, pl, FontMeasure(360, 640)).height,
              2 * measure.height(small));
    // An indicator is half its picture wide in the game.
    EXPECT_EQ(selectionBox(p, ObjectKind::Indicator, pl, measure).width, 25);
    EXPECT_EQ(selectionBox(p, ObjectKind::Indicator, pl, measure).height, 6);
    pl.object = 2;  // no such type
    EXPECT_EQ(hitBox(p, ObjectKind::Indicator, pl, measure).width, 0);
}

}  // namespace
}  // namespace avizad

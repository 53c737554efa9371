// The level canvas driven by pointer events: placing, dragging, deleting, trajectories,
// zoom and read-outs; every edit undone and redone.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>

#include "LevelEditorFixture.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

using LevelCanvasTest = testing::LevelEditorFixture;

TEST_F(LevelCanvasTest, ShowcaseShowsItsObjectsAndLevel) {
    open(readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) / "samples" / "showcase.yrk"));
    ASSERT_GT(project().backgroundCount, 0);
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);
    EXPECT_EQ(palette()->slotAt(palette()->thumbnailRect(project().backgroundCount).center()),
              project().backgroundCount);
    EXPECT_EQ(palette()->slotAt(palette()->thumbnailRect(project().backgroundCount + 1).center()),
              0);
    EXPECT_EQ(view()->size(), QSize(level().width, level().height));
}

TEST_F(LevelCanvasTest, TheViewShowsThePlacementsOnTheLevelArea) {
    Project p = smallProject();
    p.screenColor = rgb(0, 0, 255);
    Placement hero;
    hero.object = 1;
    hero.x = 100;
    hero.y = 60;
    p.levels[1].activePlacements.add(hero);
    open(std::move(p));
    const QImage picture = view()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(116, 76), QColor(200, 0, 0));  // inside the hero's icon
    EXPECT_EQ(picture.pixelColor(50, 200), QColor(0, 0, 255));  // the level area
    panel()->zoomSlider()->setValue(0);                         // 10 %
    const QImage small = view()->grab().toImage();
    EXPECT_EQ(small.size(), QSize(24, 32));
    EXPECT_EQ(small.pixelColor(11, 7), QColor(200, 0, 0));
}

TEST_F(LevelCanvasTest, PlacingSnapsToTheGridAndUndoes) {
    open(smallProject());
    window->catalogue()->chooseKind(ObjectKind::Active);
    placeAt(1, 23, 40);
    ASSERT_EQ(level().activePlacements.count(), 1);
    EXPECT_EQ(level().activePlacements[1].x, 16);
    EXPECT_EQ(level().activePlacements[1].y, 32);
    EXPECT_EQ(level().activePlacements[1].objectName, "hero");
    // Placing is over: a second click places nothing.
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(level().activePlacements.count(), 1);
    undo()->undo();
    EXPECT_EQ(level().activePlacements.count(), 0);
    undo()->redo();
    EXPECT_EQ(level().activePlacements.count(), 1);
    EXPECT_EQ(level(2).activePlacements.count(), 0);
}

TEST_F(LevelCanvasTest, RightClickCancelsPlacing) {
    open(smallProject());
    window->catalogue()->chooseKind(ObjectKind::Active);
    doubleClickSlot(1);
    moveTo(50, 50);
    QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(level().activePlacements.count(), 0);
}

TEST_F(LevelCanvasTest, DragIsOneCommandByWholeCells) {
    Project p = smallProject();
    Placement pl;
    pl.object = 1;
    pl.x = 3;
    p.levels[1].activePlacements.add(pl);
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Active);
    const int before = undo()->count();
    moveTo(10, 10);
    QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(10, 10));
    moveTo(42, 10);
    moveTo(60, 12);
    QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_EQ(level().activePlacements[1].x, 3 + 48);
    EXPECT_EQ(level().activePlacements[1].y, 0);
    EXPECT_EQ(undo()->count(), before + 1);
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:51 ;Y:0 )"));
    undo()->undo();
    EXPECT_EQ(level().activePlacements[1].x, 3);
    undo()->redo();
    EXPECT_EQ(level().activePlacements[1].x, 51);
}

TEST_F(LevelCanvasTest, OnlyTheCurrentKindIsSelected) {
    Project p = smallProject();
    Placement pl;
    pl.object = 1;
    p.levels[1].activePlacements.add(pl);
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Text);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(window->values().selectedObject, 0);
    window->catalogue()->chooseKind(ObjectKind::Active);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(window->values().selectedObject, 1);
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:0 ;Y:0 )"));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(window->values().selectedObject, 0);
}

TEST_F(LevelCanvasTest, ContextMenuDeletesAndUndoes) {
    open(smallProject());
    window->catalogue()->chooseKind(ObjectKind::Text);
    placeAt(1, 1, 1);  // (0, 0) would be the widget's centre for QTest
    placeAt(1, 100, 100);
    ASSERT_EQ(level().textPlacements.count(), 2);
    QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(5, 5));
    QMenu* menu = view()->contextMenu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Удалить"));
    menu->actions()[0]->trigger();
    menu->hide();
    ASSERT_EQ(level().textPlacements.count(), 1);
    EXPECT_EQ(level().textPlacements[1].x, 96);
    undo()->undo();
    EXPECT_EQ(level().textPlacements.count(), 2);
    undo()->redo();
    EXPECT_EQ(level().textPlacements.count(), 1);
}

TEST_F(LevelCanvasTest, FullLevelRefusesWithAMessage) {
    Project p = smallProject();
    for (int i = 0; i < kMaxTextPlacements; ++i) {
        Placement pl;
        pl.object = 1;
        p.levels[1].textPlacements.add(pl);
    }
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Text);
    placeAt(1, 100, 100);
    EXPECT_EQ(level().textPlacements.count(), kMaxTextPlacements);
    EXPECT_FALSE(window->statusBar()->currentMessage().isEmpty());
}

TEST_F(LevelCanvasTest, TrajectoryPointsAreAddedDirectedAndRemoved) {
    open(smallProject());
    panel()->trajectoryAction()->trigger();
    ASSERT_TRUE(panel()->trajectoryPanel()->isVisible());
    panel()->trajectoryNumber()->setValue(2);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(50, 61));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(80, 90));
    const Trajectory& t = level().trajectories[2];
    ASSERT_EQ(t.pointCount(), 2);
    EXPECT_EQ(t.points[1].x, 50);
    EXPECT_EQ(t.points[1].y, 61);  // not snapped
    EXPECT_EQ(panel()->pointBox()->maximum(), 2);
    panel()->pointBox()->setValue(1);
    panel()->directionBox(2)->setValue(2);
    EXPECT_EQ(level().trajectories[2].points[1].d2, 2);
    undo()->undo();
    EXPECT_EQ(level().trajectories[2].points[1].d2, 0);
    undo()->redo();
    QTest::mouseClick(panel()->deleteLastPointButton(), Qt::LeftButton);
    EXPECT_EQ(level().trajectories[2].pointCount(), 1);
    undo()->undo();
    EXPECT_EQ(level().trajectories[2].pointCount(), 2);
    // Back in normal mode a press adds nothing.
    panel()->trajectoryAction()->trigger();
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(level().trajectories[2].pointCount(), 2);
}

TEST_F(LevelCanvasTest, ZoomSliderAndReadouts) {
    open(smallProject());
    panel()->zoomSlider()->setValue(22);  // round(49.6) = 50
    EXPECT_EQ(panel()->zoomBox()->text(), QStringLiteral("50"));
    EXPECT_EQ(view()->size(), QSize(120, 160));
    moveTo(100, 30);
    EXPECT_EQ(panel()->mouseReadout()->text(), QStringLiteral("Мышь(Х:200 ;Y:60 )"));
    panel()->zoomSlider()->setValue(51);
    EXPECT_EQ(panel()->zoomBox()->text(), QStringLiteral("104"));
    moveTo(52, 0);
    EXPECT_EQ(panel()->mouseReadout()->text(), QStringLiteral("Мышь(Х:50 ;Y:0 )"));
    QWheelEvent wheel(QPointF(10, 10), view()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view(), &wheel);
    EXPECT_EQ(panel()->zoomSlider()->value(), 53);
}

TEST_F(LevelCanvasTest, CanvasFollowsTheLevelSizeAndItsUndo) {
    open(smallProject());
    window->document()->edit(QStringLiteral("Свойства уровня"), ProjectParts().withLevel(1),
                             [](Project& p) {
                                 p.levels[1].width = 500;
                                 return true;
                             });
    EXPECT_EQ(view()->size(), QSize(500, 320));
    undo()->undo();
    EXPECT_EQ(view()->size(), QSize(240, 320));
}

TEST_F(LevelCanvasTest, GridSwitchDrawsDots) {
    open(smallProject());
    const QImage plain = view()->grab().toImage();
    panel()->gridAction()->trigger();
    const QImage grid = view()->grab().toImage();
    EXPECT_NE(plain, grid);
    const Color c = window->settings().gridColor;
    EXPECT_EQ(grid.pixelColor(16, 16), QColor(redOf(c), greenOf(c), blueOf(c)));
}

}  // namespace
}  // namespace avizad

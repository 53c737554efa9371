// The level canvas driven by pointer events: placing, dragging, deleting, trajectories,
// zoom and read-outs; every edit undone and redone.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include "LevelEditorFixture.h"
#include "editors/ObjectLook.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

using LevelCanvasTest = testing::LevelEditorFixture;

TEST_F(LevelCanvasTest, ShowcaseShowsItsObjectsAndLevel) {
    open(readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) / "tests" / "fixtures" /
                         "showcase.yrk"));
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

// Whether an image holds a pixel of the colour.
bool holds(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(LevelCanvasTest, ObjectsShowAsTheGameShowsThemInTheCanvasAndThePalette) {
    Project p = smallProject();
    p.screenColor = rgb(0, 0, 255);
    ActiveObject& hero = p.actives[1];
    hero.strip = Image(32, 16, rgb(255, 0, 255));  // two frames on a magenta backdrop
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            hero.strip.setPixel(x, y, rgb(200, 0, 0));
        }
    }
    hero.frameWidth = hero.frameHeight = 16;
    hero.frameCount = 2;
    hero.transparentBackground = 1;
    hero.iconWidth = hero.iconHeight = 16;
    // A background whose stored map picture no longer matches its tiles.
    p.backgroundCount = 1;
    BackgroundObject& wall = p.backgrounds[1];
    wall.name = "wall";
    wall.tileSet = Image(8, 8, rgb(120, 60, 0));
    wall.tileSetWidth = wall.tileSetHeight = wall.tileWidth = wall.tileHeight = 8;
    wall.columns = wall.rows = 1;
    wall.tileMap.at(1, 1) = 1;
    wall.mapPicture = Image(8, 8, rgb(0, 255, 0));
    Placement pl;
    pl.object = 1;
    pl.x = 100;
    pl.y = 60;
    p.levels[1].activePlacements.add(pl);
    open(std::move(p));

    const QImage canvas = view()->grab().toImage();
    EXPECT_EQ(canvas.pixelColor(101, 61), QColor(0, 0, 255));  // the backdrop shows the level
    EXPECT_EQ(canvas.pixelColor(108, 68), QColor(200, 0, 0));
    EXPECT_FALSE(holds(canvas, QColor(255, 0, 255)));

    window->catalogue()->chooseKind(ObjectKind::Active);
    QImage list = palette()->list()->grab().toImage();
    EXPECT_FALSE(holds(list.copy(palette()->thumbnailRect(1)), QColor(255, 0, 255)));
    EXPECT_TRUE(holds(list.copy(palette()->thumbnailRect(1)), QColor(200, 0, 0)));
    window->catalogue()->chooseKind(ObjectKind::Background);
    list = palette()->list()->grab().toImage();
    EXPECT_TRUE(holds(list.copy(palette()->thumbnailRect(1)), QColor(120, 60, 0)));
    EXPECT_FALSE(holds(list.copy(palette()->thumbnailRect(1)), QColor(0, 255, 0)));
}

// Whether `canvas` shows `picture` (a text's look) with its top-left corner at (x, y): the
// text's colour exactly where the picture has its pixels.
void expectShows(const QImage& canvas, const Image& picture, int x, int y, const QColor& color) {
    ASSERT_FALSE(picture.isNull());
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            EXPECT_EQ(canvas.pixelColor(x + px, y + py) == color, picture.alpha(px, py) == 255)
                << px << ", " << py;
        }
    }
}

TEST_F(LevelCanvasTest, TextsShowEveryRowAsTheGameAndIndicatorsTheirGameSize) {
    Project p = smallProject();
    p.screenColor = rgb(255, 255, 255);
    p.texts[1].lineCount = 2;
    p.texts[1].lines[1] = "Score and all the lives";  // wraps in the text's window
    p.texts[1].lines[2] = "second row";
    p.texts[1].colorR = 200;
    p.texts[1].bold = 1;
    p.indicatorCount = 1;
    IndicatorObject& bar = p.indicators[1];
    bar.image = Image(40, 8, rgb(0, 200, 0));  // full half green, empty half grey
    for (int y = 0; y < 8; ++y) {
        for (int x = 20; x < 40; ++x) {
            bar.image.setPixel(x, y, rgb(90, 90, 90));
        }
    }
    bar.imageWidth = 40;
    bar.imageHeight = 8;
    bar.amount = 5;
    Placement text;
    text.object = 1;
    text.x = 10;
    text.y = 10;
    p.levels[1].textPlacements.add(text);
    Placement indicator;
    indicator.object = 1;
    indicator.x = 150;
    indicator.y = 100;
    p.levels[1].indicatorPlacements.add(indicator);
    open(std::move(p));
    const QImage canvas = view()->grab().toImage();
    // Every row the game draws, bold as the game draws it, in the phone font of the
    // settings' screen, pixel for pixel.
    const FontMeasure qvga(240, 320);
    const TextLook look = textLook(project().texts[1], qvga);
    ASSERT_EQ(look.rows.size(), 3u);
    expectShows(canvas, textPicture(look, qvga), 10, 10, QColor(200, 0, 0));
    EXPECT_EQ(canvas.pixelColor(155, 104), QColor(90, 90, 90));     // empty, as the game starts
    EXPECT_EQ(canvas.pixelColor(175, 104), QColor(255, 255, 255));  // 20 wide, not 40
    // A click picks the text where its row is drawn, past the marker's 40 pixels.
    const int rowWidth = textLook(project().texts[1], view()->fontMeasure()).width;
    ASSERT_GT(rowWidth, 12);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(10 + rowWidth - 2, 14));
    EXPECT_EQ(window->values().currentKind, ObjectKind::Text);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(152, 103));
    EXPECT_EQ(window->values().currentKind, ObjectKind::Indicator);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(175, 103));  // where the picture is not
    EXPECT_EQ(window->values().selectedObject, 0);
    // Another screen in the settings: the text in that screen's fonts.
    Settings large = window->document()->settings();
    large.screenWidth = 360;
    large.screenHeight = 640;
    window->document()->setSettings(large);
    const FontMeasure wvga(360, 640);
    const TextLook larger = textLook(project().texts[1], wvga);
    ASSERT_GT(larger.height, look.height);
    expectShows(view()->grab().toImage(), textPicture(larger, wvga), 10, 10, QColor(200, 0, 0));
    // The palette shows the same picture.
    window->catalogue()->chooseKind(ObjectKind::Text);
    const QImage list = palette()->list()->grab().toImage();
    EXPECT_TRUE(holds(list.copy(palette()->thumbnailRect(1)), QColor(200, 0, 0)));
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

TEST_F(LevelCanvasTest, TheCanvasOpenedFromTheToolbarAfterOpeningAFileWorks) {
    Project p = smallProject();
    p.currentLevel = 2;  // as a project file leaves it
    window->document()->replaceProject(std::move(p));
    window->run(Command::ShowLevel);
    ASSERT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);
    window->catalogue()->chooseKind(ObjectKind::Active);
    placeAt(1, 50, 50);
    ASSERT_EQ(level(2).activePlacements.count(), 1);
    EXPECT_EQ(level(2).activePlacements[1].x, 48);
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

TEST_F(LevelCanvasTest, AClickSelectsThePlacementOnTopAndTheCatalogueFollowsItsKind) {
    Project p = smallProject();
    Placement pl;
    pl.object = 1;
    p.levels[1].activePlacements.add(pl);
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Text);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(window->values().currentKind, ObjectKind::Active);
    EXPECT_EQ(window->catalogue()->kindLabelText(), QStringLiteral("Активные объекты"));
    EXPECT_TRUE(window->catalogue()->kindButton(ObjectKind::Active)->isChecked());
    EXPECT_EQ(window->values().selectedObject, 1);
    EXPECT_EQ(palette()->highlightSlot(), 1);
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:0 ;Y:0 )"));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(window->values().selectedObject, 0);
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х: ;Y: )"));
}

TEST_F(LevelCanvasTest, TheSelectionFollowsUndoAndRedo) {
    open(smallProject());
    window->catalogue()->chooseKind(ObjectKind::Active);
    placeAt(1, 50, 50);
    ASSERT_EQ(level().activePlacements.count(), 1);
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:48 ;Y:48 )"));
    EXPECT_FALSE(panel()->editor().view().selectionFrame.empty());
    undo()->undo();
    EXPECT_EQ(level().activePlacements.count(), 0);
    EXPECT_TRUE(panel()->editor().view().selectionFrame.empty());
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х: ;Y: )"));
    // After a drag is undone the frame is where the placement is again.
    undo()->redo();
    moveTo(60, 60);
    QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(60, 60));
    moveTo(92, 60);
    QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(92, 60));
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:80 ;Y:48 )"));
    undo()->undo();
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:48 ;Y:48 )"));
    EXPECT_EQ(panel()->editor().view().selectionFrame, (CanvasRect{48, 48, 80, 80}));
}

TEST_F(LevelCanvasTest, AltPlacesAndDragsWithoutSnapping) {
    open(smallProject());
    window->catalogue()->chooseKind(ObjectKind::Active);
    doubleClickSlot(1);
    QTest::mouseMove(view(), QPoint(23, 41));
    QMouseEvent altMove(QEvent::MouseMove, QPointF(23, 41), view()->mapToGlobal(QPointF(23, 41)),
                        Qt::NoButton, Qt::NoButton, Qt::AltModifier);
    QApplication::sendEvent(view(), &altMove);
    EXPECT_TRUE(window->statusBar()->currentMessage().contains(QStringLiteral("Alt")));
    QTest::mouseClick(view(), Qt::LeftButton, Qt::AltModifier, QPoint(23, 41));
    ASSERT_EQ(level().activePlacements.count(), 1);
    EXPECT_EQ(level().activePlacements[1].x, 23);
    EXPECT_EQ(level().activePlacements[1].y, 41);
}

TEST_F(LevelCanvasTest, ArrowKeysNudgeAndCtrlCVCopyToThePointer) {
    Project p = smallProject();
    Placement pl;
    pl.object = 1;
    pl.x = 32;
    pl.y = 32;
    pl.objectName = "hero";
    p.levels[1].activePlacements.add(pl);
    open(p);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(40, 40));
    QTest::keyClick(view(), Qt::Key_Right);
    EXPECT_EQ(level().activePlacements[1].x, 33);
    QTest::keyClick(view(), Qt::Key_Down, Qt::ShiftModifier);  // one grid step
    EXPECT_EQ(level().activePlacements[1].y, 48);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    moveTo(100, 150);
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(level().activePlacements.count(), 2);
    EXPECT_EQ(level().activePlacements[2].x, 96);
    EXPECT_EQ(level().activePlacements[2].y, 144);
    EXPECT_EQ(level().activePlacements[2].objectName, "hero");
    EXPECT_EQ(panel()->selectionReadout()->text(), QStringLiteral("ВО(Х:96 ;Y:144 )"));
    EXPECT_EQ(undo()->count(), 3);  // each one edit
    undo()->undo();
    EXPECT_EQ(level().activePlacements.count(), 1);
    undo()->undo();
    EXPECT_EQ(level().activePlacements[1].y, 32);
}

TEST_F(LevelCanvasTest, ContextMenuOpensTheObjectsSettingsAndDeletes) {
    open(smallProject());
    int opened = 0;
    window->installObjectEditor(ObjectKind::Text, new QWidget, {},
                                [&opened](int index) { opened = index; });
    window->catalogue()->chooseKind(ObjectKind::Text);
    placeAt(1, 1, 1);  // (0, 0) would be the widget's centre for QTest
    placeAt(1, 100, 100);
    ASSERT_EQ(level().textPlacements.count(), 2);
    QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(5, 5));
    QMenu* menu = view()->contextMenu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Настройки объекта"));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Удалить"));
    menu->actions()[0]->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::TextEditor);
    window->centralArea()->closeEditors();
    menu->actions()[1]->trigger();
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
    EXPECT_EQ(panel()->zoomBox()->value(), 50);
    EXPECT_EQ(view()->size(), QSize(120, 160));
    moveTo(100, 30);
    EXPECT_EQ(panel()->mouseReadout()->text(), QStringLiteral("Мышь(Х:200 ;Y:60 )"));
    panel()->zoomSlider()->setValue(51);
    EXPECT_EQ(panel()->zoomBox()->value(), 104);
    moveTo(52, 0);
    EXPECT_EQ(panel()->mouseReadout()->text(), QStringLiteral("Мышь(Х:50 ;Y:0 )"));
    QWheelEvent wheel(QPointF(10, 10), view()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view(), &wheel);
    EXPECT_EQ(panel()->zoomSlider()->value(), 53);
    // A typed percentage sticks, also one the slider has no position for.
    panel()->zoomBox()->selectAll();
    QTest::keyClicks(panel()->zoomBox(), "77");
    QTest::keyClick(panel()->zoomBox(), Qt::Key_Enter);
    EXPECT_EQ(panel()->zoomBox()->value(), 77);
    EXPECT_EQ(view()->size(), QSize(toCanvas(240, 77), toCanvas(320, 77)));
    EXPECT_EQ(panel()->zoomSlider()->value(), sliderFromZoom(77));
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

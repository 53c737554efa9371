// The four object editors through their widgets: load a picture, edit, create, reopen
// through the catalogue's path, save changes, undo both; and the refusals.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>

#include "ScriptedUser.h"
#include "app/CentralArea.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "editors/ui/ActiveEditor.h"
#include "editors/ui/BackgroundEditor.h"
#include "editors/ui/DirectionView.h"
#include "editors/ui/FrameCell.h"
#include "editors/ui/IndicatorEditor.h"
#include "editors/ui/MapGrid.h"
#include "editors/ui/StripView.h"
#include "editors/ui/TextEditor.h"
#include "editors/ui/TextPictureView.h"
#include "level/ui/ObjectCatalogueCommands.h"
#include "level/ui/ObjectPalette.h"
#include "main/EditorInstall.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/Png.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::ScriptedUser;
namespace fs = std::filesystem;

class EditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Prompts prompts = user.prompts();
        prompts.openImageFile = [this](QWidget*, const QString& folder) {
            imageFolders << folder;
            return imageAnswers.isEmpty() ? QString() : imageAnswers.takeFirst();
        };
        prompts.chooseColor = [this](QWidget*, const QColor&) { return colorAnswer; };
        window = std::make_unique<MainWindow>(program.dir(), prompts);
        installObjectEditors(*window);
        window->show();
    }
    template <typename Editor>
    Editor* editor(CentralPanel panel) {
        return dynamic_cast<Editor*>(window->centralArea()->panel(panel));
    }
    // A PNG in the program's images folder whose pixel (x, y) is colour(x, y).
    QString png(const char* name, int width, int height,
                const std::function<Color(int, int)>& colour) {
        Image image(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, colour(x, y));
            }
        }
        const fs::path file = program.dir() / "images" / name;
        fs::create_directories(file.parent_path());
        writePng(file, image);
        return fromPath(file);
    }
    QString imagesFolder() const { return fromPath(program.dir() / "images"); }
    const Project& project() const { return window->project(); }
    QUndoStack* undo() const { return window->document()->undoStack(); }
    CentralPanel shown() const { return window->centralArea()->current(); }
    void fill(const std::function<void(Project&)>& change) {
        window->document()->edit(QStringLiteral("Проверка"), ProjectParts::everything(),
                                 [&](Project& p) {
                                     change(p);
                                     return true;
                                 });
    }

    ProgramFolder program;
    ScriptedUser user;
    QStringList imageAnswers;
    QStringList imageFolders;
    QColor colorAnswer;
    std::unique_ptr<MainWindow> window;
};

// 96 x 64 in 3 x 2 tiles of 32 x 32, tile k coloured k.
Color tileColour(int x, int y) {
    return (y / 32) * 3 + x / 32 + 1;
}

TEST_F(EditorsTest, BackgroundIsCreatedReopenedChangedAndUndone) {
    imageAnswers << png("tiles.png", 96, 64, tileColour);
    QSignalSpy palette(window->document(), &ProjectDocument::typesChanged);
    window->run(Command::NewBackground);
    auto* ed = editor<BackgroundEditor>(CentralPanel::BackgroundEditor);
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(shown(), CentralPanel::BackgroundEditor);
    EXPECT_EQ(imageFolders, QStringList{imagesFolder()});
    EXPECT_FALSE(ed->saveAction()->isEnabled());
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("fon1"));

    ed->tilesAcrossBox()->setValue(3);
    ed->tilesDownBox()->setValue(2);
    ed->columnsBox()->setValue(3);
    ed->rowsBox()->setValue(2);
    ASSERT_EQ(ed->tileList()->count(), 6);
    EXPECT_EQ(ed->mapGrid()->cellSize(), QSize(32, 32));
    ed->tileList()->setCurrentRow(4);                                      // tile 5
    QTest::mouseClick(ed->mapGrid(), Qt::LeftButton, {}, QPoint(80, 40));  // cell (3, 2)
    QTest::mouseClick(ed->mapGrid(), Qt::LeftButton, {}, QPoint(5, 5));    // cell (1, 1)
    QTest::mouseClick(ed->mapGrid(), Qt::RightButton, {}, QPoint(6, 6));   // empties it
    ed->nameEdit()->setText(QStringLiteral("земля"));
    ed->kindButton(1)->click();
    ed->createAction()->trigger();

    ASSERT_EQ(project().backgroundCount, 1);
    const BackgroundObject& made = project().backgrounds[1];
    EXPECT_EQ(made.name, utf8ToCp1251("земля"));
    EXPECT_EQ(made.kind, 1);
    EXPECT_EQ(made.tileWidth, 32);
    EXPECT_EQ(made.columns, 3);
    EXPECT_EQ(made.tileMap.at(2, 3), 5);
    EXPECT_EQ(made.tileMap.at(1, 1), 0);
    EXPECT_EQ(made.mapPictureWidth, 96);
    EXPECT_EQ(made.mapPicture.pixel(70, 40), 5);
    EXPECT_NE(shown(), CentralPanel::BackgroundEditor);
    EXPECT_EQ(undo()->undoText(), QStringLiteral("Создание объекта"));
    EXPECT_GE(palette.count(), 1);

    window->editObject(ObjectKind::Background, 1);
    EXPECT_EQ(shown(), CentralPanel::BackgroundEditor);
    EXPECT_TRUE(ed->saveAction()->isEnabled());
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("земля"));
    EXPECT_EQ(ed->tilesAcrossBox()->value(), 3);
    EXPECT_EQ(ed->rowsBox()->value(), 2);
    EXPECT_TRUE(ed->kindButton(1)->isChecked());
    ed->rowsBox()->setValue(3);
    ed->tileList()->setCurrentRow(0);
    QTest::mouseClick(ed->mapGrid(), Qt::LeftButton, {}, QPoint(5, 70));  // cell (1, 3)
    ed->saveAction()->trigger();
    EXPECT_EQ(project().backgroundCount, 1);
    EXPECT_EQ(project().backgrounds[1].rows, 3);
    EXPECT_EQ(project().backgrounds[1].tileMap.at(3, 1), 1);
    EXPECT_EQ(project().backgrounds[1].mapPictureHeight, 96);
    EXPECT_EQ(undo()->undoText(), QStringLiteral("Изменение объекта"));

    undo()->undo();
    EXPECT_EQ(project().backgrounds[1].rows, 2);
    undo()->undo();
    EXPECT_EQ(project().backgroundCount, 0);
    undo()->redo();
    undo()->redo();
    EXPECT_EQ(project().backgrounds[1].rows, 3);
}

TEST_F(EditorsTest, AStrokeOnTheMapPaintsEveryCellItPassesAndUndoesAsOne) {
    imageAnswers << png("tiles.png", 96, 64, tileColour);
    window->run(Command::NewBackground);
    auto* ed = editor<BackgroundEditor>(CentralPanel::BackgroundEditor);
    ed->tilesAcrossBox()->setValue(3);
    ed->tilesDownBox()->setValue(2);
    ed->columnsBox()->setValue(5);
    ed->rowsBox()->setValue(2);
    ed->tileList()->setCurrentRow(1);                                    // tile 2
    QTest::mousePress(ed->mapGrid(), Qt::LeftButton, {}, QPoint(5, 5));  // cell (1, 1)
    QTest::mouseMove(ed->mapGrid(), QPoint(150, 10));                    // cell (5, 1)
    QTest::mouseRelease(ed->mapGrid(), Qt::LeftButton, {}, QPoint(150, 10));
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(ed->draft().map.at(1, c), 2) << c;
    }
    QTest::mousePress(ed->mapGrid(), Qt::RightButton, {}, QPoint(40, 5));  // cell (2, 1)
    QTest::mouseMove(ed->mapGrid(), QPoint(100, 5));                       // cell (4, 1)
    QTest::mouseRelease(ed->mapGrid(), Qt::RightButton, {}, QPoint(100, 5));
    EXPECT_EQ(ed->draft().map.at(1, 3), 0);
    EXPECT_EQ(ed->draft().map.at(1, 5), 2);
    // Each stroke is one step of "Отменить" while the editor is shown.
    QAction* undoAction = window->action(Command::Undo);
    EXPECT_EQ(undoAction->text(), QStringLiteral("Отменить рисование карты"));
    undoAction->trigger();
    EXPECT_EQ(ed->draft().map.at(1, 3), 2);
    undoAction->trigger();
    EXPECT_EQ(ed->draft().map.at(1, 1), 0);
    EXPECT_FALSE(undoAction->isEnabled());
    window->action(Command::Redo)->trigger();
    EXPECT_EQ(ed->draft().map.at(1, 4), 2);
    // Closed, the editor gives "Отменить" back to the project's history.
    ed->close();
    EXPECT_EQ(undo()->count(), 0);
    EXPECT_FALSE(undoAction->isEnabled());
}

TEST_F(EditorsTest, CreatingIsRefusedWithoutAnImageOrWithAFullTable) {
    window->run(Command::NewBackground);  // the image dialog is cancelled
    auto* ed = editor<BackgroundEditor>(CentralPanel::BackgroundEditor);
    ed->createAction()->trigger();
    EXPECT_EQ(project().backgroundCount, 0);
    ASSERT_EQ(user.infos.size(), 1);
    EXPECT_EQ(shown(), CentralPanel::BackgroundEditor);

    window->run(Command::NewActive);
    editor<ActiveEditor>(CentralPanel::ActiveEditor)->createAction()->trigger();
    window->run(Command::NewIndicator);
    editor<IndicatorEditor>(CentralPanel::IndicatorEditor)->createAction()->trigger();
    EXPECT_EQ(project().activeCount + project().indicatorCount, 0);
    EXPECT_EQ(user.infos.size(), 3);

    fill([](Project& p) { p.textCount = kMaxTextTypes; });
    window->run(Command::NewText);
    editor<TextEditor>(CentralPanel::TextEditor)->createAction()->trigger();
    EXPECT_EQ(project().textCount, kMaxTextTypes);
    ASSERT_EQ(user.infos.size(), 4);
    EXPECT_TRUE(user.infos[3].contains(QString::number(kMaxTextTypes)));
}

TEST_F(EditorsTest, UnreadablePictureNamesTheFileAndChangesNothing) {
    imageAnswers << png("tiles.png", 96, 64, tileColour);
    window->run(Command::NewBackground);
    auto* ed = editor<BackgroundEditor>(CentralPanel::BackgroundEditor);
    const fs::path broken = program.dir() / "images" / "broken.png";
    writeFileText(broken, "not a picture");
    imageAnswers << fromPath(broken);
    ed->openImageAction()->trigger();
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains(QStringLiteral("broken.png")))
        << user.errors[0].toStdString();
    EXPECT_EQ(ed->draft().tileSet.width(), 96);
}

// A strip of four 32 x 32 frames, frame k coloured k.
Color frameColour(int x, int) {
    return x / 32 + 1;
}

TEST_F(EditorsTest, ActiveObjectIsAnimatedCreatedReopenedAndUndone) {
    window->document()->setCurrentLevel(1);
    imageAnswers << png("walk.png", 128, 32, frameColour);
    window->run(Command::NewActive);
    auto* ed = editor<ActiveEditor>(CentralPanel::ActiveEditor);
    EXPECT_EQ(imageFolders, QStringList{imagesFolder()});
    EXPECT_TRUE(ed->directionView()->isEnabled());
    ed->frameCountBox()->setValue(4);
    // The strip shows at scale 32 / 41: view x covers x * 0.78 pixels of the strip.
    QTest::mousePress(ed->stripView(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(ed->draft().pickedFrame, 3);
    QTest::mousePress(ed->stripView(), Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(ed->draft().pickedFrame, 1);
    QTest::mouseClick(ed->cell(1), Qt::LeftButton);
    EXPECT_EQ(ed->draft().animation[1][1][1], 1);

    ed->stateList()->setCurrentRow(1);  // "Перемещение"
    QTest::mouseClick(ed->directionView(), Qt::LeftButton, {}, QPoint(10, 60));
    EXPECT_EQ(ed->directionView()->direction(), Direction::Left);
    EXPECT_TRUE(ed->cell(1)->frame().isNull());  // nothing assigned there yet
    QTest::mousePress(ed->stripView(), Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseClick(ed->cell(2), Qt::LeftButton);
    QTest::mousePress(ed->stripView(), Qt::LeftButton, {}, QPoint(125, 10));
    QTest::mouseClick(ed->cell(3), Qt::LeftButton);
    EXPECT_EQ(ed->cell(3)->frame().pixel(5, 5), qRgb(4, 0, 0));
    // The preview plays 0 (for the empty first position), 2, 3 and again.
    EXPECT_TRUE(ed->previewTimer()->isActive());
    EXPECT_EQ(ed->previewTimer()->interval(), 50);
    EXPECT_EQ(ed->previewFrame(), 0);
    ed->advancePreview();
    EXPECT_EQ(ed->previewFrame(), 2);
    ed->advancePreview();
    EXPECT_EQ(ed->previewFrame(), 3);
    ed->advancePreview();
    EXPECT_EQ(ed->previewFrame(), 0);

    ed->speedBox(0)->setValue(4);
    ed->controlButton(2)->click();
    ed->transparentBox()->setChecked(true);
    ed->nameEdit()->setText(QStringLiteral("hero"));
    ed->createAction()->trigger();
    ASSERT_EQ(project().activeCount, 1);
    const ActiveObject& made = project().actives[1];
    EXPECT_EQ(made.name, "hero");
    EXPECT_EQ(made.frameCount, 4);
    EXPECT_EQ(made.frameWidth, 32);
    EXPECT_EQ(made.iconWidth, 32);
    EXPECT_EQ(made.icon.pixel(0, 0), 1);
    EXPECT_EQ(made.animation[2][3][2], 3);
    EXPECT_EQ(made.animation[3][3][2], 4);
    EXPECT_EQ(made.moveSpeed, 4);
    EXPECT_EQ(made.transparentBackground, 1);
    EXPECT_EQ(project().levels[1].controlType[1], static_cast<int>(ControlType::PersonSide));
    EXPECT_NE(shown(), CentralPanel::ActiveEditor);

    window->editObject(ObjectKind::Active, 1);
    EXPECT_TRUE(ed->saveAction()->isEnabled());
    EXPECT_TRUE(ed->controlButton(2)->isChecked());
    EXPECT_EQ(ed->speedBox(0)->value(), 4);
    EXPECT_EQ(ed->frameCountBox()->value(), 4);
    EXPECT_EQ(ed->directionView()->direction(), Direction::Right);
    ed->frameCountBox()->setValue(2);  // stored frame numbers stay, drawn with the new width
    ed->saveAction()->trigger();
    EXPECT_EQ(project().actives[1].frameWidth, 64);
    EXPECT_EQ(project().actives[1].animation[3][3][2], 4);

    undo()->undo();
    EXPECT_EQ(project().actives[1].frameWidth, 32);
    undo()->undo();
    EXPECT_EQ(project().activeCount, 0);
    EXPECT_EQ(project().levels[1].controlType[1], static_cast<int>(ControlType::None));
}

TEST_F(EditorsTest, AnActiveObjectsControlTypeSticksWithoutAnOpenLevel) {
    // No level was opened on the canvas: the editor works on level 1, where the game starts.
    imageAnswers << png("walk.png", 64, 32, frameColour);
    window->run(Command::NewActive);
    auto* ed = editor<ActiveEditor>(CentralPanel::ActiveEditor);
    EXPECT_EQ(ed->controlGroup()->title(), QStringLiteral("Управление на уровне 1"));
    EXPECT_TRUE(ed->controlButton(0)->isChecked());  // "нет"
    EXPECT_FALSE(ed->controlHint()->isVisible());
    ed->controlButton(2)->click();  // "Человек ВС"
    EXPECT_TRUE(ed->controlHint()->isVisible());
    EXPECT_FALSE(ed->addControlEventButton()->isEnabled());  // the object is not there yet
    ed->createAction()->trigger();
    ASSERT_EQ(project().activeCount, 1);
    EXPECT_EQ(project().levels[1].controlType[1], static_cast<int>(ControlType::PersonSide));

    window->editObject(ObjectKind::Active, 1);
    EXPECT_TRUE(ed->controlButton(2)->isChecked());
    // The control type needs the event that puts the object under the keys.
    ASSERT_TRUE(ed->addControlEventButton()->isVisible());
    ASSERT_TRUE(ed->addControlEventButton()->isEnabled());
    QTest::mouseClick(ed->addControlEventButton(), Qt::LeftButton);
    ASSERT_EQ(project().eventTable.eventCount, 1);
    EXPECT_EQ(project().eventTable.events[1].activeActions[1][1].code,
              "{act_upr[gr_obj[1][kr1]]=7;}");
    EXPECT_EQ(undo()->undoText(), QStringLiteral("Добавление события"));
    EXPECT_FALSE(ed->addControlEventButton()->isVisible());  // once is enough
    // "нет" undoes the choice.
    ed->controlButton(0)->click();
    ed->saveAction()->trigger();
    EXPECT_EQ(project().levels[1].controlType[1], static_cast<int>(ControlType::None));
}

TEST_F(EditorsTest, ANewActiveObjectInheritsNothingAndTheCatalogueShowsIt) {
    installLevelEditor(*window);
    imageAnswers << png("walk.png", 64, 32, frameColour);
    window->run(Command::NewActive);
    auto* ed = editor<ActiveEditor>(CentralPanel::ActiveEditor);
    ed->frameCountBox()->setValue(4);
    ed->speedBox(0)->setValue(6);
    ed->transparentBox()->setChecked(true);
    ed->controlButton(3)->click();
    ed->createAction()->trigger();
    ASSERT_EQ(project().activeCount, 1);
    EXPECT_EQ(project().actives[1].name, "active1");
    // The catalogue shows the new object's kind with the object selected.
    EXPECT_EQ(window->values().currentKind, ObjectKind::Active);
    EXPECT_EQ(window->catalogue()->kindLabelText(), QStringLiteral("Активные объекты"));
    EXPECT_EQ(window->values().selectedObject, 1);

    window->run(Command::NewActive);  // the image dialog is cancelled
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("active2"));
    EXPECT_EQ(ed->frameCountBox()->value(), 2);
    EXPECT_EQ(ed->speedBox(0)->value(), 1);
    EXPECT_FALSE(ed->transparentBox()->isChecked());
    EXPECT_TRUE(ed->controlButton(0)->isChecked());
    EXPECT_FALSE(ed->draft().hasImage());
    EXPECT_TRUE(ed->windowTitle().startsWith(QStringLiteral("Создание")));
    window->editObject(ObjectKind::Active, 1);
    EXPECT_EQ(ed->windowTitle(), QStringLiteral("Изменение активного объекта «active1»"));
}

TEST_F(EditorsTest, TheFrameCountTakesTypingAndThePreviewsHideTheBackdrop) {
    // Two frames on a magenta backdrop, a red dot in each.
    imageAnswers << png("strip.png", 16, 8,
                        [](int x, int y) { return (x % 8 == 4 && y == 4) ? 0x0000FF : 0xFF00FF; });
    window->run(Command::NewActive);
    auto* ed = editor<ActiveEditor>(CentralPanel::ActiveEditor);
    ed->frameCountBox()->clear();
    QTest::keyClicks(ed->frameCountBox(), "4");
    EXPECT_EQ(ed->frameCountBox()->value(), 4);
    EXPECT_EQ(ed->draft().frameCount, 4);
    ed->frameCountBox()->setValue(2);
    QTest::mousePress(ed->stripView(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(ed->cell(1), Qt::LeftButton);
    const QImage opaque = ed->cell(1)->frame();
    EXPECT_EQ(opaque.pixelColor(0, 0), QColor(255, 0, 255));
    ed->transparentBox()->setChecked(true);
    const QImage shown = ed->cell(1)->frame();
    EXPECT_EQ(shown.pixelColor(0, 0).alpha(), 0);  // the backdrop is not drawn
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(255, 0, 0));
    EXPECT_EQ(ed->preview()->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(EditorsTest, IndicatorKeepsItsPictureBesideTheProjectOnSaveChanges) {
    imageAnswers << png("bar.png", 40, 8, [](int x, int) { return x < 20 ? 0xFF : 0; });
    window->run(Command::NewIndicator);
    auto* ed = editor<IndicatorEditor>(CentralPanel::IndicatorEditor);
    ed->amountBox()->setValue(3);
    ed->createAction()->trigger();
    ASSERT_EQ(project().indicatorCount, 1);
    EXPECT_EQ(project().indicators[1].name, "line1");
    EXPECT_EQ(project().indicators[1].amount, 3);
    EXPECT_EQ(project().indicators[1].imageWidth, 40);
    EXPECT_EQ(project().indicators[1].pngHeight, 8);

    // A new indicator inherits nothing: no picture, the next free name.
    window->run(Command::NewIndicator);
    EXPECT_FALSE(ed->draft().hasImage());
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("line2"));
    EXPECT_EQ(ed->amountBox()->value(), 1);

    fs::create_directories(program.dir() / "game");
    window->document()->save(program.dir() / "game" / "game.yrk");
    window->editObject(ObjectKind::Indicator, 1);
    EXPECT_EQ(ed->amountBox()->value(), 3);
    // A new picture dropped from the file manager.
    const QString wide = png("wide.png", 60, 10, [](int, int) { return 0x00FF00; });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(wide)});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(ed)->event(&drop);  // as the window system delivers it
    EXPECT_EQ(ed->draft().shown.width(), 60);
    ed->nameEdit()->setText(QStringLiteral("hp"));
    ed->saveAction()->trigger();
    EXPECT_EQ(project().indicators[1].name, "hp");
    EXPECT_EQ(project().indicators[1].imageWidth, 60);
    EXPECT_EQ(project().indicators[1].pngWidth, 60);
    EXPECT_EQ(project().indicators[1].image.pixel(1, 1), 0x00FF00);
    EXPECT_TRUE(fs::exists(program.dir() / "game" / "objects" / "hp.png"));
    EXPECT_TRUE(fs::exists(program.dir() / "game" / "objects" / "hp.bmp"));
    EXPECT_NE(shown(), CentralPanel::IndicatorEditor);

    // A folder that cannot be made: the message names it and the panel stays.
    fs::remove_all(program.dir() / "game" / "objects");
    writeFileText(program.dir() / "game" / "objects", "a file in the way");
    window->editObject(ObjectKind::Indicator, 1);
    ed->saveAction()->trigger();
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains(QStringLiteral("objects")));
    EXPECT_EQ(shown(), CentralPanel::IndicatorEditor);

    undo()->undo();
    undo()->undo();
    EXPECT_EQ(project().indicators[1].name, "line1");
    EXPECT_EQ(project().indicators[1].imageWidth, 40);
    undo()->undo();
    EXPECT_EQ(project().indicatorCount, 0);
}

TEST_F(EditorsTest, TextIsCreatedWithItsStyleAndTheNextOneStartsFresh) {
    window->run(Command::NewText);
    auto* ed = editor<TextEditor>(CentralPanel::TextEditor);
    EXPECT_TRUE(imageFolders.isEmpty());  // no picture is asked for
    EXPECT_TRUE(ed->faceButton(1)->isChecked());
    ed->nameEdit()->setText(QStringLiteral("a.pngb"));
    ed->textBox()->setPlainText(QStringLiteral("Привет, \"мир\"\nвторая строка"));
    ed->boldBox()->setChecked(true);
    ed->sizeButton(2)->click();
    colorAnswer = QColor(10, 20, 30);
    ed->colorField()->click();
    // The picture shows the rows as the game wraps them in its window 100 pixels wide, in
    // the phone font of the settings' screen: a larger screen has larger letters.
    EXPECT_TRUE(ed->pictureView()
                    ->rows()
                    .join(QLatin1Char(' '))
                    .startsWith(QStringLiteral("Привет, \"мир\" вторая")));
    const QSize onQvga = ed->pictureView()->picture().size();
    Settings large = window->document()->settings();
    ASSERT_EQ(large.screenWidth, 240);
    large.screenWidth = 360;
    large.screenHeight = 640;
    window->document()->setSettings(large);
    EXPECT_GT(ed->pictureView()->picture().height(), onQvga.height());
    TextDraft draft;
    draft.size = 2;
    draft.bold = true;
    draft.colorR = 10;
    draft.colorG = 20;
    draft.colorB = 30;
    draft.lines = {utf8ToCp1251("Привет, \"мир\""), utf8ToCp1251("вторая строка")};
    const FontMeasure measure(360, 640);
    EXPECT_EQ(ed->pictureView()->picture(),
              toQImage(textPicture(
                  showText(draft.lines, phoneFont(draft), textColor(draft), measure), measure)));
    ed->createAction()->trigger();
    ASSERT_EQ(project().textCount, 1);
    const TextObject& made = project().texts[1];
    EXPECT_EQ(made.fileName, "a.pngb.png");
    EXPECT_EQ(made.lineCount, 2);
    EXPECT_EQ(made.lines[1], utf8ToCp1251("Привет, \"мир\""));
    EXPECT_EQ(made.kind, 1);
    EXPECT_EQ(made.size, 2);
    EXPECT_EQ(made.bold, 1);
    EXPECT_EQ(made.colorB, 30);

    window->run(Command::NewText);  // nothing of the one before
    EXPECT_FALSE(ed->boldBox()->isChecked());
    EXPECT_FALSE(ed->sizeButton(2)->isChecked());
    EXPECT_TRUE(ed->faceButton(1)->isChecked());
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("text1"));
    EXPECT_TRUE(ed->textBox()->toPlainText().isEmpty());
    ed->textBox()->setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13"));
    ed->createAction()->trigger();
    EXPECT_EQ(project().textCount, 1);
    ASSERT_EQ(user.infos.size(), 1);
    EXPECT_TRUE(user.infos[0].contains(QStringLiteral("12")));

    window->editObject(ObjectKind::Text, 1);
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("ab"));
    EXPECT_EQ(ed->textBox()->toPlainText(), QStringLiteral("Привет, \"мир\"\nвторая строка"));
    ed->boldBox()->setChecked(false);
    ed->textBox()->setPlainText(QStringLiteral("одна"));
    ed->saveAction()->trigger();
    EXPECT_EQ(project().texts[1].lineCount, 1);
    EXPECT_EQ(project().texts[1].bold, 0);
    EXPECT_EQ(project().texts[1].fileName, "ab.png");
    undo()->undo();
    EXPECT_EQ(project().texts[1].lineCount, 2);
    undo()->undo();
    EXPECT_EQ(project().textCount, 0);
}

TEST_F(EditorsTest, EveryCommandIsInAMenuAndEveryIconButtonHasAHint) {
    installLevelEditor(*window);
    installEventsEditor(*window);
    // One action per command, in a menu; the lower bar's buttons are those same actions.
    QList<QAction*> inMenus;
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        inMenus += menu->actions();
    }
    for (int c = 0; c <= static_cast<int>(Command::ShowLevel); ++c) {
        SCOPED_TRACE(c);
        QAction* action = window->action(static_cast<Command>(c));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(inMenus.contains(action));
    }
    for (QAction* button : window->lowerBar()->actions()) {
        if (!button->isSeparator()) {
            EXPECT_TRUE(inMenus.contains(button)) << button->text().toStdString();
        }
    }
    EXPECT_EQ(window->action(Command::Compile)->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(window->action(Command::RunGame)->shortcut(), QKeySequence(Qt::Key_F5));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // Qt's own "more commands" arrow of a toolbar too narrow for its buttons aside.
        if (!button->icon().isNull() && button->objectName() != "qt_toolbar_ext_button") {
            EXPECT_FALSE(button->toolTip().isEmpty())
                << button->objectName().toStdString() << " " << button->text().toStdString();
        }
    }
}

// A name becomes a file name: the fields take no control character and no more characters
// than a file name can hold.
TEST_F(EditorsTest, NameFieldsTakeOnlyWhatAFileNameCanHold) {
    QLineEdit* fields[] = {
        editor<BackgroundEditor>(CentralPanel::BackgroundEditor)->nameEdit(),
        editor<ActiveEditor>(CentralPanel::ActiveEditor)->nameEdit(),
        editor<IndicatorEditor>(CentralPanel::IndicatorEditor)->nameEdit(),
        editor<TextEditor>(CentralPanel::TextEditor)->nameEdit(),
    };
    for (QLineEdit* field : fields) {
        field->setText(QStringLiteral("ok"));
        field->insert(QStringLiteral("a\tb"));
        EXPECT_EQ(field->text(), QStringLiteral("ok")) << "a control character is refused";
        field->clear();
        field->insert(QString(300, QChar(0x2116)));  // №, three bytes in UTF-8
        EXPECT_EQ(field->text().size(), kMaxObjectNameLength);
        EXPECT_EQ(fileNameFault(toModel(field->text()) + "-99", ".png"), "");
    }
}

TEST_F(EditorsTest, PaletteShowsTheNewTypeAndItsSettingsCommandReopensIt) {
    installLevelEditor(*window);
    window->catalogue()->chooseKind(ObjectKind::Indicator);
    imageAnswers << png("bar.png", 40, 8, [](int, int) { return 0xFF; });
    window->run(Command::NewIndicator);
    auto* ed = editor<IndicatorEditor>(CentralPanel::IndicatorEditor);
    ed->nameEdit()->setText(QStringLiteral("hp"));
    ed->createAction()->trigger();
    auto* palette = window->findChild<ObjectPalette*>();
    auto* commands = window->findChild<ObjectCatalogueCommands*>();
    ASSERT_NE(palette, nullptr);
    ASSERT_NE(commands, nullptr);
    palette->selectSlot(1);
    EXPECT_EQ(window->values().selectedObject, 1);
    commands->editAction()->trigger();
    EXPECT_EQ(shown(), CentralPanel::IndicatorEditor);
    EXPECT_EQ(ed->nameEdit()->text(), QStringLiteral("hp"));
    EXPECT_TRUE(ed->saveAction()->isEnabled());
}

}  // namespace
}  // namespace avizad

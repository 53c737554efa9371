#pragma once
// A main window with the level editor installed, a project of two levels and helpers
// that drive the canvas and the palette with Qt's test events.

#include <QTest>
#include <QUndoStack>
#include <memory>

#include "ScriptedUser.h"
#include "app/CentralArea.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "level/ui/LevelCanvasPanel.h"
#include "level/ui/LevelCanvasView.h"
#include "level/ui/ObjectCatalogueCommands.h"
#include "level/ui/ObjectPalette.h"
#include "main/EditorInstall.h"

namespace avizad::testing {

class LevelEditorFixture : public ::testing::Test {
public:
    LevelEditorFixture() {
        window = std::make_unique<MainWindow>(program.dir(), user.prompts());
        installLevelEditor(*window);
        window->resize(1200, 800);
        window->show();
    }

    // Two levels 240 x 320; active type 1 "hero" with a 32 x 32 icon; a text type.
    static Project smallProject() {
        Project p;
        p.levelCount = 2;
        for (int l = 1; l <= 2; ++l) {
            p.levels[l].width = 240;
            p.levels[l].height = 320;
        }
        p.activeCount = 1;
        p.actives[1].name = "hero";
        p.actives[1].iconWidth = p.actives[1].iconHeight = 32;
        p.actives[1].icon = Image(32, 32, rgb(200, 0, 0));
        p.textCount = 1;
        p.texts[1].fileName = "score.png";
        return p;
    }

protected:
    void open(Project project, int level = 1) {
        window->document()->replaceProject(std::move(project));
        window->levelsPanel()->openLevel(level);
        QApplication::processEvents();
    }

    LevelCanvasPanel* panel() const {
        return qobject_cast<LevelCanvasPanel*>(
            window->centralArea()->panel(CentralPanel::LevelCanvas));
    }
    LevelCanvasView* view() const { return panel()->view(); }
    ObjectPalette* palette() const { return window->findChild<ObjectPalette*>(); }
    ObjectCatalogueCommands* commands() const {
        return window->findChild<ObjectCatalogueCommands*>();
    }
    const Project& project() const { return window->project(); }
    const Level& level(int n = 1) const { return project().levels[n]; }
    QUndoStack* undo() const { return window->document()->undoStack(); }

    void moveTo(int x, int y) { QTest::mouseMove(view(), QPoint(x, y)); }
    void clickSlot(int slot) {
        QTest::mouseClick(palette()->list(), Qt::LeftButton, {},
                          palette()->thumbnailRect(slot).center());
    }
    void doubleClickSlot(int slot) {
        QTest::mouseDClick(palette()->list(), Qt::LeftButton, {},
                           palette()->thumbnailRect(slot).center());
    }
    // Arms a type of the current kind and clicks at canvas (x, y).
    void placeAt(int slot, int x, int y) {
        doubleClickSlot(slot);
        moveTo(x, y);
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(x, y));
    }

    ProgramFolder program;
    ScriptedUser user;
    std::unique_ptr<MainWindow> window;
};

}  // namespace avizad::testing

#include "level/ui/LevelEditorInstall.h"

#include <QStatusBar>

#include "app/CentralArea.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "app/ObjectCatalogueCommands.h"
#include "app/ObjectPalette.h"
#include "level/ui/LevelCanvasPanel.h"
#include "level/ui/LevelCanvasView.h"

namespace avizad {

void installLevelEditor(MainWindow& window) {
    ProjectDocument& document = *window.document();
    auto* panel = new LevelCanvasPanel(document);
    window.centralArea()->setPanel(CentralPanel::LevelCanvas, panel);
    auto* palette = new ObjectPalette(document);
    window.catalogue()->setPalette(palette);
    window.catalogue()->setCommandBar(new ObjectCatalogueCommands(window, *palette));
    QObject::connect(palette, &ObjectPalette::armRequested, panel, &LevelCanvasPanel::arm);
    QObject::connect(panel->view(), &LevelCanvasView::editObjectRequested, &window,
                     &MainWindow::editObject);
    QObject::connect(panel, &LevelCanvasPanel::message, &window, [&window](const QString& text) {
        window.statusBar()->showMessage(text, 8000);
    });
}

}  // namespace avizad

#include "main/EditorInstall.h"

#include "app/CentralArea.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "editors/ui/ActiveEditor.h"
#include "editors/ui/BackgroundEditor.h"
#include "editors/ui/IndicatorEditor.h"
#include "editors/ui/TextEditor.h"
#include "events/ui/EventsEditor.h"
#include "level/ui/LevelCanvasPanel.h"
#include "level/ui/LevelCanvasView.h"
#include "level/ui/ObjectCatalogueCommands.h"
#include "level/ui/ObjectPalette.h"

namespace avizad {

namespace {

void install(MainWindow& window, EditorPanel* editor) {
    window.installObjectEditor(
        editor->kind(), editor, [editor] { editor->startNew(); },
        [editor](int index) { editor->openObject(index); });
}

}  // namespace

void installObjectEditors(MainWindow& window) {
    ProjectDocument& document = *window.document();
    install(window, new BackgroundEditor(document, window));
    install(window, new ActiveEditor(document, window));
    install(window, new IndicatorEditor(document, window));
    install(window, new TextEditor(document, window));
}

void installLevelEditor(MainWindow& window) {
    ProjectDocument& document = *window.document();
    auto* panel = new LevelCanvasPanel(document);
    window.centralArea()->setPanel(CentralPanel::LevelCanvas, panel);
    auto* palette = new ObjectPalette(document);
    window.catalogue()->setPalette(palette);
    window.catalogue()->setCommandBar(new ObjectCatalogueCommands(document, window, *palette));
    QObject::connect(palette, &ObjectPalette::armRequested, panel, &LevelCanvasPanel::arm);
    QObject::connect(panel->view(), &LevelCanvasView::editObjectRequested, &window,
                     &MainWindow::editObject);
    QObject::connect(panel, &LevelCanvasPanel::message, &window,
                     [&window](const QString& text) { window.showStatus(text); });
}

EventsEditor* installEventsEditor(MainWindow& window) {
    auto* editor = new EventsEditor(*window.document(), window.prompts());
    window.centralArea()->setPanel(CentralPanel::Events, editor);
    return editor;
}

}  // namespace avizad

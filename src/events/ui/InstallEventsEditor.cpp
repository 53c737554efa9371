#include "events/ui/InstallEventsEditor.h"

#include "app/CentralArea.h"
#include "app/MainWindow.h"
#include "events/ui/EventsEditor.h"

namespace avizad {

EventsEditor* installEventsEditor(MainWindow& window) {
    auto* editor = new EventsEditor(*window.document(), window.prompts());
    window.centralArea()->setPanel(CentralPanel::Events, editor);
    return editor;
}

}  // namespace avizad

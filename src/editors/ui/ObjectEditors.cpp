#include "editors/ui/ObjectEditors.h"

#include "app/MainWindow.h"
#include "editors/ui/ActiveEditor.h"
#include "editors/ui/BackgroundEditor.h"
#include "editors/ui/IndicatorEditor.h"
#include "editors/ui/TextEditor.h"

namespace avizad {

void installObjectEditors(MainWindow& window) {
    auto* background = new BackgroundEditor(window);
    window.installObjectEditor(
        ObjectKind::Background, background, [background] { background->startNew(); },
        [background](int index) { background->openObject(index); });
    auto* active = new ActiveEditor(window);
    window.installObjectEditor(
        ObjectKind::Active, active, [active] { active->startNew(); },
        [active](int index) { active->openObject(index); });
    auto* indicator = new IndicatorEditor(window);
    window.installObjectEditor(
        ObjectKind::Indicator, indicator, [indicator] { indicator->startNew(); },
        [indicator](int index) { indicator->openObject(index); });
    auto* text = new TextEditor(window);
    window.installObjectEditor(
        ObjectKind::Text, text, [text] { text->startNew(); },
        [text](int index) { text->openObject(index); });
}

}  // namespace avizad

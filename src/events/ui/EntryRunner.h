#pragma once
// Runs a catalogue entry: opens its dialog (expression builder, key, timer,
// detection, object number or sound file), fills the entry's values from it, shows a
// refusal, and builds the caption and code. A cancelled dialog builds nothing.

#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "events/BuiltText.h"
#include "events/CatalogueEntry.h"
#include "model/Project.h"
#include "shell/Prompts.h"

class QWidget;

namespace avizad {

class ProjectDocument;

class EntryRunner {
public:
    // The chosen sound file, or "" when cancelled: (parent, start folder, filter).
    using ChooseFile = std::function<QString(QWidget*, const QString&, const QString&)>;

    EntryRunner(const ProjectDocument& document, Prompts prompts, QWidget* parent);

    // The caption and code of `entry` with `values` (n and, for actions, the level set by
    // the caller); `kind` is the kind of object n, whose value words the builder offers
    // first (none: n is no object, e.g. a special column).
    std::optional<BuiltText> run(const CatalogueEntry& entry, EntryValues values,
                                 std::optional<ObjectKind> kind) const;

    const Prompts& prompts() const { return prompts_; }
    // Replaces the file dialog of the sound action (tests choose the file).
    void setChooseFile(ChooseFile choose) { chooseFile_ = std::move(choose); }

private:
    bool ask(const CatalogueEntry& entry, EntryValues& values,
             std::optional<ObjectKind> kind) const;

    const ProjectDocument& document_;
    Prompts prompts_;
    QWidget* parent_;
    ChooseFile chooseFile_;
};

}  // namespace avizad

#pragma once
// What a panel of the editor (an object editor, the level canvas with the palette, the events
// editor) asks of the window it sits in. The panels change the project through the project
// document; everything else of the window they reach through this interface, which the main
// window implements and a test can implement on its own.

#include <QString>
#include <filesystem>

#include "model/Project.h"
#include "shell/Prompts.h"

class QUndoStack;

namespace avizad {

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // The questions asked of the user; tests answer them without a person.
    virtual const Prompts& prompts() const = 0;
    // The folder with System/ and the images the picture dialogs open in.
    virtual const std::filesystem::path& programDir() const = 0;
    // Hides the object editor shown: the events editor or the level canvas shows again.
    virtual void closeEditors() = 0;
    // Shows the kind's editor with object type `index` to change; nothing happens when the
    // type does not exist.
    virtual void editObject(ObjectKind kind, int index) = 0;
    // Undo and redo act on `stack` (a panel's own history, e.g. the strokes on a map being
    // drawn) until it is set back to nullptr: the document's history.
    virtual void setActiveUndoStack(QUndoStack* stack) = 0;
    // A message for the status line.
    virtual void showStatus(const QString& text) = 0;
};

}  // namespace avizad

#pragma once
// What the four object editors share: the panel with its title and close button, the
// tool bar with "Создать объект" and "Сохранить изменения", the property grid, PNG files
// dropped from the file manager, the project document, prompts and program folder they
// work with, and the protocol of every editor: startNew (fresh defaults, then the
// picture is asked for), openObject (the object's values loaded for changing), create
// and saveChanges (the panel's, through the editor's takeControls and storeInto).

#include <QWidget>
#include <functional>

#include "document/ProjectDocument.h"
#include "model/Image.h"
#include "shell/Prompts.h"

class QAction;
class QLabel;
class QLineEdit;
class QToolBar;
class QVBoxLayout;

namespace avizad {

class EditorHost;
class PropertyGrid;

class EditorPanel : public QWidget {
    Q_OBJECT

public:
    EditorPanel(ProjectDocument& document, EditorHost& host, ObjectKind kind, const QString& title,
                QWidget* parent = nullptr);

    ObjectKind kind() const { return kind_; }
    // A new object: fresh defaults, then the picture of the object is asked for.
    void startNew();
    // Object type `index` is loaded for changing; nothing happens when there is none.
    void openObject(int index);
    // The object type being changed; 0 while a new one is made.
    int editedIndex() const { return editedIndex_; }
    // "Создать объект" stores the editor's content as a new object type of the panel's kind,
    // selected in the catalogue; "Сохранить изменения" stores it into the opened one. Each is
    // one undoable edit ("Создание объекта", "Изменение объекта"), after which the panel
    // closes. Refused with a message: a new object when the kind's table is full or the
    // editor lacks its picture (missingContent), a change when the opened type is no more.
    void create();
    void saveChanges();

    QAction* createAction() const { return create_; }
    QAction* saveAction() const { return save_; }
    QToolBar* toolBar() const { return toolBar_; }
    PropertyGrid* propertyGrid() const { return properties_; }
    // Hides the panel without storing anything (its close button).
    void close();

protected:
    // The editor's parts of the protocol: its controls back to a new object's values; the
    // picture dialog of a new object (editors without pictures ask nothing); the values
    // of object type `index` into the controls.
    virtual void reset() = 0;
    virtual void askForPicture() {}
    virtual void load(int index) = 0;
    // The editor's parts of storing: what a new object still lacks (the message to show;
    // empty when nothing), whether the opened object can still be stored into, the
    // controls taken into the editor's draft (false refuses, after a message), the parts of
    // the project a store changes, the draft stored as object type `index`, and what a
    // stored change writes besides the project (false keeps the panel open).
    virtual QString missingContent() const { return {}; }
    virtual bool openedObjectStorable() const { return true; }
    virtual bool takeControls() = 0;
    virtual ProjectParts partsToStore() const { return ProjectParts().withTypes(kind_); }
    virtual void storeInto(Project& project, int index) const = 0;
    virtual bool changeStored() { return true; }
    // Forgets the opened object: "Сохранить изменения" is off until the next openObject.
    void forgetEditedObject();

    ProjectDocument& document() const { return *document_; }
    EditorHost& host() const { return host_; }
    const Prompts& prompts() const;
    QVBoxLayout* body() const { return body_; }
    // A field for the object's name, which becomes a file name: at most
    // kMaxObjectNameLength characters, no control characters.
    QLineEdit* newNameField();
    // The folder the image dialogs open in: "images" beside the program.
    QString imagesFolder() const;
    // Asks for a PNG file in the images folder; empty when cancelled.
    QString askImageFile();
    // Reads a PNG file; a file that cannot be read shows its message and gives false.
    bool readImage(const QString& file, Image& image);
    void showError(const QString& text);
    void showInfo(const QString& text);
    // A PNG file dropped on the panel; editors without pictures ignore it.
    virtual void imageDropped(const QString& file) { (void)file; }

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setTitle(const QString& title);
    // Refuses a new object with a message when the kind's table is full.
    bool roomForNew();
    // A new object was stored as type `index`: the catalogue shows it, selected.
    void setCreated(int index);

    ProjectDocument* document_;
    EditorHost& host_;
    ObjectKind kind_;
    QString newTitle_;  // "Создание ..."; "Изменение ..." while an object is changed
    QLabel* caption_ = nullptr;
    int editedIndex_ = 0;
    QAction* create_ = nullptr;
    QAction* save_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    PropertyGrid* properties_ = nullptr;
};

}  // namespace avizad

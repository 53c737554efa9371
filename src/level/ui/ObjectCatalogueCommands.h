#pragma once
// The catalogue's command bar: "Настройки" opens the selected type in its editor,
// "Дублировать" adds a copy of it under a new name, the arrows move it one place up or
// down, the cross deletes it (asking first when placements or events use it). Each
// change is one undoable edit of the document.

#include <QString>
#include <QToolBar>
#include <functional>

namespace avizad {

class EditorHost;
class ObjectPalette;
class ProjectDocument;

class ObjectCatalogueCommands : public QToolBar {
    Q_OBJECT

public:
    ObjectCatalogueCommands(ProjectDocument& document, EditorHost& host, ObjectPalette& palette,
                            QWidget* parent = nullptr);

    // Asks whether to go on ("Да"/"Нет"); tests replace it.
    std::function<bool(QWidget* parent, const QString& question)> confirm;

    void editSelected();
    void duplicateSelected();
    void moveUp();
    void moveDown();
    void deleteSelected();

    QAction* editAction() const { return edit_; }
    QAction* duplicateAction() const { return duplicate_; }
    QAction* upAction() const { return up_; }
    QAction* downAction() const { return down_; }
    QAction* deleteAction() const { return delete_; }

private:
    void move(bool up);

    ProjectDocument& document_;
    EditorHost& host_;
    ObjectPalette& palette_;
    QAction* edit_ = nullptr;
    QAction* duplicate_ = nullptr;
    QAction* up_ = nullptr;
    QAction* down_ = nullptr;
    QAction* delete_ = nullptr;
};

}  // namespace avizad

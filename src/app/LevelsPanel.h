#pragma once
// The levels panel on the left of the main window ("Уровни"): the level list and its
// toolbar of four commands (properties, move up, move down, delete).

#include <QWidget>

class QToolButton;

namespace avizad {

class LevelList;
class ProjectDocument;

class LevelsPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 160;

    explicit LevelsPanel(ProjectDocument& document, QWidget* parent = nullptr);

    LevelList* list() const { return list_; }
    QToolButton* propertiesButton() const { return propertiesButton_; }
    QToolButton* upButton() const { return upButton_; }
    QToolButton* downButton() const { return downButton_; }
    QToolButton* deleteButton() const { return deleteButton_; }

    // Redraws the list from the project (on the document's signals).
    void refresh();
    // A click on a level's row.
    void chooseLevel(int level);
    // A double click: the level is chosen and the canvas asked for.
    void openLevel(int level);
    void moveUp();
    void moveDown();
    void deleteLevel();
    void editProperties();

signals:
    // The placement canvas should be shown for this level.
    void openCanvasRequested(int level);
    // The level properties dialog should be opened for currentLevel.
    void propertiesRequested(int level);

private:
    ProjectDocument& document_;
    LevelList* list_ = nullptr;
    QToolButton* propertiesButton_ = nullptr;
    QToolButton* upButton_ = nullptr;
    QToolButton* downButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
};

}  // namespace avizad

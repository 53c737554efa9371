#pragma once
// The background object editor "Создание фоновых объектов": loads a tile set, cuts it
// into tiles, paints the map cell by cell and stores a new background object type or
// changes the one opened from the catalogue. Its working state stays between openings.

#include <QUndoStack>

#include "editors/BackgroundDraft.h"
#include "editors/ui/EditorPanel.h"

class QAction;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace avizad {

class MapGrid;

class BackgroundEditor : public EditorPanel {
    Q_OBJECT

public:
    BackgroundEditor(ProjectDocument& document, EditorHost& host, QWidget* parent = nullptr);

    // Asks for a tile set; a cancelled dialog changes nothing.
    void openImage();
    void loadImageFile(const QString& file);

    const BackgroundDraft& draft() const { return draft_; }
    QAction* openImageAction() const { return openImage_; }
    QAction* clearMapAction() const { return clearMap_; }
    QLineEdit* nameEdit() const { return name_; }
    QSpinBox* tilesAcrossBox() const { return across_; }
    QSpinBox* tilesDownBox() const { return down_; }
    QSpinBox* columnsBox() const { return columns_; }
    QSpinBox* rowsBox() const { return rows_; }
    QRadioButton* kindButton(int kind) const { return kinds_[kind]; }
    QListWidget* tileList() const { return tileList_; }
    MapGrid* mapGrid() const { return map_; }
    // The strokes drawn on the map since the editor started: one undoable step each, while
    // the editor is shown ("Отменить", Ctrl+Z).
    QUndoStack* strokes() { return &strokes_; }

protected:
    void imageDropped(const QString& file) override { loadImageFile(file); }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    void reset() override;
    void askForPicture() override { openImage(); }
    void load(int index) override;

private:
    void countsChanged();
    // Recomputes the tiles and redraws the tile list and the map.
    void refreshTiles();
    QString missingContent() const override;
    bool takeControls() override;
    void storeInto(Project& project, int index) const override;

    class MapStroke;
    // Puts a map of the strokes' history into the draft.
    void showMap(const TileMap& map);

    BackgroundDraft draft_;
    QUndoStack strokes_;
    TileMap strokeStart_;
    bool updating_ = false;
    QAction* openImage_ = nullptr;
    QAction* clearMap_ = nullptr;
    QLineEdit* name_ = nullptr;
    QSpinBox* across_ = nullptr;
    QSpinBox* down_ = nullptr;
    QSpinBox* columns_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QButtonGroup* kindGroup_ = nullptr;
    QRadioButton* kinds_[3] = {};
    QListWidget* tileList_ = nullptr;
    MapGrid* map_ = nullptr;
};

}  // namespace avizad

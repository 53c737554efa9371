#pragma once
// The level itself at the current zoom: draws the visible part of the current level
// (backgrounds from cached chunks, the rest over them), and turns pointer and key input
// into placing, dragging, selecting, nudging (arrow keys; with Shift by a grid cell),
// copying (Ctrl+C, Ctrl+V at the pointer), deleting and trajectory points, each one
// undoable edit of the document (a drag is one edit). Alt places and drags without
// snapping to the grid. A press selects the placement on top, of any kind, and the
// catalogue follows its kind; the selection follows undo and redo.

#include <QImage>
#include <QWidget>
#include <map>
#include <optional>
#include <utility>

#include "document/ProjectDocument.h"
#include "editors/ObjectLook.h"
#include "level/PlacementEditor.h"
#include "level/ui/PictureCache.h"

class QMenu;

namespace avizad {

class LevelCanvasView : public QWidget {
    Q_OBJECT

public:
    LevelCanvasView(ProjectDocument& document, PlacementEditor& editor, QWidget* parent = nullptr);

    // The level shown (the document's current level; 0 none).
    int level() const;
    // The zoom changed, or the level or its size: the widget takes the level's size.
    void relayout();
    // Everything must be drawn again (pictures, colours, settings, view state).
    void redrawAll();
    // Removes the selected placement ("Удалить").
    void deleteSelected();
    // The arrow keys: the selected placement moves by (dx, dy).
    void nudgeSelected(int dx, int dy);
    // Ctrl+C and Ctrl+V.
    void copySelected();
    void paste();
    QMenu* contextMenu() const { return menu_; }
    const FontMeasure& fontMeasure() const { return measure_; }

signals:
    // "Мышь" read-out: the pointer's level position.
    void pointerMoved(int x, int y);
    // "ВО" read-out: a placement's position; `cleared` for "ВО(Х: ;Y: )".
    void selectionMoved(int x, int y, bool cleared);
    // A trajectory point was added or removed.
    void trajectoryEdited();
    void message(const QString& text);
    // "Настройки объекта" of the context menu: the selected placement's object type.
    void editObjectRequested(avizad::ObjectKind kind, int object);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

signals:
    void zoomStepRequested(int steps);

private:
    const QImage& chunk(int cx, int cy);
    void placementsChanged(int level);
    void updateCanvas(const CanvasRect& rect);
    CanvasRect previewRect() const;
    void showRefusal(Refusal refusal);
    // Adds a placement as one edit and selects it.
    void add(const NewPlacement& made, const QString& text);
    // Moves a placement as one edit (`mergeKey`: a drag).
    void moveTo(const PlacementMove& move, const QString& text, int mergeKey = 0);
    // The selection after a change: its frame redrawn, the "ВО" read-out and the
    // document's selected object follow.
    void showSelection(const CanvasRect& frameBefore);
    // The status bar says whether placing snaps to the grid (Alt: not).
    void showSnapping(bool snap);

    ProjectDocument& document_;
    PlacementEditor& editor_;
    FontMeasure measure_;  // the phone's fonts on the settings' screen
    PictureCache pictures_;
    LookCache looks_;
    // Background chunks of the current level and zoom, by chunk column and row.
    std::map<std::pair<int, int>, QImage> chunks_;
    std::optional<Level> shown_;  // the level as last drawn, to find what changed
    QImage buffer_;
    int dragKey_ = 0;
    bool pointerInside_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
    QMenu* menu_ = nullptr;
    int snapShown_ = -1;  // what the status bar said last: 1 snapping, 0 not
};

}  // namespace avizad

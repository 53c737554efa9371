#pragma once
// The level itself at the current zoom: draws the visible part of the current level
// (backgrounds from cached chunks, the rest over them), and turns pointer input into
// placing, dragging, selecting and trajectory points, each one undoable edit of the
// document (a drag is one edit).

#include <QImage>
#include <QWidget>
#include <map>
#include <optional>
#include <utility>

#include "app/ProjectDocument.h"
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
    // Removes the placement the last release selected ("Удалить").
    void deleteSelected();
    QMenu* contextMenu() const { return menu_; }

signals:
    // "Мышь" read-out: the pointer's level position.
    void pointerMoved(int x, int y);
    // "ВО" read-out: a placement's position; `cleared` for "ВО(Х: ;Y: )".
    void selectionMoved(int x, int y, bool cleared);
    // A trajectory point was added or removed.
    void trajectoryEdited();
    void message(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
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

    ProjectDocument& document_;
    PlacementEditor& editor_;
    PictureCache pictures_;
    // Background chunks of the current level and zoom, by chunk column and row.
    std::map<std::pair<int, int>, QImage> chunks_;
    std::optional<Level> shown_;  // the level as last drawn, to find what changed
    QImage buffer_;
    int dragKey_ = 0;
    bool pointerInside_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
    QMenu* menu_ = nullptr;
};

}  // namespace avizad

#pragma once
// The map grid of the background editor: columns x rows cells at the tiles' natural
// size on silver, each showing its tile. Pressing and dragging the left button puts the
// chosen tile into every cell the pointer passes, any other button empties them; a
// stroke lasts from the press to the release.

#include <QImage>
#include <QWidget>
#include <functional>

#include "editors/BackgroundDraft.h"

namespace avizad {

class MapGrid : public QWidget {
    Q_OBJECT

public:
    explicit MapGrid(BackgroundDraft& draft, QWidget* parent = nullptr);

    // The draft's size, tiles or cells changed.
    void refresh();
    // The cell under a point, 1-based; false outside the map.
    bool cellAt(QPoint point, int& column, int& row) const;
    // Cell size on screen (a tile of 0 pixels still gets a visible cell).
    QSize cellSize() const;

signals:
    void cellChanged();
    void strokeStarted();
    void strokeFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BackgroundDraft& draft_;
    bool stroking_ = false;
    bool leftStroke_ = false;
    int lastColumn_ = 0;
    int lastRow_ = 0;
    QImage tiles_;
};

}  // namespace avizad

#pragma once
// The map grid of the background editor: columns x rows cells at the tiles' natural
// size on silver, each showing its tile; the left button puts the chosen tile into a
// cell, any other button empties it.

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BackgroundDraft& draft_;
    QImage tiles_;
};

}  // namespace avizad

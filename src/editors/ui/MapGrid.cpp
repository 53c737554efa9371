#include "editors/ui/MapGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "model/ui/QtPicture.h"

namespace avizad {

MapGrid::MapGrid(BackgroundDraft& draft, QWidget* parent) : QWidget(parent), draft_(draft) {
    refresh();
}

QSize MapGrid::cellSize() const {
    const TileGrid grid = draft_.grid();
    return QSize(std::max(grid.tileWidth, 8), std::max(grid.tileHeight, 8));
}

void MapGrid::refresh() {
    tiles_ = toQImage(draft_.tileSet);
    const QSize cell = cellSize();
    setFixedSize(cell.width() * draft_.columns + 1, cell.height() * draft_.rows + 1);
    update();
}

bool MapGrid::cellAt(QPoint point, int& column, int& row) const {
    const QSize cell = cellSize();
    if (point.x() < 0 || point.y() < 0) {
        return false;
    }
    column = point.x() / cell.width() + 1;
    row = point.y() / cell.height() + 1;
    return column <= draft_.columns && row <= draft_.rows;
}

void MapGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    const TileGrid grid = draft_.grid();
    const QSize cell = cellSize();
    for (int r = 1; r <= draft_.rows; ++r) {
        for (int c = 1; c <= draft_.columns; ++c) {
            const QRect target((c - 1) * cell.width(), (r - 1) * cell.height(), cell.width(),
                               cell.height());
            const int tile = draft_.map.at(r, c);
            if (grid.holds(tile) && !tiles_.isNull()) {
                const PixelRect source = grid.tile(tile);
                painter.drawImage(target, tiles_,
                                  QRect(source.x, source.y, source.width, source.height));
            }
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(target);
        }
    }
}

void MapGrid::mousePressEvent(QMouseEvent* event) {
    int column = 0;
    int row = 0;
    if (cellAt(event->position().toPoint(), column, row)) {
        draft_.paint(column, row, event->button() == Qt::LeftButton);
        update();
        emit cellChanged();
    }
}

}  // namespace avizad

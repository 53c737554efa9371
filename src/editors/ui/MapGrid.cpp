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
    if (stroking_ || !cellAt(event->position().toPoint(), column, row)) {
        return;
    }
    stroking_ = true;
    leftStroke_ = event->button() == Qt::LeftButton;
    emit strokeStarted();
    draft_.paint(column, row, leftStroke_);
    lastColumn_ = column;
    lastRow_ = row;
    update();
    emit cellChanged();
}

void MapGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!stroking_) {
        return;
    }
    // Cells beyond the map's edge are clamped to it, so a stroke that leaves it and comes
    // back draws along the edge.
    const QSize cell = cellSize();
    const QPoint p = event->position().toPoint();
    const int column = std::clamp(p.x() / cell.width() + 1, 1, draft_.columns);
    const int row = std::clamp(p.y() / cell.height() + 1, 1, draft_.rows);
    if (column == lastColumn_ && row == lastRow_) {
        return;
    }
    draft_.paintStroke(lastColumn_, lastRow_, column, row, leftStroke_);
    lastColumn_ = column;
    lastRow_ = row;
    update();
    emit cellChanged();
}

void MapGrid::mouseReleaseEvent(QMouseEvent*) {
    if (stroking_) {
        stroking_ = false;
        emit strokeFinished();
    }
}

}  // namespace avizad

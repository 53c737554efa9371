#include "editors/ui/DirectionView.h"

#include <QMouseEvent>
#include <QPainter>

#include "editors/DirectionPicker.h"

namespace avizad {

DirectionView::DirectionView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPickerWidth, kPickerHeight);
    setToolTip(QStringLiteral("Направление"));
}

void DirectionView::reset() {
    direction_ = Direction::Right;
    chosen_ = false;
    update();
}

void DirectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), isEnabled() ? Qt::white : QColor(235, 235, 235));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const std::vector<PixelPoint> figure =
        chosen_ ? arrowFigure(direction_, width(), height()) : startLine(width(), height());
    QPolygon line;
    for (const PixelPoint& p : figure) {
        line << QPoint(p.x, p.y);
    }
    painter.drawPolyline(line);
}

void DirectionView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    direction_ = chooseDirection(p.x(), p.y(), width(), height(), direction_);
    chosen_ = true;
    update();
    emit directionChosen(direction_);
}

}  // namespace avizad

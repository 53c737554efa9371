#include "editors/ui/FrameCell.h"

#include <QMouseEvent>
#include <QPainter>

namespace avizad {

FrameCell::FrameCell(int size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size, size);
}

void FrameCell::setFrame(const QImage& frame) {
    frame_ = frame;
    update();
}

void FrameCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!frame_.isNull()) {
        painter.drawImage(rect(), frame_);
    }
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrameCell::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace avizad

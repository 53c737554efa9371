#include "editors/ui/StripView.h"

#include <QMouseEvent>
#include <QPainter>

#include "editors/FrameStrip.h"

namespace avizad {

StripView::StripView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSourceViewWidth, kSourceViewHeight);
    setToolTip(QStringLiteral("Щелчок выбирает кадр"));
}

void StripView::setStrip(const QImage& strip) {
    strip_ = strip;
    update();
}

void StripView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!strip_.isNull()) {
        const double scale = sourceViewScale(strip_.width(), strip_.height());
        painter.drawImage(QRectF(0, 0, strip_.width() / scale, strip_.height() / scale), strip_);
    }
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void StripView::mousePressEvent(QMouseEvent* event) {
    emit pressedAt(event->position().toPoint().x());
}

}  // namespace avizad

#include "editors/ui/ImageView.h"

#include <QPainter>

namespace avizad {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 120);
}

void ImageView::setImage(const QImage& image) {
    image_ = image;
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image_.isNull()) {
        const QSize size = image_.size().scaled(rect().size() - QSize(8, 8), Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(4, 4), size), image_);
    }
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace avizad

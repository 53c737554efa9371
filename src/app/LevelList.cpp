#include "app/LevelList.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/LevelOperations.h"
#include "model/ui/QtText.h"

namespace avizad {

LevelList::LevelList(const Project& project, QWidget* parent) : QWidget(parent), project_(project) {
    setObjectName("levelList");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    refresh();
}

void LevelList::refresh() {
    setMinimumHeight(kRowHeight * project_.levelCount + 10);
    updateGeometry();
    update();
}

void LevelList::setMarker(int level) {
    marker_ = level;
    update();
}

int LevelList::levelAt(const QPoint& position) const {
    return levelAtPosition(position.y() - 5, kRowHeight, project_.levelCount);
}

QRect LevelList::rowRect(int level) const {
    return QRect(2, 5 + (level - 1) * kRowHeight, width() - 4, kRowHeight - 2);
}

QSize LevelList::sizeHint() const {
    return QSize(150, kRowHeight * project_.levelCount + 10);
}

void LevelList::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (marker_ >= 1 && marker_ <= project_.levelCount) {
        const QRect row = rowRect(marker_);
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.setBrush(QColor(255, 224, 220));
        p.drawRoundedRect(QRectF(row).adjusted(1, 1, -1, -1), 4, 4);
    }
    QFont nameFont = font();
    nameFont.setBold(true);
    for (int i = 1; i <= project_.levelCount; ++i) {
        const Level& level = project_.levels[i];
        const QRect row = rowRect(i);
        // The picture: the level's outline in its proportions, fitted into 20 x 40.
        const QRectF box(row.left() + 13, row.top() + 4, 20, 40);
        double w = 20;
        double h = 40;
        if (level.width > 0 && level.height > 0) {
            const double scale = std::min(20.0 / level.width, 40.0 / level.height);
            w = level.width * scale;
            h = level.height * scale;
        }
        const QRectF picture(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
        p.setPen(QPen(QColor(58, 98, 170), 1));
        p.setBrush(QColor(114, 170, 255));
        p.drawRect(picture);
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(nameFont);
        const QRect nameRect(row.left() + 48, row.top() + 5, row.width() - 52, 20);
        p.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(fromModel(listedLevelName(level)), Qt::ElideRight,
                                              nameRect.width()));
        p.setFont(font());
        p.setPen(QColor(80, 90, 110));
        p.drawText(QRect(row.left() + 48, row.top() + 25, row.width() - 52, 18),
                   Qt::AlignLeft | Qt::AlignVCenter, fromModel(listedLevelSize(level)));
    }
}

void LevelList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int level = levelAt(event->position().toPoint());
        if (level > 0) {
            emit levelClicked(level);
        }
    }
}

void LevelList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int level = levelAt(event->position().toPoint());
        if (level > 0) {
            emit levelDoubleClicked(level);
        }
    }
}

}  // namespace avizad

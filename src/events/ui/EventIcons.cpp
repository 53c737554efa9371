#include "events/ui/EventIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace avizad {

namespace {

const QColor kInk(40, 48, 64);
const QColor kBlue(58, 98, 170);
const QColor kGreen(70, 160, 70);
const QColor kSun(250, 196, 48);
const QColor kRed(214, 64, 52);

QPixmap canvas(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(EventIcons::kSize, EventIcons::kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// 1: a lightning bolt, "always" and comparisons.
void drawGeneral(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSun);
    p.drawPolygon(QPolygonF({{19, 2}, {7, 18}, {15, 18}, {12, 31}, {26, 13}, {18, 13}, {23, 2}}));
}

// 2: a star, the special actions.
void drawSpecial(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(236, 120, 200));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 14.0 : 6.0;
        const double a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(17 + r * std::cos(a), 17 + r * std::sin(a));
    }
    p.drawPolygon(star);
}

// 3: a flag, the level.
void drawLevel(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(9, 4), QPointF(9, 31));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{10, 5}, {28, 9}, {10, 17}}));
}

// 4: a phone keypad, the keys.
void drawKeys(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(220, 226, 236));
    p.drawRoundedRect(QRectF(7, 2, 20, 30), 3, 3);
    p.setBrush(kBlue);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.drawRect(QRectF(10 + column * 5.5, 13 + row * 5.5, 3.5, 3.5));
        }
    }
    p.setBrush(QColor(180, 220, 255));
    p.drawRect(QRectF(10, 5, 14, 6));
}

// 5: a clock, the timer.
void drawTimer(QPainter& p) {
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 28, 28));
    p.setPen(QPen(kRed, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(17, 7));
    p.drawLine(QPointF(17, 17), QPointF(24, 20));
}

}  // namespace

QPixmap EventIcons::category(int k) {
    switch (k) {
        case 1:
            return canvas(drawGeneral);
        case 2:
            return canvas(drawSpecial);
        case 3:
            return canvas(drawLevel);
        case 4:
            return canvas(drawKeys);
        default:
            break;
    }
    return canvas(drawTimer);
}

QPixmap EventIcons::hasActions() {
    return canvas([](QPainter& p) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(255, 250, 220));
        p.drawRect(QRectF(3, 3, 28, 28));
        p.setPen(QPen(kGreen.darker(110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{9, 17}, {15, 24}, {26, 9}}));
    });
}

QPixmap EventIcons::emptyCell() {
    return canvas([](QPainter& p) {
        p.setPen(QPen(QColor(200, 208, 222), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 3, 28, 28));
    });
}

QPixmap EventIcons::textObject() {
    return canvas([](QPainter& p) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(250, 250, 244));
        p.drawRect(QRectF(2, 2, 30, 30));
        QFont font = p.font();
        font.setPixelSize(22);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kBlue);
        p.drawText(QRectF(2, 2, 30, 30), Qt::AlignCenter, QStringLiteral("T"));
    });
}

}  // namespace avizad

#include "app/AppIcons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace avizad {

namespace {

constexpr int kSize = 32;

const QColor kInk(40, 48, 64);
const QColor kSky(114, 170, 255);
const QColor kGrass(86, 170, 72);
const QColor kSun(250, 196, 48);
const QColor kRed(214, 64, 52);
const QColor kPaper(250, 250, 244);

// A small plus sign in the lower right corner: "create".
void drawPlus(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kGrass.darker(120));
    p.drawEllipse(QRectF(19, 19, 12, 12));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 21.5), QPointF(25, 28.5));
    p.drawLine(QPointF(21.5, 25), QPointF(28.5, 25));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSun.lighter(110));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14, 11);
    back.lineTo(28, 11);
    back.lineTo(28, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kSun);
    p.drawPolygon(QPolygonF({{3, 26}, {7, 14}, {31, 14}, {28, 26}}));
}

void drawPage(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}));
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
    p.setPen(QPen(kSky.darker(120), 1.5));
    for (int y = 13; y <= 24; y += 4) {
        p.drawLine(QPointF(10, y), QPointF(22, y));
    }
}

void drawDisk(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(58, 98, 170));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(210, 214, 222));
    p.drawRect(QRectF(8, 17, 16, 11));
    p.setBrush(kInk);
    p.drawRect(QRectF(18, 6, 3, 5));
}

void drawGear(QPainter& p, QPointF centre, double radius) {
    QPainterPath gear;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(i * 45.0);
        gear.addPolygon(
            t.map(QPolygonF(QRectF(-radius * 0.22, -radius * 1.25, radius * 0.44, radius * 0.6))));
    }
    gear.addEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(150, 156, 170));
    p.drawPath(gear.simplified());
    p.setBrush(kPaper);
    p.drawEllipse(centre, radius * 0.4, radius * 0.4);
}

void drawPhone(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(70, 76, 92));
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(kSky);
    p.drawRect(QRectF(r.left() + 2.5, r.top() + 3, r.width() - 5, r.height() * 0.5));
    p.setBrush(QColor(200, 204, 212));
    p.setPen(Qt::NoPen);
    const double y = r.top() + r.height() * 0.5 + 5;
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(r.left() + 3 + col * (r.width() - 6) / 3, y + row * 3.5,
                              (r.width() - 6) / 3 - 1, 2.5));
        }
    }
}

void drawBackgroundTiles(QPainter& p) {
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kSky.lighter(115));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(kGrass);
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(3 + i * 8.67, 19, 8.67, 8));
    }
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(11.67, 11, 8.67, 8));
}

void drawCharacter(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSun);
    p.drawEllipse(QRectF(10, 3, 12, 12));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(9, 15, 14, 10), 3, 3);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 25), QPointF(11, 30));
    p.drawLine(QPointF(19, 25), QPointF(21, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(13, 7, 2, 2.5));
    p.drawEllipse(QRectF(17, 7, 2, 2.5));
}

void drawBar(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(QRectF(3, 11, 26, 10), 3, 3);
    QLinearGradient fill(3, 0, 29, 0);
    fill.setColorAt(0, kRed);
    fill.setColorAt(1, kSun);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 11, 17, 10), 3, 3);
}

void drawLetter(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
    QFont font("DejaVu Serif");
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(58, 98, 170));
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("Аб"));
}

void drawLevel(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSky);
    p.drawRect(QRectF(6, 3, 18, 26));
    p.setBrush(kGrass);
    p.drawRect(QRectF(6, 22, 18, 7));
    p.setBrush(kSun);
    p.drawEllipse(QRectF(15, 6, 6, 6));
}

void drawArrow(QPainter& p, bool up) {
    QPolygonF arrow({{16, 4}, {28, 17}, {21, 17}, {21, 28}, {11, 28}, {11, 17}, {4, 17}});
    if (!up) {
        QTransform flip;
        flip.translate(0, 32);
        flip.scale(1, -1);
        arrow = flip.map(arrow);
    }
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(72, 132, 220));
    p.drawPolygon(arrow);
}

// A curved arrow turning back (undo) or forward (redo).
void drawTurn(QPainter& p, bool back) {
    if (!back) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(9, 14);
    arc.cubicTo(14, 6, 27, 7, 27, 18);
    arc.cubicTo(27, 24, 22, 27, 16, 27);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    p.setPen(QPen(QColor(72, 132, 220), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    const QPolygonF head({{3, 8}, {15, 10}, {6, 19}});
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(72, 132, 220));
    p.drawPolygon(head);
}

void drawCross(QPainter& p) {
    p.setPen(QPen(kRed.darker(130), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
    p.setPen(QPen(kRed, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void drawPlay(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kGrass);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{12.5, 9}, {23, 16}, {12.5, 23}}));
}

void drawQuestion(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(72, 132, 220));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

// The mark of the program: a phone with a star on its screen.
void drawMark(QPainter& p, QRectF r) {
    const double w = r.width();
    const double h = r.height();
    const QRectF body(r.left() + w * 0.22, r.top() + h * 0.04, w * 0.56, h * 0.92);
    p.setPen(QPen(kInk, std::max(1.0, w / 32)));
    p.setBrush(QColor(58, 98, 170));
    p.drawRoundedRect(body, w * 0.08, w * 0.08);
    const QRectF screen(body.left() + body.width() * 0.12, body.top() + body.height() * 0.1,
                        body.width() * 0.76, body.height() * 0.5);
    QLinearGradient sky(screen.topLeft(), screen.bottomLeft());
    sky.setColorAt(0, kSky.lighter(120));
    sky.setColorAt(1, kSky);
    p.setBrush(sky);
    p.drawRect(screen);
    QPolygonF star;
    const QPointF c = screen.center();
    const double outer = screen.width() * 0.34;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.45;
        const double angle = (i * 36.0 - 90.0) * 3.14159265358979 / 180.0;
        star << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    }
    p.setBrush(kSun);
    p.setPen(QPen(kSun.darker(140), std::max(0.8, w / 48)));
    p.drawPolygon(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 210, 230));
    const double keyTop = screen.bottom() + body.height() * 0.08;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QRectF(screen.left() + col * screen.width() / 3 + screen.width() * 0.07,
                                 keyTop + row * body.height() * 0.09, screen.width() * 0.19,
                                 body.height() * 0.06));
        }
    }
}

QPixmap paint(AppIcon which) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
        case AppIcon::OpenProject:
            drawFolder(p);
            break;
        case AppIcon::NewProject:
            drawPage(p);
            drawPlus(p);
            break;
        case AppIcon::SaveProject:
            drawDisk(p);
            break;
        case AppIcon::Compile:
            drawGear(p, QPointF(13, 14), 7.5);
            drawGear(p, QPointF(24, 24), 4.5);
            break;
        case AppIcon::RunGame:
            drawPhone(p, QRectF(4, 3, 16, 26));
            p.scale(0.6, 0.6);
            p.translate(22, 22);
            drawPlay(p);
            break;
        case AppIcon::NewBackground:
            drawBackgroundTiles(p);
            drawPlus(p);
            break;
        case AppIcon::NewActive:
            drawCharacter(p);
            drawPlus(p);
            break;
        case AppIcon::NewIndicator:
            drawBar(p);
            drawPlus(p);
            break;
        case AppIcon::NewText:
            drawLetter(p);
            drawPlus(p);
            break;
        case AppIcon::NewLevel:
            drawLevel(p);
            drawPlus(p);
            break;
        case AppIcon::LevelProperties:
            drawLevel(p);
            drawGear(p, QPointF(23, 23), 5);
            break;
        case AppIcon::MoveUp:
            drawArrow(p, true);
            break;
        case AppIcon::MoveDown:
            drawArrow(p, false);
            break;
        case AppIcon::Delete:
            drawCross(p);
            break;
        case AppIcon::KindBackground:
            drawBackgroundTiles(p);
            break;
        case AppIcon::KindActive:
            drawCharacter(p);
            break;
        case AppIcon::KindIndicator:
            drawBar(p);
            break;
        case AppIcon::KindText:
            drawLetter(p);
            break;
        case AppIcon::Help:
            drawQuestion(p);
            break;
        case AppIcon::Undo:
            drawTurn(p, true);
            break;
        case AppIcon::Redo:
            drawTurn(p, false);
            break;
        case AppIcon::Application:
            drawMark(p, QRectF(0, 0, kSize, kSize));
            break;
    }
    return pixmap;
}

}  // namespace

QIcon AppIcons::icon(AppIcon which) {
    return QIcon(paint(which));
}

QPixmap AppIcons::logo(int height) {
    const int width = height * 4;
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawMark(p, QRectF(0, 0, height, height));
    QFont font("DejaVu Sans");
    font.setPixelSize(height * 11 / 20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(height + 2, 0, width - height - 2, height), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Avizad"));
    return pixmap;
}

QPixmap AppIcons::splash() {
    const int w = 480;
    const int h = 300;
    QPixmap pixmap(w, h);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(40, 70, 140));
    sky.setColorAt(1, QColor(114, 170, 255));
    p.fillRect(0, 0, w, h, sky);
    // A little game level along the bottom: hills, blocks and a hero.
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass.darker(110));
    p.drawEllipse(QRectF(-60, 230, 300, 140));
    p.setBrush(kGrass);
    p.drawEllipse(QRectF(200, 240, 360, 140));
    p.setBrush(QColor(170, 110, 60));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(300 + i * 26, 190, 24, 24));
    }
    p.save();
    p.translate(315, 146);
    p.scale(1.4, 1.4);
    drawCharacter(p);
    p.restore();
    p.setBrush(kSun);
    p.drawEllipse(QRectF(420, 196, 36, 36));
    drawMark(p, QRectF(24, 40, 130, 150));
    QFont title("DejaVu Sans");
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(160, 60, 300, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ROR Avizad"));
    QFont line("DejaVu Sans");
    line.setPixelSize(18);
    p.setFont(line);
    p.drawText(QRectF(162, 116, 300, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("конструктор мобильных игр"));
    line.setPixelSize(14);
    p.setFont(line);
    p.setPen(QColor(230, 236, 250));
    p.drawText(QRectF(162, 144, 300, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("v. 3.0 (Alpha)"));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return pixmap;
}

}  // namespace avizad

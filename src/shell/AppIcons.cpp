#include "shell/AppIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in the resources of a static library: register them explicitly.
static void registerAppResources() {
    Q_INIT_RESOURCE(shell);
}

namespace avizad {

namespace {

const QColor kInk(40, 48, 64);

const char* fileName(AppIcon which) {
    switch (which) {
        case AppIcon::OpenProject:
            return "open-project";
        case AppIcon::NewProject:
            return "new-project";
        case AppIcon::SaveProject:
            return "save-project";
        case AppIcon::Compile:
            return "compile";
        case AppIcon::RunGame:
            return "run-game";
        case AppIcon::NewBackground:
            return "new-background";
        case AppIcon::NewActive:
            return "new-active";
        case AppIcon::NewIndicator:
            return "new-indicator";
        case AppIcon::NewText:
            return "new-text";
        case AppIcon::NewLevel:
            return "new-level";
        case AppIcon::LevelProperties:
            return "level-properties";
        case AppIcon::MoveUp:
            return "move-up";
        case AppIcon::MoveDown:
            return "move-down";
        case AppIcon::Delete:
            return "delete";
        case AppIcon::KindBackground:
            return "kind-background";
        case AppIcon::KindActive:
            return "kind-active";
        case AppIcon::KindIndicator:
            return "kind-indicator";
        case AppIcon::KindText:
            return "kind-text";
        case AppIcon::Help:
            return "help";
        case AppIcon::Undo:
            return "undo";
        case AppIcon::Redo:
            return "redo";
        case AppIcon::Duplicate:
            return "duplicate";
        case AppIcon::Application:
            return "application";
    }
    return "application";
}

QString iconPath(AppIcon which) {
    registerAppResources();
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(fileName(which)));
}

// A transparent pixmap of `size` logical pixels for the screen's pixel ratio, so that the
// pictures drawn on it stay sharp on a high-density screen.
QPixmap blankPixmap(QSize size) {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QIcon AppIcons::icon(AppIcon which) {
    return QIcon(iconPath(which));
}

QPixmap AppIcons::logo(int height) {
    const int width = height * 4;
    QPixmap pixmap = blankPixmap(QSize(width, height));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QSvgRenderer mark(iconPath(AppIcon::Application));
    mark.render(&p, QRectF(0, 0, height, height));
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
    registerAppResources();
    QPixmap pixmap = blankPixmap(QSize(480, 300));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QSvgRenderer picture(QStringLiteral(":/splash.svg"));
    picture.render(&p, QRectF(0, 0, 480, 300));
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
    return pixmap;
}

}  // namespace avizad

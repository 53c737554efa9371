#include "events/ui/EventIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in the resources of a static library: register them explicitly.
static void registerEventResources() {
    Q_INIT_RESOURCE(events);
}

namespace avizad {

namespace {

const char* fileName(EventIcon which) {
    switch (which) {
        case EventIcon::General:
            return "general";
        case EventIcon::Special:
            return "special";
        case EventIcon::Level:
            return "level";
        case EventIcon::Keys:
            return "keys";
        case EventIcon::Timer:
            return "timer";
        case EventIcon::HasActions:
            return "has-actions";
        case EventIcon::EmptyCell:
            return "empty-cell";
        case EventIcon::TextObject:
            return "text-object";
        case EventIcon::AddEvent:
            return "add-event";
        case EventIcon::DeleteEvent:
            return "delete-event";
    }
    return "empty-cell";
}

QString iconPath(EventIcon which) {
    registerEventResources();
    return QStringLiteral(":/events/icons/%1.svg").arg(QLatin1String(fileName(which)));
}

}  // namespace

QIcon EventIcons::icon(EventIcon which) {
    return QIcon(iconPath(which));
}

QPixmap EventIcons::picture(EventIcon which) {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kSize, kSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(iconPath(which)).render(&painter, QRectF(0, 0, kSize, kSize));
    return pixmap;
}

EventIcon EventIcons::category(int k) {
    switch (k) {
        case 1:
            return EventIcon::General;
        case 2:
            return EventIcon::Special;
        case 3:
            return EventIcon::Level;
        case 4:
            return EventIcon::Keys;
        default:
            break;
    }
    return EventIcon::Timer;
}

}  // namespace avizad

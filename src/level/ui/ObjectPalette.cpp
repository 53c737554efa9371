#include "level/ui/ObjectPalette.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "editors/ObjectLook.h"
#include "editors/TextDraft.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

constexpr int kBand = 100;
constexpr int kFrame = 80;
constexpr int kThumb = 70;
constexpr int kTop = 10;

QColor kindColor(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return QColor(70, 140, 90);
        case ObjectKind::Active:
            return QColor(200, 120, 40);
        case ObjectKind::Indicator:
            return QColor(150, 60, 160);
        case ObjectKind::Text:
            return QColor(60, 90, 170);
    }
    return Qt::gray;
}

}  // namespace

// The slots themselves, drawn in one widget.
class PaletteList : public QWidget {
public:
    explicit PaletteList(ObjectPalette& palette) : QWidget(&palette), palette_(palette) {
        setObjectName("paletteList");
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(245, 247, 252));
        const Project& project = palette_.document_.project();
        const ObjectKind kind = palette_.document_.values().currentKind;
        const int selected = palette_.document_.values().selectedObject;
        for (int i = 1; i <= project.typeCount(kind); ++i) {
            const QRect thumb = palette_.thumbnailRect(i);
            const QRect frame = thumb.adjusted(-5, -5, 5, 5);
            if (!frame.adjusted(0, 0, 0, 30).intersects(event->rect())) {
                continue;
            }
            const bool highlighted = selected > 0 && i == palette_.highlightSlot_;
            painter.setPen(Qt::NoPen);
            painter.setBrush(highlighted ? QColor(255, 200, 0) : kindColor(kind));
            painter.drawRoundedRect(frame, 6, 6);
            painter.fillRect(thumb, QColor(114, 170, 255));
            QString name;
            switch (kind) {
                case ObjectKind::Background:
                    name = fromModel(project.backgrounds[i].name);
                    break;
                case ObjectKind::Active:
                    name = fromModel(project.actives[i].name);
                    break;
                case ObjectKind::Indicator:
                    name = fromModel(project.indicators[i].name);
                    break;
                case ObjectKind::Text:
                    name = fromModel(textObjectName(project.texts[i].fileName));
                    break;
            }
            if (kind == ObjectKind::Text) {
                drawText(painter, thumb, project.texts[i]);
            } else {
                // The picture as the game shows it, centred, its proportions kept.
                const QImage picture = palette_.thumbnail(i);
                painter.drawImage(QPoint(thumb.left() + (thumb.width() - picture.width()) / 2,
                                         thumb.top() + (thumb.height() - picture.height()) / 2),
                                  picture);
            }
            painter.setPen(Qt::black);
            const QRect label(0, frame.bottom() + 2, width(), 16);
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                             painter.fontMetrics().elidedText(name, Qt::ElideRight, width() - 4));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const int slot = palette_.slotAt(event->position().toPoint());
        if (slot > 0 && event->button() == Qt::LeftButton) {
            palette_.selectSlot(slot);
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const int slot = palette_.slotAt(event->position().toPoint());
        if (slot > 0 && event->button() == Qt::LeftButton) {
            palette_.selectSlot(slot);
            emit palette_.armRequested(palette_.document_.values().currentKind, slot);
        }
    }

private:
    // The text as the game shows it on the settings' screen, or "Abc" when it has none.
    void drawText(QPainter& painter, const QRect& thumb, const TextObject& text) {
        const Settings& settings = palette_.document_.settings();
        const FontMeasure measure(settings.screenWidth, settings.screenHeight);
        const TextLook look = textLook(text, measure);
        painter.save();
        painter.setClipRect(thumb);
        if (look.width <= 0) {
            QFont font = painter.font();
            font.setPointSize(16);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(thumb, Qt::AlignCenter, QStringLiteral("Abc"));
        } else {
            // One pixel a pixel, as the game draws it: centred when it fits, else its
            // top-left part.
            const QImage picture = toQImage(textPicture(look, measure));
            painter.drawImage(thumb.left() + std::max(0, (thumb.width() - picture.width()) / 2),
                              thumb.top() + std::max(0, (thumb.height() - picture.height()) / 2),
                              picture);
        }
        painter.restore();
    }

    ObjectPalette& palette_;
};

ObjectPalette::ObjectPalette(ProjectDocument& document, QWidget* parent)
    : QScrollArea(parent), document_(document) {
    setObjectName("objectPalette");
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(new PaletteList(*this));
    connect(&document_, &ProjectDocument::typesChanged, this, [this](ObjectKind kind) {
        if (kind == document_.values().currentKind) {
            rebuild();
        }
    });
    connect(&document_, &ProjectDocument::currentKindChanged, this, [this] {
        highlightSlot_ = 1;
        rebuild();
    });
    connect(&document_, &ProjectDocument::projectReplaced, this, &ObjectPalette::rebuild);
    // Texts are drawn in the fonts of the settings' screen.
    connect(&document_, &ProjectDocument::settingsChanged, widget(), qOverload<>(&QWidget::update));
    connect(&document_, &ProjectDocument::selectedObjectChanged, this, [this](int index) {
        if (index > 0) {
            highlightSlot_ = index;
        }
        widget()->update();
    });
    rebuild();
}

QRect ObjectPalette::thumbnailRect(int slot) const {
    const int left = (widget()->width() - kThumb) / 2;
    return {left, kTop + 5 + kBand * (slot - 1), kThumb, kThumb};
}

int ObjectPalette::slotAt(QPoint point) const {
    const int count = document_.project().typeCount(document_.values().currentKind);
    for (int i = 1; i <= count; ++i) {
        if (thumbnailRect(i).contains(point)) {
            return i;
        }
    }
    return 0;
}

void ObjectPalette::rebuild() {
    const int count = document_.project().typeCount(document_.values().currentKind);
    if (highlightSlot_ > count) {
        highlightSlot_ = count > 0 ? count : 1;
    }
    const Project& project = document_.project();
    const ObjectKind kind = document_.values().currentKind;
    thumbnails_.assign(static_cast<std::size_t>(count) + 1, QImage());
    for (int i = 1; i <= count; ++i) {
        thumbnails_[static_cast<std::size_t>(i)] =
            toQImage(objectThumbnail(project, kind, i, kThumb));
    }
    widget()->setMinimumHeight(count * kBand + kTop + 10);
    widget()->update();
}

QImage ObjectPalette::thumbnail(int slot) const {
    return slot >= 0 && static_cast<std::size_t>(slot) < thumbnails_.size()
               ? thumbnails_[static_cast<std::size_t>(slot)]
               : QImage();
}

void ObjectPalette::selectSlot(int slot) {
    highlightSlot_ = slot;
    document_.setSelectedObject(slot);
    widget()->update();
}

}  // namespace avizad

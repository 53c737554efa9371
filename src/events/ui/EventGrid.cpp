#include "events/ui/EventGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "editors/ObjectLook.h"
#include "events/ui/EventIcons.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

constexpr int kNumberWidth = EventTableEditor::kNumberColumnWidth;

}  // namespace

const QColor EventGrid::kFixedColor(191, 219, 255);

EventGrid::EventGrid(const Project& project, const EventTableEditor& view, QWidget* parent)
    : QAbstractScrollArea(parent),
      project_(project),
      view_(view),
      hasActions_(EventIcons::picture(EventIcon::HasActions)),
      empty_(EventIcons::picture(EventIcon::EmptyCell)) {
    setObjectName("eventGrid");
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(kRowPitch);
    horizontalScrollBar()->setSingleStep(kRowPitch);
    updateScrollBars();
}

int EventGrid::columnLeft(int column) {
    if (column <= 0) {
        return 0;
    }
    if (column == 1) {
        return kNumberWidth + kLine;
    }
    return kNumberWidth + kLine + EventTableEditor::kConditionColumnWidth + kLine +
           (column - 2) * (EventTableEditor::kCellWidth + kLine);
}

int EventGrid::columnWidth(int column) {
    if (column == 0) {
        return kNumberWidth;
    }
    return column == 1 ? EventTableEditor::kConditionColumnWidth : EventTableEditor::kCellWidth;
}

int EventGrid::contentWidth() const {
    return columnLeft(view_.columnCount());
}

int EventGrid::contentHeight() const {
    return view_.rowCount() * kRowPitch;
}

void EventGrid::updateScrollBars() {
    const QSize area = viewport()->size();
    // The header row and the number column do not scroll.
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth() - area.width()));
    horizontalScrollBar()->setPageStep(std::max(1, area.width() - kNumberWidth));
    verticalScrollBar()->setRange(0, std::max(0, contentHeight() - area.height()));
    verticalScrollBar()->setPageStep(std::max(1, area.height() - kRowPitch));
}

void EventGrid::refresh() {
    if (picturesValid_ &&
        (picturesSpecial_ != view_.specialToggle() || picturesKind_ != view_.currentKind())) {
        picturesValid_ = false;
    }
    updateScrollBars();
    viewport()->update();
}

void EventGrid::dropPictures() {
    picturesValid_ = false;
    viewport()->update();
}

int EventGrid::viewLeft(int column) const {
    return column == 0 ? 0 : columnLeft(column) - horizontalScrollBar()->value();
}

QPoint EventGrid::cellAt(const QPoint& p) const {
    if (p.x() < 0 || p.y() < 0) {
        return {-1, -1};
    }
    int row = 0;
    if (p.y() >= kRowPitch) {
        row = (p.y() + verticalScrollBar()->value()) / kRowPitch;
    }
    int column = 0;
    if (p.x() >= kNumberWidth + kLine) {
        const int x = p.x() + horizontalScrollBar()->value();
        column = 1;
        while (column < view_.columnCount() && columnLeft(column + 1) <= x) {
            ++column;
        }
        if (x >= contentWidth()) {
            return {-1, -1};
        }
    }
    if (row >= view_.rowCount()) {
        return {-1, -1};
    }
    return {column, row};
}

QRect EventGrid::cellRect(int column, int row) const {
    const int top = row == 0 ? 0 : row * kRowPitch - verticalScrollBar()->value();
    return {viewLeft(column), top, columnWidth(column), EventTableEditor::kRowHeight};
}

void EventGrid::showRow(int row) {
    QScrollBar* bar = verticalScrollBar();
    const int top = row * kRowPitch;
    if (top < bar->value() + kRowPitch) {
        bar->setValue(top - kRowPitch);
    } else if (top + kRowPitch > bar->value() + viewport()->height()) {
        bar->setValue(top + kRowPitch - viewport()->height());
    }
}

QPixmap EventGrid::header(int column) {
    if (!picturesValid_) {
        pictures_.clear();
        picturesSpecial_ = view_.specialToggle();
        picturesKind_ = view_.currentKind();
        picturesValid_ = true;
    }
    const std::size_t slot = static_cast<std::size_t>(column - 2);
    if (slot < pictures_.size() && !pictures_[slot].isNull()) {
        return pictures_[slot];
    }
    QPixmap picture;
    const int number = column - 1;
    if (view_.specialToggle()) {
        // The category icon on a cyan tile.
        const QPixmap icon = EventIcons::picture(EventIcons::category(number));
        picture = QPixmap(icon.size());
        picture.setDevicePixelRatio(icon.devicePixelRatio());
        picture.fill(QColor(0, 255, 255));
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, icon);
    } else if (view_.currentKind() == ObjectKind::Text) {
        picture = EventIcons::picture(EventIcon::TextObject);
    } else {
        // The object as the game shows it, centred on white.
        picture = QPixmap(EventTableEditor::kCellWidth, EventTableEditor::kRowHeight);
        picture.fill(Qt::white);
        const QImage image = toQImage(
            objectThumbnail(project_, view_.currentKind(), number,
                            std::min(EventTableEditor::kCellWidth, EventTableEditor::kRowHeight)));
        if (!image.isNull()) {
            QPainter painter(&picture);
            painter.drawImage((picture.width() - image.width()) / 2,
                              (picture.height() - image.height()) / 2, image);
        }
    }
    if (pictures_.size() <= slot) {
        pictures_.resize(slot + 1);
    }
    pictures_[slot] = picture;
    return picture;
}

void EventGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, QColor(160, 172, 192));  // the grid lines show between cells
    const int columns = view_.columnCount();
    const int rows = view_.rowCount();
    const int scrollY = verticalScrollBar()->value();
    const int scrollX = horizontalScrollBar()->value();
    const int firstRow = std::max(1, (scrollY + kRowPitch) / kRowPitch);
    const int lastRow = std::min(rows - 1, (scrollY + area.height()) / kRowPitch);
    int firstColumn = 1;
    while (firstColumn + 1 < columns && columnLeft(firstColumn + 1) <= scrollX + kNumberWidth) {
        ++firstColumn;
    }
    const QColor caption(0, 0, 0);
    const QRect emptyRight(contentWidth() - scrollX, 0, area.width(), area.height());
    const QRect emptyBelow(0, rows * kRowPitch - scrollY, area.width(), area.height());

    // The scrolling part first, then the fixed header row and number column over it.
    painter.save();
    painter.setClipRect(QRect(kNumberWidth + kLine, kRowPitch, area.width(), area.height()));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column < columns; ++column) {
            const QRect cell = cellRect(column, row);
            if (cell.left() > area.right()) {
                break;
            }
            if (column == 1) {
                painter.fillRect(cell, Qt::white);
                painter.setPen(caption);
                const QRect text(cell.left() + 9, cell.top() + 4, 465, 16);
                painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                                 fromModel(view_.conditionCaption(row)));
                continue;
            }
            const ActionList* actions = view_.cellActions(column, row);
            painter.drawPixmap(cell,
                               actions != nullptr && actions->count() >= 1 ? hasActions_ : empty_);
        }
    }
    painter.restore();

    // Header row.
    painter.save();
    painter.setClipRect(QRect(kNumberWidth + kLine, 0, area.width(), kRowPitch));
    for (int column = firstColumn; column < columns; ++column) {
        const QRect cell = cellRect(column, 0);
        if (cell.left() > area.right()) {
            break;
        }
        painter.fillRect(cell, kFixedColor);
        if (column >= 2) {
            painter.drawPixmap(cell, header(column));
        }
    }
    painter.restore();

    // Number column.
    painter.save();
    painter.setClipRect(QRect(0, kRowPitch, kNumberWidth + kLine, area.height()));
    painter.setPen(caption);
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect cell = cellRect(0, row);
        painter.fillRect(cell, kFixedColor);
        painter.drawText(QRect(cell.left() + 2, cell.top(), cell.width() - 4, cell.height()),
                         Qt::AlignCenter, QString::number(row));
    }
    painter.restore();
    painter.fillRect(cellRect(0, 0), kFixedColor);

    // Outside the table, the panel's colour.
    painter.fillRect(emptyRight, palette().window());
    painter.fillRect(emptyBelow, palette().window());

    // The selected cell.
    const int event = view_.selectedEvent();
    const int column = view_.selectedColumn() + 1;
    if (event >= 1 && event < rows && column >= 1 && column < columns) {
        painter.setPen(QPen(QColor(58, 98, 170), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(column, event).adjusted(1, 1, -1, -1));
    }
}

void EventGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= 0) {
        emit cellReleased(cell.x(), cell.y(), viewport()->mapTo(this, event->position().toPoint()));
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void EventGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    const int row = cell.y() > 0 ? cell.y() : 0;
    if (row != hovered_) {
        hovered_ = row;
        emit hoveredRow(row);
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void EventGrid::leaveEvent(QEvent* event) {
    if (hovered_ != 0) {
        hovered_ = 0;
        emit hoveredRow(0);
    }
    QAbstractScrollArea::leaveEvent(event);
}

void EventGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

}  // namespace avizad

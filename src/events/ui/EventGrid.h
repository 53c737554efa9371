#pragma once
// The events grid: a header row with the special category icons or the pictures of
// the object types of the current kind, then one row per event with its number, its
// condition caption and one cell per column showing whether the cell has actions.
// Only the visible part is painted; the header row and the number column stay put
// while the rest scrolls. The grid reads the table through a looking EventTableEditor.

#include <QAbstractScrollArea>
#include <QPixmap>
#include <vector>

#include "events/EventTableEditor.h"

namespace avizad {

class EventGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kLine = 1;  // grid line between rows and columns
    static constexpr int kRowPitch = EventTableEditor::kRowHeight + kLine;
    static const QColor kFixedColor;  // RGB(191, 219, 255)

    EventGrid(const Project& project, const EventTableEditor& view, QWidget* parent = nullptr);

    // Redraws after a change of the table, the kind, the toggles or the object types.
    void refresh();
    // The object type pictures changed: they are made again before the next paint.
    void dropPictures();

    // Grid geometry in content coordinates (before scrolling).
    static int columnLeft(int column);
    static int columnWidth(int column);
    // The cell under a point of the viewport: (column, row), or (-1, -1) outside the grid.
    QPoint cellAt(const QPoint& viewportPoint) const;
    // The cell's rectangle in viewport coordinates (after scrolling).
    QRect cellRect(int column, int row) const;
    // Scrolls so that row is visible.
    void showRow(int row);

signals:
    // Mouse up on a cell (column, row of the grid) at a point of the grid widget.
    void cellReleased(int column, int row, const QPoint& at);
    // The row under the mouse changed (0 = header or outside).
    void hoveredRow(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int contentWidth() const;
    int contentHeight() const;
    void updateScrollBars();
    QPixmap header(int column);
    // x of a column in the viewport: the number column stays, the others scroll.
    int viewLeft(int column) const;

    const Project& project_;
    const EventTableEditor& view_;
    std::vector<QPixmap> pictures_;  // header pictures of the current columns
    bool picturesSpecial_ = false;
    ObjectKind picturesKind_ = ObjectKind::Background;
    bool picturesValid_ = false;
    QPixmap hasActions_;
    QPixmap empty_;
    int hovered_ = 0;
};

}  // namespace avizad

#pragma once
// The list of the levels panel: one row per level with its picture, its name
// ("Без названия" when empty) and its size, and the marker of the chosen level.

#include <QWidget>

#include "model/Project.h"

namespace avizad {

class LevelList : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 50;

    LevelList(const Project& project, QWidget* parent = nullptr);

    // Redraws the rows from the project (refresh).
    void refresh();
    // Puts the marker on a level's row (0: no marker).
    void setMarker(int level);
    int marker() const { return marker_; }
    // The level at a position of the list, 0 below the last row.
    int levelAt(const QPoint& position) const;
    // The rectangle of a level's row.
    QRect rowRect(int level) const;

    QSize sizeHint() const override;

signals:
    void levelClicked(int level);
    void levelDoubleClicked(int level);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Project& project_;
    int marker_ = 0;
};

}  // namespace avizad

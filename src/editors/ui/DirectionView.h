#pragma once
// The direction picker of the active object editor (137 x 129): a release chooses the
// side towards the pointer, and the picker shows an arrow to it.

#include <QWidget>

#include "model/Project.h"

namespace avizad {

class DirectionView : public QWidget {
    Q_OBJECT

public:
    explicit DirectionView(QWidget* parent = nullptr);

    Direction direction() const { return direction_; }
    // Back to right with the plain starting line.
    void reset();

signals:
    void directionChosen(avizad::Direction direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Direction direction_ = Direction::Right;
    bool chosen_ = false;  // false: the starting line without a head
};

}  // namespace avizad

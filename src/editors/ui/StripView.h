#pragma once
// The source view of the active object editor: the strip scaled to fit 377 x 41 with
// its aspect kept, anchored at the top-left corner; a press picks the frame under it.

#include <QImage>
#include <QWidget>

namespace avizad {

class StripView : public QWidget {
    Q_OBJECT

public:
    explicit StripView(QWidget* parent = nullptr);
    void setStrip(const QImage& strip);

signals:
    void pressedAt(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage strip_;
};

}  // namespace avizad

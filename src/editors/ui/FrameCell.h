#pragma once
// A picture box that shows a frame stretched over it (or a blank) and reports clicks:
// the six cells of the animation sequence.

#include <QImage>
#include <QWidget>

namespace avizad {

class FrameCell : public QWidget {
    Q_OBJECT

public:
    FrameCell(int size, QWidget* parent = nullptr);
    void setFrame(const QImage& frame);
    const QImage& frame() const { return frame_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage frame_;
};

}  // namespace avizad

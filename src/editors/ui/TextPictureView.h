#pragma once
// The text object as the game shows it: its rows in the object's window (100 pixels
// wide, growing to hold every row), in the phone font and colour the editor's values
// choose, at the font sizes of the settings' screen.

#include <QImage>
#include <QWidget>

#include "editors/TextDraft.h"
#include "editors/TextPicture.h"

namespace avizad {

class TextPictureView : public QWidget {
    Q_OBJECT

public:
    explicit TextPictureView(QWidget* parent = nullptr);
    void setText(const TextDraft& text, const FontMeasure& measure);
    // The rows drawn and their picture (one pixel a phone pixel), for checking what the view
    // shows.
    QStringList rows() const { return rows_; }
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList rows_;
    QImage picture_;
    int windowHeight_ = kTextWindowHeight;
};

}  // namespace avizad

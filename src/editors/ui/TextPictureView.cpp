#include "editors/ui/TextPictureView.h"

#include <QPainter>
#include <algorithm>

#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

// The phone's pixels are small: the view shows the window of the generated size doubled,
// and a window grown taller than that at one pixel a pixel.
constexpr int kScale = 2;

}  // namespace

TextPictureView::TextPictureView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kTextWindowWidth * kScale + 2, kTextWindowHeight * kScale + 2);
    setToolTip(
        QStringLiteral("Так текст выглядит в игре (окно шириной 100 точек, по высоте "
                       "растёт до всех строк)"));
}

void TextPictureView::setText(const TextDraft& text, const FontMeasure& measure) {
    const TextShown shown = showText(text.lines, phoneFont(text), textColor(text), measure);
    picture_ = toQImage(textPicture(shown, measure));
    windowHeight_ = std::max(kTextWindowHeight, shown.height);
    rows_.clear();
    for (const TextRow& row : shown.rows) {
        rows_ << fromModel(row.text);
    }
    update();
}

void TextPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(1, 1);
    if (windowHeight_ <= kTextWindowHeight) {
        painter.scale(kScale, kScale);
    }
    painter.drawImage(0, 0, picture_);
}

}  // namespace avizad

#include "editors/ui/TextPictureView.h"

#include <QFontMetrics>
#include <QPainter>

#include "editors/ui/QtPhoneFont.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

constexpr int kScale = 2;  // the phone's pixels are small: the view shows them doubled

}  // namespace

TextPictureView::TextPictureView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kTextWindowWidth * kScale + 2, kTextWindowHeight * kScale + 2);
    setToolTip(QStringLiteral("Так текст выглядит в игре (окно 100 x 100)"));
}

void TextPictureView::setText(const TextDraft& text) {
    text_ = text;
    const QFontMetrics metrics(qtFont(phoneFont(text_)));
    const auto measure = [&](std::string_view s) {
        return metrics.horizontalAdvance(fromModel(s));
    };
    layout_ =
        layoutTextRows(text_.lines, kTextWindowWidth, kTextWindowHeight, metrics.height(), measure);
    rows_.clear();
    for (const TextRow& row : layout_) {
        rows_ << fromModel(row.text);
    }
    update();
}

void TextPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFont font = qtFont(phoneFont(text_));
    const QFontMetrics metrics(font);
    painter.translate(1, 1);
    painter.scale(kScale, kScale);
    painter.setClipRect(0, 0, kTextWindowWidth, kTextWindowHeight);
    painter.setFont(font);
    const Color c = textColor(text_);
    painter.setPen(QColor(redOf(c), greenOf(c), blueOf(c)));
    for (const TextRow& row : layout_) {
        painter.drawText(0, row.y + metrics.ascent(), fromModel(row.text));
    }
}

}  // namespace avizad

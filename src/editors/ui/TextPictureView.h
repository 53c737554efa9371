#pragma once
// The text object as the game shows it: its rows in the object's 100 x 100 window, in
// the phone font and colour the editor's values choose.

#include <QWidget>

#include "editors/TextDraft.h"
#include "editors/TextPicture.h"

namespace avizad {

class TextPictureView : public QWidget {
    Q_OBJECT

public:
    explicit TextPictureView(QWidget* parent = nullptr);
    void setText(const TextDraft& text);
    // The rows drawn, for checking what the view shows.
    QStringList rows() const { return rows_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextDraft text_;
    std::vector<TextRow> layout_;
    QStringList rows_;
};

}  // namespace avizad

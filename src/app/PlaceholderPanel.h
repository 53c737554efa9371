#pragma once
// Stands in the central area for a work panel that this version does not have yet,
// and says so.

#include <QWidget>

class QPushButton;

namespace avizad {

class PlaceholderPanel : public QWidget {
    Q_OBJECT

public:
    // `closable`: the panel has a close button (object editors have one).
    PlaceholderPanel(const QString& title, const QString& text, bool closable,
                     QWidget* parent = nullptr);

    QString title() const { return title_; }

signals:
    void closeRequested();

private:
    QString title_;
};

}  // namespace avizad

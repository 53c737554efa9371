#pragma once
// The frame of the object catalogue on the right of the main window: the caption
// "Объекты", the four kind buttons, the label of the chosen kind, the object palette
// and the catalogue's commands (both come with the level editor).

#include <QWidget>
#include <array>

#include "model/Project.h"

class QButtonGroup;
class QLabel;
class QToolButton;
class QVBoxLayout;

namespace avizad {

class ObjectCatalogue : public QWidget {
    Q_OBJECT

public:
    explicit ObjectCatalogue(QWidget* parent = nullptr);

    ObjectKind kind() const { return kind_; }
    // Chooses a kind as a press on its button does.
    void chooseKind(ObjectKind kind);
    // Shows a kind chosen elsewhere (a click on a placement of the canvas): its button down,
    // its caption.
    void showKind(ObjectKind kind);
    QString kindLabelText() const;
    QToolButton* kindButton(ObjectKind kind) const;

    // Puts the object palette in its place (the catalogue takes ownership).
    void setPalette(QWidget* palette);
    // Puts the catalogue's command bar under the palette.
    void setCommandBar(QWidget* bar);

signals:
    void kindChosen(avizad::ObjectKind kind);

private:
    ObjectKind kind_ = ObjectKind::Background;
    QLabel* kindLabel_ = nullptr;
    QButtonGroup* group_ = nullptr;
    std::array<QToolButton*, 4> buttons_{};
    QVBoxLayout* layout_ = nullptr;
    QWidget* palette_ = nullptr;
    QWidget* commandBar_ = nullptr;
};

}  // namespace avizad

#include "app/CentralArea.h"

#include "app/PlaceholderPanel.h"

namespace avizad {

namespace {

struct PanelText {
    CentralPanel panel;
    const char* title;
    const char* text;
};

const PanelText kPanels[] = {
    {CentralPanel::Events, "Редактор событий",
     "Здесь будет редактор событий: таблица правил игры «условие — действия». В этой версии "
     "программы его ещё нет, поэтому события пока создать нельзя."},
    {CentralPanel::LevelCanvas, "Размещение объектов",
     "Здесь будет поле уровня, на котором расставляют объекты и рисуют траектории. В этой "
     "версии программы его ещё нет."},
    {CentralPanel::BackgroundEditor, "Фоновый объект",
     "Здесь будет редактор фоновых объектов (картинка из плиток). В этой версии программы "
     "его ещё нет, поэтому фоновый объект пока создать нельзя."},
    {CentralPanel::ActiveEditor, "Активный объект",
     "Здесь будет редактор активных объектов (анимированные персонажи). В этой версии "
     "программы его ещё нет, поэтому активный объект пока создать нельзя."},
    {CentralPanel::IndicatorEditor, "Объект-индикатор",
     "Здесь будет редактор объектов-индикаторов (полоски жизни, энергии и т. п.). В этой "
     "версии программы его ещё нет, поэтому индикатор пока создать нельзя."},
    {CentralPanel::TextEditor, "Текстовый объект",
     "Здесь будет редактор текстовых объектов. В этой версии программы его ещё нет, поэтому "
     "текстовый объект пока создать нельзя."},
};

}  // namespace

CentralArea::CentralArea(QWidget* parent) : QStackedWidget(parent) {
    for (const PanelText& p : kPanels) {
        auto* placeholder = new PlaceholderPanel(
            QString::fromUtf8(p.title), QString::fromUtf8(p.text), isObjectEditor(p.panel), this);
        if (isObjectEditor(p.panel)) {
            connect(placeholder, &PlaceholderPanel::closeRequested, this,
                    &CentralArea::closeEditors);
        }
        panels_[p.panel] = placeholder;
        addWidget(placeholder);
    }
    setCurrentWidget(panels_[CentralPanel::Events]);
}

void CentralArea::setPanel(CentralPanel which, QWidget* widget) {
    QWidget* old = panels_[which];
    panels_[which] = widget;
    addWidget(widget);
    if (old != nullptr) {
        removeWidget(old);
        old->deleteLater();
    }
    if (current_ == which) {
        setCurrentWidget(widget);
    }
}

QWidget* CentralArea::panel(CentralPanel which) const {
    return panels_.at(which);
}

void CentralArea::showPanel(CentralPanel which) {
    current_ = which;
    if (!isObjectEditor(which)) {
        base_ = which;
    }
    setCurrentWidget(panels_[which]);
    emit panelShown(which);
}

void CentralArea::closeEditors() {
    if (isObjectEditor(current_)) {
        showPanel(base_);
    }
}

}  // namespace avizad

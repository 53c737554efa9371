#include "app/CentralArea.h"

namespace avizad {

CentralArea::CentralArea(QWidget* parent) : QStackedWidget(parent) {
    // Empty until the editors are installed (setPanel).
    for (CentralPanel panel :
         {CentralPanel::Events, CentralPanel::LevelCanvas, CentralPanel::BackgroundEditor,
          CentralPanel::ActiveEditor, CentralPanel::IndicatorEditor, CentralPanel::TextEditor}) {
        auto* blank = new QWidget(this);
        panels_[panel] = blank;
        addWidget(blank);
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

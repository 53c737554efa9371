#pragma once
// The centre of the main window: the events editor, the level canvas or one of the
// four object editors, one at a time. Each panel is empty until the editor that
// shows it is installed with setPanel. An object editor lies over the events editor or
// the canvas; closing it shows again the one that was there.

#include <QStackedWidget>
#include <map>

#include "app/CentralPanel.h"

namespace avizad {

class CentralArea : public QStackedWidget {
    Q_OBJECT

public:
    explicit CentralArea(QWidget* parent = nullptr);

    // Puts `widget` in place of a panel (the area takes ownership; the previous
    // widget of that panel is deleted).
    void setPanel(CentralPanel panel, QWidget* widget);
    QWidget* panel(CentralPanel panel) const;

    void showPanel(CentralPanel panel);
    // Hides an object editor: the events editor or canvas beneath shows again.
    void closeEditors();
    CentralPanel current() const { return current_; }

signals:
    void panelShown(avizad::CentralPanel panel);

private:
    std::map<CentralPanel, QWidget*> panels_;
    CentralPanel current_ = CentralPanel::Events;
    CentralPanel base_ = CentralPanel::Events;
};

}  // namespace avizad

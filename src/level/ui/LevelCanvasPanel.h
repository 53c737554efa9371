#pragma once
// The panel "Размещение объектов": its toolbar (grid and trajectory switches, the zoom
// slider with its percentage box (typing, arrows and the wheel), the read-outs "Мышь" and
// "ВО"), the scrolled level view and the trajectory panel "Траектории".

#include <QWidget>

#include "document/ProjectDocument.h"
#include "level/PlacementEditor.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QGroupBox;
class QToolBar;

namespace avizad {

class LevelCanvasView;

class LevelCanvasPanel : public QWidget {
    Q_OBJECT

public:
    explicit LevelCanvasPanel(ProjectDocument& document, QWidget* parent = nullptr);

    PlacementEditor& editor() { return editor_; }
    LevelCanvasView* view() const { return view_; }
    QScrollArea* scrollArea() const { return scroll_; }
    QSlider* zoomSlider() const { return zoomSlider_; }
    QSpinBox* zoomBox() const { return zoomBox_; }
    QAction* gridAction() const { return grid_; }
    QAction* trajectoryAction() const { return trajectory_; }
    QLabel* mouseReadout() const { return mouse_; }
    QLabel* selectionReadout() const { return selection_; }
    QGroupBox* trajectoryPanel() const { return trajectoryPanel_; }
    QSpinBox* trajectoryNumber() const { return number_; }
    QSpinBox* pointBox() const { return point_; }
    QSpinBox* directionBox(int which) const { return directions_[which - 1]; }
    QPushButton* deleteLastPointButton() const { return deleteLast_; }

    // Arms object type `object` of `kind` on the current level (double click in the palette).
    void arm(ObjectKind kind, int object);

signals:
    void message(const QString& text);

private:
    // The parts of the panel, in named steps.
    QToolBar* buildToolbar();
    QScrollArea* buildView();
    QGroupBox* buildTrajectoryPanel();
    void connectToolbar();
    void connectView();
    void connectTrajectoryPanel();
    // The view at `zoom` percent (the slider, the box or Ctrl + wheel), the level point at
    // the viewport's centre kept there.
    void setZoom(int zoom);
    void showTrajectoryPanel(bool shown);
    void refreshTrajectoryBoxes();
    void showPoint(int point);

    ProjectDocument& document_;
    PlacementEditor editor_;
    LevelCanvasView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSlider* zoomSlider_ = nullptr;
    QSpinBox* zoomBox_ = nullptr;
    QAction* grid_ = nullptr;
    QAction* trajectory_ = nullptr;
    QLabel* mouse_ = nullptr;
    QLabel* selection_ = nullptr;
    QGroupBox* trajectoryPanel_ = nullptr;
    QSpinBox* number_ = nullptr;
    QSpinBox* point_ = nullptr;
    QSpinBox* directions_[3] = {};
    QPushButton* deleteLast_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace avizad

#pragma once
// The active object editor "Создание активных объектов": cuts a strip into frames,
// fills the animation sequences of every state and direction, plays the chosen one at
// the game's speed, and stores a new active object type or changes the opened one.
// Its working state (strip, picked frame, speeds...) stays between openings.

#include <QTimer>
#include <vector>

#include "editors/ActiveDraft.h"
#include "editors/ui/EditorPanel.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace avizad {

class DirectionView;
class FrameCell;
class StripView;

class ActiveEditor : public EditorPanel {
    Q_OBJECT

public:
    // The preview shows one frame per game frame.
    static constexpr int kGameFrameMs = 50;

    ActiveEditor(ProjectDocument& document, EditorHost& host, QWidget* parent = nullptr);

    void openImage();
    void loadImageFile(const QString& file);
    // A press at x in the source view, a click on sequence cell p (1..6).
    void pickAt(int x);
    void assignCell(int position);
    // The preview's next frame (the timer calls it every game frame).
    void advancePreview();
    // The frame of the strip (from 0) the preview shows; -1 when it shows none.
    int previewFrame() const;

    const ActiveDraft& draft() const { return draft_; }
    QAction* openImageAction() const { return openImage_; }
    QLineEdit* nameEdit() const { return name_; }
    QSpinBox* frameCountBox() const { return frames_; }
    QSpinBox* speedBox(int i) const { return speeds_[i]; }  // 0 move, 1 acceleration, 2 braking
    // The control type choices: 0 "нет", 1 "Человек ВВ", 2 "Человек ВС", 3 "Автомобиль".
    QRadioButton* controlButton(int type) const { return controls_[type]; }
    QGroupBox* controlGroup() const { return control_; }
    QLabel* controlHint() const { return controlHint_; }
    QPushButton* addControlEventButton() const { return addControlEvent_; }
    // Adds the event that puts the opened object under the player's keys (one edit).
    void addControlEvent();
    QCheckBox* transparentBox() const { return transparent_; }
    QListWidget* stateList() const { return states_; }
    DirectionView* directionView() const { return direction_; }
    StripView* stripView() const { return strip_; }
    FrameCell* cell(int position) const { return cells_[position - 1]; }
    FrameCell* preview() const { return preview_; }
    QTimer* previewTimer() { return &timer_; }

protected:
    void imageDropped(const QString& file) override { loadImageFile(file); }
    // The preview plays only while the panel is shown.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    void reset() override;
    void askForPicture() override { openImage(); }
    void load(int index) override;

private:
    // Every control from the draft.
    void showDraft();
    // The control group's level caption, and the hint and button of the control event.
    void refreshControlHint();
    void showStrip();
    // Redraws the six cells and restarts the preview.
    void renewal();
    void setPickingEnabled(bool enabled);
    QString missingContent() const override;
    bool takeControls() override;
    ProjectParts partsToStore() const override;
    void storeInto(Project& project, int index) const override;

    ActiveDraft draft_;
    Image shown_;  // the strip as the game shows it
    std::vector<int> sequence_;
    std::size_t previewStep_ = 0;
    QTimer timer_;
    QAction* openImage_ = nullptr;
    QLineEdit* name_ = nullptr;
    QSpinBox* frames_ = nullptr;
    QSpinBox* speeds_[3] = {};
    QButtonGroup* controlGroup_ = nullptr;
    QGroupBox* control_ = nullptr;
    QRadioButton* controls_[4] = {};
    QLabel* controlHint_ = nullptr;
    QPushButton* addControlEvent_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QListWidget* states_ = nullptr;
    DirectionView* direction_ = nullptr;
    StripView* strip_ = nullptr;
    FrameCell* cells_[6] = {};
    FrameCell* preview_ = nullptr;
};

}  // namespace avizad

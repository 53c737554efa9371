#pragma once
// The level properties dialog "Свойства уровня": name, width and height of one level.
// Given level levelCount + 1 it creates a new level (up to ten).

#include <QDialog>

#include "model/LevelOperations.h"
#include "model/Project.h"

class QLineEdit;
class QSpinBox;

namespace avizad {

class LevelPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    // `level`: the target level; `panelLevel`: the level last clicked in the levels panel,
    // whose values the fields show.
    LevelPropertiesDialog(Project& project, int level, int panelLevel, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QSpinBox* widthField() const { return width_; }
    QSpinBox* heightField() const { return height_; }
    LevelPropertiesResult outcome() const { return outcome_; }

    void accept() override;

private:
    Project& project_;
    int level_;
    LevelPropertiesResult outcome_ = LevelPropertiesResult::Refused;
    QLineEdit* name_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
};

}  // namespace avizad

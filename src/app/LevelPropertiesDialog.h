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
    LevelPropertiesDialog(const Project& project, int level, int panelLevel,
                          QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QSpinBox* widthField() const { return width_; }
    QSpinBox* heightField() const { return height_; }
    // The level the dialog was opened for.
    int level() const { return level_; }
    // The values of the fields ("Да" applies them with applyLevelProperties).
    LevelProperties properties() const;

private:
    int level_;
    QLineEdit* name_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
};

}  // namespace avizad

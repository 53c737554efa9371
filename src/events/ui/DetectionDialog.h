#pragma once
// The detection dialog: minimum radius A and maximum radius B, any integers, and the
// active object M to detect, chosen by name ("Да" is refused while there is none).

#include <QDialog>

#include "events/DetectionSetting.h"
#include "model/Project.h"

class QCheckBox;
class QSpinBox;

namespace avizad {

class ObjectChoice;

class DetectionDialog : public QDialog {
    Q_OBJECT

public:
    explicit DetectionDialog(const Project& project, QWidget* parent = nullptr);

    QSpinBox* minimumField() const { return fields_[0]; }
    QSpinBox* maximumField() const { return fields_[1]; }
    ObjectChoice* objectField() const { return object_; }
    DetectionSetting setting() const;
    void accept() override;

private:
    QSpinBox* fields_[2] = {};
    ObjectChoice* object_ = nullptr;
};

}  // namespace avizad

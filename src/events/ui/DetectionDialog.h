#pragma once
// The detection dialog: minimum radius A, maximum radius B and object number M,
// any integers.

#include <QDialog>

#include "events/DetectionSetting.h"

class QCheckBox;
class QSpinBox;

namespace avizad {

class DetectionDialog : public QDialog {
    Q_OBJECT

public:
    explicit DetectionDialog(QWidget* parent = nullptr);

    QSpinBox* minimumField() const { return fields_[0]; }
    QSpinBox* maximumField() const { return fields_[1]; }
    QSpinBox* objectField() const { return fields_[2]; }
    DetectionSetting setting() const;

private:
    QSpinBox* fields_[3] = {};
};

}  // namespace avizad

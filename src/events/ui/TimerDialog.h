#pragma once
// The timer dialog: minutes, seconds and hundredths, each "0" at first. "Да" reads
// them (TimerSetting::read); a field that is not a number shows the reason and the
// dialog stays open with its fields as they are.

#include <QDialog>
#include <functional>
#include <optional>

#include "events/TimerSetting.h"

class QLineEdit;

namespace avizad {

class TimerDialog : public QDialog {
    Q_OBJECT

public:
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;

    explicit TimerDialog(ShowError showError, QWidget* parent = nullptr);

    QLineEdit* minutesField() const { return fields_[0]; }
    QLineEdit* secondsField() const { return fields_[1]; }
    QLineEdit* hundredthsField() const { return fields_[2]; }
    // The time read by "Да"; nothing before or after a refusal.
    const std::optional<TimerSetting>& setting() const { return setting_; }

    void accept() override;

private:
    ShowError showError_;
    QLineEdit* fields_[3] = {};
    std::optional<TimerSetting> setting_;
};

}  // namespace avizad

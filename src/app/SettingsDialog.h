#pragma once
// The settings dialog "Настройки": grid, phone screen outline, screen colour, the
// Java tool folders and "Уменьшать размер игры", read from and written to
// System/options.ini.

#include <QDialog>
#include <filesystem>
#include <optional>

#include "model/Settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace avizad {

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(std::filesystem::path optionsFile, QWidget* parent = nullptr);

    // The settings as applied by "Да"; empty until the dialog was accepted.
    const std::optional<Settings>& applied() const { return applied_; }
    // The form as the controls show it now.
    SettingsForm form() const;
    // The text of the error line ("" when there is none).
    QString errorText() const;

    QTabWidget* pages() const { return pages_; }
    QLineEdit* gridXField() const { return gridX_; }
    QLineEdit* gridYField() const { return gridY_; }
    QLineEdit* gridWidthField() const { return gridWidth_; }
    QLineEdit* gridHeightField() const { return gridHeight_; }
    QSpinBox* screenWidthField() const { return screenWidth_; }
    QSpinBox* screenHeightField() const { return screenHeight_; }
    QLineEdit* jdkField() const { return jdk_; }
    QLineEdit* wtkField() const { return wtk_; }
    QCheckBox* shrinkBox() const { return shrink_; }
    void setGridColor(Color color);
    void setScreenColor(Color color);

    // "Да": checks the grid fields, rewrites the file, applies the settings and closes.
    // A grid field that is not a number, or a file that cannot be written, keeps the
    // dialog open and says what is wrong.
    void accept() override;

private:
    void showForm(const SettingsForm& form);
    void chooseColor(Color& color, QPushButton* button);
    void chooseFolder(QLineEdit* field);
    void showError(const QString& text);

    std::filesystem::path optionsFile_;
    std::optional<Settings> applied_;
    Color gridColor_ = 0;
    Color screenColor_ = 0;
    QTabWidget* pages_ = nullptr;
    QCheckBox* shrink_ = nullptr;
    QLineEdit* gridX_ = nullptr;
    QLineEdit* gridY_ = nullptr;
    QLineEdit* gridWidth_ = nullptr;
    QLineEdit* gridHeight_ = nullptr;
    QPushButton* gridColorButton_ = nullptr;
    QSpinBox* screenWidth_ = nullptr;
    QSpinBox* screenHeight_ = nullptr;
    QPushButton* screenColorButton_ = nullptr;
    QLineEdit* jdk_ = nullptr;
    QLineEdit* wtk_ = nullptr;
    QLabel* error_ = nullptr;
};

}  // namespace avizad

#include "shell/Prompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "model/ProjectCommands.h"

namespace avizad {

Prompts Prompts::interactive() {
    Prompts prompts;
    prompts.openProjectFile = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть"), folder,
                                            QStringLiteral("Файл проекта (*.yrk)"));
    };
    prompts.saveProjectFile = [](QWidget* parent, const QString& folder) {
        QFileDialog dialog(parent, QStringLiteral("Сохранить как"), folder,
                           QStringLiteral("файл проекта (*.yrk)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an extension gets the project's one before the dialog
        // asks whether to replace an existing file.
        dialog.setDefaultSuffix(QString::fromUtf8(kProjectExtension.data(),
                                                  static_cast<int>(kProjectExtension.size())));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        return dialog.selectedFiles().constFirst();
    };
    prompts.saveSampleCopy = [](QWidget* parent, const QString& sampleName,
                                const QString& proposedFile) {
        // The proposed folder is the author's own: made when missing, so the dialog starts
        // there.
        QDir().mkpath(QFileInfo(proposedFile).absolutePath());
        QFileDialog dialog(parent, QStringLiteral("Копия примера «%1»").arg(sampleName),
                           proposedFile, QStringLiteral("файл проекта (*.yrk)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить копию"));
        dialog.setDefaultSuffix(QString::fromUtf8(kProjectExtension.data(),
                                                  static_cast<int>(kProjectExtension.size())));
        dialog.selectFile(proposedFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        return dialog.selectedFiles().constFirst();
    };
    prompts.askSaveChanges = [](QWidget* parent) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Сохранение проекта"),
                        QStringLiteral("Сохранить проект?"), QMessageBox::NoButton, parent);
        QPushButton* save = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* discard = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save) {
            return Prompts::SaveChoice::Save;
        }
        return box.clickedButton() == discard ? Prompts::SaveChoice::Discard
                                              : Prompts::SaveChoice::Cancel;
    };
    prompts.showError = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(parent, QStringLiteral("ROR Avizad"), text);
    };
    prompts.showInfo = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("ROR Avizad"), text);
    };
    prompts.execDialog = [](QDialog& dialog) { return dialog.exec(); };
    prompts.openImageFile = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть"), folder,
                                            QStringLiteral("Картинки PNG (*.png)"));
    };
    prompts.chooseColor = [](QWidget* parent, const QColor& initial) {
        return QColorDialog::getColor(initial, parent, QStringLiteral("Цвет"));
    };
    return prompts;
}

}  // namespace avizad

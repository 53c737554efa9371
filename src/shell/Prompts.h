#pragma once
// The questions the main window asks the user: file dialogs, the exit question,
// messages and modal dialogs. Tests replace them to answer without a person.

#include <QColor>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace avizad {

struct Prompts {
    // The chosen project file to open, or an empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> openProjectFile;
    // The typed project file name to save to, or an empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> saveProjectFile;
    // The file to save the copy of a sample game to, before it is opened ("Файл" →
    // "Примеры"): `proposedFile` is offered; an empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& sampleName, const QString& proposedFile)>
        saveSampleCopy;
    // The question "Сохранить проект?" before the project is closed (exit, new, open):
    // "Да" saves it, "Нет" drops it, "Отмена" (or Escape) keeps it open.
    enum class SaveChoice { Save, Discard, Cancel };
    std::function<SaveChoice(QWidget* parent)> askSaveChanges;
    std::function<void(QWidget* parent, const QString& text)> showError;
    std::function<void(QWidget* parent, const QString& text)> showInfo;
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    std::function<int(QDialog& dialog)> execDialog;
    // The chosen PNG picture for an object, or an empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> openImageFile;
    // The chosen colour, or an invalid colour when cancelled.
    std::function<QColor(QWidget* parent, const QColor& initial)> chooseColor;

    // The real dialogs and message boxes.
    static Prompts interactive();
};

}  // namespace avizad

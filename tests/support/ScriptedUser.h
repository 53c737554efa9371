#pragma once
// Shared pieces of the application tests: prompts that answer like a scripted user.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "QtTestSupport.h"
#include "shell/Prompts.h"

namespace avizad::testing {

// Prompts that record what was asked and answer from scripted values.
struct ScriptedUser {
    QStringList openAnswers;  // taken from the front; empty list = cancel
    QStringList saveAnswers;
    // Where to save the copy of a sample ("Файл" → "Примеры"); empty list = cancel.
    QStringList copyAnswers;
    QStringList copyProposals;  // the files proposed for the copies asked for
    // The answer to "Сохранить проект?" (exit, and new or open of a changed project).
    Prompts::SaveChoice saveChoice = Prompts::SaveChoice::Discard;
    int openAsked = 0;
    int saveAsked = 0;
    int exitAsked = 0;
    QStringList errors;
    QStringList infos;
    int dialogsShown = 0;
    // What the user does in a modal dialog; the default presses "Да"/OK.
    std::function<void(QDialog&)> inDialog = [](QDialog& dialog) { dialog.accept(); };

    Prompts prompts() {
        Prompts p;
        p.openProjectFile = [this](QWidget*, const QString&) {
            ++openAsked;
            return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        };
        p.saveProjectFile = [this](QWidget*, const QString&) {
            ++saveAsked;
            return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        };
        p.saveSampleCopy = [this](QWidget*, const QString&, const QString& proposed) {
            copyProposals << proposed;
            return copyAnswers.isEmpty() ? QString() : copyAnswers.takeFirst();
        };
        p.askSaveChanges = [this](QWidget*) {
            ++exitAsked;
            return saveChoice;
        };
        p.showError = [this](QWidget*, const QString& text) { errors << text; };
        p.showInfo = [this](QWidget*, const QString& text) { infos << text; };
        p.execDialog = [this](QDialog& dialog) {
            ++dialogsShown;
            inDialog(dialog);
            return dialog.result();
        };
        return p;
    }
};

}  // namespace avizad::testing

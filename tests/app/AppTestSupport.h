#pragma once
// Shared pieces of the application tests: a program folder of its own for each test,
// with System/options.ini, and prompts that answer like a scripted user.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "app/Prompts.h"
#include "model/FileUtil.h"

namespace avizad::testing {

namespace fs = std::filesystem;

// A fresh program folder below the system's temporary folder, removed afterwards.
class ProgramFolder {
public:
    ProgramFolder() {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("avizad-app-test-" + std::to_string(random()));
        fs::create_directories(dir_ / "System");
        fs::copy_file(fs::path(AVIZAD_SOURCE_DIR) / "System" / "options.ini",
                      dir_ / "System" / "options.ini");
    }
    ~ProgramFolder() {
        std::error_code error;
        fs::remove_all(dir_, error);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const fs::path& dir() const { return dir_; }
    fs::path options() const { return dir_ / "System" / "options.ini"; }

private:
    fs::path dir_;
};

inline void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

// Prompts that record what was asked and answer from scripted values.
struct ScriptedUser {
    QStringList openAnswers;  // taken from the front; empty list = cancel
    QStringList saveAnswers;
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

// Processes events until `done` holds or `ms` milliseconds have passed.
inline bool waitUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace avizad::testing

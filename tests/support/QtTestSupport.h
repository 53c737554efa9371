#pragma once
// Shared pieces of the tests of widgets: a program folder of its own for each test, with
// System/options.ini, and a wait that keeps the event loop turning.

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

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

#pragma once
// The console window "Компиляция": shows everything sent to the command interpreter
// and everything it prints. The interpreter (/bin/sh) is started when the program starts;
// each build starts one of its own (restart) and ends it with every tool it runs
// (stopInterpreter). Closing or hiding the window keeps the interpreter running.
// A press anywhere in the text hides the window.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "pipeline/ProcessRunner.h"

class QPlainTextEdit;

namespace avizad {

class ConsoleWindow : public QWidget {
    Q_OBJECT

public:
    explicit ConsoleWindow(QWidget* parent = nullptr);
    ~ConsoleWindow() override;

    // Starts the interpreter with `workingDir` as its current folder. Returns 0, or the
    // system error code when it could not be started (ProcessRunner::startErrorMessage
    // gives the text to show).
    int start(const std::filesystem::path& workingDir,
              const std::filesystem::path& interpreter = "/bin/sh");

    // Ends the interpreter and every process of its group (ProcessRunner::stop), then
    // starts a new one, in a group of its own, with `workingDir` as its current folder and
    // the interpreter program of start(). Returns 0 or the system error code.
    int restart(const std::filesystem::path& workingDir);
    // Ends the interpreter and every process of its group. Its end is not reported (no
    // interpreterEnded, the window stays), and nothing more of its output is shown.
    void stopInterpreter();

    // Writes a command line (Windows-1251) into the interpreter and shows it; after the
    // interpreter has ended nothing is written or shown.
    void sendCommand(std::string_view command);
    // Writes a command line into the interpreter without showing it; returns the echo
    // (what was written, Windows-1251) or nothing when the interpreter has ended.
    std::optional<std::string> sendQuietly(std::string_view command);
    // Appends a chunk of output (Windows-1251) to the last line of the text.
    void appendOutput(std::string_view chunk);
    // Hands the interpreter's output to `filter` instead of appending it (the build
    // takes its own marker lines out and appends the rest); an empty filter restores
    // the plain appending.
    void setOutputFilter(std::function<void(std::string_view chunk)> filter);
    // Empties the text.
    void clearText();

    QString text() const;
    QPlainTextEdit* textArea() const { return text_; }
    // The interpreter has ended by itself.
    bool ended() const { return ended_; }
    bool running() const { return runner_ && runner_->running(); }

signals:
    // Output or an echo was appended.
    void textAppended();
    // The interpreter has ended.
    void interpreterEnded(int exitStatus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void processEnded(int exitStatus);
    void receiveOutput(const std::string& chunk);

    QPlainTextEdit* text_ = nullptr;

    std::unique_ptr<ProcessRunner> runner_;
    std::filesystem::path interpreter_ = "/bin/sh";
    // Counts the interpreters started: a callback of a stopped one is dropped.
    int generation_ = 0;
    std::function<void(std::string_view chunk)> filter_;
    bool ended_ = false;
};

}  // namespace avizad

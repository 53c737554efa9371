#include "pipeline/ui/ConsoleWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "model/Cp1251.h"

namespace avizad {

ConsoleWindow::ConsoleWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Компиляция"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("consoleText");
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->viewport()->setCursor(Qt::ArrowCursor);
    text_->setMinimumSize(548, 329);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    text_->setFont(font);
    text_->setStyleSheet(
        "QPlainTextEdit { background: rgb(211, 181, 129); color: black; border: none; }");
    text_->setToolTip(QStringLiteral("Щелчок по тексту скрывает окно"));
    text_->viewport()->installEventFilter(this);
    layout->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    buttons->addWidget(ok);
    buttons->addSpacing(4);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

ConsoleWindow::~ConsoleWindow() {
    // The callbacks post to this window without waiting, so stopping cannot deadlock;
    // whatever is still queued is dropped together with the window.
    if (runner_) {
        runner_->stop();
    }
}

int ConsoleWindow::start(const std::filesystem::path& workingDir,
                         const std::filesystem::path& interpreter) {
    if (runner_) {
        return 0;
    }
    interpreter_ = interpreter;
    auto runner = std::make_unique<ProcessRunner>();
    ProcessRunner::Options options;
    options.program = interpreter;
    options.workingDir = workingDir;
    // The worker threads end in stop() before the window goes, so `this` stays valid for
    // them; the queued calls run on the user-interface thread, and those of an
    // interpreter stopped since are dropped.
    const int generation = ++generation_;
    options.onOutput = [this, generation](const std::string& chunk) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, chunk] {
                if (generation == generation_) {
                    receiveOutput(chunk);
                }
            },
            Qt::QueuedConnection);
    };
    options.onEnded = [this, generation](int status) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, status] {
                if (generation == generation_) {
                    processEnded(status);
                }
            },
            Qt::QueuedConnection);
    };
    const int error = runner->start(std::move(options));
    if (error == 0) {
        runner_ = std::move(runner);
    }
    return error;
}

int ConsoleWindow::restart(const std::filesystem::path& workingDir) {
    stopInterpreter();
    return start(workingDir, interpreter_);
}

void ConsoleWindow::stopInterpreter() {
    ++generation_;
    if (runner_) {
        runner_->stop();
        runner_.reset();
    }
    ended_ = false;
}

void ConsoleWindow::sendCommand(std::string_view command) {
    if (!runner_) {
        return;
    }
    if (const std::optional<std::string> echo = runner_->sendCommand(command)) {
        appendOutput(*echo);
    }
}

std::optional<std::string> ConsoleWindow::sendQuietly(std::string_view command) {
    if (!runner_) {
        return std::nullopt;
    }
    return runner_->sendCommand(command);
}

void ConsoleWindow::setOutputFilter(std::function<void(std::string_view chunk)> filter) {
    filter_ = std::move(filter);
}

void ConsoleWindow::receiveOutput(const std::string& chunk) {
    if (filter_) {
        filter_(chunk);
    } else {
        appendOutput(chunk);
    }
}

void ConsoleWindow::appendOutput(std::string_view chunk) {
    QString piece = QString::fromStdString(cp1251ToUtf8(chunk));
    piece.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    piece.remove(QLatin1Char('\r'));
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(piece);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    emit textAppended();
}

void ConsoleWindow::clearText() {
    text_->clear();
}

QString ConsoleWindow::text() const {
    return text_->toPlainText();
}

bool ConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ConsoleWindow::processEnded(int exitStatus) {
    ended_ = true;
    hide();
    emit interpreterEnded(exitStatus);
}

}  // namespace avizad

#pragma once
// The console window "Компиляция": a view of a build's text, the command lines of its tools,
// what they print and the final line. It runs nothing: the build (BuildRunner) does, and
// hands it the text. A press anywhere in the text hides the window.

#include <QWidget>
#include <string_view>

class QPlainTextEdit;

namespace avizad {

class ConsoleWindow : public QWidget {
    Q_OBJECT

public:
    explicit ConsoleWindow(QWidget* parent = nullptr);

    // Appends a chunk of text (Windows-1251) to the last line.
    void appendOutput(std::string_view chunk);
    // Empties the text.
    void clearText();

    QString text() const;
    QPlainTextEdit* textArea() const { return text_; }

signals:
    // Text was appended.
    void textAppended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace avizad

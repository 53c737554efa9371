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

}  // namespace avizad

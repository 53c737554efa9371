#pragma once
// The help window: the program's help pages (HTML in the resources) with contents,
// back and forward.

#include <QWidget>

class QTextBrowser;

namespace avizad {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page by its file name, e.g. "index.html".
    void showPage(const QString& page);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace avizad

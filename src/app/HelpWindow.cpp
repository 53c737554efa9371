#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/AppIcons.h"

// The help pages live in the resources of a static library: register them explicitly.
static void registerHelpPages() {
    Q_INIT_RESOURCE(app);
}

namespace avizad {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpPages();
    setWindowTitle(QStringLiteral("Справка ROR Avizad"));
    setWindowIcon(AppIcons::icon(AppIcon::Help));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* contents = new QPushButton(QStringLiteral("Содержание"), this);
    auto* back = new QPushButton(QStringLiteral("Назад"), this);
    auto* forward = new QPushButton(QStringLiteral("Вперёд"), this);
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch(1);
    layout->addLayout(bar);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    layout->addWidget(browser_, 1);
    connect(contents, &QPushButton::clicked, this, [this] { showPage("index.html"); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    showPage("index.html");
    resize(1000, 720);  // the pictures of the first game's page fit
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
}

}  // namespace avizad

// ROR Avizad: the game constructor's editor.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>
#include <filesystem>

#include "app/MainWindow.h"
#include "main/EditorInstall.h"
#include "model/Settings.h"
#include "shell/AppIcons.h"

int main(int argc, char* argv[]) {
    using namespace avizad;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Qt's own dialogs (files, colours, standard buttons) speak Russian as well, when the
    // system has Qt's translations.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    QApplication::setApplicationName(QStringLiteral("ROR Avizad"));
    QApplication::setWindowIcon(AppIcons::icon(AppIcon::Application));

    // The splash picture stays for five seconds or until it is clicked.
    QSplashScreen splash(AppIcons::splash());
    splash.show();
    app.processEvents();

    MainWindow window(programDir(), Prompts::interactive());
    installObjectEditors(window);
    installLevelEditor(window);
    installEventsEditor(window);

    // `avizad FILE.yrk`: the file manager's "open with" hands the project over.
    if (const auto file = MainWindow::projectFileArgument(QApplication::arguments())) {
        window.openProjectFile(*file);
    }
    window.showMaximized();
    QTimer::singleShot(5000, &splash, &QWidget::close);
    splash.raise();
    return app.exec();
}

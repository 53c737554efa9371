// avizad-screenshots OUTDIR: renders the main window and every dialog to PNG files,
// so the look can be reviewed without a display (run with QT_QPA_PLATFORM=offscreen).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QThread>
#include <cstdio>
#include <filesystem>

#include "app/AppIcons.h"
#include "app/CentralArea.h"
#include "app/HelpWindow.h"
#include "app/LevelList.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/MidletSettingsDialog.h"
#include "app/ObjectCatalogue.h"
#include "app/SettingsDialog.h"
#include "editors/ui/ObjectEditors.h"
#include "events/ui/ConditionPanel.h"
#include "events/ui/DetectionDialog.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventsEditor.h"
#include "events/ui/ExpressionBuilderDialog.h"
#include "events/ui/InstallEventsEditor.h"
#include "events/ui/ObjectNumberDialog.h"
#include "events/ui/PhoneKeyDialog.h"
#include "events/ui/TimerDialog.h"
#include "level/ui/LevelEditorInstall.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"
#include "model/Settings.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace {

using namespace avizad;

QString outDir;
int failures = 0;

// The widget as it looks, under a strip with its window title (the offscreen platform
// draws no window frames); at the screen's pixel ratio (QT_SCALE_FACTOR=2 gives the
// high-density pictures).
void save(QWidget& widget, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QPixmap content = widget.grab();
    const qreal ratio = content.devicePixelRatio();
    const int strip = 26;
    QPixmap picture(content.width(), content.height() + qRound(strip * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(58, 98, 170));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, widget.width() - 16, strip), Qt::AlignVCenter | Qt::AlignLeft,
                     widget.windowTitle());
    painter.drawPixmap(0, strip, content);
    painter.end();
    const QString file = outDir + "/" + name + ".png";
    if (!picture.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(file));
}

Prompts silentPrompts() {
    Prompts prompts;
    prompts.openProjectFile = [](QWidget*, const QString&) { return QString(); };
    prompts.saveProjectFile = [](QWidget*, const QString&) { return QString(); };
    prompts.askSaveChanges = [](QWidget*) { return Prompts::SaveChoice::Discard; };
    prompts.showError = [](QWidget*, const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    };
    prompts.showInfo = prompts.showError;
    prompts.execDialog = [](QDialog& dialog) {
        dialog.accept();
        return int(QDialog::Accepted);
    };
    return prompts;
}

// The events editor with the sample project, its condition panel, cell list and dialogs.
void saveEventsEditor(MainWindow& window, EventsEditor& events) {
    try {
        window.document()->replaceProject(
            readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) / "samples" / "showcase.yrk"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "showcase: %s\n", error.what());
        ++failures;
        return;
    }
    window.showEvents();
    window.catalogue()->chooseKind(ObjectKind::Active);
    save(window, "events-editor");
    events.specialToggle()->trigger();
    save(window, "events-editor-special");
    events.specialToggle()->trigger();
    EventGrid* grid = events.grid();
    events.clickCell(3, 2, grid->cellRect(3, 2).center());
    save(window, "events-cell-list");
    events.newEventButton()->trigger();
    save(window, "events-condition-panel");
    events.newEventButton()->trigger();

    const Project& project = window.project();
    ExpressionBuilderDialog builder(BuilderMode::CompareValues, project, ObjectKind::Active, 1,
                                    &window);
    builder.activate(ExpressionBuilder::Field::Left);
    builder.appendWord(utf8ToCp1251(" Х[объект1] "));
    builder.appendWord("+10");
    builder.activate(ExpressionBuilder::Field::Right);
    builder.appendWord(utf8ToCp1251(" секунды "));
    builder.comparisonList()->setCurrentIndex(3);
    save(builder, "events-expression-builder");
    ExpressionBuilderDialog global(BuilderMode::SetGlobal, project, ObjectKind::Active, 0, &window);
    save(global, "events-expression-builder-global");
    PhoneKeyDialog keys(&window);
    save(keys, "events-key-dialog");
    TimerDialog timer([](QWidget*, const QString&) {}, &window);
    save(timer, "events-timer-dialog");
    DetectionDialog detection(project, &window);
    save(detection, "events-detection-dialog");
    ObjectNumberDialog conditionNumber(ParameterDialog::ConditionObjectNumber, project,
                                       ObjectKind::Active, &window);
    save(conditionNumber, "events-object-number-condition");
    ObjectNumberDialog actionNumber(ParameterDialog::ActionObjectNumber, project, std::nullopt,
                                    &window);
    save(actionNumber, "events-object-number-action");
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             &builder, &global, &keys, &timer, &detection, &conditionNumber, &actionNumber}) {
        dialog->reject();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: avizad-screenshots OUTDIR\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    const std::filesystem::path dir = programDir();

    MainWindow window(dir, silentPrompts());
    installObjectEditors(window);
    installLevelEditor(window);
    EventsEditor* events = installEventsEditor(window);
    window.resize(1280, 800);
    save(window, "main-window");

    // A project of three levels, the second chosen.
    Project levels = window.project();
    const char* names[] = {"Лес", "", "Замок дракона"};
    const int sizes[][2] = {{240, 320}, {1200, 320}, {480, 2000}};
    for (int i = 1; i <= 3; ++i) {
        levels.levels[i].name = utf8ToCp1251(names[i - 1]);
        levels.levels[i].width = sizes[i - 1][0];
        levels.levels[i].height = sizes[i - 1][1];
    }
    levels.levelCount = 3;
    window.document()->replaceProject(std::move(levels));
    const Project& project = window.project();
    window.levelsPanel()->chooseLevel(2);
    window.catalogue()->chooseKind(ObjectKind::Active);
    save(window, "main-window-levels");
    window.levelsPanel()->openLevel(3);
    save(window, "main-window-canvas");
    window.createObject(ObjectKind::Active);
    save(window, "main-window-editor");
    window.centralArea()->closeEditors();

    SettingsDialog settings(optionsPath(dir), &window);
    const char* pages[] = {"settings-grid", "settings-screen", "settings-color",
                           "settings-compiler"};
    for (int i = 0; i < 4; ++i) {
        settings.pages()->setCurrentIndex(i);
        save(settings, pages[i]);
    }
    settings.pages()->setCurrentIndex(0);
    settings.gridWidthField()->setText(QStringLiteral("шестнадцать"));
    settings.accept();  // refused: shows what is wrong and stays open
    save(settings, "settings-grid-refused");
    settings.reject();

    MidletSettingsDialog midlet(project, &window);
    save(midlet, "midlet-settings");
    midlet.reject();

    LevelPropertiesDialog level(project, 2, 2, &window);
    save(level, "level-properties");
    level.reject();

    QMessageBox about(QMessageBox::Information, QStringLiteral("О нас"),
                      QStringLiteral("<b>ROR Avizad</b><br>конструктор мобильных игр<br>"
                                     "v. 3.0 (Alpha)"),
                      QMessageBox::Ok, &window);
    about.setIconPixmap(AppIcons::icon(AppIcon::Application).pixmap(64, 64));
    save(about, "about");
    about.close();

    QMessageBox question(QMessageBox::Question, QStringLiteral("Сохранение проекта"),
                         QStringLiteral("Сохранить проект?"), QMessageBox::NoButton, &window);
    question.addButton(QStringLiteral("Да"), QMessageBox::AcceptRole);
    question.addButton(QStringLiteral("Нет"), QMessageBox::RejectRole);
    save(question, "exit-question");
    question.close();

    ConsoleWindow* console = window.console();
    if (console->start(dir) == 0) {
        console->sendCommand(utf8ToCp1251("echo Привет из командного интерпретатора"));
        console->sendCommand("ls System");
        for (int i = 0; i < 50 && console->text().count('\n') < 4; ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        }
    }
    save(*console, "console");
    console->hide();

    HelpWindow* help = window.helpWindow();
    save(*help, "help-contents");
    help->showPage(QStringLiteral("levels.html"));
    save(*help, "help-levels");
    help->close();

    QLabel splash;
    splash.setPixmap(AppIcons::splash());
    save(splash, "splash");

    // The object editors, each with an object of the sample project open.
    try {
        Project sample = readProjectFile(dir / "projects" / "showcase.yrk");
        window.document()->replaceProject(std::move(sample));
        window.document()->setCurrentLevel(1);
        window.resize(1280, 800);
        const struct {
            ObjectKind kind;
            CentralPanel panel;
            const char* name;
        } editors[] = {
            {ObjectKind::Background, CentralPanel::BackgroundEditor, "background-editor"},
            {ObjectKind::Active, CentralPanel::ActiveEditor, "active-editor"},
            {ObjectKind::Indicator, CentralPanel::IndicatorEditor, "indicator-editor"},
            {ObjectKind::Text, CentralPanel::TextEditor, "text-editor"}};
        for (const auto& e : editors) {
            window.editObject(e.kind, 1);
            QWidget* panel = window.centralArea()->panel(e.panel);
            panel->resize(1000, 640);
            save(*panel, e.name);
            window.centralArea()->closeEditors();
        }
    } catch (const IoError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        ++failures;
    }
    saveEventsEditor(window, *events);

    // The level canvas with the sample project: its first level, the grid, the palette
    // of active objects and a selected placement.
    try {
        window.document()->replaceProject(readProjectFile(dir / "projects" / "showcase.yrk"));
        window.levelsPanel()->openLevel(1);
        window.catalogue()->chooseKind(ObjectKind::Active);
        auto* canvas = window.centralArea()->panel(CentralPanel::LevelCanvas);
        for (QAction* action : canvas->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Сетка")) {
                action->trigger();
            }
        }
        window.document()->setSelectedObject(1);
        save(window, "level-canvas");
    } catch (const IoError& error) {
        std::fprintf(stderr, "level-canvas: %s\n", error.what());
        ++failures;
    }

    window.hide();
    return failures == 0 ? 0 : 1;
}

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
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "FirstGame.h"
#include "SampleGames.h"
#include "app/CentralArea.h"
#include "app/HelpWindow.h"
#include "app/LevelList.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/MidletSettingsDialog.h"
#include "app/ObjectCatalogue.h"
#include "app/SettingsDialog.h"
#include "editors/ActiveDraft.h"
#include "editors/BackgroundDraft.h"
#include "editors/IndicatorDraft.h"
#include "editors/TextDraft.h"
#include "events/ui/ConditionPanel.h"
#include "events/ui/DetectionDialog.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventsEditor.h"
#include "events/ui/ExpressionBuilderDialog.h"
#include "events/ui/ObjectNumberDialog.h"
#include "events/ui/PhoneKeyDialog.h"
#include "events/ui/TimerDialog.h"
#include "generator/ProjectCopy.h"
#include "level/LevelGeometry.h"
#include "level/ui/LevelCanvasPanel.h"
#include "level/ui/LevelCanvasView.h"
#include "main/EditorInstall.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/Png.h"
#include "model/ProjectFile.h"
#include "model/Settings.h"
#include "pipeline/ui/ConsoleWindow.h"
#include "shell/AppIcons.h"

namespace {

using namespace avizad;

QString outDir;
QString helpDir;  // where the help pages' pictures go as well (empty: nowhere else)
int failures = 0;

constexpr int kTitleStrip = 26;

// The `shown` part of the widget under a strip of `strip` pixels with its window title.
QPixmap underTitleStrip(QWidget& widget, const QRect& shown, int strip) {
    const QPixmap content = widget.grab(shown);
    const qreal ratio = content.devicePixelRatio();
    QPixmap picture(content.width(), content.height() + qRound(strip * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(58, 98, 170));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, shown.width() - 16, strip), Qt::AlignVCenter | Qt::AlignLeft,
                     widget.windowTitle());
    painter.drawPixmap(0, strip, content);
    painter.end();
    return picture;
}

// The widget as it looks, under a strip with its window title (the offscreen platform
// draws no window frames); at the screen's pixel ratio (QT_SCALE_FACTOR=2 gives the
// high-density pictures).
void save(QWidget& widget, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QPixmap picture = underTitleStrip(widget, widget.rect(), kTitleStrip);
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
        window.document()->replaceProject(readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) /
                                                          "tests/fixtures/showcase.yrk"));
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

namespace {

// A first game as a new author makes it from the starter pictures: a strip of ground, the
// walking person and an enemy with their magenta backdrop made transparent, a life bar and
// a score on a sky-blue screen.
Project firstGame(const std::filesystem::path& images) {
    Project p;
    p.levelCount = 1;
    p.levels[1].name = utf8ToCp1251("Первый уровень");
    p.levels[1].width = 240;
    p.levels[1].height = 320;
    p.screenColor = rgb(150, 200, 255);

    BackgroundDraft ground;
    ground.startNew("ground");
    ground.loadImage(readPng(images / "ground.png"));
    ground.tilesAcross = 3;
    ground.tilesDown = 2;
    ground.columns = 15;
    ground.rows = 2;
    for (int c = 1; c <= 15; ++c) {
        ground.map.at(1, c) = 1 + (c - 1) % 3;
        ground.map.at(2, c) = 4 + (c - 1) % 3;
    }
    ground.kind = 1;
    ground.storeInto(p.backgrounds[++p.backgroundCount]);

    const struct {
        const char* name;
        const char* file;
        int frames;
    } figures[] = {{"hero", "person.png", 8}, {"enemy", "enemy.png", 4}};
    for (const auto& f : figures) {
        ActiveDraft figure;
        figure.startNew(f.name);
        figure.strip = readPng(images / f.file);
        figure.frameCount = f.frames;
        figure.transparentBackground = true;
        figure.storeInto(p.actives[++p.activeCount]);
    }
    p.levels[1].controlType[1] = 2;

    IndicatorDraft life;
    life.startNew("life");
    life.loadImage(readPng(images / "bar.png"), images / "bar.png");
    life.amount = 3;
    life.storeInto(p.indicators[++p.indicatorCount]);

    TextDraft score;
    score.startNew("score");
    score.lines = {utf8ToCp1251("Счёт: 0")};
    score.size = 1;
    score.bold = true;
    score.colorR = 255;
    score.colorG = 255;
    score.colorB = 255;
    score.storeInto(p.texts[++p.textCount]);

    Level& level = p.levels[1];
    const auto place = [&](ObjectKind kind, int object, int x, int y) {
        Placement placement;
        placement.object = object;
        placement.x = x;
        placement.y = y;
        const BoxSize size = placementSize(p, kind, object);
        placement.width = size.width;
        placement.height = size.height;
        level.placements(kind).add(placement);
    };
    place(ObjectKind::Background, 1, 0, 288);
    place(ObjectKind::Active, 1, 40, 264);
    place(ObjectKind::Active, 2, 170, 272);
    place(ObjectKind::Indicator, 1, 8, 8);
    place(ObjectKind::Text, 1, 150, 6);
    return p;
}

}  // namespace

namespace {

// A picture of the help pages: a part of the widget (a window under a strip with its
// title), in OUTDIR, and in HELPDIR when the screen has one pixel per pixel (the help's
// pictures are made at that ratio, so a run with QT_SCALE_FACTOR=2 leaves them).
void saveHelpPicture(QWidget& widget, const QString& name, const QRect& part) {
    QApplication::processEvents();
    const QRect shown = part.isNull() ? widget.rect() : part;
    const QPixmap picture = underTitleStrip(widget, shown, widget.isWindow() ? kTitleStrip : 0);
    const qreal ratio = picture.devicePixelRatio();
    QStringList folders{outDir};
    if (!helpDir.isEmpty() && ratio == 1.0) {
        folders << helpDir;
    } else if (!helpDir.isEmpty()) {
        std::fprintf(stderr, "%s: not written to %s at a pixel ratio of %g\n", qPrintable(name),
                     qPrintable(helpDir), ratio);
    }
    for (const QString& folder : folders) {
        const QString file = folder + "/" + name + ".png";
        if (!picture.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
            return;
        }
        std::printf("%s\n", qPrintable(file));
    }
}

// The level canvas of each installed sample's first level: sample-platformer.png, ...
// (named after the sample's help page: the Russian file names stay out of file names).
void saveSamples(MainWindow& window) {
    for (const samples::SampleGame& sample : samples::sampleGames()) {
        const std::filesystem::path file =
            samplesFolder(window.programDir()) / std::filesystem::u8path(sample.file);
        const std::string name = std::filesystem::path(sample.helpPage).stem().string();
        if (!window.openProjectFile(file)) {
            ++failures;
            continue;
        }
        window.levelsPanel()->openLevel(1);
        window.catalogue()->chooseKind(ObjectKind::Active);
        auto* canvas =
            qobject_cast<LevelCanvasPanel*>(window.centralArea()->panel(CentralPanel::LevelCanvas));
        canvas->zoomBox()->setValue(100);
        if (canvas->gridAction()->isChecked()) {
            canvas->gridAction()->trigger();
        }
        save(window, QString::fromStdString(name));
    }
}

// The pictures of the help page "Первая игра за 10 минут", taken while tools/firstgame makes
// the game through the editors in a program folder of its own (with the installed
// toolkit), builds it and plays it headless.
void saveFirstGame(const std::filesystem::path& installed) {
    namespace fs = std::filesystem;
    // A folder of a fixed name: the console's picture shows its paths.
    const fs::path scratch = fs::temp_directory_path() / "avizad-screenshots";
    const fs::path program = scratch / "ROR Avizad";
    std::error_code error;
    fs::remove_all(scratch, error);
    fs::create_directories(program / "projects");
    fs::copy(installed / "System", program / "System",
             fs::copy_options::recursive | fs::copy_options::skip_symlinks, error);
    fs::remove_all(program / "System" / "toolkit", error);
    fs::create_directory_symlink(installed / "System" / "toolkit", program / "System" / "toolkit",
                                 error);
    try {
        firstgame::FirstGame game(program, installed / "images",
                                  program / "projects" / fs::u8path("Первая игра.yrk"),
                                  [](const QString& name, QWidget& shown, const QRect& part) {
                                      saveHelpPicture(shown, name, part);
                                  });
        game.makeAll();
        if (!game.compile()) {
            throw std::runtime_error("Компиляция: the archive was not made");
        }
        // The game on the phone's screen once the hero has walked to the coin.
        std::ofstream(program / "keys.txt") << "2 tap 49\n20 press RIGHT\n";
        const fs::path shot =
            fs::absolute(fs::path(outDir.toStdString()) / "first-game-8-play.png");
        const std::string command = "cd '" + program.string() +
                                    "' && System/toolkit/wtk/bin/emulator --headless --frames 100 "
                                    "--keys keys.txt --screenshot '" +
                                    shot.string() + "' '" + game.jar().string() + "' > /dev/null";
        if (std::system(command.c_str()) != 0 || !fs::exists(shot)) {
            throw std::runtime_error("the emulator made no picture of the game");
        }
        std::printf("%s\n", shot.c_str());
        if (!helpDir.isEmpty()) {
            const fs::path copy = fs::path(helpDir.toStdString()) / shot.filename();
            fs::copy_file(shot, copy, fs::copy_options::overwrite_existing);
            std::printf("%s\n", copy.c_str());
        }
        game.window().hide();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "first game: %s\n", e.what());
        ++failures;
    }
    fs::remove_all(scratch, error);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: avizad-screenshots OUTDIR [HELPDIR]\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    if (argc == 3) {
        helpDir = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(helpDir);
    }
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

    // The text of a build, as the console shows it.
    ConsoleWindow* console = window.console();
    console->appendOutput(utf8ToCp1251(
        "'System/toolkit/jdk/bin/javac' -source 1.3 -encoding Cp1251 -d System/build/tmpclasses "
        "System/build/src/Etap1.java System/build/src/syrk.java\n"
        "Описатель игры для телефонов (JAD): System/bin/syrk.jad\n"
        "Архив создан: System/bin/syrk.jar\n"));
    save(*console, "console");
    console->hide();

    HelpWindow* help = window.helpWindow();
    save(*help, "help-contents");
    help->showPage(QStringLiteral("levels.html"));
    save(*help, "help-levels");
    help->showPage(QStringLiteral("first-game.html"));
    save(*help, "help-first-game");
    help->close();

    QLabel splash;
    splash.setPixmap(AppIcons::splash());
    save(splash, "splash");

    // The object editors, each with an object of the sample project open.
    try {
        Project sample = readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) /
                                         "tests/fixtures/showcase.yrk");
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
        window.document()->replaceProject(readProjectFile(std::filesystem::path(AVIZAD_SOURCE_DIR) /
                                                          "tests/fixtures/showcase.yrk"));
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

    // A first game from the starter pictures, its figures on their transparent backdrop:
    // the canvas shows them as the game does, without a magenta pixel.
    try {
        window.document()->replaceProject(firstGame(dir / "images"));
        window.levelsPanel()->openLevel(1);
        window.catalogue()->chooseKind(ObjectKind::Active);
        window.document()->setSelectedObject(1);
        auto* canvas =
            qobject_cast<LevelCanvasPanel*>(window.centralArea()->panel(CentralPanel::LevelCanvas));
        canvas->zoomBox()->setValue(200);
        save(window, "level-canvas-first-game");
        const QImage shown = canvas->view()->grab().toImage();
        int magenta = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                magenta += shown.pixelColor(x, y) == QColor(255, 0, 255) ? 1 : 0;
            }
        }
        if (magenta > 0) {
            std::fprintf(stderr, "level-canvas-first-game: %d magenta pixels\n", magenta);
            ++failures;
        }
    } catch (const IoError& error) {
        std::fprintf(stderr, "level-canvas-first-game: %s\n", error.what());
        ++failures;
    }

    saveSamples(window);
    window.hide();
    saveFirstGame(dir);
    return failures == 0 ? 0 : 1;
}

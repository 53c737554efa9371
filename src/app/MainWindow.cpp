#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <cerrno>

#include "app/AppIcons.h"
#include "app/CentralArea.h"
#include "app/HelpWindow.h"
#include "app/LevelList.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MidletSettingsDialog.h"
#include "app/ObjectCatalogue.h"
#include "app/QtText.h"
#include "app/SettingsDialog.h"
#include "pipeline/BuildCommands.h"
#include "generator/BuildFolders.h"
#include "pipeline/BuildPipeline.h"
#include "pipeline/GameLauncher.h"
#include "pipeline/ui/ConsoleWindow.h"
#include "model/IoError.h"
#include "model/LevelOperations.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

CentralPanel editorOf(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return CentralPanel::BackgroundEditor;
        case ObjectKind::Active:
            return CentralPanel::ActiveEditor;
        case ObjectKind::Indicator:
            return CentralPanel::IndicatorEditor;
        case ObjectKind::Text:
            break;
    }
    return CentralPanel::TextEditor;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

MainWindow::MainWindow(fs::path programDir, Prompts prompts, QWidget* parent)
    : QMainWindow(parent), programDir_(std::move(programDir)), prompts_(std::move(prompts)) {
    setWindowTitle(text(lockedTitle()));
    setWindowIcon(AppIcons::icon(AppIcon::Application));
    buildToolbars();

    auto* centre = new QWidget(this);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    levelsPanel_ = new LevelsPanel(project_, values_, centre);
    central_ = new CentralArea(centre);
    central_->setObjectName("centralArea");
    catalogue_ = new ObjectCatalogue(centre);
    catalogue_->setFixedWidth(169);
    row->addWidget(levelsPanel_);
    row->addWidget(central_, 1);
    row->addWidget(catalogue_);
    setCentralWidget(centre);

    statusLevel_ = new QLabel(this);
    statusBar()->addPermanentWidget(statusLevel_);

    console_ = new ConsoleWindow(this);
    console_->hide();
    BuildPipeline::Console buildConsole;
    buildConsole.send = [this](std::string_view line) { return console_->sendQuietly(line); };
    buildConsole.print = [this](std::string_view text) { console_->appendOutput(text); };
    buildConsole.clear = [this] { console_->clearText(); };
    build_ = std::make_unique<BuildPipeline>(std::move(buildConsole));
    console_->setOutputFilter([this](std::string_view chunk) { build_->feedOutput(chunk); });
    connect(console_, &ConsoleWindow::interpreterEnded, this,
            [this] { build_->interpreterEnded(); });

    connect(levelsPanel_, &LevelsPanel::levelChosen, this, [this](int level) {
        updateStatus();
        emit currentLevelChanged(level);
    });
    connect(levelsPanel_, &LevelsPanel::openCanvasRequested, this,
            [this] { central_->showPanel(CentralPanel::LevelCanvas); });
    connect(levelsPanel_, &LevelsPanel::propertiesRequested, this,
            &MainWindow::editLevelProperties);
    connect(levelsPanel_, &LevelsPanel::levelsChanged, this, [this] {
        updateStatus();
        emit levelsChanged();
    });
    connect(catalogue_, &ObjectCatalogue::kindChosen, this, [this](ObjectKind kind) {
        values_.currentKind = kind;
        central_->closeEditors();
        emit kindChanged(kind);
    });

    // Startup: an empty project of one level, then the environment settings.
    clearProject(project_);
    project_.levelCount = 1;
    setLocked(true);
    try {
        settings_ = readOptions(optionsPath(programDir_));
        settingsLoaded_ = true;
    } catch (const IoError& error) {
        prompts_.showError(this, QStringLiteral("Не удалось прочитать настройки программы, "
                                                "поэтому работа с проектом недоступна.\n\n") +
                                     text(error.what()));
        levelsPanel_->pereris();
        updateStatus();
        return;
    }
    project_.currentLevel = 0;
    values_.projectDir = "c:";
    project_.screenColor = settings_.screenColor;
    levelsPanel_->pereris();
    unlockInterface();
    project_.midletName = "syrk";
    project_.midletVendor = "tulvask";
    project_.midletVersion = "1.0";
    setWindowTitle(text(untitledTitle()));
    updateStatus();
}

MainWindow::~MainWindow() {
    // The console outlives the build pipeline by a moment: it must not feed it any more.
    console_->setOutputFilter({});
}

QAction* MainWindow::makeAction(Command command, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint.trimmed());
    }
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    return action;
}

void MainWindow::buildToolbars() {
    upperBar_ = new QToolBar(QStringLiteral("Меню"), this);
    upperBar_->setObjectName("upperBar");
    upperBar_->setMovable(false);
    upperBar_->setFloatable(false);
    upperBar_->setIconSize(QSize(112, 28));
    addToolBar(Qt::TopToolBarArea, upperBar_);
    addToolBarBreak(Qt::TopToolBarArea);
    lowerBar_ = new QToolBar(QStringLiteral("Команды"), this);
    lowerBar_->setObjectName("lowerBar");
    lowerBar_->setMovable(false);
    lowerBar_->setFloatable(false);
    lowerBar_->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, lowerBar_);

    // The logo opens the program's own pages.
    auto* logo = new QToolButton(upperBar_);
    logo->setObjectName("logo");
    logo->setIcon(QIcon(AppIcons::logo(28)));
    logo->setIconSize(QSize(112, 28));
    logo->setAutoRaise(true);
    logo->setToolTip(QStringLiteral("ROR Avizad: справка о программе"));
    connect(logo, &QToolButton::clicked, this, &MainWindow::showHelp);
    upperBar_->addWidget(logo);

    struct MenuItem {
        Command command;
        const char* caption;
        QKeySequence shortcut;
    };
    auto addMenu = [this](const QString& caption, std::initializer_list<MenuItem> items) {
        auto* menu = new QMenu(caption, this);
        for (const MenuItem& item : items) {
            if (item.caption == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* action = makeAction(item.command, QString::fromUtf8(item.caption));
            if (!item.shortcut.isEmpty()) {
                action->setShortcut(item.shortcut);
                addAction(action);  // the shortcut works while the menu is closed
            }
            menu->addAction(action);
            menuActions_[item.command] = action;
        }
        auto* button = new QToolButton(upperBar_);
        button->setText(caption);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        upperBar_->addWidget(button);
        menus_[caption] = menu;
    };
    const QKeySequence none;
    addMenu(QStringLiteral("Файл"),
            {{Command::OpenProject, "Открыть", QKeySequence::Open},
             {Command::NewProjectMenu, "Создать", none},
             {Command::Save, nullptr, none},
             {Command::Save, "Сохранить", QKeySequence::Save},
             {Command::SaveAs, "Сохранить как...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
             {Command::Save, nullptr, none},
             {Command::Clean, "Очистка", none},
             {Command::Compile, "Компиляция", QKeySequence(Qt::Key_F9)},
             {Command::MakeJar, "Перевод в jar", none},
             {Command::Save, nullptr, none},
             {Command::Exit, "Выход", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    addMenu(QStringLiteral("Настройки"), {{Command::Settings, "Общие настройки", none},
                                          {Command::MidletSettings, "Настройки мидлета", none}});
    addMenu(QStringLiteral("Создать"), {{Command::NewBackground, "Фоновый объект", none},
                                        {Command::NewActive, "Активный объект", none},
                                        {Command::NewIndicator, "Объект-индикатор", none},
                                        {Command::NewText, "Текстовый объект", none},
                                        {Command::Save, nullptr, none},
                                        {Command::NewLevel, "Уровень", none}});
    addMenu(QStringLiteral("Справка"), {{Command::About, "Об авторах", none},
                                        {Command::Help, "Общее", QKeySequence::HelpContents}});

    struct ToolItem {
        Command command;
        AppIcon icon;
        const char* hint;
        QKeySequence shortcut;
    };
    const ToolItem tools[] = {
        {Command::OpenProject, AppIcon::OpenProject, "Открыть проект", none},
        {Command::NewProject, AppIcon::NewProject, "Создать проект", QKeySequence::New},
        {Command::Save, AppIcon::SaveProject, " Сохранить проект", none},
        {Command::Compile, AppIcon::Compile, "Компиляция", none},
        {Command::RunGame, AppIcon::RunGame, "Запуск игры", QKeySequence(Qt::Key_F5)},
        {Command::NewBackground, AppIcon::NewBackground, "Создание фонового объекта", none},
        {Command::NewActive, AppIcon::NewActive, "Создание активного объекта", none},
        {Command::NewIndicator, AppIcon::NewIndicator, "Создание объекта-индикатора", none},
        {Command::NewText, AppIcon::NewText, "Создание текстового объекта", none},
        {Command::NewLevel, AppIcon::NewLevel, "Создание нового уровня", none},
    };
    for (const ToolItem& item : tools) {
        const QString hint = QString::fromUtf8(item.hint);
        QAction* action = makeAction(item.command, hint.trimmed(), hint);
        action->setIcon(AppIcons::icon(item.icon));
        if (!item.shortcut.isEmpty()) {
            action->setShortcut(item.shortcut);
        }
        lowerBar_->addAction(action);
        toolbarActions_[item.command] = action;
        if (item.command == Command::RunGame || item.command == Command::NewProject) {
            lowerBar_->addSeparator();
        }
    }
}

QMenu* MainWindow::menu(const QString& caption) const {
    const auto it = menus_.find(caption);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MainWindow::toolbarAction(Command command) const {
    const auto it = toolbarActions_.find(command);
    return it == toolbarActions_.end() ? nullptr : it->second;
}

QAction* MainWindow::menuAction(Command command) const {
    const auto it = menuActions_.find(command);
    return it == menuActions_.end() ? nullptr : it->second;
}

void MainWindow::setLocked(bool locked) {
    upperBar_->setEnabled(!locked);
    lowerBar_->setEnabled(!locked);
    for (const auto& [command, action] : menuActions_) {
        action->setEnabled(!locked || command == Command::Exit);
    }
    for (const auto& [command, action] : toolbarActions_) {
        action->setEnabled(!locked);
    }
    // Without settings the panels cannot work either.
    levelsPanel_->setEnabled(!locked);
    central_->setEnabled(!locked);
    catalogue_->setEnabled(!locked);
}

void MainWindow::unlockInterface() {
    if (values_.projectDir.empty()) {
        return;
    }
    setLocked(false);
    levelsPanel_->show();
    central_->show();
    emit projectReplaced();
}

void MainWindow::run(Command command) {
    switch (command) {
        case Command::OpenProject:
            openProject(true);
            break;
        case Command::NewProjectMenu:
            clearScenario();
            break;
        case Command::NewProject:
            newProject();
            break;
        case Command::Save:
            saveProject(false);
            break;
        case Command::SaveAs:
            saveProject(true);
            break;
        case Command::Clean:
            clean();
            break;
        case Command::Compile:
        case Command::MakeJar:
            compile();
            break;
        case Command::RunGame:
            runGame();
            break;
        case Command::Exit:
            close();
            break;
        case Command::Settings:
            editSettings();
            break;
        case Command::MidletSettings:
            editMidletSettings();
            break;
        case Command::NewBackground:
            createObject(ObjectKind::Background);
            break;
        case Command::NewActive:
            createObject(ObjectKind::Active);
            break;
        case Command::NewIndicator:
            createObject(ObjectKind::Indicator);
            break;
        case Command::NewText:
            createObject(ObjectKind::Text);
            break;
        case Command::NewLevel:
            createLevel();
            break;
        case Command::About:
            showAbout();
            break;
        case Command::Help:
            showHelp();
            break;
    }
}

void MainWindow::setProjectFile(const fs::path& file) {
    values_.projectFile = file;
    values_.projectDir = file.parent_path();
    setWindowTitle(text(projectTitle(file)));
}

void MainWindow::projectWasReplaced() {
    levelsPanel_->list()->setMarker(project_.currentLevel);
    levelsPanel_->pereris();
    central_->closeEditors();
    updateStatus();
    emit projectReplaced();
}

void MainWindow::openProject(bool unlock) {
    const QString chosen = prompts_.openProjectFile(
        this, fromPath(projectDialogFolder(programDir_, values_.projectFile)));
    if (chosen.isEmpty()) {
        return;  // cancelled: the project stays as it is
    }
    const fs::path file = toPath(chosen);
    // The file is read into a fresh project, which replaces the current one only
    // when the whole file was read.
    Project loaded;
    clearProject(loaded);
    try {
        loadProject(loaded, file);
    } catch (const IoError& error) {
        prompts_.showError(this, text(error.what()));
        return;
    }
    project_ = std::move(loaded);
    settings_.screenColor = project_.screenColor;
    setProjectFile(file);
    projectWasReplaced();
    if (unlock) {
        unlockInterface();
    }
}

void MainWindow::newProject() {
    const Color screenColor = project_.screenColor;
    project_ = Project{};
    project_.screenColor = screenColor;
    resetMidletSettings(project_);
    values_.projectFile.clear();
    setWindowTitle(text(untitledTitle()));
    projectWasReplaced();
}

void MainWindow::clearScenario() {
    clearProject(project_);
    projectWasReplaced();
    unlockInterface();
}

MainWindow::SaveResult MainWindow::saveProject(bool saveAs) {
    values_.saveAs = saveAs;
    fs::path file = values_.projectFile;
    if (values_.saveAs || file.empty()) {
        const QString chosen = prompts_.saveProjectFile(
            this, fromPath(projectDialogFolder(programDir_, values_.projectFile)));
        if (chosen.isEmpty()) {
            return SaveResult::Cancelled;
        }
        file = withDefaultExtension(toPath(chosen));
    }
    setProjectFile(file);
    try {
        avizad::saveProject(project_, file);
    } catch (const IoError& error) {
        prompts_.showError(this, text(error.what()));
        return SaveResult::Failed;
    }
    showStatus(QStringLiteral("Проект сохранён: %1").arg(fromPath(file)));
    return SaveResult::Saved;
}

void MainWindow::clean() {
    const int deleted = cleanProgramFolder(programDir_);
    showStatus(QStringLiteral("Очистка: удалено файлов: %1").arg(deleted));
}

void MainWindow::compile() {
    if (build_->running()) {
        showStatus(QStringLiteral("Сборка уже идёт: дождитесь её окончания в окне «Компиляция»."));
        console_->show();
        console_->raise();
        return;
    }
    BuildInputs inputs;
    inputs.programDir = programDir_;
    if (!values_.projectFile.empty()) {
        inputs.projectDir = values_.projectFile.parent_path();
    }
    inputs.jdkDir = settings_.jdkDir;
    inputs.wtkDir = settings_.wtkDir;
    console_->show();
    console_->raise();
    showStatus(QStringLiteral("Идёт сборка игры..."));
    build_->start(project_, inputs, [this](const BuildResult& result) {
        if (!result.error.empty()) {
            prompts_.showError(this, text(result.error));
        }
        showStatus(fromModel(result.summary));
        emit buildFinished(result.archiveMade);
    });
}

void MainWindow::runGame() {
    const int error = launchGame(programDir_, settings_.wtkDir, project_.midletName);
    const fs::path archive = archivePath(BuildFolders(programDir_), project_.midletName);
    if (error == ENOENT && !fs::exists(archive)) {
        showStatus(QStringLiteral("Игра ещё не собрана (нет файла %1): сначала выполните "
                                  "«Компиляция».")
                       .arg(fromPath(archive)));
    } else if (error != 0) {
        showStatus(QStringLiteral("Не удалось запустить эмулятор: %1. Проверьте путь к папке с "
                                  "WTK в настройках.")
                       .arg(text(systemErrorText(error))));
    }
}

void MainWindow::installObjectEditor(ObjectKind kind, QWidget* panel,
                                     std::function<void()> startNew) {
    central_->setPanel(editorOf(kind), panel);
    startNewObject_[kind] = std::move(startNew);
}

void MainWindow::createObject(ObjectKind kind) {
    central_->showPanel(editorOf(kind));
    const auto it = startNewObject_.find(kind);
    if (it != startNewObject_.end() && it->second) {
        it->second();
    }
}

void MainWindow::createLevel() {
    if (!canAppendLevel(project_)) {
        prompts_.showInfo(this, QStringLiteral("В игре может быть не больше %1 уровней: новый "
                                               "уровень создать нельзя.")
                                    .arg(kMaxLevels));
        return;
    }
    LevelPropertiesDialog dialog(project_, project_.levelCount + 1, values_.panelLevel, this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted) {
        levelsPanel_->pereris();
        updateStatus();
        emit levelsChanged();
    }
}

void MainWindow::editLevelProperties(int level) {
    LevelPropertiesDialog dialog(project_, level, level, this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted) {
        levelsPanel_->pereris();
        emit levelsChanged();
    }
}

void MainWindow::editSettings() {
    SettingsDialog dialog(optionsPath(programDir_), this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted && dialog.applied()) {
        settings_ = *dialog.applied();
        project_.screenColor = settings_.screenColor;
        emit settingsChanged();
    }
}

void MainWindow::editMidletSettings() {
    MidletSettingsDialog dialog(project_, this, prompts_.showError);
    prompts_.execDialog(dialog);
}

void MainWindow::showAbout() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("О нас"),
                    QStringLiteral("<b>ROR Avizad</b><br>конструктор мобильных игр<br>"
                                   "v. 3.0 (Alpha)"),
                    QMessageBox::Ok, this);
    box.setIconPixmap(AppIcons::icon(AppIcon::Application).pixmap(64, 64));
    prompts_.execDialog(box);
}

HelpWindow* MainWindow::helpWindow() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    return help_;
}

void MainWindow::showHelp() {
    HelpWindow* help = helpWindow();
    help->showPage(QStringLiteral("index.html"));
    help->show();
    help->raise();
}

void MainWindow::showStatus(const QString& message) {
    statusBar()->showMessage(message, 8000);
}

void MainWindow::updateStatus() {
    const int level = project_.currentLevel;
    QString status = QStringLiteral("Уровней: %1").arg(project_.levelCount);
    if (level >= 1 && level <= project_.levelCount) {
        status += QStringLiteral("   Текущий уровень: %1 (%2)")
                      .arg(level)
                      .arg(fromModel(listedLevelName(project_.levels[level])));
    }
    statusLevel_->setText(status);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (prompts_.askSaveOnExit(this) && saveProject(false) == SaveResult::Failed) {
        // The project could not be written: the window stays open so nothing is lost.
        event->ignore();
        return;
    }
    if (help_ != nullptr) {
        help_->close();
    }
    console_->hide();
    event->accept();
}

}  // namespace avizad

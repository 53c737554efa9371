#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>
#include <cerrno>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/CentralArea.h"
#include "app/HelpWindow.h"
#include "app/LevelList.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MidletSettingsDialog.h"
#include "app/ObjectCatalogue.h"
#include "app/SettingsDialog.h"
#include "events/HandWrittenCode.h"
#include "generator/BuildFolders.h"
#include "generator/ProjectCopy.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/LevelOperations.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/ui/QtText.h"
#include "pipeline/BuildCommands.h"
#include "pipeline/BuildRunner.h"
#include "pipeline/CleanProgramFolder.h"
#include "pipeline/GameLauncher.h"
#include "pipeline/ui/ConsoleWindow.h"
#include "shell/AppIcons.h"

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

}  // namespace

MainWindow::MainWindow(fs::path programDir, Prompts prompts, QWidget* parent)
    : QMainWindow(parent), programDir_(std::move(programDir)), prompts_(std::move(prompts)) {
    document_ = new ProjectDocument(programDir_, this);
    setWindowTitle(document_->windowTitle());
    setWindowIcon(AppIcons::icon(AppIcon::Application));
    connect(document_, &ProjectDocument::titleChanged, this,
            [this] { setWindowTitle(document_->windowTitle()); });
    makeActions();
    makeBars();
    addLogo();
    addMenus();
    addCommandButtons();

    auto* centre = new QWidget(this);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    levelsPanel_ = new LevelsPanel(*document_, centre);
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
    // The builds show their text in the console; what their tools report comes back to
    // this thread.
    build_ = std::make_unique<BuildRunner>(
        BuildRunner::View{.print = [this](std::string_view text) { console_->appendOutput(text); },
                          .clear = [this] { console_->clearText(); }},
        [this](std::function<void()> task) {
            QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
        });

    connect(document_, &ProjectDocument::currentLevelChanged, this, &MainWindow::updateStatus);
    connect(document_, &ProjectDocument::levelsChanged, this, &MainWindow::updateStatus);
    connect(document_, &ProjectDocument::projectReplaced, this, &MainWindow::updateStatus);
    connect(levelsPanel_, &LevelsPanel::openCanvasRequested, this,
            [this] { central_->showPanel(CentralPanel::LevelCanvas); });
    connect(levelsPanel_, &LevelsPanel::propertiesRequested, this,
            &MainWindow::editLevelProperties);
    connect(central_, &CentralArea::panelShown, this, [this](CentralPanel panel) {
        if (!isObjectEditor(panel)) {
            actions_[panel == CentralPanel::Events ? Command::ShowEvents : Command::ShowLevel]
                ->setChecked(true);
        }
    });
    connect(catalogue_, &ObjectCatalogue::kindChosen, this, [this](ObjectKind kind) {
        central_->closeEditors();
        document_->setCurrentKind(kind);
    });
    connect(document_, &ProjectDocument::currentKindChanged, catalogue_,
            &ObjectCatalogue::showKind);

    // Startup: an empty project of one level, then the environment settings.
    Project initial;
    clearProject(initial);
    initial.levelCount = 1;
    setLocked(true);
    try {
        document_->setSettings(readOptions(optionsPath(programDir_)));
    } catch (const IoError& error) {
        prompts_.showError(this, QStringLiteral("Не удалось прочитать настройки программы, "
                                                "поэтому работа с проектом недоступна.\n\n") +
                                     QString::fromStdString(error.what()));
        document_->replaceProject(std::move(initial));
        return;
    }
    initial.currentLevel = 0;
    initial.screenColor = document_->settings().screenColor;
    initial.midletName = kDefaultMidletName;
    initial.midletVendor = kDefaultMidletVendor;
    initial.midletVersion = kDefaultMidletVersion;
    document_->setProjectDir("c:");
    document_->replaceProject(std::move(initial));
    unlockInterface();
}

MainWindow::~MainWindow() = default;

void MainWindow::makeActions() {
    // Every command once: its caption in the menus, its hint on the lower bar (nullptr: it is
    // not there), its icon, its keys and what it does.
    const auto add = [this](Command command, const char* caption, const char* hint,
                            std::optional<AppIcon> icon, const QList<QKeySequence>& keys,
                            std::function<void()> run) {
        auto* action = new QAction(QString::fromUtf8(caption), this);
        if (hint != nullptr) {
            const QString text = QString::fromUtf8(hint);
            action->setToolTip(text);
            action->setStatusTip(text.trimmed());
        }
        if (icon) {
            action->setIcon(AppIcons::icon(*icon));
        }
        action->setShortcuts(keys);
        addAction(action);  // the keys work while the menus are closed
        connect(action, &QAction::triggered, this, [this, command] { this->run(command); });
        actions_[command] = action;
        handlers_[command] = std::move(run);
    };
    add(Command::OpenProject, "Открыть", "Открыть проект", AppIcon::OpenProject,
        {QKeySequence::Open}, [this] { openProject(true); });
    add(Command::NewProject, "Создать проект", "Создать проект", AppIcon::NewProject,
        {QKeySequence::New}, [this] { newProject(); });
    add(Command::NewProjectMenu, "Создать", nullptr, {}, {}, [this] { clearScenario(); });
    add(Command::Save, "Сохранить", " Сохранить проект", AppIcon::SaveProject, {QKeySequence::Save},
        [this] { saveProject(false); });
    add(Command::SaveAs, "Сохранить как...", nullptr, {}, {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        [this] { saveProject(true); });
    add(Command::Clean, "Очистка", nullptr, {}, {}, [this] { clean(); });
    add(Command::Compile, "Компиляция", "Компиляция", AppIcon::Compile, {Qt::Key_F9},
        [this] { compile(); });
    add(Command::RunGame, "Запуск игры", "Запуск игры", AppIcon::RunGame, {Qt::Key_F5},
        [this] { runGame(); });
    add(Command::MakeJar, "Перевод в jar", nullptr, {}, {}, [this] { compile(); });
    add(Command::Exit, "Выход", nullptr, {}, {Qt::CTRL | Qt::Key_Q}, [this] { close(); });
    add(Command::Settings, "Общие настройки", nullptr, {}, {}, [this] { editSettings(); });
    add(Command::MidletSettings, "Настройки мидлета", nullptr, {}, {},
        [this] { editMidletSettings(); });
    add(Command::NewBackground, "Фоновый объект", "Создание фонового объекта",
        AppIcon::NewBackground, {}, [this] { createObject(ObjectKind::Background); });
    add(Command::NewActive, "Активный объект", "Создание активного объекта", AppIcon::NewActive, {},
        [this] { createObject(ObjectKind::Active); });
    add(Command::NewIndicator, "Объект-индикатор", "Создание объекта-индикатора",
        AppIcon::NewIndicator, {}, [this] { createObject(ObjectKind::Indicator); });
    add(Command::NewText, "Текстовый объект", "Создание текстового объекта", AppIcon::NewText, {},
        [this] { createObject(ObjectKind::Text); });
    add(Command::NewLevel, "Уровень", "Создание нового уровня", AppIcon::NewLevel, {},
        [this] { createLevel(); });
    add(Command::About, "Об авторах", nullptr, {}, {}, [this] { showAbout(); });
    add(Command::Help, "Общее", nullptr, {}, {QKeySequence::HelpContents}, [this] { showHelp(); });
    // Their captions and hints name the edit (followUndoGroup).
    add(Command::Undo, "Отменить", nullptr, AppIcon::Undo, {Qt::CTRL | Qt::Key_Z},
        [this] { undoGroup_->undo(); });
    add(Command::Redo, "Повторить", nullptr, AppIcon::Redo,
        {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}, [this] { undoGroup_->redo(); });
    // The two work panels of the centre; an object editor lies over either.
    add(Command::ShowEvents, "События", nullptr, {}, {Qt::Key_F6}, [this] { showEvents(); });
    add(Command::ShowLevel, "Размещение объектов", nullptr, {}, {Qt::Key_F7},
        [this] { showLevel(); });
    auto* panels = new QActionGroup(this);
    panels->setExclusive(true);
    for (Command command : {Command::ShowEvents, Command::ShowLevel}) {
        actions_[command]->setCheckable(true);
        panels->addAction(actions_[command]);
    }
    actions_[Command::ShowEvents]->setChecked(true);
    followUndoGroup();
}

void MainWindow::fillSamplesMenu() {
    samplesMenu_->clear();
    const std::vector<SampleProject> samples = installedSamples(programDir_);
    if (samples.empty()) {
        samplesMenu_->addAction(QStringLiteral("(примеров нет)"))->setEnabled(false);
        return;
    }
    for (const SampleProject& sample : samples) {
        QAction* action = samplesMenu_->addAction(QString::fromStdString(sample.name));
        action->setToolTip(QStringLiteral("Открыть копию примера: сам пример не изменится"));
        const fs::path file = sample.file;
        connect(action, &QAction::triggered, this, [this, file] { openSample(file); });
    }
}

void MainWindow::followUndoGroup() {
    // Undo and redo act on the document's edits, or on the panel shown when it keeps its
    // own history; their texts name the edit: "Отменить создание уровня".
    undoGroup_ = new QUndoGroup(this);
    undoGroup_->addStack(document_->undoStack());
    undoGroup_->setActiveStack(document_->undoStack());
    QAction* undo = actions_[Command::Undo];
    QAction* redo = actions_[Command::Redo];
    const auto name = [](const QString& verb, const QString& command) {
        if (command.isEmpty()) {
            return verb;
        }
        return verb + QLatin1Char(' ') + command.left(1).toLower() + command.mid(1);
    };
    const auto show = [this, undo, redo, name] {
        undo->setEnabled(undoGroup_->canUndo());
        redo->setEnabled(undoGroup_->canRedo());
        undo->setText(name(QStringLiteral("Отменить"), undoGroup_->undoText()));
        redo->setText(name(QStringLiteral("Повторить"), undoGroup_->redoText()));
        undo->setToolTip(undo->text());
        redo->setToolTip(redo->text());
    };
    connect(undoGroup_, &QUndoGroup::canUndoChanged, this, show);
    connect(undoGroup_, &QUndoGroup::canRedoChanged, this, show);
    connect(undoGroup_, &QUndoGroup::undoTextChanged, this, show);
    connect(undoGroup_, &QUndoGroup::redoTextChanged, this, show);
    connect(undoGroup_, &QUndoGroup::activeStackChanged, this, show);
    show();
}

void MainWindow::makeBars() {
    upperBar_ = new QToolBar(QStringLiteral("Меню"), this);
    upperBar_->setObjectName("upperBar");
    upperBar_->setIconSize(QSize(112, 28));
    lowerBar_ = new QToolBar(QStringLiteral("Команды"), this);
    lowerBar_->setObjectName("lowerBar");
    lowerBar_->setIconSize(QSize(32, 32));
    for (QToolBar* bar : {upperBar_, lowerBar_}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        addToolBar(Qt::TopToolBarArea, bar);
        if (bar == upperBar_) {
            addToolBarBreak(Qt::TopToolBarArea);
        }
    }
}

void MainWindow::addLogo() {
    // The logo opens the program's own pages.
    auto* logo = new QToolButton(upperBar_);
    logo->setObjectName("logo");
    logo->setIcon(QIcon(AppIcons::logo(28)));
    logo->setIconSize(QSize(112, 28));
    logo->setAutoRaise(true);
    logo->setToolTip(QStringLiteral("ROR Avizad: справка о программе"));
    connect(logo, &QToolButton::clicked, this, &MainWindow::showHelp);
    upperBar_->addWidget(logo);
}

namespace {

// Commands in groups, a separator between two groups.
using CommandGroups = std::vector<std::vector<Command>>;

void addGroups(QWidget* widget, const CommandGroups& groups,
               const std::function<QAction*(Command)>& action) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) {
            auto* separator = new QAction(widget);
            separator->setSeparator(true);
            widget->addAction(separator);
        }
        for (Command command : groups[g]) {
            widget->addAction(action(command));
        }
    }
}

}  // namespace

void MainWindow::addMenus() {
    // The menus behind the upper bar's buttons, in their order.
    const std::pair<const char*, CommandGroups> menus[] = {
        {"Файл",
         {{Command::OpenProject, Command::NewProject, Command::NewProjectMenu},
          {Command::Save, Command::SaveAs},
          {Command::Clean, Command::Compile, Command::RunGame, Command::MakeJar},
          {Command::Exit}}},
        {"Правка", {{Command::Undo, Command::Redo}}},
        {"Настройки", {{Command::Settings, Command::MidletSettings}}},
        {"Создать",
         {{Command::NewBackground, Command::NewActive, Command::NewIndicator, Command::NewText},
          {Command::NewLevel}}},
        {"Вид", {{Command::ShowEvents, Command::ShowLevel}}},
        {"Справка", {{Command::About, Command::Help}}},
    };
    for (const auto& [title, groups] : menus) {
        auto* menu = new QMenu(QString::fromUtf8(title), this);
        addGroups(menu, groups, [this](Command command) { return action(command); });
        // An upper bar button, captioned with the menu's title, opens it.
        auto* button = new QToolButton(upperBar_);
        button->setText(menu->title());
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        upperBar_->addWidget(button);
        menus_[menu->title()] = menu;
    }
    addSamplesMenu(menus_.at(QStringLiteral("Файл")));
}

void MainWindow::addCommandButtons() {
    // Undo and redo stand beside the file commands.
    const CommandGroups buttons = {
        {Command::OpenProject, Command::NewProject},
        {Command::Save, Command::Undo, Command::Redo, Command::Compile, Command::RunGame},
        {Command::NewBackground, Command::NewActive, Command::NewIndicator, Command::NewText,
         Command::NewLevel},
        {Command::ShowEvents, Command::ShowLevel},
    };
    addGroups(lowerBar_, buttons, [this](Command command) { return action(command); });
}

void MainWindow::addSamplesMenu(QMenu* fileMenu) {
    // Beside "Открыть": the samples are opened as copies of the author's own.
    samplesMenu_ = new QMenu(QStringLiteral("Примеры"), this);
    samplesMenu_->setToolTipsVisible(true);
    fileMenu->insertMenu(action(Command::NewProject), samplesMenu_);
    connect(samplesMenu_, &QMenu::aboutToShow, this, &MainWindow::fillSamplesMenu);
    fillSamplesMenu();
}

void MainWindow::setActiveUndoStack(QUndoStack* stack) {
    QUndoStack* active = stack != nullptr ? stack : document_->undoStack();
    if (!undoGroup_->stacks().contains(active)) {
        undoGroup_->addStack(active);
    }
    undoGroup_->setActiveStack(active);
}

QMenu* MainWindow::menu(const QString& caption) const {
    const auto it = menus_.find(caption);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MainWindow::action(Command command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::setLocked(bool locked) {
    upperBar_->setEnabled(!locked);
    lowerBar_->setEnabled(!locked);
    for (const auto& [command, action] : actions_) {
        if (command != Command::Undo && command != Command::Redo) {
            action->setEnabled(!locked || command == Command::Exit);
        }
    }
    samplesMenu_->menuAction()->setEnabled(!locked);
    // Without settings the panels cannot work either.
    levelsPanel_->setEnabled(!locked);
    central_->setEnabled(!locked);
    catalogue_->setEnabled(!locked);
}

void MainWindow::unlockInterface() {
    if (document_->values().projectDir.empty()) {
        return;
    }
    setLocked(false);
    levelsPanel_->show();
    central_->show();
}

void MainWindow::showEvents() {
    central_->showPanel(CentralPanel::Events);
}

void MainWindow::showLevel() {
    const int current = project().currentLevel;
    if (current >= 1 && current <= project().levelCount) {
        document_->setLevelOpened();  // the canvas works as when opened from the list
        central_->showPanel(CentralPanel::LevelCanvas);
        return;
    }
    const int chosen = document_->values().panelLevel;
    levelsPanel_->openLevel(chosen >= 1 && chosen <= project().levelCount ? chosen : 1);
    central_->showPanel(CentralPanel::LevelCanvas);
}

void MainWindow::run(Command command) {
    handlers_.at(command)();
}

bool MainWindow::maybeSave() {
    if (!document_->isModified()) {
        return true;
    }
    switch (prompts_.askSaveChanges(this)) {
        case Prompts::SaveChoice::Save:
            return saveProject(false) == SaveResult::Saved;
        case Prompts::SaveChoice::Discard:
            return true;
        case Prompts::SaveChoice::Cancel:
            break;
    }
    return false;
}

void MainWindow::openProject(bool unlock) {
    if (!maybeSave()) {
        return;
    }
    const QString chosen = prompts_.openProjectFile(
        this, fromPath(projectDialogFolder(programDir_, document_->values().projectFile)));
    if (chosen.isEmpty()) {
        return;  // cancelled: the project stays as it is
    }
    if (openProjectFile(toPath(chosen)) && unlock) {
        unlockInterface();
    }
}

fs::path MainWindow::sampleCopiesFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::homePath();
    }
    return toPath(documents) / "ROR Avizad";
}

bool MainWindow::openSample(const fs::path& sample) {
    if (!maybeSave()) {
        return false;
    }
    const std::string name = sample.stem().string();
    const QString chosen = prompts_.saveSampleCopy(
        this, QString::fromStdString(name), fromPath(freeCopyFile(sampleCopiesFolder(), name)));
    if (chosen.isEmpty()) {
        return false;  // cancelled: the project stays as it is
    }
    const fs::path copy = withDefaultExtension(toPath(chosen));
    try {
        copyProject(sample, copy);
    } catch (const IoError& error) {
        prompts_.showError(this, QString::fromStdString(error.what()));
        return false;
    }
    if (!openProjectFile(copy)) {
        return false;
    }
    unlockInterface();
    showStatus(QStringLiteral("Открыта копия примера «%1»: %2")
                   .arg(QString::fromStdString(name), fromPath(copy)));
    return true;
}

bool MainWindow::openProjectFile(const fs::path& file) {
    try {
        document_->load(file);
    } catch (const IoError& error) {
        prompts_.showError(this, QString::fromStdString(error.what()));
        return false;
    }
    central_->closeEditors();
    showHandWrittenCode();
    return true;
}

void MainWindow::showHandWrittenCode() {
    // A project from someone else runs its events' code in the game: code the menus do not
    // make is listed before the author builds or plays it.
    const std::string notice = handWrittenCodeNotice(project());
    if (notice.empty()) {
        return;
    }
    console_->clearText();
    console_->appendOutput(utf8ToCp1251(notice));
    console_->show();
    console_->raise();
    showStatus(
        QStringLiteral("В проекте есть код, написанный вручную: он показан в окне «Компиляция»."));
}

std::optional<fs::path> MainWindow::projectFileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return toPath(arguments[i]);
        }
    }
    return std::nullopt;
}

void MainWindow::newProject() {
    if (!maybeSave()) {
        return;
    }
    document_->newProject();
    central_->closeEditors();
}

void MainWindow::clearScenario() {
    if (!maybeSave()) {
        return;
    }
    document_->clearScenario();
    central_->closeEditors();
    unlockInterface();
}

MainWindow::SaveResult MainWindow::saveProject(bool saveAs) {
    fs::path file = document_->values().projectFile;
    if (saveAs || file.empty()) {
        const QString chosen = prompts_.saveProjectFile(
            this, fromPath(projectDialogFolder(programDir_, document_->values().projectFile)));
        if (chosen.isEmpty()) {
            return SaveResult::Cancelled;
        }
        file = withDefaultExtension(toPath(chosen));
    }
    try {
        document_->save(file);
    } catch (const IoError& error) {
        prompts_.showError(this, QString::fromStdString(error.what()));
        return SaveResult::Failed;
    }
    showStatus(QStringLiteral("Проект сохранён: %1").arg(fromPath(file)));
    return SaveResult::Saved;
}

void MainWindow::clean() {
    try {
        const int deleted = cleanProgramFolder(programDir_);
        showStatus(QStringLiteral("Очистка: удалено файлов: %1").arg(deleted));
    } catch (const IoError& error) {
        prompts_.showError(this, QString::fromStdString(error.what()));
    }
}

void MainWindow::compile() {
    if (build_->pipeline().running()) {
        showStatus(QStringLiteral("Сборка уже идёт: дождитесь её окончания в окне «Компиляция»."));
        console_->show();
        console_->raise();
        return;
    }
    const BuildInputs inputs =
        BuildInputs::fromSettings(settings(), programDir_, document_->values().projectFile);
    console_->show();
    console_->raise();
    showStatus(QStringLiteral("Идёт сборка игры..."));
    build_->pipeline().start(project(), inputs, [this](const BuildResult& result) {
        if (!result.error.empty()) {
            prompts_.showError(this, QString::fromStdString(result.error));
        }
        showStatus(fromModel(result.summary));
        emit buildFinished(result.archiveMade);
    });
}

void MainWindow::runGame() {
    const int error = launchGame(programDir_, settings().wtkDir, project().midletName,
                                 settings().screenWidth, settings().screenHeight);
    const fs::path archive = archivePath(BuildFolders(programDir_), project().midletName);
    if (error == ENOENT && !fs::exists(archive)) {
        showStatus(QStringLiteral("Игра ещё не собрана (нет файла %1): сначала выполните "
                                  "«Компиляция».")
                       .arg(fromPath(archive)));
    } else if (error != 0) {
        showStatus(QStringLiteral("Не удалось запустить эмулятор: %1. Проверьте путь к папке с "
                                  "WTK в настройках.")
                       .arg(QString::fromStdString(systemErrorText(error))));
    }
}

void MainWindow::installObjectEditor(ObjectKind kind, QWidget* panel,
                                     std::function<void()> startNew,
                                     std::function<void(int index)> openObject) {
    central_->setPanel(editorOf(kind), panel);
    startNewObject_[kind] = std::move(startNew);
    openObject_[kind] = std::move(openObject);
}

void MainWindow::editObject(ObjectKind kind, int index) {
    const auto it = openObject_.find(kind);
    if (it == openObject_.end() || !it->second || index < 1 || index > project().typeCount(kind)) {
        return;
    }
    central_->showPanel(editorOf(kind));
    it->second(index);
}

void MainWindow::closeEditors() {
    central_->closeEditors();
}

void MainWindow::createObject(ObjectKind kind) {
    central_->showPanel(editorOf(kind));
    const auto it = startNewObject_.find(kind);
    if (it != startNewObject_.end() && it->second) {
        it->second();
    }
}

void MainWindow::createLevel() {
    if (!canAppendLevel(project())) {
        prompts_.showInfo(this, QStringLiteral("В игре может быть не больше %1 уровней: новый "
                                               "уровень создать нельзя.")
                                    .arg(kMaxLevels));
        return;
    }
    LevelPropertiesDialog dialog(project(), project().levelCount + 1,
                                 document_->values().panelLevel, this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted) {
        const LevelProperties properties = dialog.properties();
        document_->edit(QStringLiteral("Создание уровня"), ProjectParts().withAllLevels(),
                        [&](Project& p) {
                            return applyLevelProperties(p, dialog.level(), properties) !=
                                   LevelPropertiesResult::Refused;
                        });
    }
}

void MainWindow::editLevelProperties(int level) {
    LevelPropertiesDialog dialog(project(), level, level, this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted) {
        const LevelProperties properties = dialog.properties();
        document_->edit(QStringLiteral("Свойства уровня"), ProjectParts().withAllLevels(),
                        [&](Project& p) {
                            const Level before = p.levels[level];
                            return applyLevelProperties(p, level, properties) ==
                                       LevelPropertiesResult::Appended ||
                                   !(p.levels[level] == before);
                        });
    }
}

void MainWindow::editSettings() {
    SettingsDialog dialog(optionsPath(programDir_), this);
    if (prompts_.execDialog(dialog) == QDialog::Accepted && dialog.applied()) {
        const Settings applied = *dialog.applied();
        document_->setSettings(applied);
        document_->edit(QStringLiteral("Цвет экрана"), ProjectParts().withScreenColor(),
                        [&](Project& p) {
                            if (p.screenColor == applied.screenColor) {
                                return false;
                            }
                            p.screenColor = applied.screenColor;
                            return true;
                        });
    }
}

void MainWindow::editMidletSettings() {
    MidletSettingsDialog dialog(project(), this, prompts_.showError);
    if (prompts_.execDialog(dialog) == QDialog::Accepted) {
        document_->edit(
            QStringLiteral("Настройки мидлета"), ProjectParts().withMidlet(), [&](Project& p) {
                const Project before = p;
                dialog.applyTo(p);
                return p.midletName != before.midletName || p.midletVendor != before.midletVendor ||
                       p.midletVersion != before.midletVersion || p.midletIcon != before.midletIcon;
            });
    }
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
    const int level = project().currentLevel;
    QString status = QStringLiteral("Уровней: %1").arg(project().levelCount);
    if (level >= 1 && level <= project().levelCount) {
        status += QStringLiteral("   Текущий уровень: %1 (%2)")
                      .arg(level)
                      .arg(fromModel(listedLevelName(project().levels[level])));
    }
    statusLevel_->setText(status);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Cancelling the question or the save dialog, or a save that fails, keeps the window
    // open so nothing is lost.
    if (!maybeSave()) {
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

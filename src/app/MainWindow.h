#pragma once
// The main window: owns the one project and the editors, carries the project
// commands in its menus and on its two toolbars (one QAction per command, declared in one
// table and laid out from data), and arranges the levels panel (left), the central
// work panel and the object catalogue (right).

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/CentralPanel.h"
#include "document/ProjectDocument.h"
#include "shell/EditorHost.h"
#include "shell/Prompts.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class QUndoGroup;
class QUndoStack;

namespace avizad {

class BuildPipeline;
class BuildRunner;
class CentralArea;
class ConsoleWindow;
class HelpWindow;
class LevelsPanel;
class ObjectCatalogue;

// The commands of the main window, by their captions.
enum class Command {
    OpenProject,     // "Открыть" (menu) / "Открыть проект" (toolbar)
    NewProjectMenu,  // "Создать" (menu "Файл")
    NewProject,      // "Создать проект" (toolbar)
    Save,            // "Сохранить" / " Сохранить проект"
    SaveAs,          // "Сохранить как..."
    Clean,           // "Очистка"
    Compile,         // "Компиляция"
    MakeJar,         // "Перевод в jar"
    RunGame,         // "Запуск игры"
    Exit,            // "Выход"
    Settings,        // "Общие настройки"
    MidletSettings,  // "Настройки мидлета"
    NewBackground,  // "Фоновый объект" / "Создание фонового объекта"
    NewActive,
    NewIndicator,
    NewText,
    NewLevel,    // "Уровень" / "Создание нового уровня"
    About,       // "Об авторах"
    Help,        // "Общее"
    Undo,        // "Отменить" (menu "Правка" and toolbar)
    Redo,        // "Повторить"
    ShowEvents,  // "События": the events editor in the centre
    ShowLevel,   // "Размещение объектов": the level canvas in the centre
};

class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT

public:
    // `programDir`: the folder with System/options.ini and the build folders.
    MainWindow(std::filesystem::path programDir, Prompts prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The open project: panels read it here and change it through its edits.
    ProjectDocument* document() const { return document_; }
    const Project& project() const { return document_->project(); }
    const WorkingValues& values() const { return document_->values(); }
    const Settings& settings() const { return document_->settings(); }
    // False when System/options.ini could not be read at startup (the window stays locked).
    bool settingsLoaded() const { return document_->settingsLoaded(); }
    const std::filesystem::path& programDir() const override { return programDir_; }
    // The questions the window asks the user.
    const Prompts& prompts() const override { return prompts_; }

    CentralArea* centralArea() const { return central_; }
    LevelsPanel* levelsPanel() const { return levelsPanel_; }
    ObjectCatalogue* catalogue() const { return catalogue_; }
    ConsoleWindow* console() const { return console_; }
    // The builds of "Компиляция", with the interpreter they start when a step needs one.
    BuildRunner& buildRunner() { return *build_; }
    HelpWindow* helpWindow();
    QToolBar* upperBar() const { return upperBar_; }
    QToolBar* lowerBar() const { return lowerBar_; }
    // Undo and redo act on `stack` (a panel's own history, e.g. the strokes on a map being
    // drawn) until it is set back to nullptr: the document's history.
    void setActiveUndoStack(QUndoStack* stack) override;
    // The menu behind an upper bar button: "Файл", "Правка", "Настройки", "Создать", "Вид",
    // "Справка".
    QMenu* menu(const QString& caption) const;
    // The one action of a command: its menu item and, for the commands of the lower bar, its
    // button there.
    QAction* action(Command command) const;

    // Installs the editor of an object kind: `panel` takes the editor's place in the
    // central area; `startNew` runs each time a create command shows
    // it (it prepares the editor for a new object and asks for its image), `openObject`
    // each time an existing object type is to be changed (editObject). The editor's
    // close button should call centralArea()->closeEditors().
    void installObjectEditor(ObjectKind kind, QWidget* panel, std::function<void()> startNew,
                             std::function<void(int index)> openObject = {});

    // Runs a command as its button or menu item does (also while the window is locked).
    void run(Command command);

    // Asks "Сохранить проект?" when the project differs from its file (closing the window,
    // "Создать проект", "Создать", "Открыть"), and saves it when the user says so. False
    // when the user cancelled or the save failed: the project must then stay open.
    bool maybeSave();

    // The project commands.
    void openProject(bool unlock);
    // "Файл" → "Примеры": the sample games installed beside the program, by name.
    QMenu* samplesMenu() const { return samplesMenu_; }
    // Opens a copy of an installed sample: after the usual question about unsaved changes,
    // asks where to save the copy (proposing the sample's name in the author's folder,
    // sampleCopiesFolder), copies the project file and the files its game takes there and
    // opens the copy; the sample itself is never written to. False when cancelled or failed.
    bool openSample(const std::filesystem::path& sample);
    // The folder where copies of samples are proposed: "ROR Avizad" in the user's documents.
    static std::filesystem::path sampleCopiesFolder();
    // Opens a project file without asking (`avizad FILE.yrk`, "open with" of the file
    // manager); a file that cannot be read shows its message and changes nothing. Code of
    // its events that the menus do not make (written by hand) is listed in the console.
    bool openProjectFile(const std::filesystem::path& file);
    // The project file named on the command line: the first argument after the program
    // that is not an option; none when there is no such argument.
    static std::optional<std::filesystem::path> projectFileArgument(const QStringList& arguments);
    // "Создать проект": an empty project "Project1" without a file.
    void newProject();
    // "Создать" of the menu: a new scenario in the same project: the events and the
    // active placements go; object types, levels, the other placements, the MIDlet
    // settings and the project file stay.
    void clearScenario();
    enum class SaveResult { Saved, Cancelled, Failed };
    SaveResult saveProject(bool saveAs);
    void clean();
    void compile();
    void runGame();
    // A create command: shows the kind's editor and lets it start a new object.
    void createObject(ObjectKind kind);
    // Shows the kind's editor with object type `index` to change ("Настройки" of the
    // catalogue); nothing happens when no editor is installed or the type does not exist.
    void editObject(ObjectKind kind, int index) override;
    void closeEditors() override;
    void showStatus(const QString& text) override;
    void createLevel();
    void editLevelProperties(int level);
    void editSettings();
    void editMidletSettings();
    void showAbout();
    void showHelp();
    // Enables the toolbars and shows the panels, unless projectDir is empty.
    void unlockInterface();
    // "События" and "Размещение объектов": the events editor or the level canvas (of the
    // chosen level, the first when none was chosen yet) in the centre.
    void showEvents();
    void showLevel();

signals:
    // A build has ended (made or failed).
    void buildFinished(bool archiveMade);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Lists the events' code written by hand (handWrittenCodeNotice) in the console.
    void showHandWrittenCode();
    // The commands' actions, then the two toolbars and the menus laid out from them.
    void makeActions();
    void makeBars();
    void addLogo();
    void addMenus();
    void addCommandButtons();
    void addSamplesMenu(QMenu* fileMenu);
    // Lists the installed samples in the samples menu (each time it opens).
    void fillSamplesMenu();
    // Undo and redo name the edit they undo or redo, and are off when there is none.
    void followUndoGroup();
    void setLocked(bool locked);
    void updateStatus();

    std::filesystem::path programDir_;
    Prompts prompts_;
    ProjectDocument* document_ = nullptr;

    QToolBar* upperBar_ = nullptr;
    QToolBar* lowerBar_ = nullptr;
    std::map<QString, QMenu*> menus_;
    QMenu* samplesMenu_ = nullptr;
    QUndoGroup* undoGroup_ = nullptr;
    std::map<Command, QAction*> actions_;
    std::map<Command, std::function<void()>> handlers_;
    CentralArea* central_ = nullptr;
    LevelsPanel* levelsPanel_ = nullptr;
    ObjectCatalogue* catalogue_ = nullptr;
    ConsoleWindow* console_ = nullptr;
    std::unique_ptr<BuildRunner> build_;
    std::map<ObjectKind, std::function<void()>> startNewObject_;
    std::map<ObjectKind, std::function<void(int)>> openObject_;
    HelpWindow* help_ = nullptr;
    QLabel* statusLevel_ = nullptr;
};

}  // namespace avizad

// The main window: startup, project commands, title rules, the exit question, clean,
// level creation and the levels panel.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <optional>

#include "ScriptedUser.h"
#include "ToolkitRequired.h"
#include "app/CentralArea.h"
#include "app/HelpWindow.h"
#include "app/LevelList.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "app/SettingsDialog.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"
#include "model/ui/QtText.h"
#include "pipeline/BuildLock.h"
#include "pipeline/BuildRunner.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::ScriptedUser;
namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
protected:
    void start() {
        window = std::make_unique<MainWindow>(program.dir(), user.prompts());
        window->show();
    }
    QString path(const char* name) const {
        return QString::fromStdString((program.dir() / name).string());
    }
    // A project file of `levels` levels named "L1".. with MIDlet name `midlet`.
    QString projectFile(const char* name, int levels, const char* midlet = "saved") {
        Project project;
        project.levelCount = levels;
        for (int i = 1; i <= levels; ++i) {
            project.levels[i].name = "L" + std::to_string(i);
            project.levels[i].width = 240;
            project.levels[i].height = 320;
        }
        project.midletName = midlet;
        saveProject(project, program.dir() / name);
        return path(name);
    }
    // Changes the project as one edit of the document.
    void change(const std::function<void(Project&)>& edit) {
        window->document()->edit(QStringLiteral("Проверка"), ProjectParts::everything(),
                                 [&](Project& p) {
                                     edit(p);
                                     return true;
                                 });
    }
    void giveEventAndActivePlacement() {
        change([](Project& p) {
            p.eventTable.eventCount = 1;
            p.eventTable.events[1].conditionCaption = "c";
            p.levels[1].activePlacements.add(Placement{});
        });
    }
    QString title() const { return window->windowTitle(); }
    std::vector<std::string> levelNames() const {
        std::vector<std::string> names;
        for (int i = 1; i <= window->project().levelCount; ++i) {
            names.push_back(window->project().levels[i].name);
        }
        return names;
    }

    ProgramFolder program;
    ScriptedUser user;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsUnlockedWithAnEmptyProjectOfOneLevel) {
    start();
    EXPECT_TRUE(window->settingsLoaded());
    EXPECT_EQ(title(), "ROR Avizad - [untitled]");
    EXPECT_TRUE(window->upperBar()->isEnabled());
    EXPECT_TRUE(window->lowerBar()->isEnabled());
    EXPECT_TRUE(window->levelsPanel()->isVisible());
    EXPECT_TRUE(window->levelsPanel()->isEnabled());
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::Events);
    EXPECT_FALSE(window->console()->isVisible());
    const Project& p = window->project();
    EXPECT_EQ(p.levelCount, 1);
    EXPECT_EQ(p.levels[1].width, 240);
    EXPECT_EQ(p.levels[1].height, 320);
    EXPECT_EQ(p.currentLevel, 0);
    EXPECT_EQ(p.midletName, "syrk");
    EXPECT_EQ(p.midletVendor, "tulvask");
    EXPECT_EQ(window->catalogue()->kindLabelText(), QStringLiteral("Фоновые объекты"));
    EXPECT_EQ(window->settings().gridWidth, 16);
    EXPECT_EQ(window->action(Command::Save)->toolTip(), QStringLiteral(" Сохранить проект"));
    EXPECT_TRUE(user.errors.isEmpty());
}

TEST_F(MainWindowTest, MissingSettingsFileLocksTheWindowAndNamesTheFile) {
    fs::remove(program.options());
    start();
    EXPECT_FALSE(window->settingsLoaded());
    EXPECT_FALSE(window->upperBar()->isEnabled());
    EXPECT_FALSE(window->lowerBar()->isEnabled());
    EXPECT_FALSE(window->action(Command::Save)->isEnabled());
    EXPECT_FALSE(window->levelsPanel()->isEnabled());
    EXPECT_EQ(title(), QStringLiteral("RORAvizad - Редактор сценария"));
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains(QString::fromStdString(program.options().string())));
}

TEST_F(MainWindowTest, SaveOfANeverSavedProjectAsksAndCancelWritesNothing) {
    start();
    window->action(Command::Save)->trigger();
    EXPECT_EQ(user.saveAsked, 1);
    EXPECT_EQ(title(), "ROR Avizad - [untitled]");
    EXPECT_TRUE(window->values().projectFile.empty());
    EXPECT_FALSE(fs::exists(program.dir() / "projects" / "game.yrk"));
}

TEST_F(MainWindowTest, SaveAddsTheExtensionSetsTheTitleAndThenSavesWithoutAsking) {
    start();
    user.saveAnswers << path("game");
    window->run(Command::Save);
    EXPECT_EQ(title(), "ROR Avizad - [game]");
    ASSERT_TRUE(fs::exists(program.dir() / "game.yrk"));
    change([](Project& p) { p.midletName = "changed"; });
    window->run(Command::Save);
    EXPECT_EQ(user.saveAsked, 1);
    Project reread;
    loadProject(reread, program.dir() / "game.yrk");
    EXPECT_EQ(reread.midletName, "changed");

    user.saveAnswers << path("other.yrk");
    window->action(Command::SaveAs)->trigger();
    EXPECT_EQ(user.saveAsked, 2);
    EXPECT_EQ(title(), "ROR Avizad - [other]");
    EXPECT_TRUE(fs::exists(program.dir() / "other.yrk"));
}

TEST_F(MainWindowTest, OpenReplacesTheProjectAndSetsTheTitle) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->action(Command::OpenProject)->trigger();
    EXPECT_EQ(title(), "ROR Avizad - [three]");
    EXPECT_EQ(window->project().levelCount, 3);
    EXPECT_EQ(window->project().currentLevel, 3);
    EXPECT_EQ(window->project().midletName, "saved");
    EXPECT_EQ(window->values().projectDir, program.dir());
    EXPECT_GE(window->levelsPanel()->list()->minimumHeight(), 3 * LevelList::kRowHeight);
    // Saving goes back to the opened file without asking.
    window->run(Command::Save);
    EXPECT_EQ(user.saveAsked, 0);
}

TEST_F(MainWindowTest, AProjectFileNamedOnTheCommandLineIsOpened) {
    start();
    const QString file = projectFile("three.yrk", 3);
    const auto argument = MainWindow::projectFileArgument({"avizad", "-style=fusion", file});
    ASSERT_TRUE(argument.has_value());
    EXPECT_EQ(*argument, program.dir() / "three.yrk");
    EXPECT_FALSE(MainWindow::projectFileArgument({"avizad"}).has_value());
    EXPECT_TRUE(window->openProjectFile(*argument));
    EXPECT_EQ(title(), "ROR Avizad - [three]");
    EXPECT_EQ(window->project().levelCount, 3);
    EXPECT_EQ(user.openAsked, 0);
    EXPECT_FALSE(window->openProjectFile(program.dir() / "missing.yrk"));
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains("missing.yrk"));
    EXPECT_EQ(title(), "ROR Avizad - [three]");
}

// A project runs its events' code in the game: code written into the file by hand, not made
// through the menus, is listed in the console as soon as the project is opened.
TEST_F(MainWindowTest, OpeningAProjectListsCodeWrittenByHand) {
    start();
    Project project;
    project.eventTable.eventCount = 1;
    Event& event = project.eventTable.events[1];
    event.tag = "event";
    event.conditionCaption = utf8ToCp1251("Всегда");
    event.conditionCode = "(obtime>0)";
    event.specialActions[1].add({"x", "glob[1]=2;"});
    saveProject(project, program.dir() / "menus.yrk");
    EXPECT_TRUE(window->openProjectFile(program.dir() / "menus.yrk"));
    EXPECT_FALSE(window->console()->text().contains(QStringLiteral("Внимание")));
    EXPECT_FALSE(window->console()->isVisible());

    const std::string evil = "try{Class.forName(\"Evil\").newInstance();}catch(Throwable t){}";
    project.eventTable.events[1].specialActions[1].add({"y", evil});
    saveProject(project, program.dir() / "hand.yrk");
    EXPECT_TRUE(window->openProjectFile(program.dir() / "hand.yrk"));
    EXPECT_TRUE(window->console()->isVisible());
    const QString text = window->console()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Внимание: код этих условий и действий")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString("«y»: " + evil))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("glob[1]=2"))) << text.toStdString();
}

TEST_F(MainWindowTest, CancelledOrFailedOpenLeavesTheProjectAsItWas) {
    start();
    giveEventAndActivePlacement();
    window->run(Command::OpenProject);  // cancelled
    EXPECT_EQ(user.openAsked, 1);
    EXPECT_EQ(window->project().eventCount(), 1);
    EXPECT_EQ(window->project().levels[1].activePlacements.count(), 1);

    writeFileText(program.dir() / "broken.yrk", "1\r\nnot a project\r\n");
    user.openAnswers << path("broken.yrk");
    window->run(Command::OpenProject);
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains("broken.yrk"));
    EXPECT_EQ(title(), "ROR Avizad - [untitled]*");
    EXPECT_EQ(window->project().eventCount(), 1);
}

TEST_F(MainWindowTest, CreateProjectButtonStartsAnUntitledProject1) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    window->action(Command::NewProject)->trigger();
    EXPECT_EQ(title(), "ROR Avizad - [untitled]");
    EXPECT_EQ(window->project().midletName, "Project1");
    EXPECT_EQ(window->project().midletVendor, "tulvask");
    EXPECT_EQ(window->project().midletVersion, "1.0");
    EXPECT_EQ(window->project().levelCount, 1);
    EXPECT_TRUE(window->values().projectFile.empty());
    window->run(Command::Save);  // asks again, although the previous project had a file
    EXPECT_EQ(user.saveAsked, 1);
}

TEST_F(MainWindowTest, CreateMenuItemClearsTheScenarioAndKeepsTheFileAndTitle) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    giveEventAndActivePlacement();
    change([](Project& p) { p.levels[1].backgroundPlacements.add(Placement{}); });
    window->action(Command::NewProjectMenu)->trigger();
    EXPECT_EQ(title(), "ROR Avizad - [three]");
    const Project& p = window->project();
    EXPECT_EQ(p.eventCount(), 0);
    EXPECT_EQ(p.levels[1].activePlacements.count(), 0);
    EXPECT_EQ(p.levels[1].backgroundPlacements.count(), 1);
    EXPECT_EQ(p.levelCount, 3);
    EXPECT_EQ(p.midletName, "saved");
    window->run(Command::Save);
    EXPECT_EQ(user.saveAsked, 0);
    Project reread;
    loadProject(reread, program.dir() / "three.yrk");
    EXPECT_EQ(reread.eventCount(), 0);
    EXPECT_EQ(reread.levels[1].backgroundPlacements.count(), 1);
}

TEST_F(MainWindowTest, AnUnchangedProjectClosesWithoutAQuestion) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    change([](Project& p) { p.midletName = "changed"; });
    window->action(Command::Undo)->trigger();  // back to the file: nothing to save
    user.saveChoice = Prompts::SaveChoice::Cancel;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(user.exitAsked, 0);
}

TEST_F(MainWindowTest, ExitWithTheSecondButtonSavesNothing) {
    start();
    change([](Project& p) { p.midletName = "changed"; });
    user.saveAnswers << path("never");
    user.saveChoice = Prompts::SaveChoice::Discard;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(user.exitAsked, 1);
    EXPECT_EQ(user.saveAsked, 0);
    EXPECT_FALSE(fs::exists(program.dir() / "never.yrk"));
}

TEST_F(MainWindowTest, ExitWithTheFirstButtonSavesToTheProjectFile) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    change([](Project& p) { p.midletName = "at exit"; });
    user.saveChoice = Prompts::SaveChoice::Save;
    window->action(Command::Exit)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(user.saveAsked, 0);
    Project reread;
    loadProject(reread, program.dir() / "three.yrk");
    EXPECT_EQ(reread.midletName, "at exit");
}

TEST_F(MainWindowTest, ExitKeepsTheWindowWhenTheQuestionOrTheSaveDialogIsCancelled) {
    start();
    change([](Project& p) { p.midletName = "changed"; });
    user.saveChoice = Prompts::SaveChoice::Save;  // the save dialog is then cancelled
    EXPECT_FALSE(window->close());
    EXPECT_EQ(user.saveAsked, 1);
    EXPECT_TRUE(window->isVisible());

    user.saveChoice = Prompts::SaveChoice::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(user.exitAsked, 2);
    EXPECT_EQ(user.saveAsked, 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, NewAndOpenAskBeforeDroppingUnsavedChanges) {
    start();
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    EXPECT_EQ(user.exitAsked, 0);  // nothing was changed yet

    change([](Project& p) { p.midletName = "changed"; });
    for (Command command : {Command::NewProject, Command::NewProjectMenu, Command::OpenProject}) {
        SCOPED_TRACE(static_cast<int>(command));
        user.saveChoice = Prompts::SaveChoice::Cancel;
        const int asked = user.exitAsked;
        window->run(command);
        EXPECT_EQ(user.exitAsked, asked + 1);
        EXPECT_EQ(window->project().midletName, "changed");
        EXPECT_EQ(user.openAsked, 1);
    }

    user.saveChoice = Prompts::SaveChoice::Save;
    window->run(Command::NewProject);
    EXPECT_EQ(window->project().midletName, "Project1");
    Project reread = readProjectFile(program.dir() / "three.yrk");
    EXPECT_EQ(reread.midletName, "changed");
}

// "Файл" → "Примеры" lists the installed samples and opens a copy: saving the copy leaves
// the installed sample as it was.
TEST_F(MainWindowTest, SamplesMenuOpensACopyAndTheInstalledSampleStaysAsItWas) {
    const fs::path installed = program.dir() / "projects";
    fs::copy(fs::path(AVIZAD_PROGRAM_DIR) / "projects", installed, fs::copy_options::recursive);
    start();
    QMenu* samples = window->samplesMenu();
    ASSERT_NE(samples, nullptr);
    EXPECT_TRUE(window->menu(QStringLiteral("Файл"))->actions().contains(samples->menuAction()));
    emit samples->aboutToShow();
    QStringList names;
    for (QAction* action : samples->actions()) {
        names << action->text();
    }
    ASSERT_EQ(names, (QStringList{QStringLiteral("Пещера"), QStringLiteral("Платформер"),
                                  QStringLiteral("Погоня")}));
    const fs::path sample = installed / fs::u8path("Пещера.yrk");
    const std::string before = readFileText(sample);

    // Unsaved changes are asked about first; "Отмена" keeps them and asks nothing more.
    change([](Project& p) { p.midletName = "changed"; });
    user.saveChoice = Prompts::SaveChoice::Cancel;
    samples->actions()[0]->trigger();
    EXPECT_EQ(user.exitAsked, 1);
    EXPECT_TRUE(user.copyProposals.isEmpty());
    EXPECT_EQ(window->project().midletName, "changed");

    // A copy into the samples' own folder is refused; the project stays.
    user.saveChoice = Prompts::SaveChoice::Discard;
    user.copyAnswers << path("projects/Пещера.yrk");
    samples->actions()[0]->trigger();
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_EQ(window->project().midletName, "changed");

    // The copy is proposed under the sample's name in the author's folder, and opened.
    user.copyAnswers << path("mine/Моя пещера");
    samples->actions()[0]->trigger();
    ASSERT_EQ(user.copyProposals.size(), 2);
    const fs::path proposed = toPath(user.copyProposals.back());
    EXPECT_EQ(proposed.parent_path(), MainWindow::sampleCopiesFolder());
    EXPECT_EQ(proposed.filename().string().rfind("Пещера", 0), 0u) << proposed;
    const fs::path copy = program.dir() / "mine" / fs::u8path("Моя пещера.yrk");
    EXPECT_EQ(window->values().projectFile, copy);
    EXPECT_EQ(title(), QStringLiteral("ROR Avizad - [Моя пещера]"));
    EXPECT_EQ(projectFileText(window->project()), before);
    EXPECT_TRUE(fs::exists(program.dir() / "mine" / "res" / "hit.wav"));
    EXPECT_TRUE(fs::exists(program.dir() / "mine" / "res" / "shot.wav"));

    change([](Project& p) { p.midletName = "mine"; });
    window->run(Command::Save);
    EXPECT_EQ(readProjectFile(copy).midletName, "mine");
    EXPECT_EQ(readFileText(sample), before);
    EXPECT_EQ(user.errors.size(), 1);
}

TEST_F(MainWindowTest, TitleMarksUnsavedChangesUntilSavedOrUndone) {
    start();
    user.saveAnswers << path("game");
    window->run(Command::Save);
    EXPECT_EQ(title(), "ROR Avizad - [game]");
    QAction* undo = window->action(Command::Undo);
    QAction* redo = window->action(Command::Redo);
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    window->levelsPanel()->chooseLevel(1);
    window->levelsPanel()->deleteLevel();  // the only level stays: no edit
    EXPECT_EQ(title(), "ROR Avizad - [game]");
    user.inDialog = [](QDialog& dialog) { dialog.accept(); };
    window->run(Command::NewLevel);
    EXPECT_EQ(title(), "ROR Avizad - [game]*");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->toolTip(), QStringLiteral("Отменить создание уровня"));

    undo->trigger();
    EXPECT_EQ(title(), "ROR Avizad - [game]");
    EXPECT_EQ(window->project().levelCount, 1);
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(window->project().levelCount, 2);
    EXPECT_EQ(title(), "ROR Avizad - [game]*");
    window->run(Command::Save);
    EXPECT_EQ(title(), "ROR Avizad - [game]");
    // Opening another project starts a new history.
    user.openAnswers << projectFile("three.yrk", 3);
    window->run(Command::OpenProject);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainWindowTest, ExitKeepsTheWindowWhenTheProjectCannotBeWritten) {
    start();
    change([](Project& p) { p.midletName = "changed"; });
    user.saveChoice = Prompts::SaveChoice::Save;
    user.saveAnswers << path("no-such-folder/game");
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains("game.yrk"));
}

TEST_F(MainWindowTest, CleanDeletesWhatBuildsLeftAndNothingElse) {
    start();
    const fs::path built = program.dir() / "System" / "build" / "classes" / "Etap1.class";
    const fs::path game = program.dir() / "System" / "bin" / "syrk.jar";
    testing::touch(built);
    testing::touch(game);
    testing::touch(program.dir() / "game.yrk");
    window->action(Command::Clean)->trigger();
    EXPECT_FALSE(fs::exists(built));
    EXPECT_FALSE(fs::exists(game));
    EXPECT_TRUE(fs::exists(program.dir() / "game.yrk"));
    EXPECT_TRUE(fs::exists(program.options()));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Очистка: удалено файлов: 2"));
    EXPECT_TRUE(user.errors.isEmpty());
    // While a build runs in the program folder nothing is deleted, and the author is told.
    testing::touch(game);
    const BuildLock build(BuildFolders{program.dir()});
    window->run(Command::Clean);
    EXPECT_TRUE(fs::exists(game));
    ASSERT_EQ(user.errors.size(), 1);
    EXPECT_TRUE(user.errors[0].contains(QStringLiteral("идёт сборка")))
        << user.errors[0].toStdString();
}

TEST_F(MainWindowTest, NewLevelDialogCreatesLevelsUpToTen) {
    start();
    int made = 0;
    user.inDialog = [&](QDialog& dialog) {
        auto& properties = dynamic_cast<LevelPropertiesDialog&>(dialog);
        properties.nameField()->setText(QStringLiteral("Уровень %1").arg(++made));
        properties.widthField()->setValue(300 + made);
        dialog.accept();
    };
    for (int i = 0; i < 9; ++i) {
        window->action(Command::NewLevel)->trigger();
    }
    EXPECT_EQ(window->project().levelCount, 10);
    EXPECT_EQ(window->project().levels[10].name, utf8ToCp1251("Уровень 9"));
    EXPECT_EQ(window->project().levels[10].width, 309);
    EXPECT_TRUE(user.infos.isEmpty());
    window->action(Command::NewLevel)->trigger();
    EXPECT_EQ(user.dialogsShown, 9);
    EXPECT_EQ(window->project().levelCount, 10);
    ASSERT_EQ(user.infos.size(), 1);
    EXPECT_TRUE(user.infos[0].contains("10"));

    user.inDialog = [](QDialog& dialog) { dialog.reject(); };
    change([](Project& p) { p.levelCount = 3; });
    window->run(Command::NewLevel);
    EXPECT_EQ(window->project().levelCount, 3);
}

TEST_F(MainWindowTest, LevelsPanelChoosesMovesAndDeletes) {
    start();
    change([](Project& project) {
        project.levelCount = 3;
        for (int i = 1; i <= 3; ++i) {
            project.levels[i].name = std::string(1, static_cast<char>('A' + i - 1));
            project.levels[i].width = 240;
            project.levels[i].height = 320;
        }
    });
    const Project& p = window->project();
    LevelsPanel* panel = window->levelsPanel();
    LevelList* list = panel->list();
    list->resize(150, list->minimumHeight());

    QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(2).center());
    EXPECT_EQ(p.currentLevel, 2);
    EXPECT_EQ(window->values().panelLevel, 2);
    EXPECT_TRUE(window->values().levelOpened);
    EXPECT_EQ(list->marker(), 2);

    QTest::mouseClick(panel->upButton(), Qt::LeftButton);
    EXPECT_EQ(levelNames(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(p.currentLevel, 0);
    EXPECT_EQ(list->marker(), 2);  // the marker stays until the next click

    QTest::mouseClick(panel->downButton(), Qt::LeftButton);  // no level chosen: nothing
    EXPECT_EQ(levelNames(), (std::vector<std::string>{"B", "A", "C"}));

    QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(1).center());
    QTest::mouseClick(panel->downButton(), Qt::LeftButton);
    EXPECT_EQ(levelNames(), (std::vector<std::string>{"A", "B", "C"}));

    // A click below the last row chooses nothing.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, list->rowRect(3).bottom() + 30));
    EXPECT_EQ(p.currentLevel, 0);

    QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(2).center());
    QTest::mouseClick(panel->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(levelNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(p.currentLevel, 0);

    QTest::mouseDClick(list, Qt::LeftButton, {}, list->rowRect(2).center());
    EXPECT_EQ(p.currentLevel, 2);
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);

    // Properties of the chosen level go through the level properties dialog.
    user.inDialog = [](QDialog& dialog) {
        dynamic_cast<LevelPropertiesDialog&>(dialog).heightField()->setValue(999);
        dialog.accept();
    };
    QTest::mouseClick(panel->propertiesButton(), Qt::LeftButton);
    EXPECT_EQ(p.levels[2].height, 999);
    EXPECT_EQ(p.levels[2].name, "C");
    EXPECT_EQ(p.levelCount, 2);
}

TEST_F(MainWindowTest, CreateCommandsShowEditorsAndChoosingAKindHidesThem) {
    start();
    window->levelsPanel()->openLevel(1);
    window->action(Command::NewActive)->trigger();
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::ActiveEditor);
    window->catalogue()->kindButton(ObjectKind::Text)->click();
    EXPECT_EQ(window->values().currentKind, ObjectKind::Text);
    EXPECT_EQ(window->catalogue()->kindLabelText(), QStringLiteral("Текстовые объекты"));
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);
}

TEST_F(MainWindowTest, CompileRunsTheBuildInTheConsoleAndEndsWithItsResult) {
    fs::copy(fs::path(AVIZAD_SOURCE_DIR) / "System", program.dir() / "System",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
        fs::create_directories(program.dir() / "System" / folder);
    }
    start();
    std::optional<bool> made;
    QObject::connect(window.get(), &MainWindow::buildFinished, [&](bool m) { made = m; });
    window->action(Command::Compile)->trigger();
    EXPECT_TRUE(window->console()->isVisible());
    ASSERT_TRUE(testing::waitUntil([&] { return made.has_value(); }, 30000));
    // The stage class was written; the program folder has no JDK, so compiling fails
    // and the console's last line says so.
    EXPECT_TRUE(fs::exists(program.dir() / "System" / "build" / "src" / "Etap1.java"));
    EXPECT_FALSE(*made);
    const QString text = window->console()->text();
    EXPECT_TRUE(text.contains(QStringLiteral("Архив не создан"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("«компиляция»"))) << text.toStdString();
    // Without the toolkit's build process the compiler ran as a command line.
    EXPECT_EQ(window->buildRunner().interpretersStarted(), 1);
    EXPECT_TRUE(user.errors.isEmpty());
}

TEST_F(MainWindowTest, CompileKeepsOneBuildProcessFromBuildToBuild) {
    const fs::path toolkit = fs::path(AVIZAD_PROGRAM_DIR) / "System" / "toolkit";
    if (!fs::exists(toolkit / "wtk" / "bin" / "buildserver")) {
        AVIZAD_SKIP_WITHOUT_TOOLKIT(toolkit / "wtk" / "bin" / "buildserver");
    }
    fs::copy(fs::path(AVIZAD_SOURCE_DIR) / "System", program.dir() / "System",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
        fs::create_directories(program.dir() / "System" / folder);
    }
    fs::create_directory_symlink(toolkit, program.dir() / "System" / "toolkit");
    start();
    std::vector<pid_t> processes;
    for (int build = 0; build < 2; ++build) {
        std::optional<bool> made;
        const auto connection =
            QObject::connect(window.get(), &MainWindow::buildFinished, [&](bool m) { made = m; });
        window->action(Command::Compile)->trigger();
        ASSERT_TRUE(testing::waitUntil([&] { return made.has_value(); }, 120000));
        QObject::disconnect(connection);
        const QString text = window->console()->text();
        EXPECT_TRUE(*made) << text.toStdString();
        // The steps ran in the build process, the console shows them as before.
        EXPECT_TRUE(text.contains(QStringLiteral("--engine-cache"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Архив создан"))) << text.toStdString();
        ASSERT_NE(window->buildRunner().pipeline().buildServer(), nullptr);
        processes.push_back(window->buildRunner().pipeline().buildServer()->pid());
    }
    EXPECT_EQ(processes[0], processes[1]);
    // Every step ran in the build process: no command interpreter was started.
    EXPECT_EQ(window->buildRunner().interpretersStarted(), 0);
    EXPECT_TRUE(user.errors.isEmpty());
}

TEST_F(MainWindowTest, CompileThatCannotWriteTheGameFilesShowsTheError) {
    start();  // the program folder has no game templates
    std::optional<bool> made;
    QObject::connect(window.get(), &MainWindow::buildFinished, [&](bool m) { made = m; });
    window->action(Command::Compile)->trigger();
    ASSERT_TRUE(made.has_value());
    EXPECT_FALSE(*made);
    EXPECT_EQ(user.errors.size(), 1);
}

TEST_F(MainWindowTest, HelpShowsThePagesAndEveryLinkLeadsToOne) {
    start();
    window->action(Command::Help)->trigger();
    HelpWindow* help = window->helpWindow();
    ASSERT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Содержание")));
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    EXPECT_GE(pages.size(), 6);
    const QRegularExpression link(R"(href="([^"#]+\.html))");
    const QRegularExpression image(R"re(<img src="([^"]+)")re");
    int links = 0;
    QSet<QString> linked;
    std::map<QString, int> pictures;
    for (const QString& page : pages) {
        QFile file(":/help/" + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            ++links;
            linked.insert(target);
            EXPECT_TRUE(pages.contains(target))
                << page.toStdString() << " -> " << target.toStdString();
        }
        // Every picture a page shows is among the installed resources.
        for (auto it = image.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            ++pictures[page];
            EXPECT_FALSE(QImage(":/help/" + target).isNull())
                << page.toStdString() << " shows " << target.toStdString();
        }
    }
    EXPECT_GE(links, 12);  // the contents and the way back from every page
    for (const QString& page : pages) {
        EXPECT_TRUE(page == "index.html" || linked.contains(page)) << page.toStdString();
    }
    EXPECT_EQ(pictures["first-game.html"], 8) << "one picture a step";
}

TEST_F(MainWindowTest, AboutBoxNamesTheProgramAndItsVersion) {
    start();
    QString shown;
    user.inDialog = [&](QDialog& dialog) {
        shown = dialog.windowTitle() + "|" + dynamic_cast<QMessageBox&>(dialog).text();
    };
    window->action(Command::About)->trigger();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("О нас|")));
    EXPECT_TRUE(shown.contains("ROR Avizad"));
    EXPECT_TRUE(shown.contains(QStringLiteral("конструктор мобильных игр")));
    EXPECT_TRUE(shown.contains("v. 3.0 (Alpha)"));
}

TEST_F(MainWindowTest, RunGameBeforeAnyBuildSaysWhatIsMissing) {
    start();
    window->action(Command::RunGame)->trigger();
    EXPECT_TRUE(window->statusBar()->currentMessage().contains(QStringLiteral("Компиляция")));
    EXPECT_TRUE(user.errors.isEmpty());
}

TEST_F(MainWindowTest, InstalledEditorTakesItsPlaceAndStartsNewObjects) {
    start();
    auto* editor = new QWidget;
    int started = 0;
    window->installObjectEditor(ObjectKind::Indicator, editor, [&] { ++started; });
    EXPECT_EQ(window->centralArea()->panel(CentralPanel::IndicatorEditor), editor);
    window->action(Command::NewIndicator)->trigger();
    EXPECT_EQ(window->centralArea()->currentWidget(), editor);
    EXPECT_EQ(started, 1);
    window->centralArea()->closeEditors();
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::Events);
    window->run(Command::NewText);  // no editor installed: its place stays empty
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::TextEditor);
    EXPECT_EQ(started, 1);
}

TEST_F(MainWindowTest, SettingsDialogAppliesWhatItWrites) {
    start();
    user.inDialog = [](QDialog& dialog) {
        auto& settings = dynamic_cast<SettingsDialog&>(dialog);
        settings.gridWidthField()->setText("24");
        settings.setScreenColor(rgb(0, 0, 255));
        dialog.accept();
    };
    window->run(Command::Settings);
    EXPECT_EQ(window->settings().gridWidth, 24);
    EXPECT_EQ(window->settings().screenColor, rgb(0, 0, 255));
    EXPECT_EQ(window->project().screenColor, rgb(0, 0, 255));
    EXPECT_EQ(readOptions(program.options()).gridWidth, 24);
}

}  // namespace
}  // namespace avizad

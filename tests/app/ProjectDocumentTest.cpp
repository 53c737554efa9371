// Every edit of the editor is one command of the document's undo stack: done, undone
// and redone, the project file text follows exactly.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QUndoStack>
#include <functional>

#include "AppTestSupport.h"
#include "app/LevelPropertiesDialog.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/MidletSettingsDialog.h"
#include "app/SettingsDialog.h"
#include "model/Cp1251.h"
#include "model/LevelOperations.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::ScriptedUser;

class ProjectDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(program.dir(), user.prompts());
        Project three = window->project();
        three.levelCount = 3;
        for (int i = 1; i <= 3; ++i) {
            three.levels[i].name = std::string(1, static_cast<char>('A' + i - 1));
        }
        window->document()->replaceProject(std::move(three));
    }
    std::string fileText() const { return projectFileText(window->project()); }
    QUndoStack* stack() const { return window->document()->undoStack(); }

    ProgramFolder program;
    ScriptedUser user;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ProjectDocumentTest, EachEditUndoesAndRedoesToTheSameFileText) {
    struct Row {
        const char* name;
        const char* commandText;
        std::function<void(MainWindow&, ScriptedUser&)> act;
    };
    const Row rows[] = {
        {"new level", "Создание уровня",
         [](MainWindow& w, ScriptedUser& u) {
             u.inDialog = [](QDialog& d) {
                 dynamic_cast<LevelPropertiesDialog&>(d).nameField()->setText("D");
                 d.accept();
             };
             w.run(Command::NewLevel);
         }},
        {"level properties", "Свойства уровня",
         [](MainWindow& w, ScriptedUser& u) {
             u.inDialog = [](QDialog& d) {
                 dynamic_cast<LevelPropertiesDialog&>(d).widthField()->setValue(999);
                 d.accept();
             };
             w.levelsPanel()->chooseLevel(2);
             w.levelsPanel()->editProperties();
         }},
        {"move up", "Перемещение уровня",
         [](MainWindow& w, ScriptedUser&) {
             w.levelsPanel()->chooseLevel(3);
             w.levelsPanel()->moveUp();
         }},
        {"move down", "Перемещение уровня",
         [](MainWindow& w, ScriptedUser&) {
             w.levelsPanel()->chooseLevel(1);
             w.levelsPanel()->moveDown();
         }},
        {"delete level", "Удаление уровня",
         [](MainWindow& w, ScriptedUser&) {
             w.levelsPanel()->chooseLevel(2);
             w.levelsPanel()->deleteLevel();
         }},
        {"MIDlet settings", "Настройки мидлета",
         [](MainWindow& w, ScriptedUser& u) {
             u.inDialog = [](QDialog& d) {
                 dynamic_cast<MidletSettingsDialog&>(d).nameField()->setText("Игра");
                 d.accept();
             };
             w.run(Command::MidletSettings);
         }},
        {"screen colour", "Цвет экрана",
         [](MainWindow& w, ScriptedUser& u) {
             u.inDialog = [](QDialog& d) {
                 dynamic_cast<SettingsDialog&>(d).setScreenColor(rgb(1, 2, 3));
                 d.accept();
             };
             w.run(Command::Settings);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        const std::string before = fileText();
        row.act(*window, user);
        ASSERT_EQ(stack()->count(), 1);
        EXPECT_EQ(stack()->text(0), QString::fromUtf8(row.commandText));
        const std::string after = fileText();
        ASSERT_NE(after, before);

        window->menuAction(Command::Undo)->trigger();
        EXPECT_EQ(fileText(), before);
        window->menuAction(Command::Redo)->trigger();
        EXPECT_EQ(fileText(), after);
        window->menuAction(Command::Undo)->trigger();
        EXPECT_EQ(fileText(), before);
    }
}

TEST_F(ProjectDocumentTest, SignalsNameWhatReallyChanged) {
    ProjectDocument* document = window->document();
    document->edit(QStringLiteral("Размещение объекта"), ProjectParts().withLevel(1),
                   [](Project& p) {
                       p.levels[1].activePlacements.add(Placement{});
                       return true;
                   });
    QSignalSpy levels(document, &ProjectDocument::levelsChanged);
    QSignalSpy placements(document, &ProjectDocument::placementsChanged);
    QSignalSpy types(document, &ProjectDocument::typesChanged);
    QSignalSpy events(document, &ProjectDocument::eventsChanged);
    QSignalSpy midlet(document, &ProjectDocument::midletSettingsChanged);

    // A drag names its level, and changes only a placement of it.
    document->edit(QStringLiteral("Перемещение размещения"), ProjectParts().withLevel(1),
                   [](Project& p) {
                       p.levels[1].activePlacements[1].x = 40;
                       return true;
                   });
    EXPECT_EQ(levels.count(), 0);
    ASSERT_EQ(placements.count(), 1);
    EXPECT_EQ(placements.at(0).at(0).toInt(), 1);
    stack()->undo();
    EXPECT_EQ(levels.count(), 0);
    EXPECT_EQ(placements.count(), 2);

    // Moving a level changes the list and the placements of both levels, nothing else,
    // although the edit names every level, the events and the active types.
    placements.clear();
    window->levelsPanel()->chooseLevel(1);
    document->edit(QStringLiteral("Перемещение уровня"),
                   ProjectParts().withAllLevels().withAllEvents().withTypes(ObjectKind::Active),
                   [](Project& p) { return moveLevelDown(p); });
    EXPECT_EQ(levels.count(), 1);
    ASSERT_EQ(placements.count(), 2);
    EXPECT_EQ(placements.at(0).at(0).toInt(), 1);
    EXPECT_EQ(placements.at(1).at(0).toInt(), 2);
    EXPECT_EQ(types.count(), 0);
    EXPECT_EQ(events.count(), 0);
    EXPECT_EQ(midlet.count(), 0);
    stack()->undo();
    EXPECT_EQ(levels.count(), 2);
    EXPECT_EQ(window->project().levels[1].name, "A");
}

TEST_F(ProjectDocumentTest, AnEditThatChangesAPartItDidNotNameIsReported) {
    QStringList problems;
    ProjectDocument::checkUndeclaredChanges(
        [&problems](const QString& problem) { problems << problem; });
    window->document()->edit(QStringLiteral("Размещение объекта"), ProjectParts().withLevel(1),
                             [](Project& p) {
                                 p.levels[2].activePlacements.add(Placement{});
                                 p.midletName = "other";
                                 return true;
                             });
    window->document()->edit(QStringLiteral("Проверка"), ProjectParts().withLevel(2),
                             [](Project& p) {
                                 p.levels[2].name = "named";
                                 return true;
                             });
    ProjectDocument::checkUndeclaredChanges(
        [](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("level 2")));
    EXPECT_TRUE(problems[0].contains(QStringLiteral("MIDlet")));
    EXPECT_FALSE(problems[0].contains(QStringLiteral("level 1")));
}

TEST_F(ProjectDocumentTest, RefusedEditsRecordNothing) {
    // Ten levels: an eleventh is refused with a message and no command.
    window->document()->edit(QStringLiteral("Проверка"), ProjectParts().withAllLevels(),
                             [](Project& p) {
                                 p.levelCount = kMaxLevels;
                                 return true;
                             });
    stack()->clear();
    window->run(Command::NewLevel);
    EXPECT_EQ(user.infos.size(), 1);
    EXPECT_EQ(stack()->count(), 0);
    window->levelsPanel()->chooseLevel(1);
    window->levelsPanel()->moveUp();  // the first level cannot move up
    EXPECT_EQ(stack()->count(), 0);
    EXPECT_FALSE(window->document()->isModified());
}

TEST_F(ProjectDocumentTest, EditsWithOneMergeKeyBecomeOneCommand) {
    ProjectDocument* document = window->document();
    const int drag = document->newMergeKey();
    for (int x = 1; x <= 5; ++x) {
        document->edit(
            QStringLiteral("Перемещение объекта"), ProjectParts().withLevel(1),
            [x](Project& p) {
                p.levels[1].width = 100 + x;
                return true;
            },
            drag);
    }
    document->edit(
        QStringLiteral("Перемещение объекта"), ProjectParts().withLevel(1),
        [](Project& p) {
            p.levels[1].width = 500;
            return true;
        },
        document->newMergeKey());
    EXPECT_EQ(stack()->count(), 2);
    stack()->undo();
    EXPECT_EQ(window->project().levels[1].width, 105);
    stack()->undo();
    EXPECT_EQ(window->project().levels[1].width, 240);
}

TEST_F(ProjectDocumentTest, AFailedChangeLeavesTheProjectAsItWas) {
    const std::string before = fileText();
    EXPECT_THROW(window->document()->edit(QStringLiteral("Проверка"), ProjectParts::everything(),
                                          [](Project& p) -> bool {
                                              p.midletName = "half";
                                              throw std::runtime_error("disk full");
                                          }),
                 std::runtime_error);
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(stack()->count(), 0);
}

}  // namespace
}  // namespace avizad

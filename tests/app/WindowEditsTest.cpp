// Every edit of the editor is one command of the document's undo stack: done, undone
// and redone, the project file text follows exactly.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QUndoStack>
#include <functional>

#include "ScriptedUser.h"
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

class WindowEditsTest : public ::testing::Test {
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

TEST_F(WindowEditsTest, EachEditUndoesAndRedoesToTheSameFileText) {
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

        window->action(Command::Undo)->trigger();
        EXPECT_EQ(fileText(), before);
        window->action(Command::Redo)->trigger();
        EXPECT_EQ(fileText(), after);
        window->action(Command::Undo)->trigger();
        EXPECT_EQ(fileText(), before);
    }
}

TEST_F(WindowEditsTest, RefusedEditsRecordNothing) {
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

}  // namespace
}  // namespace avizad

// The events editor in the main window: events and actions written through its grid,
// condition panel, menus and dialogs, each edit undone and redone.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include "ScriptedUser.h"
#include "app/CentralArea.h"
#include "app/LevelsPanel.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "events/ui/CatalogueMenus.h"
#include "events/ui/ConditionPanel.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventsEditor.h"
#include "events/ui/ExpressionBuilderDialog.h"
#include "events/ui/ObjectChoice.h"
#include "events/ui/ObjectNumberDialog.h"
#include "events/ui/PhoneKeyDialog.h"
#include "events/ui/TimerDialog.h"
#include "main/EditorInstall.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::ScriptedUser;

class EventsEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(program.dir(), user.prompts());
        editor = installEventsEditor(*window);
        window->resize(1200, 700);
        window->show();
        Project project = window->project();
        project.backgroundCount = 2;
        project.backgrounds[1].name = "sky";
        project.backgrounds[2].name = "wall";
        project.activeCount = 3;
        project.actives[1].name = "hero";
        project.actives[2].name = "enemy";
        project.actives[3].name = "coin";
        project.indicatorCount = 1;
        project.indicators[1].name = "lives";
        project.textCount = 1;
        project.texts[1].fileName = "score.png";
        project.levelCount = 2;
        project.currentLevel = 2;
        window->document()->replaceProject(std::move(project));
    }

    std::string text() const { return projectFileText(window->project()); }
    const EventTable& table() const { return window->project().eventTable; }
    QUndoStack* undo() const { return window->document()->undoStack(); }

    // Clicks grid cell (column, row) with the mouse.
    void click(int column, int row) {
        EventGrid* grid = editor->grid();
        const QRect cell = grid->cellRect(column, row);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Chooses a menu item by its path in the pop-up opened last.
    void choose(QMenu* menu, const char* path) {
        ASSERT_NE(menu, nullptr) << path;
        QAction* action = CatalogueMenus::find(menu, QString::fromUtf8(path));
        ASSERT_NE(action, nullptr) << path;
        ASSERT_TRUE(action->isEnabled()) << path;
        action->trigger();
    }
    // A new event through the condition panel's category menu k.
    void newEvent(int k, const char* path) {
        editor->newEventButton()->trigger();
        ASSERT_TRUE(editor->conditionPanel()->isVisible());
        choose(editor->conditionPanel()->openCategory(k), path);
    }
    // An action through the cell list of (type or category) column t of event e.
    void addAction(int t, int e, const char* path) {
        click(t + 1, e);
        QListWidget* list = editor->cellList();
        ASSERT_TRUE(list->isVisible());
        ASSERT_EQ(list->item(list->count() - 1)->text(), QStringLiteral("Новое действие"));
        editor->clickCellList(list->count() - 1);
        choose(editor->openMenu(), path);
    }
    std::string caption(const Action& action) const { return cp1251ToUtf8(action.caption); }
    // Undoes the last commands, named `names`, back to `texts[0]`, checking each step,
    // then redoes them.
    void undoAndRedo(const std::vector<std::string>& texts, const QStringList& names) {
        ASSERT_EQ(static_cast<int>(texts.size()), names.size() + 1);
        ASSERT_GE(undo()->index(), names.size());
        for (int i = static_cast<int>(names.size()); i >= 1; --i) {
            EXPECT_EQ(undo()->undoText(), names[i - 1]);
            undo()->undo();
            EXPECT_EQ(text(), texts[static_cast<std::size_t>(i - 1)]) << "after undo " << i;
        }
        for (int i = 1; i <= names.size(); ++i) {
            undo()->redo();
            EXPECT_EQ(text(), texts[static_cast<std::size_t>(i)]) << "after redo " << i;
        }
    }

    ProgramFolder program;
    ScriptedUser user;
    std::unique_ptr<MainWindow> window;
    EventsEditor* editor = nullptr;
};

TEST_F(EventsEditorTest, EveryConditionIsInAMenuAndTheCategoryButtonsSayWhatTheyHold) {
    editor->newEventButton()->trigger();
    ConditionPanel* panel = editor->conditionPanel();
    for (int k = 1; k <= ConditionCatalogue::kCategoryCount; ++k) {
        EXPECT_FALSE(panel->categoryButton(k)->toolTip().isEmpty()) << k;
    }
    EXPECT_FALSE(panel->categoryButton(2)->isEnabled());  // it holds no condition
    QMenu* keys = panel->openCategory(4);
    for (const char* path : {"Нажатие на любую клавишу", "Удержание клавиши..."}) {
        QAction* action = CatalogueMenus::find(keys, QString::fromUtf8(path));
        ASSERT_NE(action, nullptr) << path;
        EXPECT_TRUE(action->isVisible()) << path;
    }
    choose(keys, "Нажатие на любую клавишу");
    ASSERT_EQ(table().eventCount, 1);
    EXPECT_EQ(table().events[1].conditionCode, "(anykey==true)");
}

TEST_F(EventsEditorTest, AlwaysEventWithAnActionInAColumnOfEachKind) {
    std::vector<std::string> texts{text()};
    newEvent(1, "Всегда");
    texts.push_back(text());
    ASSERT_EQ(table().eventCount, 1);
    EXPECT_EQ(cp1251ToUtf8(table().events[1].conditionCaption), "Всегда");
    EXPECT_EQ(table().events[1].conditionCode, "(obtime>0)");
    EXPECT_FALSE(editor->conditionPanel()->isVisible());

    struct Case {
        ObjectKind kind;
        int type;
        const char* path;
        const char* caption;
        const char* code;
    };
    const Case cases[] = {
        {ObjectKind::Background, 2, "Видимость/Невидимый", "Невидимый",
         "{fon[gr_fon[2][krf2]].setVisible(false);}"},
        {ObjectKind::Active, 3, "режим/смерть", "режим: смерть", "{act_upr[gr_obj[3][kr3]]=5;}"},
        {ObjectKind::Indicator, 1, "Видимость/Видимый", "видимый",
         "{line[gr_line[1][krl1]].setVisible(true);}"},
        {ObjectKind::Text, 1, "видимость/Невидимый", "невидимый",
         "{text_visible[gr_text[1][krt1]]=false;}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        window->catalogue()->chooseKind(c.kind);
        addAction(c.type, 1, c.path);
        const ActionList& list = table().events[1].actions(c.kind)[c.type];
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(caption(list[1]), c.caption);
        EXPECT_EQ(list[1].code, c.code);
        EXPECT_FALSE(editor->cellList()->isVisible());
        texts.push_back(text());
    }
    // The level column of the special categories, while level 2 is shown.
    editor->specialToggle()->trigger();
    addAction(3, 1, "следующий уровень");
    ASSERT_EQ(table().events[1].specialActions[3].count(), 1);
    EXPECT_EQ(table().events[1].specialActions[3][1].code, "{midlet.changeEtap(2,2+1);}");
    texts.push_back(text());

    // The cell shows its action and "Новое действие".
    click(2 + 2, 1);
    ASSERT_EQ(editor->cellList()->count(), 2);
    EXPECT_EQ(editor->cellList()->item(0)->text(), QStringLiteral("уровень+1"));

    undoAndRedo(texts, {"Новое событие", "Новое действие", "Новое действие", "Новое действие",
                        "Новое действие", "Новое действие"});
}

TEST_F(EventsEditorTest, SoundFilesTheGameCannotNameAreRefusedWhenChosen) {
    const std::filesystem::path sounds = program.dir() / "sounds";
    std::filesystem::create_directories(sounds);
    QString chosen;
    editor->runner().setChooseFile(
        [&](QWidget*, const QString&, const QString&) { return chosen; });
    newEvent(1, "Всегда");
    editor->specialToggle()->trigger();
    for (const char* name : {"音.wav", "café.wav"}) {
        SCOPED_TRACE(name);
        writeFileText(sounds / name, "RIFF");
        chosen = QString::fromUtf8((sounds / name).c_str());
        user.errors.clear();
        addAction(2, 1, "Воспроизвести файл");
        EXPECT_EQ(table().events[1].specialActions[2].count(), 0) << "no action";
        ASSERT_EQ(user.errors.size(), 1);
        EXPECT_TRUE(user.errors[0].contains(QString::fromUtf8(name)))
            << user.errors[0].toStdString();
        EXPECT_FALSE(std::filesystem::exists(program.dir() / "res" / name)) << "nothing copied";
    }
    writeFileText(sounds / "звук.wav", "RIFF");
    chosen = QString::fromUtf8((sounds / "звук.wav").c_str());
    user.errors.clear();
    addAction(2, 1, "Воспроизвести файл");
    EXPECT_TRUE(user.errors.isEmpty());
    ASSERT_EQ(table().events[1].specialActions[2].count(), 1);
    EXPECT_EQ(caption(table().events[1].specialActions[2][1]), "воспроизвести звук.wav");
}

TEST_F(EventsEditorTest, AddedConditionWithAKeyJoinsTheCondition) {
    newEvent(1, "Всегда");
    const std::string before = text();
    click(1, 1);
    choose(editor->openMenu(), "добавить условие");
    ASSERT_TRUE(editor->conditionPanel()->isVisible());
    user.inDialog = [](QDialog& dialog) {
        auto* keys = qobject_cast<PhoneKeyDialog*>(&dialog);
        ASSERT_NE(keys, nullptr);
        QTest::mouseClick(keys->button("venter"), Qt::LeftButton);
    };
    choose(editor->conditionPanel()->openCategory(4), "Нажатие на клавишу...");
    ASSERT_EQ(table().eventCount, 1);
    EXPECT_EQ(cp1251ToUtf8(table().events[1].conditionCaption), "Всегда и нажатие клавиши venter");
    EXPECT_EQ(table().events[1].conditionCode, "(obtime>0)&(pressed_code==-5)");
    undoAndRedo({before, text()}, {"Добавление условия"});
}

TEST_F(EventsEditorTest, ReplacedConditionKeepsTheActions) {
    newEvent(1, "Всегда");
    window->catalogue()->chooseKind(ObjectKind::Active);
    addAction(1, 1, "видимость/видимый");
    const std::string before = text();
    click(1, 1);
    choose(editor->openMenu(), "заменить условие");
    // An object condition: the second active type, "режим" › "атака".
    QComboBox* actives = editor->conditionPanel()->list(ObjectKind::Active);
    ASSERT_EQ(actives->count(), 3);
    choose(editor->conditionPanel()->openObject(ObjectKind::Active, 2), "режим/атака");
    EXPECT_EQ(cp1251ToUtf8(table().events[1].conditionCaption), "атака объекта акт[2]");
    EXPECT_EQ(table().events[1].conditionCode, "(act_upr[gr_obj[2][kr2]]==3)");
    EXPECT_EQ(table().events[1].activeActions[1].count(), 1);
    undoAndRedo({before, text()}, {"Замена условия"});
}

TEST_F(EventsEditorTest, ElseActionAndDeletedActionUndo) {
    newEvent(3, "Начало уровня");
    window->catalogue()->chooseKind(ObjectKind::Active);
    addAction(2, 1, "видимость/видимый");
    std::vector<std::string> texts{text()};
    editor->elseToggle()->trigger();
    addAction(2, 1, "видимость/невидимый");
    texts.push_back(text());
    const ActionList& list = table().events[1].activeActions[2];
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(caption(list[2]), "иначе невидимый");
    EXPECT_EQ(list[2].code, "}else{{act[gr_obj[2][kr2]].setVisible(false);}");
    editor->elseToggle()->trigger();

    // "Удалить" on the first entry of the cell list.
    click(3, 1);
    ASSERT_EQ(editor->cellList()->count(), 3);
    editor->clickCellList(0);
    choose(editor->openMenu(), "Удалить");
    texts.push_back(text());
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(caption(list[1]), "иначе невидимый");
    EXPECT_FALSE(editor->cellList()->isVisible());
    undoAndRedo(texts, {"Новое действие «иначе»", "Удаление действия"});
}

TEST_F(EventsEditorTest, DialogValuesReachTheActionAndACancelAddsNothing) {
    newEvent(1, "Всегда");
    window->catalogue()->chooseKind(ObjectKind::Active);
    user.inDialog = [](QDialog& dialog) {
        auto* number = qobject_cast<ObjectNumberDialog*>(&dialog);
        ASSERT_NE(number, nullptr);
        number->field()->setValue(3);
        dialog.accept();
    };
    addAction(1, 1, "режим/перемещение по траектории");
    const ActionList& list = table().events[1].activeActions[1];
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(caption(list[1]), "режим: перемещение по траектории 3");
    EXPECT_EQ(list[1].code, "{act_upr[gr_obj[1][kr1]]=6;act_tr_number[gr_obj[1][kr1]]=2;}");

    // The builder: "позиция" › "задать Х" with the hero's own Y and a number.
    user.inDialog = [](QDialog& dialog) {
        auto* builder = qobject_cast<ExpressionBuilderDialog*>(&dialog);
        ASSERT_NE(builder, nullptr);
        QTest::mouseClick(builder->rightField(), Qt::LeftButton);
        CatalogueMenus::find(builder->objectsMenu(),
                             QStringLiteral("Текущая позиция /Y-координата"))
            ->trigger();
        QTest::mouseClick(builder->button("+"), Qt::LeftButton);
        QTest::mouseClick(builder->button("5"), Qt::LeftButton);
        dialog.accept();
    };
    addAction(1, 1, "позиция/задать Y");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[2].code,
              "{act[gr_obj[1][kr1]].setPosition(act[gr_obj[1][kr1]].getX(),act[gr_obj[1][kr1]]."
              "getY()+5);}");

    const std::string before = text();
    const int commands = undo()->count();
    user.inDialog = [](QDialog& dialog) { dialog.reject(); };
    addAction(1, 1, "урон/увеличить");
    newEvent(5, "Каждую...");
    EXPECT_EQ(text(), before);
    EXPECT_EQ(undo()->count(), commands);
}

TEST_F(EventsEditorTest, TimerErrorKeepsTheDialogUntilTheTimeIsANumber) {
    int refusals = 0;
    user.inDialog = [&](QDialog& dialog) {
        auto* timer = qobject_cast<TimerDialog*>(&dialog);
        ASSERT_NE(timer, nullptr);
        timer->secondsField()->setText("x5");
        dialog.accept();
        refusals = user.errors.size();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        timer->secondsField()->setText("5");
        dialog.accept();
    };
    newEvent(5, "Каждую...");
    EXPECT_EQ(refusals, 1);
    ASSERT_EQ(table().eventCount, 1);
    EXPECT_EQ(cp1251ToUtf8(table().events[1].conditionCaption), "каждые 0/5/0");
    EXPECT_EQ(table().events[1].conditionCode,
              "((endTime_ob-(endTime_ob/5000)*5000>=0)&(endTime_ob-(endTime_ob/5000)*5000<=fps))");
}

TEST_F(EventsEditorTest, HeroTouchingTheEnemyKillsItAndLowersTheCounterWithTheMouseAlone) {
    // Condition: the hero (active 1) collides with an active object number 2.
    editor->newEventButton()->trigger();
    user.inDialog = [](QDialog& dialog) {
        auto* number = qobject_cast<ObjectNumberDialog*>(&dialog);
        ASSERT_NE(number, nullptr);
        ASSERT_NE(number->choice(), nullptr);
        EXPECT_EQ(number->choice()->currentIndex(), 0);  // the first object is offered
        number->choice()->setCurrentIndex(1);            // "2: ..."
        QTest::mouseClick(number->yesButton(), Qt::LeftButton);
    };
    choose(editor->conditionPanel()->openObject(ObjectKind::Active, 1),
           "столкновение/с активным объектом");
    ASSERT_EQ(table().eventCount, 1);
    EXPECT_EQ(table().events[1].conditionCode,
              "(act[gr_obj[1][kr1]].collidesWith(act[gr_obj[2][kr2]],false))");
    // The enemy (active 2) dies.
    window->catalogue()->chooseKind(ObjectKind::Active);
    addAction(2, 1, "режим/смерть");
    // The counter (indicator 1) goes down by one: its own amount from "объект", minus 1.
    window->catalogue()->chooseKind(ObjectKind::Indicator);
    user.inDialog = [](QDialog& dialog) {
        auto* builder = qobject_cast<ExpressionBuilderDialog*>(&dialog);
        ASSERT_NE(builder, nullptr);
        QTest::mouseClick(builder->rightField(), Qt::LeftButton);
        CatalogueMenus::find(builder->objectsMenu(), QStringLiteral("Значение равно..."))
            ->trigger();
        QTest::mouseClick(builder->button("-"), Qt::LeftButton);
        QTest::mouseClick(builder->button("1"), Qt::LeftButton);
        dialog.accept();
    };
    addAction(1, 1, "Количество");
    const Event& event = table().events[1];
    ASSERT_EQ(event.activeActions[2].count(), 1);
    EXPECT_EQ(event.activeActions[2][1].code, "{act_upr[gr_obj[2][kr2]]=5;}");
    ASSERT_EQ(event.indicatorActions[1].count(), 1);
    EXPECT_EQ(caption(event.indicatorActions[1][1]), "количество =  кол[индикатор1] -1");
    EXPECT_EQ(event.indicatorActions[1][1].code,
              "{line_tek[gr_line[1][krl1]]=line_tek[gr_line[1][krl1]]-1;}");
}

TEST_F(EventsEditorTest, ATextRowShowsTheScoreTypedAndChosenInTheBuilder) {
    newEvent(1, "Всегда");
    window->catalogue()->chooseKind(ObjectKind::Text);
    const auto compose = [](bool withValue) {
        return [withValue](QDialog& dialog) {
            auto* builder = qobject_cast<ExpressionBuilderDialog*>(&dialog);
            ASSERT_NE(builder, nullptr);
            ASSERT_TRUE(builder->rowTextField()->isVisibleTo(builder));
            builder->rowTextField()->insert(QString::fromUtf8("Счёт: "));
            if (withValue) {
                QTest::mouseClick(builder->rightField(), Qt::LeftButton);
                CatalogueMenus::find(builder->valuesMenu(), QStringLiteral("Глобальное значение"))
                    ->trigger();
                QTest::mouseClick(builder->button("1"), Qt::LeftButton);
            }
            dialog.accept();
        };
    };
    // Without a value: refused with a message, nothing added.
    const std::string before = text();
    user.inDialog = compose(false);
    addAction(1, 1, "строка со значением");
    EXPECT_EQ(user.infos.size(), 1);
    EXPECT_EQ(text(), before);
    user.inDialog = compose(true);
    addAction(1, 1, "строка со значением");
    const ActionList& list = table().events[1].textActions[1];
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(caption(list[1]), "строка = «Счёт: » и значение glob1");
    EXPECT_EQ(cp1251ToUtf8(list[1].code), "{text_value(gr_text[1][krt1],\"Счёт: \",glob[1]);}");
}

TEST_F(EventsEditorTest, ColumnsFollowTheKindAndTheSpecialToggle) {
    newEvent(1, "Всегда");
    const std::string before = text();
    const struct {
        ObjectKind kind;
        int columns;
    } kinds[] = {{ObjectKind::Background, 4},
                 {ObjectKind::Active, 5},
                 {ObjectKind::Indicator, 3},
                 {ObjectKind::Text, 3}};
    for (const auto& k : kinds) {
        window->catalogue()->chooseKind(k.kind);
        EXPECT_EQ(editor->view().columnCount(), k.columns);
        editor->specialToggle()->trigger();
        EXPECT_EQ(editor->view().columnCount(), 6);
        editor->specialToggle()->trigger();
    }
    EXPECT_EQ(text(), before);
    // A click beside the columns of the kind shows nothing; the number column and the
    // header neither.
    window->catalogue()->chooseKind(ObjectKind::Indicator);
    click(0, 1);
    EXPECT_FALSE(editor->cellList()->isVisible());
    click(2, 0);
    EXPECT_FALSE(editor->cellList()->isVisible());
    const QRect last = editor->grid()->cellRect(2, 1);
    QTest::mouseClick(editor->grid()->viewport(), Qt::LeftButton, {},
                      last.center() + QPoint(EventGrid::kRowPitch, 0));
    EXPECT_FALSE(editor->cellList()->isVisible());
    EXPECT_EQ(EventGrid::columnLeft(2), 25 + 1 + 448 + 1);
    EXPECT_EQ(last.height(), 25);
}

TEST_F(EventsEditorTest, CapacitiesAreRefusedWithAMessage) {
    window->document()->edit(QStringLiteral("Проверка"), ProjectParts().withAllEvents(),
                             [](Project& p) {
                                 p.eventTable.eventCount = 50;
                                 for (int i = 1; i <= kMaxActions; ++i) {
                                     p.eventTable.events[50].activeActions[1].add({"a", "{}"});
                                 }
                                 return true;
                             });
    const std::string before = text();
    editor->newEventButton()->trigger();
    EXPECT_FALSE(editor->conditionPanel()->isVisible());
    ASSERT_EQ(user.infos.size(), 1);
    EXPECT_TRUE(user.infos[0].contains("50"));
    window->catalogue()->chooseKind(ObjectKind::Active);
    addAction(1, 50, "видимость/видимый");
    ASSERT_EQ(user.infos.size(), 2);
    EXPECT_TRUE(user.infos[1].contains("50"));
    EXPECT_EQ(text(), before);
}

TEST_F(EventsEditorTest, DeletingTheLastEventUndoes) {
    newEvent(1, "Всегда");
    newEvent(3, "Начало уровня");
    const std::string two = text();
    editor->deleteEventButton()->trigger();
    EXPECT_EQ(table().eventCount, 1);
    EXPECT_EQ(table().events[2].conditionCaption, "");
    undoAndRedo({two, text()}, {"Удаление события"});
    // A new event after the deletion takes the freed place.
    newEvent(1, "Всегда");
    EXPECT_EQ(table().eventCount, 2);
    EXPECT_EQ(cp1251ToUtf8(table().events[2].conditionCaption), "Всегда");
}

TEST_F(EventsEditorTest, ShowcaseShowsItsEventsWithTheirCaptions) {
    user.openAnswers << QString::fromUtf8(AVIZAD_SOURCE_DIR "/tests/fixtures/showcase.yrk");
    window->run(Command::OpenProject);
    const Project& project = window->project();
    ASSERT_GT(project.eventCount(), 3);
    EXPECT_EQ(editor->view().rowCount(), project.eventCount() + 1);
    for (int e = 1; e <= project.eventCount(); ++e) {
        EXPECT_EQ(editor->view().conditionCaption(e),
                  project.eventTable.events[e].conditionCaption);
    }
    // The caption under the mouse goes to the status bar.
    QTest::mouseMove(editor->grid()->viewport(), editor->grid()->cellRect(1, 2).center());
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QString::fromStdString(cp1251ToUtf8(project.eventTable.events[2].conditionCaption)));
    // The last event can be scrolled to.
    editor->grid()->showRow(project.eventCount());
    EXPECT_TRUE(editor->grid()->viewport()->rect().contains(
        editor->grid()->cellRect(1, project.eventCount())));
}

TEST_F(EventsEditorTest, TheEventsEditorComesBackAfterALevelWasOpened) {
    EXPECT_EQ(window->centralArea()->panel(CentralPanel::Events), editor);
    window->levelsPanel()->openLevel(1);
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);
    EXPECT_TRUE(window->action(Command::ShowLevel)->isChecked());
    window->action(Command::ShowEvents)->trigger();
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::Events);
    EXPECT_TRUE(editor->isVisible());
    window->action(Command::ShowLevel)->trigger();
    EXPECT_EQ(window->centralArea()->current(), CentralPanel::LevelCanvas);
}

}  // namespace
}  // namespace avizad

// The expression builder and the parameter dialogs, through their widgets.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "events/ui/CatalogueMenus.h"
#include "events/ui/DetectionDialog.h"
#include "events/ui/ExpressionBuilderDialog.h"
#include "events/ui/ObjectChoice.h"
#include "events/ui/ObjectNumberDialog.h"
#include "events/ui/PhoneKeyDialog.h"
#include "events/ui/TimerDialog.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

Project twoActives() {
    Project project;
    project.activeCount = 2;
    project.actives[1].name = "hero";
    project.actives[2].name = "enemy";
    project.backgroundCount = 1;
    project.backgrounds[1].name = "sky";
    return project;
}

void press(ExpressionBuilderDialog& dialog, const char* caption) {
    QPushButton* button = dialog.button(QString::fromUtf8(caption));
    ASSERT_NE(button, nullptr) << caption;
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickField(QLineEdit* field) {
    QTest::mouseClick(field, Qt::LeftButton);
}

TEST(ExpressionBuilderDialogTest, EachModeShowsItsControlsAndBuildsItsResults) {
    struct Case {
        BuilderMode mode;
        const char* label;
        bool left, comparison, global, row;
        const char* caption;
        const char* code;
    };
    const Case cases[] = {
        {BuilderMode::CompareValues, "Введите значения переменных", true, true, false, false,
         "2*(3>4)", "2*(3>4)"},
        {BuilderMode::CompareWithValue, "Введите значение переменной", false, true, false, false,
         ">4)", ">4)"},
        {BuilderMode::CompareGlobal, "Выберите номер глобального значения и введите переменную",
         false, true, true, false, "glob[3]>4)", "glob[3]>4)"},
        {BuilderMode::SetGlobal, "Введите значение глобальной переменной", false, false, true,
         false, "glob[3]=4)", "glob[3]=4)"},
        {BuilderMode::EnterValue, "Введите значение", false, false, false, false, "4)", "4)"},
        {BuilderMode::TextWithValue, "Введите текст строки и значение", false, false, false, true,
         "4)", "4)"},
    };
    const Project project = twoActives();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ExpressionBuilderDialog dialog(c.mode, project, ObjectKind::Active, 0);
        dialog.show();
        EXPECT_EQ(dialog.label()->text(), QString::fromUtf8(c.label));
        EXPECT_EQ(dialog.leftField()->isVisible(), c.left);
        EXPECT_TRUE(dialog.rightField()->isVisible());
        EXPECT_EQ(dialog.comparisonList()->isVisible(), c.comparison);
        EXPECT_EQ(dialog.globalNumber()->isVisible(), c.global);
        EXPECT_EQ(dialog.rowTextField()->isVisible(), c.row);
        if (c.row) {
            dialog.rowTextField()->insert(QString::fromUtf8("Счёт: "));
        }
        if (c.left) {
            clickField(dialog.leftField());
            for (const char* key : {"2", "*", "(", "3"}) {
                press(dialog, key);
            }
        }
        clickField(dialog.rightField());
        press(dialog, "4");
        press(dialog, ")");
        dialog.comparisonList()->setCurrentIndex(2);  // "Больше"
        dialog.globalNumber()->setValue(3);
        dialog.accept();
        EXPECT_EQ(cp1251ToUtf8(dialog.result().caption), c.caption);
        EXPECT_EQ(dialog.result().code, c.code);
        EXPECT_EQ(cp1251ToUtf8(dialog.builder().rowText()), c.row ? "Счёт: " : "");
    }
}

TEST(ExpressionBuilderDialogTest, KeypadWritesOnlyIntoAClickedFieldAndEdits) {
    const Project project = twoActives();
    ExpressionBuilderDialog dialog(BuilderMode::CompareValues, project, ObjectKind::Active, 0);
    dialog.show();
    press(dialog, "7");
    EXPECT_TRUE(dialog.leftField()->text().isEmpty());
    EXPECT_TRUE(dialog.rightField()->text().isEmpty());
    clickField(dialog.rightField());
    press(dialog, "удалить");  // on an empty field
    EXPECT_TRUE(dialog.rightField()->text().isEmpty());
    for (const char* key : {"1", "2", "+", "9"}) {
        press(dialog, key);
    }
    press(dialog, "удалить");
    EXPECT_EQ(dialog.rightField()->text(), "12+");
    press(dialog, "очистить");
    EXPECT_EQ(dialog.rightField()->text(), "");
    press(dialog, "модуль");
    press(dialog, "(");
    press(dialog, "-");
    press(dialog, "5");
    press(dialog, ")");
    clickField(dialog.leftField());
    press(dialog, "0");
    EXPECT_EQ(dialog.leftField()->text(), "0");
    EXPECT_EQ(dialog.rightField()->text(), "abs (-5)");
    dialog.accept();
    EXPECT_EQ(dialog.result().code, "0==Math.abs(-5)");
}

TEST(ExpressionBuilderDialogTest, AWordGoesInWhereTheFieldWasClicked) {
    const Project project = twoActives();
    ExpressionBuilderDialog dialog(BuilderMode::EnterValue, project, ObjectKind::Active, 2);
    dialog.show();
    clickField(dialog.rightField());
    press(dialog, "1");
    press(dialog, "+");
    press(dialog, "2");
    // A click just left of the "2" puts the cursor before it.
    QLineEdit* field = dialog.rightField();
    int x = 0;
    while (x < field->width() && field->cursorPositionAt(QPoint(x, field->height() / 2)) < 2) {
        ++x;
    }
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, field->height() / 2));
    ASSERT_EQ(dialog.rightField()->cursorPosition(), 2);
    CatalogueMenus::find(dialog.valuesMenu(), QStringLiteral("Глобальное значение"))->trigger();
    EXPECT_EQ(dialog.rightField()->text(), QStringLiteral("1+ glob2"));
    dialog.accept();
    EXPECT_EQ(dialog.result().code, "1+glob[2]");
}

TEST(ExpressionBuilderDialogTest, ValueWordsAppendTheirTokensWithTheObjectNumber) {
    const Project project = twoActives();
    // The builder opened for active object 2: its own words come first.
    ExpressionBuilderDialog dialog(BuilderMode::EnterValue, project, ObjectKind::Active, 2);
    dialog.show();
    QAction* minutes =
        CatalogueMenus::find(dialog.valuesMenu(), QStringLiteral("Значение таймера, секунды"));
    ASSERT_NE(minutes, nullptr);
    minutes->trigger();  // no field clicked yet: the word goes at the end of the field
    EXPECT_EQ(dialog.rightField()->text(), QStringLiteral(" секунды "));
    press(dialog, "+");
    QAction* own =
        CatalogueMenus::find(dialog.objectsMenu(), QStringLiteral("Текущая позиция /Y-координата"));
    ASSERT_NE(own, nullptr);
    own->trigger();
    press(dialog, "-");
    QAction* other = CatalogueMenus::find(dialog.objectsMenu(),
                                          QStringLiteral("Фоновые объекты/1: sky/Координаты/X"));
    ASSERT_NE(other, nullptr);
    other->trigger();
    press(dialog, "+");
    CatalogueMenus::find(dialog.valuesMenu(), QStringLiteral("Глобальное значение"))->trigger();
    press(dialog, "1");
    press(dialog, "2");
    press(dialog, "*");
    CatalogueMenus::find(dialog.valuesMenu(), QStringLiteral("размер экрана/ширина"))->trigger();
    EXPECT_EQ(dialog.rightField()->text(), " секунды + Y[объект2] - Х[фон1] + glob12* ширина ");
    dialog.accept();
    EXPECT_EQ(dialog.result().code,
              "endTime_ob/1000+act[gr_obj[2][kr2]].getY()-fon[gr_fon[1][krf1]].getX()+glob[12]*"
              "width");
    // Kinds without objects cannot be opened.
    QAction* texts =
        CatalogueMenus::find(dialog.objectsMenu(), QStringLiteral("Текстовые объекты"));
    ASSERT_NE(texts, nullptr);
    EXPECT_FALSE(texts->isEnabled());
}

TEST(ParameterDialogTest, TimerRefusesANonNumberAndStaysOpen) {
    QStringList errors;
    TimerDialog dialog([&](QWidget*, const QString& text) { errors << text; });
    dialog.show();
    EXPECT_EQ(dialog.minutesField()->text(), "0");
    dialog.secondsField()->setText(QStringLiteral("пять"));
    dialog.accept();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_FALSE(errors[0].isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.secondsField()->text(), QStringLiteral("пять"));
    EXPECT_FALSE(dialog.setting().has_value());

    dialog.minutesField()->setText("1");
    dialog.secondsField()->setText(" 30 ");
    dialog.hundredthsField()->setText("5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.setting().has_value());
    EXPECT_EQ(dialog.setting()->milliseconds, 90050);
    EXPECT_EQ(dialog.setting()->timeText, "1/ 30 /5");
}

TEST(ParameterDialogTest, KeypadButtonsChooseTheirKeyAndClosing) {
    for (const auto& [name, code] : {std::pair{"venter", "-5"}, {"#", "35"}, {"7", "55"}}) {
        PhoneKeyDialog dialog;
        dialog.show();
        ASSERT_NE(dialog.button(name), nullptr) << name;
        EXPECT_EQ(dialog.button(name)->size(), QSize(25, 25));
        QTest::mouseClick(dialog.button(name), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_NE(dialog.key(), nullptr);
        EXPECT_EQ(dialog.key()->code, code);
    }
    PhoneKeyDialog closed;
    closed.show();
    closed.close();
    EXPECT_EQ(closed.key(), nullptr);
    EXPECT_NE(closed.result(), QDialog::Accepted);
}

TEST(ParameterDialogTest, ObjectsAreChosenByNameAndAnEmptyChoiceIsRefused) {
    Project project;
    project.activeCount = 2;
    project.actives[1].name = "hero";
    project.actives[2].name = "enemy";
    DetectionDialog detection(project);
    detection.minimumField()->setValue(10);
    detection.maximumField()->setValue(100);
    ASSERT_EQ(detection.objectField()->count(), 2);
    EXPECT_EQ(detection.objectField()->itemText(1), QStringLiteral("2: enemy"));
    EXPECT_EQ(detection.objectField()->number(), 1);  // the first is chosen
    detection.objectField()->setCurrentIndex(1);
    EXPECT_EQ(cp1251ToUtf8(detection.setting().caption()), "обнаружение от 10 до 100");
    EXPECT_EQ(detection.setting().objectNumber, 2);
    EXPECT_EQ(detection.windowTitle(), QStringLiteral("Настройка параметров обнаружения"));

    ObjectNumberDialog condition(ParameterDialog::ConditionObjectNumber, project,
                                 ObjectKind::Active);
    ASSERT_NE(condition.choice(), nullptr);
    EXPECT_EQ(condition.choice()->itemText(0), QStringLiteral("1: hero"));
    EXPECT_EQ(condition.number(), 1);
    // No background objects: nothing to choose, "Да" refused.
    ObjectNumberDialog none(ParameterDialog::ConditionObjectNumber, project,
                            ObjectKind::Background);
    EXPECT_FALSE(none.yesButton()->isEnabled());
    none.accept();
    EXPECT_NE(none.result(), QDialog::Accepted);
    // A trajectory is a number; "Отмена" is offered by every one of them.
    ObjectNumberDialog trajectory(ParameterDialog::ActionObjectNumber, project, std::nullopt);
    ASSERT_NE(trajectory.field(), nullptr);
    trajectory.field()->setValue(3);
    EXPECT_EQ(trajectory.number(), 3);
    auto buttons = [](QDialog& dialog) {
        QStringList captions;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            captions << button->text();
        }
        return captions;
    };
    EXPECT_EQ(buttons(condition), (QStringList{"Да", "Отмена"}));
    EXPECT_EQ(buttons(trajectory), (QStringList{"Да", "Отмена"}));
}

}  // namespace
}  // namespace avizad

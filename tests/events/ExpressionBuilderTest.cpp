// The expression builder's five modes and its keypad.

#include <gtest/gtest.h>

#include <string>

#include "events/ExpressionBuilder.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

struct ModeCase {
    BuilderMode mode;
    const char* left;  // UTF-8, "" when the mode hides the field
    const char* right;
    int comparison;
    int global;
    const char* caption;
    const char* code;
};

TEST(ExpressionBuilder, ResultsOfTheFiveModes) {
    const ModeCase cases[] = {
        {BuilderMode::CompareWithValue, "", "100", 2, 1, ">100", ">100"},
        {BuilderMode::SetGlobal, "", "7+1", 0, 3, "glob[3]=7+1", "glob[3]=7+1"},
        {BuilderMode::CompareValues, "2*(3", "4)", 0, 1, "2*(3==4)", "2*(3==4)"},
        {BuilderMode::CompareValues, " минуты ", "abs (1-2)", 1, 1, " минуты !=abs (1-2)",
         "endTime_ob/1000/60!=Math.abs(1-2)"},
        {BuilderMode::CompareGlobal, "", " уровень ", 5, 20, "glob[20]<= уровень ",
         "glob[20]<=level"},
        {BuilderMode::CompareGlobal, "", "5", 3, 7, "glob[7]>=5", "glob[7]>=5"},
        {BuilderMode::CompareWithValue, "", "1", 4, 1, "<1", "<1"},
        {BuilderMode::EnterValue, "", " ширина -5", 0, 1, " ширина -5", "width-5"},
        // Confirming empty fields leaves the fixed parts only.
        {BuilderMode::CompareWithValue, "", "", 0, 1, "==", "=="},
        {BuilderMode::SetGlobal, "", "", 0, 1, "glob[1]=", "glob[1]="},
        {BuilderMode::EnterValue, "", "", 0, 1, "", ""},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.caption);
        ExpressionBuilder builder(c.mode);
        builder.setActiveField(ExpressionBuilder::Field::Left);
        builder.append(utf8ToCp1251(c.left));
        builder.setActiveField(ExpressionBuilder::Field::Right);
        builder.append(utf8ToCp1251(c.right));
        builder.setComparison(c.comparison);
        builder.setGlobalNumber(c.global);
        const BuiltText result = builder.confirm();
        EXPECT_EQ(cp1251ToUtf8(result.caption), c.caption);
        EXPECT_EQ(cp1251ToUtf8(result.code), c.code);
    }
}

TEST(ExpressionBuilder, KeypadWritesIntoTheActiveFieldOnly) {
    ExpressionBuilder builder(BuilderMode::CompareValues);
    builder.append("5");  // no field clicked yet
    builder.deleteLast();
    builder.clearField();
    EXPECT_EQ(builder.left(), "");
    EXPECT_EQ(builder.right(), "");

    builder.setActiveField(ExpressionBuilder::Field::Right);
    builder.deleteLast();  // on an empty field
    EXPECT_EQ(builder.right(), "");
    for (const KeypadButton& button : ExpressionBuilder::keypad()) {
        builder.append(button.token);
    }
    EXPECT_EQ(builder.right(), "1234567890+-*/()abs ");
    builder.deleteLast();
    EXPECT_EQ(builder.right(), "1234567890+-*/()abs");
    builder.setActiveField(ExpressionBuilder::Field::Left);
    builder.append("7");
    builder.clearField();
    EXPECT_EQ(builder.left(), "");
    EXPECT_EQ(builder.right(), "1234567890+-*/()abs");
}

TEST(ExpressionBuilder, AWordGoesInAtTheCursorOrIntoTheFirstFieldShown) {
    // Chosen before any field was clicked: the end of the first field the mode shows.
    ExpressionBuilder value(BuilderMode::EnterValue);
    value.insertWord(" rand ");
    EXPECT_EQ(value.right(), " rand ");
    ExpressionBuilder compare(BuilderMode::CompareValues);
    compare.insertWord(" rand ");
    EXPECT_EQ(compare.left(), " rand ");
    EXPECT_EQ(compare.activeField(), ExpressionBuilder::Field::Left);
    // At the cursor, which moves past it.
    compare.setActiveField(ExpressionBuilder::Field::Right);
    compare.append("1+2");
    compare.setCursor(ExpressionBuilder::Field::Right, 2);
    compare.insertWord(" glob3 ");
    EXPECT_EQ(compare.right(), "1+ glob3 2");
    EXPECT_EQ(compare.cursor(ExpressionBuilder::Field::Right), 9);
    compare.append("*");
    EXPECT_EQ(compare.right(), "1+ glob3 *2");
    compare.setCursor(ExpressionBuilder::Field::Right, 99);  // kept within the text
    EXPECT_EQ(compare.cursor(ExpressionBuilder::Field::Right), 11);
}

TEST(ExpressionBuilder, ComparisonAndGlobalNumberStayInRange) {
    ExpressionBuilder builder(BuilderMode::CompareGlobal);
    EXPECT_EQ(builder.comparison(), 0);
    EXPECT_EQ(builder.globalNumber(), 1);
    builder.setComparison(6);
    builder.setComparison(-1);
    EXPECT_EQ(builder.comparison(), 0);
    builder.setGlobalNumber(21);
    EXPECT_EQ(builder.globalNumber(), 20);
    builder.setGlobalNumber(0);
    EXPECT_EQ(builder.globalNumber(), 1);

    const char* ops[] = {"==", "!=", ">", ">=", "<", "<="};
    ASSERT_EQ(ExpressionBuilder::comparisons().size(), std::size(ops));
    for (std::size_t i = 0; i < std::size(ops); ++i) {
        EXPECT_EQ(ExpressionBuilder::comparisons()[i].op, ops[i]);
    }
    EXPECT_EQ(ExpressionBuilder::comparisons()[3].caption, "Больше или равно");
}

TEST(ExpressionBuilder, WhatEachModeShows) {
    struct Shown {
        BuilderMode mode;
        const char* name;
        const char* label;
        bool left, comparison, global, right;
    };
    const Shown cases[] = {
        {BuilderMode::CompareValues, "сравнение переменных", "Введите значения переменных", true,
         true, false, true},
        {BuilderMode::CompareWithValue, "сравнение со значением", "Введите значение переменной",
         false, true, false, true},
        {BuilderMode::CompareGlobal, "сравнение глобальной переменной",
         "Выберите номер глобального значения и введите переменную", false, true, true, true},
        {BuilderMode::SetGlobal, "ввод глобального", "Введите значение глобальной переменной",
         false, false, true, true},
        {BuilderMode::EnterValue, "ввод значения", "Введите значение", false, false, false, true},
    };
    for (const Shown& c : cases) {
        const BuilderModeInfo& info = builderModeInfo(c.mode);
        EXPECT_EQ(info.name, c.name);
        EXPECT_EQ(info.label, c.label);
        EXPECT_EQ(info.showsLeftField, c.left) << c.name;
        EXPECT_EQ(info.showsComparison, c.comparison) << c.name;
        EXPECT_EQ(info.showsGlobalNumber, c.global) << c.name;
        EXPECT_EQ(info.showsRightField, c.right) << c.name;
    }
}

}  // namespace
}  // namespace avizad

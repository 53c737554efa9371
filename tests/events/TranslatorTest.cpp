// translateExpression: the translation of builder expressions into the game's Java.

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>

#include "events/Translator.h"
#include "events/ValueTokens.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

struct TranslationCase {
    const char* input;  // UTF-8
    const char* output;
};

TEST(Translator, TranslatesTokenByToken) {
    const TranslationCase cases[] = {
        {"", ""},
        {" минуты +5", "endTime_ob/1000/60+5"},
        {" Х[объект2] ", "act[gr_obj[2][kr2]].getX()"},
        {" Y[объект3] ", "act[gr_obj[3][kr3]].getY()"},
        {" Х[фон4] ", "fon[gr_fon[4][krf4]].getX()"},
        {" Y[фон1] ", "fon[gr_fon[1][krf1]].getY()"},
        {" секунды ", "endTime_ob/1000"},
        {" сотые *2", "endTime_ob/10*2"},
        {" высота / ширина ", "height/width"},
        {" уровень -1", "level-1"},
        {" rand ", "rand"},
        {" rand *3", "rand*3"},
        {"rand", "rand"},
        {" glob5 +1", "glob[5]+1"},
        {" позиция[текст2] ", "tek_str[gr_text[2][krt2]]"},
        {" кол[индикатор1] -1", "line_tek[gr_line[1][krl1]]-1"},
        {"2*(3", "2*(3"},
        {"1 2 + 3", "12+3"},
        {"(0-9)/8", "(0-9)/8"},
        // The builder's "модуль" key.
        {"abs (2-5)", "Math.abs(2-5)"},
        {"abs abs 1", "Math.absMath.abs1"},
        // Numbers of more than one digit, and words followed directly by an operator.
        {" Х[объект12] +1", "act[gr_obj[12][kr12]].getX()+1"},
        {" кол[индикатор20] ", "line_tek[gr_line[20][krl20]]"},
        {" glob12 +1", "glob[12]+1"},
        {" glob3+1", "glob[3]+1"},
        {" rand +1", "rand+1"},
        {"rand+1", "rand+1"},
        // Characters outside the table are copied as they are.
        {"x=q", "x=q"},
        {"яблоко", "яблоко"},
        {"Х[объект", "Х[объект"},
        {"Х[фон2", "Х[фон2"},
        {"Y[фонa]", "Y[фонa]"},
        {"glob", "glob"},
        {"5%", "5%"},
    };
    for (const TranslationCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(cp1251ToUtf8(translateExpression(utf8ToCp1251(c.input))), c.output);
    }
}

TEST(Translator, KeypadInputLosesOnlyItsSpaces) {
    const std::string keypad = "0123456789+-*/() ";
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string input;
        const int length = static_cast<int>(random() % 30);
        for (int i = 0; i < length; ++i) {
            input += keypad[random() % keypad.size()];
        }
        std::string expected;
        for (const char c : input) {
            if (c != ' ') {
                expected += c;
            }
        }
        EXPECT_EQ(translateExpression(input), expected) << input;
    }
}

// Every word the builder's value menus offer becomes Java, with one- and two-digit
// object numbers.
TEST(Translator, ValueMenuWordsBecomeJava) {
    struct WordCase {
        std::span<const ValueToken> menu;
        const char* caption;
        int n;
        const char* typedAfter;  // what the keypad adds after the word
        const char* java;
    };
    const WordCase cases[] = {
        {ValueTokens::general(), "Генерирование случайного числа (rand)", 0, "+1", "rand+1"},
        {ValueTokens::general(), "Глобальное значение", 0, "12", "glob[12]"},
        {ValueTokens::general(), "Текущее значение уровня", 0, "", "level"},
        {ValueTokens::general(), "высота", 0, "/2", "height/2"},
        {ValueTokens::general(), "ширина", 0, "", "width"},
        {ValueTokens::general(), "Значение таймера, минуты", 0, "", "endTime_ob/1000/60"},
        {ValueTokens::general(), "Значение таймера, секунды", 0, "", "endTime_ob/1000"},
        {ValueTokens::general(), "Значение таймера, 1/100", 0, "", "endTime_ob/10"},
        {ValueTokens::objectMenu(ObjectKind::Active), "Х-координата", 3, "",
         "act[gr_obj[3][kr3]].getX()"},
        {ValueTokens::objectMenu(ObjectKind::Active), "Y-координата", 30, "",
         "act[gr_obj[30][kr30]].getY()"},
        {ValueTokens::objectMenu(ObjectKind::Background), "X", 2, "",
         "fon[gr_fon[2][krf2]].getX()"},
        {ValueTokens::objectMenu(ObjectKind::Background), "Y", 11, "",
         "fon[gr_fon[11][krf11]].getY()"},
        {ValueTokens::objectMenu(ObjectKind::Text), "позиция равно ...", 4, "",
         "tek_str[gr_text[4][krt4]]"},
        {ValueTokens::objectMenu(ObjectKind::Indicator), "Значение равно...", 5, "",
         "line_tek[gr_line[5][krl5]]"},
    };
    for (const WordCase& c : cases) {
        SCOPED_TRACE(c.caption);
        const ValueToken* token = nullptr;
        for (const ValueToken& t : c.menu) {
            if (t.caption == c.caption && !t.subMenu) {
                token = &t;
            }
        }
        ASSERT_NE(token, nullptr);
        EXPECT_FALSE(token->disabled);
        EXPECT_EQ(translateExpression(token->text(c.n) + c.typedAfter), c.java);
    }
    int disabled = 0;
    for (const ValueToken& t : ValueTokens::general()) {
        disabled += t.disabled && t.token == nullptr ? 1 : 0;
    }
    EXPECT_EQ(disabled, 4);
}

// Any text, made of whole and broken words of the table and of arbitrary bytes, is
// translated in bounded time into at most five times its length.
TEST(Translator, EndsAndStaysBoundedForAnyInput) {
    const std::string pieces[] = {
        utf8ToCp1251("минуты"),
        utf8ToCp1251("секунды"),
        utf8ToCp1251("сотые"),
        utf8ToCp1251("высота"),
        utf8ToCp1251("ширина"),
        utf8ToCp1251("уровень"),
        "rand",
        utf8ToCp1251("Х[объект"),
        "Y[",
        utf8ToCp1251("Х[фон"),
        utf8ToCp1251("Y[фон"),
        "glob",
        utf8ToCp1251("позиция[текст"),
        utf8ToCp1251("кол[индикатор"),
        "abs",
        " ",
        "]",
        "7",
        "(",
        "x",
        utf8ToCp1251("мину"),
        utf8ToCp1251("Х[об"),
    };
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        const int parts = static_cast<int>(random() % 12);
        for (int i = 0; i < parts; ++i) {
            if (random() % 4 == 0) {
                input += static_cast<char>(random() % 256);
            } else {
                input += pieces[random() % std::size(pieces)];
            }
        }
        const std::string output = translateExpression(input);
        EXPECT_LE(output.size(), 5 * input.size()) << cp1251ToUtf8(input);
    }
}

}  // namespace
}  // namespace avizad

// perevod: the translation of builder expressions into the game's Java.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "events/Translator.h"
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
        // Characters outside the table are copied as they are.
        {"x=q", "x=q"},
        {"яблоко", "яблоко"},
        {"Х[объект", "Х[объект"},
        {"5%", "5%"},
    };
    for (const TranslationCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(cp1251ToUtf8(perevod(win1251(c.input))), c.output);
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
        EXPECT_EQ(perevod(input), expected) << input;
    }
}

// Any text, made of whole and broken words of the table and of arbitrary bytes, is
// translated in bounded time into at most five times its length.
TEST(Translator, EndsAndStaysBoundedForAnyInput) {
    const std::string pieces[] = {
        win1251("минуты"),
        win1251("секунды"),
        win1251("сотые"),
        win1251("высота"),
        win1251("ширина"),
        win1251("уровень"),
        "rand",
        win1251("Х[объект"),
        "Y[",
        win1251("Х[фон"),
        win1251("Y[фон"),
        "glob",
        win1251("позиция[текст"),
        win1251("кол[индикатор"),
        "abs",
        " ",
        "]",
        "7",
        "(",
        "x",
        win1251("мину"),
        win1251("Х[об"),
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
        const std::string output = perevod(input);
        EXPECT_LE(output.size(), 5 * input.size()) << cp1251ToUtf8(input);
    }
}

}  // namespace
}  // namespace avizad

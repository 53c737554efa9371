#include "events/Translator.h"

#include <algorithm>
#include <array>

#include "model/Cp1251.h"

namespace avizad {

namespace {

// A word of the value menus and what it becomes.
struct Word {
    std::string name;     // Windows-1251
    std::size_t dropped;  // characters consumed: the name and what follows it
    bool takesDigit;      // the character after the name is spliced in as d
    std::string before;   // output: before + d + middle + d + after (without d: before only)
    std::string middle;
    std::string after;
};

const std::array<Word, 15>& words() {
    static const std::array<Word, 15> table = {{
        {win1251("минуты"), 6, false, "endTime_ob/1000/60", "", ""},
        {win1251("секунды"), 7, false, "endTime_ob/1000", "", ""},
        {win1251("сотые"), 5, false, "endTime_ob/10", "", ""},
        {win1251("высота"), 6, false, "height", "", ""},
        {win1251("ширина"), 6, false, "width", "", ""},
        {win1251("уровень"), 7, false, "level", "", ""},
        {"rand", 5, false, "rand", "", ""},
        {win1251("Х[объект"), 10, true, "act[gr_obj[", "][kr", "]].getX()"},
        {win1251("Y[объект"), 10, true, "act[gr_obj[", "][kr", "]].getY()"},
        {win1251("Х[фон"), 7, true, "fon[gr_fon[", "][krf", "]].getX()"},
        {win1251("Y[фон"), 7, true, "fon[gr_fon[", "][krf", "]].getY()"},
        {"glob", 6, true, "glob[", "", "]"},
        {win1251("позиция[текст"), 15, true, "tek_str[gr_text[", "][krt", "]]"},
        {win1251("кол[индикатор"), 15, true, "line_tek[gr_line[", "][krl", "]]"},
        {"abs", 3, false, "Math.abs", "", ""},
    }};
    return table;
}

bool copiedAsIs(char c) {
    return (c >= '0' && c <= '9') || c == '/' || c == '*' || c == '-' || c == '+' || c == '(' ||
           c == ')';
}

}  // namespace

std::string perevod(std::string_view expression) {
    std::string out;
    std::string_view rest = expression;
    while (!rest.empty()) {
        const char c = rest.front();
        if (c == ' ') {
            rest.remove_prefix(1);
            continue;
        }
        if (copiedAsIs(c)) {
            out += c;
            rest.remove_prefix(1);
            continue;
        }
        bool matched = false;
        for (const Word& word : words()) {
            if (!rest.starts_with(word.name)) {
                continue;
            }
            if (word.takesDigit) {
                if (rest.size() <= word.name.size()) {
                    continue;  // no character after the name: not this word
                }
                const char d = rest[word.name.size()];
                out += word.before;
                out += d;
                if (!word.middle.empty()) {
                    out += word.middle;
                    out += d;
                }
                out += word.after;
            } else {
                out += word.before;
            }
            rest.remove_prefix(std::min(word.dropped, rest.size()));
            matched = true;
            break;
        }
        if (!matched) {
            out += c;  // outside the table: copied unchanged
            rest.remove_prefix(1);
        }
    }
    return out;
}

}  // namespace avizad

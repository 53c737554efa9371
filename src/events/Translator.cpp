#include "events/Translator.h"

#include <array>

#include "model/Cp1251.h"
#include "model/GameNames.h"

namespace avizad {

namespace {

// How the text after a word's name is read.
enum class Follow {
    Nothing,          // the name alone
    Space,            // the name and the space after it, if there is one
    Number,           // the name, a number n and the space after it, if any: glob[n]
    NumberBracketed,  // the name, a number n and "]": the object of type n
};

// A word of the value menus and what it becomes.
struct Word {
    std::string name;  // Windows-1251
    Follow follow;
    std::string before;  // output: before (+ n + middle + n + after when numbered)
    std::string middle;  // "" when n appears once
    std::string after;
};

// A numbered word for `array` of the object of type n that the event loop of `kind`
// stands at: array[gr_obj[n][krn]] and `after`.
Word looped(std::string name, std::string_view array, ObjectKind kind, std::string_view after) {
    const GameKindNames& names = gameNames(kind);
    return {std::move(name), Follow::NumberBracketed,
            std::string(array) + "[" + std::string(names.group) + "[",
            "][" + std::string(names.loop), "]]" + std::string(after)};
}

const std::array<Word, 15>& words() {
    static const std::array<Word, 15> table = {{
        {utf8ToCp1251("минуты"), Follow::Nothing, "endTime_ob/1000/60", "", ""},
        {utf8ToCp1251("секунды"), Follow::Nothing, "endTime_ob/1000", "", ""},
        {utf8ToCp1251("сотые"), Follow::Nothing, "endTime_ob/10", "", ""},
        {utf8ToCp1251("высота"), Follow::Nothing, "height", "", ""},
        {utf8ToCp1251("ширина"), Follow::Nothing, "width", "", ""},
        {utf8ToCp1251("уровень"), Follow::Nothing, "level", "", ""},
        {"rand", Follow::Space, "rand", "", ""},
        looped(utf8ToCp1251("Х[объект"), "act", ObjectKind::Active, ".getX()"),
        looped(utf8ToCp1251("Y[объект"), "act", ObjectKind::Active, ".getY()"),
        looped(utf8ToCp1251("Х[фон"), "fon", ObjectKind::Background, ".getX()"),
        looped(utf8ToCp1251("Y[фон"), "fon", ObjectKind::Background, ".getY()"),
        {"glob", Follow::Number, "glob[", "", "]"},
        looped(utf8ToCp1251("позиция[текст"), "tek_str", ObjectKind::Text, ""),
        looped(utf8ToCp1251("кол[индикатор"), "line_tek", ObjectKind::Indicator, ""),
        {"abs", Follow::Nothing, "Math.abs", "", ""},
    }};
    return table;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool copiedAsIs(char c) {
    return isDigit(c) || c == '/' || c == '*' || c == '-' || c == '+' || c == '(' || c == ')';
}

// Translates the word at the start of `rest`, if it is one, and drops what it read.
bool translateWord(const Word& word, std::string_view& rest, std::string& out) {
    if (!rest.starts_with(word.name)) {
        return false;
    }
    std::size_t used = word.name.size();
    std::string number;
    if (word.follow == Follow::Number || word.follow == Follow::NumberBracketed) {
        std::size_t end = used;
        while (end < rest.size() && isDigit(rest[end])) {
            ++end;
        }
        if (end == used) {
            return false;  // no number: not this word
        }
        number = std::string(rest.substr(used, end - used));
        used = end;
        if (word.follow == Follow::NumberBracketed) {
            if (used >= rest.size() || rest[used] != ']') {
                return false;  // no closing bracket: not this word
            }
            ++used;
        }
    }
    if ((word.follow == Follow::Space || word.follow == Follow::Number) && used < rest.size() &&
        rest[used] == ' ') {
        ++used;
    }
    out += word.before;
    if (!number.empty()) {
        out += number;
        if (!word.middle.empty()) {
            out += word.middle;
            out += number;
        }
        out += word.after;
    }
    rest.remove_prefix(used);
    return true;
}

}  // namespace

std::string translateExpression(std::string_view expression) {
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
            if (translateWord(word, rest, out)) {
                matched = true;
                break;
            }
        }
        if (!matched) {
            out += c;  // outside the table: copied unchanged
            rest.remove_prefix(1);
        }
    }
    return out;
}

}  // namespace avizad

#include "events/ValueTokens.h"

#include "model/Cp1251.h"

namespace avizad {

namespace {

using N = int;

ValueToken entry(int depth, std::string_view caption, TokenFunction token) {
    return {depth, caption, false, false, token};
}
ValueToken disabledEntry(int depth, std::string_view caption) {
    return {depth, caption, false, true, nullptr};
}
ValueToken subMenu(int depth, std::string_view caption, bool disabled = false) {
    return {depth, caption, true, disabled, nullptr};
}

std::string numbered(std::string_view word, int n) {
    return " " + utf8ToCp1251(word) + std::to_string(n) + "] ";
}

const ValueToken kGeneral[] = {
    entry(0, "Генерирование случайного числа (rand)", [](N) { return std::string(" rand "); }),
    entry(0, "Глобальное значение", [](N) { return std::string(" glob"); }),
    entry(0, "Текущее значение уровня", [](N) { return utf8ToCp1251(" уровень "); }),
    subMenu(0, "размер экрана"),
    entry(1, "высота", [](N) { return utf8ToCp1251(" высота "); }),
    entry(1, "ширина", [](N) { return utf8ToCp1251(" ширина "); }),
    entry(0, "Значение таймера, минуты", [](N) { return utf8ToCp1251(" минуты "); }),
    entry(0, "Значение таймера, секунды", [](N) { return utf8ToCp1251(" секунды "); }),
    entry(0, "Значение таймера, 1/100", [](N) { return utf8ToCp1251(" сотые "); }),
    disabledEntry(0, "Конвертирование числа в строку"),
    disabledEntry(0, "Конвертирование строки в число"),
    disabledEntry(0, "Текущая Х координата мыши"),
    disabledEntry(0, "Текущая Y координата мыши"),
};

const ValueToken kActive[] = {
    subMenu(0, "Текущая позиция "),
    entry(1, "Х-координата", [](N n) { return numbered("Х[объект", n); }),
    entry(1, "Y-координата", [](N n) { return numbered("Y[объект", n); }),
    subMenu(0, "Анимация", true),
    disabledEntry(1, "Текущее направление"),
    disabledEntry(1, "Текущее значение анимации"),
};

const ValueToken kBackground[] = {
    subMenu(0, "Координаты"),
    entry(1, "X", [](N n) { return numbered("Х[фон", n); }),
    entry(1, "Y", [](N n) { return numbered("Y[фон", n); }),
};

const ValueToken kText[] = {
    entry(0, "позиция равно ...", [](N n) { return numbered("позиция[текст", n); }),
};

const ValueToken kIndicator[] = {
    entry(0, "Значение равно...", [](N n) { return numbered("кол[индикатор", n); }),
};

}  // namespace

std::span<const ValueToken> ValueTokens::general() {
    return kGeneral;
}

std::span<const ValueToken> ValueTokens::objectMenu(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return kBackground;
        case ObjectKind::Active:
            return kActive;
        case ObjectKind::Indicator:
            return kIndicator;
        case ObjectKind::Text:
            break;
    }
    return kText;
}

}  // namespace avizad

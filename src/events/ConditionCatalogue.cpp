#include "events/ConditionCatalogue.h"

#include <stdexcept>

#include "events/CatalogueBuilders.h"
#include "events/DetectionSetting.h"
#include "events/JavaFragments.h"

namespace avizad {

namespace {

using namespace catalogue;
using namespace fragments;
using V = const EntryValues&;

BuiltText builderComparison(V v) {
    return {v.builderCaption, "(" + v.builderCode + ")"};
}

// The every-T timer condition: the time since the level began lies within one
// frame after a multiple of T.
std::string everyCode(int t) {
    const std::string ts = dec(t);
    return "((endTime_ob-(endTime_ob/" + ts + ")*" + ts + ">=0)&(endTime_ob-(endTime_ob/" + ts +
           ")*" + ts + "<=fps))";
}

// Object n detects object m: m lies inside the square of half-side b around n,
// outside the square of half-side a, and n is not dead.
std::string detectionCode(int n, int m, int a, int b) {
    const std::string dx = act(n) + ".getX()-" + act(m) + ".getX()";
    const std::string dy = act(n) + ".getY()-" + act(m) + ".getY()";
    const std::string as = dec(a);
    const std::string bs = dec(b);
    return "((" + dx + "<" + bs + ")&(" + dx + ">-" + bs + ")&(" + dy + "<" + bs + ")&(" + dy +
           ">-" + bs + ")&((" + dx + ">" + as + ")|(" + dx + "<-" + as + ")|(" + dy + ">" + as +
           ")|(" + dy + "<-" + as + ")))&(" + actMode(n) + "!=5)";
}

// Object n lies on one side of the centre of object m along `axis` ('X' or 'Y'),
// farther along that axis than along the other, and is not dead.
std::string locationCode(int n, int m, char axis, char comparison) {
    const char other = axis == 'X' ? 'Y' : 'X';
    auto size = [](char a) { return std::string(a == 'X' ? "tileWidthob" : "tileHeightob"); };
    auto get = [](char a) { return std::string(".get") + a + "()"; };
    auto centre = [&](char a) { return act(m) + get(a) + "+" + size(a) + activeIndex(m) + "/2"; };
    return "(" + act(n) + get(axis) + comparison + centre(axis) + ")&(Math.abs(" + act(n) +
           get(axis) + "-(" + centre(axis) + "))>Math.abs(" + act(n) + get(other) + "-(" +
           centre(other) + ")))&(" + actMode(n) + "!=5)";
}

BuiltText location(V v, std::string_view side, char axis, char comparison) {
    return {utf8ToCp1251("расположение ") + dec(v.n) + " " + utf8ToCp1251(side) +
                utf8ToCp1251(" от ") + dec(v.m),
            locationCode(v.n, v.m, axis, comparison)};
}

BuiltText activeMode(V v, std::string_view caption, int mode) {
    return {utf8ToCp1251(caption) + dec(v.n) + "]", "(" + actMode(v.n) + "==" + dec(mode) + ")"};
}

const CatalogueEntry kCategory1[] = {
    plain(0, "Всегда",
          [](V) {
              return BuiltText{utf8ToCp1251("Всегда"), "(obtime>0)"};
          }),
    building(0, "Сравнение двух значений", BuilderMode::CompareValues, builderComparison),
    building(0, "Сравнение глобального значения", BuilderMode::CompareGlobal, builderComparison),
};

const CatalogueEntry kCategory2[] = {
    inert(0, "---------", false, true),
};

const CatalogueEntry kCategory3[] = {
    plain(0, "Начало уровня",
          [](V) {
              return BuiltText{utf8ToCp1251("Начало уровня"), "((obtime>=0)&(obtime<10))"};
          }),
};

const CatalogueEntry kCategory4[] = {
    asking(0, "Нажатие на клавишу...", ParameterDialog::Key,
           [](V v) {
               return BuiltText{utf8ToCp1251("нажатие клавиши ") + v.keyName,
                                "(pressed_code==" + v.keyCode + ")"};
           }),
    plain(0, "Нажатие на любую клавишу",
          [](V) {
              return BuiltText{utf8ToCp1251("Любая клавиша"), "(anykey==true)"};
          }),
    asking(0, "Удержание клавиши...", ParameterDialog::Key,
           [](V v) {
               return BuiltText{utf8ToCp1251("удержание клавиши ") + v.keyName,
                                "(keeping_code==" + v.keyCode + ")"};
           }),
    asking(0, "Отпускание клавиши...", ParameterDialog::Key,
           [](V v) {
               return BuiltText{utf8ToCp1251("отпускание клавиши ") + v.keyName,
                                "(released_code==" + v.keyCode + ")"};
           }),
};

const CatalogueEntry kCategory5[] = {
    // The game divides by the interval, so an interval of 0 would stop it.
    refusing(
        asking(
            0, "Каждую...", ParameterDialog::Timer,
            [](V v) {
                return BuiltText{utf8ToCp1251("каждые ") + v.timeText, everyCode(v.milliseconds)};
            }),
        [](V v) {
            return v.milliseconds == 0
                       ? std::string("Интервал повторения должен быть отличен от нуля.")
                       : std::string();
        }),
    asking(0, "Таймер равен значению...", ParameterDialog::Timer,
           [](V v) {
               const std::string t = dec(v.milliseconds);
               return BuiltText{utf8ToCp1251("Таймер равен ") + v.timeText,
                                "((endTime_ob>=" + t + ")&(endTime_ob<=" + t + "+fps))"};
           }),
    asking(0, "Таймер больше значения...", ParameterDialog::Timer,
           [](V v) {
               return BuiltText{utf8ToCp1251("Таймер больше ") + v.timeText,
                                "(endTime_ob>" + dec(v.milliseconds) + ")"};
           }),
    asking(0, "Таймер меньше значения...", ParameterDialog::Timer,
           [](V v) {
               return BuiltText{utf8ToCp1251("Таймер меньше ") + v.timeText,
                                "(endTime_ob<" + dec(v.milliseconds) + ")"};
           }),
};

const CatalogueEntry kActive[] = {
    choosing(asking(0, "обнаружение объекта", ParameterDialog::Detection,
                    [](V v) {
                        return BuiltText{DetectionSetting{v.a, v.b, v.m}.caption(),
                                         detectionCode(v.n, v.m, v.a, v.b)};
                    }),
             ObjectKind::Active),
    subMenu(0, "столкновение"),
    choosing(asking(1, "с фоновым объектом", ParameterDialog::ConditionObjectNumber,
                    [](V v) {
                        return BuiltText{
                            utf8ToCp1251("столкновение акт[") + dec(v.n) +
                                utf8ToCp1251("] с фон[") + dec(v.m) + "]",
                            "(" + act(v.n) + ".collidesWith(fonPole[" + dec(v.m) + "-1],false))"};
                    }),
             ObjectKind::Background),
    choosing(asking(1, "с активным объектом", ParameterDialog::ConditionObjectNumber,
                    [](V v) {
                        return BuiltText{utf8ToCp1251("столкновение акт[") + dec(v.n) +
                                             utf8ToCp1251("] с акт[") + dec(v.m) + "]",
                                         "(" + act(v.n) + ".collidesWith(" + act(v.m) + ",false))"};
                    }),
             ObjectKind::Active),
    subMenu(0, "режим"),
    plain(1, "спокойствие", [](V v) { return activeMode(v, "спокойствие акт[", 1); }),
    plain(1, "перемещение", [](V v) { return activeMode(v, "перемещение акт[", 2); }),
    plain(1, "атака", [](V v) { return activeMode(v, "атака объекта акт[", 3); }),
    plain(1, "смерть", [](V v) { return activeMode(v, "смерть объекта акт[", 5); }),
    plain(1, "управление игроком", [](V v) { return activeMode(v, "управление акт[", 7); }),
    subMenu(0, "координаты"),
    building(1, "сравнение Х-координаты объекта со значением", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("Х-координата акт[") + dec(v.n) + "] " + v.builderCaption,
                     "(" + act(v.n) + ".getX()" + v.builderCode + ")"};
             }),
    building(1, "сравнение Y-координаты объекта со значением", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("Y-координата акт[") + dec(v.n) + "] " + v.builderCaption,
                     "(" + act(v.n) + ".getY()" + v.builderCode + ")"};
             }),
    subMenu(0, "анимация"),
    // The user counts frames from 1, the sprite from 0.
    building(1, "сравнение текущего кадра со значением...", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("номер кадра акт[") + dec(v.n) + "] " + v.builderCaption,
                     "(" + act(v.n) + ".getFrame()" + v.builderCode + "-1)"};
             }),
    subMenu(0, "видимость"),
    plain(1, "если объект видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("акт[") + dec(v.n) + utf8ToCp1251("] видимый"),
                               "(" + act(v.n) + ".isVisible()==true)"};
          }),
    plain(1, "если объект невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("акт[") + dec(v.n) + utf8ToCp1251("] невидимый"),
                               "(" + act(v.n) + ".isVisible()==false)"};
          }),
    building(0, "урон", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("урон акт[") + dec(v.n) + "] " + v.builderCaption,
                                  "(obj_uron" + activeIndex(v.n) + v.builderCode + ")"};
             }),
    subMenu(0, "расположение объекта"),
    choosing(asking(1, "слева", ParameterDialog::ConditionObjectNumber,
                    [](V v) { return location(v, "слева", 'X', '<'); }),
             ObjectKind::Active),
    choosing(asking(1, "справа", ParameterDialog::ConditionObjectNumber,
                    [](V v) { return location(v, "справа", 'X', '>'); }),
             ObjectKind::Active),
    choosing(asking(1, "сверху", ParameterDialog::ConditionObjectNumber,
                    [](V v) { return location(v, "сверху", 'Y', '<'); }),
             ObjectKind::Active),
    choosing(asking(1, "снизу", ParameterDialog::ConditionObjectNumber,
                    [](V v) { return location(v, "снизу", 'Y', '>'); }),
             ObjectKind::Active),
    building(0, "направление", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("направление акт[") + dec(v.n) + "] " + v.builderCaption,
                     "(act_napr" + activeIndex(v.n) + v.builderCode + ")"};
             }),
};

const CatalogueEntry kText[] = {
    subMenu(0, "Видимость"),
    plain(1, "Видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("текст ") + dec(v.n) + utf8ToCp1251(" видимый"),
                               "(text_visible" + textIndex(v.n) + "==true)"};
          }),
    plain(1, "Невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("текст ") + dec(v.n) + utf8ToCp1251(" невидимый"),
                               "(text_visible" + textIndex(v.n) + "==false)"};
          }),
    // The caption shows the comparison's Java text, as the program always did.
    building(0, "позиция равно ...", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("позиция ") + v.builderCode,
                                  "(tek_str" + textIndex(v.n) + v.builderCode + "-1)"};
             }),
};

const CatalogueEntry kIndicator[] = {
    subMenu(0, "Видимость"),
    plain(1, "Видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("индикатор ") + dec(v.n) + utf8ToCp1251(" видимый"),
                               "(line_visible" + indicatorIndex(v.n) + "==true)"};
          }),
    plain(1, "Невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("индикатор ") + dec(v.n) + utf8ToCp1251(" невидимый"),
                               "(line_visible" + indicatorIndex(v.n) + "==false)"};
          }),
    building(0, "Значение равно...", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("кол. индикатора") + dec(v.n) + " " + v.builderCaption,
                     "(line_tek" + indicatorIndex(v.n) + v.builderCode + ")"};
             }),
};

const CatalogueEntry kBackground[] = {
    subMenu(0, "Координаты"),
    building(1, "X", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("Х-координата фона \"") + v.name + "\" " + v.builderCaption,
                     "(" + fon(v.n) + ".getX()" + v.builderCode + ")"};
             }),
    building(1, "Y", BuilderMode::CompareWithValue,
             [](V v) {
                 return BuiltText{
                     utf8ToCp1251("Y-координата фона") + dec(v.n) + " " + v.builderCaption,
                     "(" + fon(v.n) + ".getY()" + v.builderCode + ")"};
             }),
    subMenu(0, "Преграда", true),
    inert(1, "Является преградой"),
    inert(1, "Не является преградой"),
    subMenu(0, "Видимость", true, true),
    inert(1, "Видимый"),
    inert(1, "Невидимый"),
};

const ConditionListGroup kListGroups[] = {
    {ObjectKind::Background, "Фоновые объекты", "Выберите фоновый объект",
     ConditionMenu::Background},
    {ObjectKind::Active, "Активные объекты", "", ConditionMenu::Active},
    {ObjectKind::Text, "Текстовые объекты", "", ConditionMenu::Text},
    {ObjectKind::Indicator, "Объекты индикаторов", "", ConditionMenu::Indicator},
};

const ConditionMenu kAllMenus[] = {
    ConditionMenu::Category1, ConditionMenu::Category2, ConditionMenu::Category3,
    ConditionMenu::Category4, ConditionMenu::Category5, ConditionMenu::Background,
    ConditionMenu::Active,    ConditionMenu::Text,      ConditionMenu::Indicator,
};

}  // namespace

CatalogueMenu ConditionCatalogue::menu(ConditionMenu which) {
    switch (which) {
        case ConditionMenu::Category1:
            return kCategory1;
        case ConditionMenu::Category2:
            return kCategory2;
        case ConditionMenu::Category3:
            return kCategory3;
        case ConditionMenu::Category4:
            return kCategory4;
        case ConditionMenu::Category5:
            return kCategory5;
        case ConditionMenu::Background:
            return kBackground;
        case ConditionMenu::Active:
            return kActive;
        case ConditionMenu::Text:
            return kText;
        case ConditionMenu::Indicator:
            return kIndicator;
    }
    return {};
}

ConditionMenu ConditionCatalogue::categoryMenu(int k) {
    if (k < 1 || k > kCategoryCount) {
        throw std::out_of_range("condition category " + std::to_string(k) + " outside 1..5");
    }
    return kAllMenus[k - 1];
}

ConditionMenu ConditionCatalogue::objectMenu(ObjectKind kind) {
    for (const ConditionListGroup& group : kListGroups) {
        if (group.kind == kind) {
            return group.menu;
        }
    }
    return ConditionMenu::Active;
}

std::string_view ConditionCatalogue::categoryHint(int k) {
    static constexpr std::string_view kHints[] = {
        "Всегда и сравнения значений",
        "Особые условия: в этой группе пока нет ни одного",
        "Начало уровня",
        "Клавиши: нажатие, удержание, отпускание",
        "Таймер: каждые ..., равен, больше, меньше",
    };
    return k >= 1 && k <= kCategoryCount ? kHints[k - 1] : std::string_view();
}

std::string_view ConditionCatalogue::generalGroupCaption() {
    return "Общие";
}

std::span<const ConditionListGroup> ConditionCatalogue::listGroups() {
    return kListGroups;
}

std::span<const ConditionMenu> ConditionCatalogue::allMenus() {
    return kAllMenus;
}

}  // namespace avizad

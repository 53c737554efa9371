#include "events/ActionCatalogue.h"

#include "events/CatalogueBuilders.h"
#include "events/JavaFragments.h"
#include "model/JavaString.h"

namespace avizad {

namespace {

using namespace catalogue;
using namespace fragments;
using V = const EntryValues&;

std::string changeLevel(int from, const std::string& to) {
    return "{midlet.changeEtap(" + dec(from) + "," + to + ");}";
}

BuiltText activeMode(V v, std::string_view caption, const std::string& assignments) {
    return {utf8ToCp1251(caption), "{" + actMode(v.n) + "=" + assignments + ";}"};
}

BuiltText gravity(V v, std::string_view caption, int direction) {
    return {utf8ToCp1251(caption), "{grav_napr" + activeIndex(v.n) + "=" + dec(direction) + ";}"};
}

const CatalogueEntry kSpecial[] = {
    subMenu(0, "установка края экрана"),
    building(1, "верхняя сторона", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("верхний край экрана = ") + v.builderCaption,
                                  "for(int count=0;count<layer_kol;count++){manager_Y[count]=" +
                                      v.builderCode + ";}"};
             }),
    building(1, "левая сторона", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("левый край экрана = ") + v.builderCaption,
                                  "for(int count=0;count<layer_kol;count++){manager_X[count]=" +
                                      v.builderCode + ";}"};
             }),
    building(0, "установка глобального значения", BuilderMode::SetGlobal,
             [](V v) {
                 return BuiltText{v.builderCaption, v.builderCode + ";"};
             }),
};

const CatalogueEntry kSound[] = {
    asking(0, "Воспроизвести файл", ParameterDialog::SoundFile,
           [](V v) {
               return BuiltText{
                   utf8ToCp1251("воспроизвести ") + v.file,
                   "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/" +
                       javaStringContent(v.file) + "\"),\"" + v.contentType +
                       "\");player.realize();player.prefetch();player.start();}catch (Exception "
                       "e){}"};
           }),
};

const CatalogueEntry kLevelChange[] = {
    plain(
        0, "следующий уровень",
        [](V v) {
            return BuiltText{utf8ToCp1251("уровень+1"), changeLevel(v.level, dec(v.level) + "+1")};
        }),
    plain(
        0, "предыдущий уровень",
        [](V v) {
            return BuiltText{utf8ToCp1251("уровень-1"), changeLevel(v.level, dec(v.level) + "-1")};
        }),
    building(0, "переход на уровень", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("уровень = ") + v.builderCaption,
                                  changeLevel(v.level, v.builderCode)};
             }),
    inert(0, "перезапуск текущего уровня", false, true),
    inert(0, "перезапуск игры", false, true),
    inert(0, "конец игры", false, true),
};

const CatalogueEntry kControl[] = {
    inert(0, "управление игроком"),
};

const CatalogueEntry kActive[] = {
    subMenu(0, "позиция"),
    building(1, "задать Х", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Х=") + v.builderCaption,
                                  "{" + act(v.n) + ".setPosition(" + v.builderCode + "," +
                                      act(v.n) + ".getY());}"};
             }),
    building(1, "задать Y", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Y=") + v.builderCaption,
                                  "{" + act(v.n) + ".setPosition(" + act(v.n) + ".getX()," +
                                      v.builderCode + ");}"};
             }),
    subMenu(0, "анимация"),
    subMenu(1, "изменить"),
    subMenu(2, "номер кадра"),
    plain(3, "следующий",
          [](V v) {
              return BuiltText{utf8ToCp1251("кадр анимации: следующий"),
                               "{" + act(v.n) + ".nextFrame();}"};
          }),
    plain(3, "предыдущий",
          [](V v) {
              return BuiltText{utf8ToCp1251("кадр анимации: предыдущий"),
                               "{" + act(v.n) + ".prevFrame();}"};
          }),
    // The user counts frames from 1, the sprite from 0.
    building(3, "установить", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("кадр анимации: установить") + v.builderCaption,
                                  "{" + act(v.n) + ".setFrame(" + v.builderCode + "-1);}"};
             }),
    subMenu(0, "видимость"),
    plain(1, "видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("видимый"), "{" + act(v.n) + ".setVisible(true);}"};
          }),
    plain(1, "невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("невидимый"), "{" + act(v.n) + ".setVisible(false);}"};
          }),
    plain(1, "изменить",
          [](V v) {
              return BuiltText{utf8ToCp1251("изменение видимости"),
                               "{if(" + act(v.n) + ".isVisible()==false){" + act(v.n) +
                                   ".setVisible(true);}else{" + act(v.n) + ".setVisible(false);}}"};
          }),
    subMenu(0, "режим"),
    plain(1, "спокойствие", [](V v) { return activeMode(v, "режим: спокойствие", "1"); }),
    choosing(
        asking(1, "преследование", ParameterDialog::ActionObjectNumber,
               [](V v) { return activeMode(v, "режим: преследование", "2;kd=kr" + dec(v.m)); }),
        ObjectKind::Active),
    choosing(asking(1, "атака", ParameterDialog::ActionObjectNumber,
                    [](V v) { return activeMode(v, "режим: атака", "3;kd=kr" + dec(v.m)); }),
             ObjectKind::Active),
    plain(1, "смерть", [](V v) { return activeMode(v, "режим: смерть", "5"); }),
    // The user numbers trajectories from 1, the game from 0.
    asking(1, "перемещение по траектории", ParameterDialog::ActionObjectNumber,
           [](V v) {
               return BuiltText{utf8ToCp1251("режим: перемещение по траектории ") + dec(v.m),
                                "{" + actMode(v.n) + "=6;act_tr_number" + activeIndex(v.n) + "=" +
                                    dec(v.m - 1) + ";}"};
           }),
    plain(1, "управление игроком",
          [](V v) { return activeMode(v, "режим: управление игроком", "7"); }),
    subMenu(0, "урон"),
    building(1, "увеличить", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("урон+") + v.builderCaption,
                                  "{act_uron" + activeIndex(v.n) + "+=" + v.builderCode + ";}"};
             }),
    plain(1, "обнулить",
          [](V v) {
              return BuiltText{utf8ToCp1251("урон=0"), "{act_uron" + activeIndex(v.n) + "=0;}"};
          }),
    subMenu(0, "притяжение"),
    plain(1, "отключить", [](V v) { return gravity(v, "притяжение: отключить", 0); }),
    plain(1, "влево", [](V v) { return gravity(v, "притяжение: влево", 1); }),
    plain(1, "вправо", [](V v) { return gravity(v, "притяжение: вправо", 3); }),
    plain(1, "вверх", [](V v) { return gravity(v, "притяжение: вверх", 2); }),
    plain(1, "вниз", [](V v) { return gravity(v, "притяжение: вниз", 4); }),
};

// The row a text starts at becomes the row text followed by the value; the engine's
// text_value makes a new string only when the value changes.
BuiltText textWithValue(V v) {
    const std::string index = textIndex(v.n);  // "[gr_text[n][krtn]]"
    // The value as typed, one blank after "значение" whether it begins with a value word
    // (" glob1") or a key ("60- секунды ").
    const std::size_t typed = v.builderCaption.find_first_not_of(' ');
    const std::string value =
        typed == std::string::npos ? std::string() : v.builderCaption.substr(typed);
    return {utf8ToCp1251("строка = «") + v.rowText + utf8ToCp1251("» и значение ") + value,
            "{text_value(" + index.substr(1, index.size() - 2) + ",\"" +
                javaStringContent(v.rowText) + "\"," + v.builderCode + ");}"};
}

const CatalogueEntry kText[] = {
    building(0, "номер позиции", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("номер позиции = ") + v.builderCaption,
                                  "{tek_str" + textIndex(v.n) + "=" + v.builderCode + "-1;}"};
             }),
    // Without a value the game's source would not compile.
    refusing(building(0, "строка со значением", BuilderMode::TextWithValue, textWithValue),
             [](V v) {
                 return v.builderCode.empty()
                            ? std::string("Введите значение, которое покажет строка.")
                            : std::string();
             }),
    subMenu(0, "координаты"),
    building(1, "X", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("X = ") + v.builderCaption,
                                  "{text_X" + textIndex(v.n) + "=" + v.builderCode + ";}"};
             }),
    building(1, "Y", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Y = ") + v.builderCaption,
                                  "{text_Y" + textIndex(v.n) + "=" + v.builderCode + ";}"};
             }),
    // The sizes are indexed by the zero-based type number.
    subMenu(0, "размеры"),
    building(1, "высота", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("высота = ") + v.builderCaption,
                                  "{text_H[" + dec(v.n - 1) + "]=" + v.builderCode + ";}"};
             }),
    building(1, "ширина", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("ширина = ") + v.builderCaption,
                                  "{text_W[" + dec(v.n - 1) + "]=" + v.builderCode + ";}"};
             }),
    subMenu(0, "видимость"),
    plain(
        1, "Видимый",
        [](V v) {
            return BuiltText{utf8ToCp1251("видимый"), "{text_visible" + textIndex(v.n) + "=true;}"};
        }),
    plain(1, "Невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("невидимый"),
                               "{text_visible" + textIndex(v.n) + "=false;}"};
          }),
};

const CatalogueEntry kIndicator[] = {
    subMenu(0, "Видимость"),
    plain(1, "Видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("видимый"),
                               "{line" + indicatorIndex(v.n) + ".setVisible(true);}"};
          }),
    plain(1, "Невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("невидимый"),
                               "{line" + indicatorIndex(v.n) + ".setVisible(false);}"};
          }),
    building(0, "Количество", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("количество = ") + v.builderCaption,
                                  "{line_tek" + indicatorIndex(v.n) + "=" + v.builderCode + ";}"};
             }),
    subMenu(0, "Координаты"),
    building(1, "X", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("X = ") + v.builderCaption,
                                  "{line_X" + indicatorIndex(v.n) + "=" + v.builderCode + ";}"};
             }),
    building(1, "Y", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Y = ") + v.builderCaption,
                                  "{line_Y" + indicatorIndex(v.n) + "=" + v.builderCode + ";}"};
             }),
};

const CatalogueEntry kBackground[] = {
    subMenu(0, "Координаты"),
    building(1, "Х", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Х=") + v.builderCaption,
                                  "{" + fon(v.n) + ".setPosition(" + v.builderCode + "," +
                                      fon(v.n) + ".getY());}"};
             }),
    building(1, "Y", BuilderMode::EnterValue,
             [](V v) {
                 return BuiltText{utf8ToCp1251("Y=") + v.builderCaption,
                                  "{" + fon(v.n) + ".setPosition(" + fon(v.n) + ".getX()," +
                                      v.builderCode + ");}"};
             }),
    subMenu(0, "Препятствие", false, true),
    inert(1, "Является"),
    inert(1, "Не является"),
    subMenu(0, "Видимость"),
    plain(1, "Видимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("Видимый"), "{" + fon(v.n) + ".setVisible(true);}"};
          }),
    plain(1, "Невидимый",
          [](V v) {
              return BuiltText{utf8ToCp1251("Невидимый"), "{" + fon(v.n) + ".setVisible(false);}"};
          }),
};

const ActionMenu kAllMenus[] = {
    ActionMenu::Special,    ActionMenu::Sound,  ActionMenu::LevelChange, ActionMenu::Control,
    ActionMenu::Background, ActionMenu::Active, ActionMenu::Indicator,   ActionMenu::Text,
};

}  // namespace

CatalogueMenu ActionCatalogue::menu(ActionMenu which) {
    switch (which) {
        case ActionMenu::Special:
            return kSpecial;
        case ActionMenu::Sound:
            return kSound;
        case ActionMenu::LevelChange:
            return kLevelChange;
        case ActionMenu::Control:
            return kControl;
        case ActionMenu::Background:
            return kBackground;
        case ActionMenu::Active:
            return kActive;
        case ActionMenu::Indicator:
            return kIndicator;
        case ActionMenu::Text:
            return kText;
    }
    return {};
}

ActionMenu ActionCatalogue::specialMenu(SpecialCategory category) {
    switch (category) {
        case SpecialCategory::Special:
            return ActionMenu::Special;
        case SpecialCategory::Sound:
            return ActionMenu::Sound;
        case SpecialCategory::LevelChange:
            return ActionMenu::LevelChange;
        case SpecialCategory::Control:
            break;
    }
    return ActionMenu::Control;
}

ActionMenu ActionCatalogue::objectMenu(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return ActionMenu::Background;
        case ObjectKind::Active:
            return ActionMenu::Active;
        case ObjectKind::Indicator:
            return ActionMenu::Indicator;
        case ObjectKind::Text:
            break;
    }
    return ActionMenu::Text;
}

std::span<const ActionMenu> ActionCatalogue::allMenus() {
    return kAllMenus;
}

}  // namespace avizad

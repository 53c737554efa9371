// The condition and action entries: one golden row for every shape of caption and Java
// fragment (and the edge values and the escaping), and rules every entry obeys.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "events/ExpressionBuilder.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

// Type 3, object number 2, radii 10 and 100, the centre key, a timer of 5 seconds, a
// value whose caption and code differ, level 2 and a wav file.
EntryValues sample() {
    EntryValues v;
    v.n = 3;
    v.m = 2;
    v.a = 10;
    v.b = 100;
    v.name = "fon1";
    v.keyName = "venter";
    v.keyCode = "-5";
    v.timeText = "0/5/0";
    v.milliseconds = 5000;
    v.builderCaption = utf8ToCp1251(" ширина -5");
    v.builderCode = "width-5";
    v.level = 2;
    v.file = "boom.wav";
    v.contentType = "audio/x-wav";
    v.rowText = "Score \"x\": ";
    return v;
}

EntryValues with(EntryValues v, void (*change)(EntryValues&)) {
    change(v);
    return v;
}

struct Case {
    CatalogueMenu menu;
    const char* path;
    EntryValues values;
    const char* caption;  // UTF-8
    const char* code;
};

std::vector<Case> conditionCases() {
    using M = ConditionMenu;
    const auto menu = [](M m) { return ConditionCatalogue::menu(m); };
    const EntryValues v = sample();
    return {
        {menu(M::Category1), "Всегда", v, "Всегда", "(obtime>0)"},
        {menu(M::Category1), "Сравнение двух значений", v, " ширина -5", "(width-5)"},
        {menu(M::Category4), "Нажатие на клавишу...", v, "нажатие клавиши venter",
         "(pressed_code==-5)"},
        {menu(M::Category5), "Каждую...", v, "каждые 0/5/0",
         "((endTime_ob-(endTime_ob/5000)*5000>=0)&(endTime_ob-(endTime_ob/5000)*5000<=fps))"},
        {menu(M::Category5), "Таймер равен значению...", v, "Таймер равен 0/5/0",
         "((endTime_ob>=5000)&(endTime_ob<=5000+fps))"},
        {menu(M::Category5), "Таймер меньше значения...", v, "Таймер меньше 0/5/0",
         "(endTime_ob<5000)"},
        {menu(M::Active), "обнаружение объекта", v, "обнаружение от 10 до 100",
         "((act[gr_obj[3][kr3]].getX()-act[gr_obj[2][kr2]].getX()<100)&(act[gr_obj[3][kr3]].getX("
         ")-act[gr_obj[2][kr2]].getX()>-100)&(act[gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY("
         ")<100)&(act[gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY()>-100)&((act[gr_obj[3][kr3]"
         "].getX()-act[gr_obj[2][kr2]].getX()>10)|(act[gr_obj[3][kr3]].getX()-act[gr_obj[2][kr2]]."
         "getX()<-10)|(act[gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY()>10)|(act[gr_obj[3]["
         "kr3]].getY()-act[gr_obj[2][kr2]].getY()<-10)))&(act_upr[gr_obj[3][kr3]]!=5)"},
        // The background layers are numbered from 0 in the game.
        {menu(M::Active), "столкновение/с фоновым объектом", v, "столкновение акт[3] с фон[2]",
         "(act[gr_obj[3][kr3]].collidesWith(fonPole[2-1],false))"},
        {menu(M::Active), "столкновение/с активным объектом", v, "столкновение акт[3] с акт[2]",
         "(act[gr_obj[3][kr3]].collidesWith(act[gr_obj[2][kr2]],false))"},
        {menu(M::Active), "режим/смерть", v, "смерть объекта акт[3]",
         "(act_upr[gr_obj[3][kr3]]==5)"},
        {menu(M::Active), "координаты/сравнение Х-координаты объекта со значением", v,
         "Х-координата акт[3]  ширина -5", "(act[gr_obj[3][kr3]].getX()width-5)"},
        // The user counts frames from 1, the sprite from 0.
        {menu(M::Active), "анимация/сравнение текущего кадра со значением...", v,
         "номер кадра акт[3]  ширина -5", "(act[gr_obj[3][kr3]].getFrame()width-5-1)"},
        {menu(M::Active), "видимость/если объект невидимый", v, "акт[3] невидимый",
         "(act[gr_obj[3][kr3]].isVisible()==false)"},
        {menu(M::Active), "урон", v, "урон акт[3]  ширина -5", "(obj_uron[gr_obj[3][kr3]]width-5)"},
        {menu(M::Active), "расположение объекта/слева", v, "расположение 3 слева от 2",
         "(act[gr_obj[3][kr3]].getX()<act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2][kr2]]/"
         "2)&(Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj["
         "2][kr2]]/2))>Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+"
         "tileHeightob[gr_obj[2][kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
        {menu(M::Active), "расположение объекта/снизу", v, "расположение 3 снизу от 2",
         "(act[gr_obj[3][kr3]].getY()>act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2][kr2]]/"
         "2)&(Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj["
         "2][kr2]]/2))>Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+"
         "tileWidthob[gr_obj[2][kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
        {menu(M::Text), "Видимость/Видимый", v, "текст 3 видимый",
         "(text_visible[gr_text[3][krt3]]==true)"},
        // The caption shows the comparison's Java text, as the program always did.
        {menu(M::Text), "позиция равно ...", v, "позиция width-5",
         "(tek_str[gr_text[3][krt3]]width-5-1)"},
        {menu(M::Indicator), "Значение равно...", v, "кол. индикатора3  ширина -5",
         "(line_tek[gr_line[3][krl3]]width-5)"},
        {menu(M::Background), "Координаты/X",
         with(v, [](EntryValues& e) { e.name = utf8ToCp1251("Стена \"1\""); }),
         "Х-координата фона \"Стена \"1\"\"  ширина -5", "(fon[gr_fon[3][krf3]].getX()width-5)"},
        {menu(M::Background), "Координаты/Y", with(v, [](EntryValues& e) { e.n = 1; }),
         "Y-координата фона1  ширина -5", "(fon[gr_fon[1][krf1]].getY()width-5)"},
    };
}

std::vector<Case> actionCases() {
    using M = ActionMenu;
    const auto menu = [](M m) { return ActionCatalogue::menu(m); };
    const EntryValues v = sample();
    return {
        {menu(M::Special), "установка края экрана/верхняя сторона", v,
         "верхний край экрана =  ширина -5",
         "for(int count=0;count<layer_kol;count++){manager_Y[count]=width-5;}"},
        {menu(M::Special), "установка глобального значения", v, " ширина -5", "width-5;"},
        {menu(M::LevelChange), "следующий уровень", v, "уровень+1", "{midlet.changeEtap(2,2+1);}"},
        {menu(M::LevelChange), "переход на уровень", v, "уровень =  ширина -5",
         "{midlet.changeEtap(2,width-5);}"},
        {menu(M::Active), "позиция/задать Х", v, "Х= ширина -5",
         "{act[gr_obj[3][kr3]].setPosition(width-5,act[gr_obj[3][kr3]].getY());}"},
        {menu(M::Active), "анимация/изменить/номер кадра/предыдущий", v,
         "кадр анимации: предыдущий", "{act[gr_obj[3][kr3]].prevFrame();}"},
        // The user counts frames from 1, the sprite from 0.
        {menu(M::Active), "анимация/изменить/номер кадра/установить", v,
         "кадр анимации: установить ширина -5", "{act[gr_obj[3][kr3]].setFrame(width-5-1);}"},
        {menu(M::Active), "видимость/изменить", v, "изменение видимости",
         "{if(act[gr_obj[3][kr3]].isVisible()==false){act[gr_obj[3][kr3]].setVisible(true);}else{"
         "act[gr_obj[3][kr3]].setVisible(false);}}"},
        {menu(M::Active), "режим/преследование", v, "режим: преследование",
         "{act_upr[gr_obj[3][kr3]]=2;kd=kr2;}"},
        // The user numbers trajectories from 1, the game from 0.
        {menu(M::Active), "режим/перемещение по траектории",
         with(v, [](EntryValues& e) { e.m = 1; }), "режим: перемещение по траектории 1",
         "{act_upr[gr_obj[3][kr3]]=6;act_tr_number[gr_obj[3][kr3]]=0;}"},
        {menu(M::Active), "урон/увеличить", v, "урон+ ширина -5",
         "{act_uron[gr_obj[3][kr3]]+=width-5;}"},
        {menu(M::Active), "притяжение/вправо", v, "притяжение: вправо",
         "{grav_napr[gr_obj[3][kr3]]=3;}"},
        {menu(M::Text), "номер позиции", v, "номер позиции =  ширина -5",
         "{tek_str[gr_text[3][krt3]]=width-5-1;}"},
        // The row text is escaped as a Java string.
        {menu(M::Text), "строка со значением", v, "строка = «Score \"x\": » и значение ширина -5",
         "{text_value(gr_text[3][krt3],\"Score \\\"x\\\": \",width-5);}"},
        {menu(M::Text), "координаты/Y", v, "Y =  ширина -5", "{text_Y[gr_text[3][krt3]]=width-5;}"},
        // The sizes are indexed by the zero-based type number.
        {menu(M::Text), "размеры/ширина", with(v, [](EntryValues& e) { e.n = 1; }),
         "ширина =  ширина -5", "{text_W[0]=width-5;}"},
        {menu(M::Indicator), "Видимость/Невидимый", v, "невидимый",
         "{line[gr_line[3][krl3]].setVisible(false);}"},
        {menu(M::Background), "Координаты/Y", v, "Y= ширина -5",
         "{fon[gr_fon[3][krf3]].setPosition(fon[gr_fon[3][krf3]].getX(),width-5);}"},
        {menu(M::Sound), "Воспроизвести файл", v, "воспроизвести boom.wav",
         "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/boom.wav\"),\"audio/"
         "x-wav\");player.realize();player.prefetch();player.start();}catch (Exception e){}"},
    };
}

void expectBuilds(const Case& c) {
    SCOPED_TRACE(c.path);
    const CatalogueEntry* entry = findEntry(c.menu, c.path);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->addsSomething());
    const BuiltText built = entry->build(c.values);
    EXPECT_EQ(cp1251ToUtf8(built.caption), c.caption);
    EXPECT_EQ(built.code, c.code);
}

TEST(ConditionCatalogue, EntriesBuildTheirCaptionAndCode) {
    for (const Case& c : conditionCases()) {
        expectBuilds(c);
    }
}

TEST(ActionCatalogue, EntriesBuildTheirCaptionAndCode) {
    for (const Case& c : actionCases()) {
        expectBuilds(c);
    }
}

// Every menu of both catalogues.
std::vector<CatalogueMenu> allMenus() {
    std::vector<CatalogueMenu> menus;
    for (const ConditionMenu m : ConditionCatalogue::allMenus()) {
        menus.push_back(ConditionCatalogue::menu(m));
    }
    for (const ActionMenu m : ActionCatalogue::allMenus()) {
        menus.push_back(ActionCatalogue::menu(m));
    }
    return menus;
}

// The groups of values that the parameter dialogs fill, each changed to other values.
struct ValueGroup {
    const char* name;
    void (*change)(EntryValues&);
    std::set<ParameterDialog> dialogs;  // the dialogs that fill the group
};

const ValueGroup kValueGroups[] = {
    {"builder",
     [](EntryValues& v) {
         v.builderCaption = "=7";
         v.builderCode = "==7";
     },
     {ParameterDialog::ExpressionBuilder}},
    {"key",
     [](EntryValues& v) {
         v.keyName = "pound";
         v.keyCode = "35";
     },
     {ParameterDialog::Key}},
    {"timer",
     [](EntryValues& v) {
         v.timeText = "1/0/0";
         v.milliseconds = 60000;
     },
     {ParameterDialog::Timer}},
    {"radii",
     [](EntryValues& v) {
         v.a = 11;
         v.b = 111;
     },
     {ParameterDialog::Detection}},
    {"object number",
     [](EntryValues& v) { v.m = 4; },
     {ParameterDialog::Detection, ParameterDialog::ConditionObjectNumber,
      ParameterDialog::ActionObjectNumber}},
    {"sound",
     [](EntryValues& v) {
         v.file = "tune.mid";
         v.contentType = "audio/midi";
     },
     {ParameterDialog::SoundFile}},
};

// An entry builds from the values its dialog asks for, and from no value another dialog
// would fill (a wrong dialog would leave a value empty or ask for one in vain).
TEST(Catalogues, EveryEntryUsesTheValuesOfItsOwnDialog) {
    const EntryValues base = sample();
    for (const CatalogueMenu menu : allMenus()) {
        for (std::size_t i = 0; i < menu.size(); ++i) {
            const CatalogueEntry& entry = menu[i];
            if (!entry.addsSomething()) {
                continue;
            }
            const BuiltText before = entry.build(base);
            for (const ValueGroup& group : kValueGroups) {
                const BuiltText after = entry.build(with(base, group.change));
                const bool changed = after.caption != before.caption || after.code != before.code;
                EXPECT_EQ(changed, group.dialogs.count(entry.dialog) > 0)
                    << entryPath(menu, i) << ": " << group.name;
            }
        }
    }
}

// The Java fragment of every entry has balanced brackets and braces, so that the events
// it joins stay well formed.
TEST(Catalogues, EveryFragmentIsBalanced) {
    for (const CatalogueMenu menu : allMenus()) {
        for (std::size_t i = 0; i < menu.size(); ++i) {
            if (!menu[i].addsSomething()) {
                continue;
            }
            const std::string code = menu[i].build(sample()).code;
            std::string open;
            bool balanced = true;
            for (const char c : code) {
                if (c == '(' || c == '[' || c == '{') {
                    open += c;
                } else if (c == ')' || c == ']' || c == '}') {
                    const char expected = c == ')' ? '(' : c == ']' ? '[' : '{';
                    balanced = balanced && !open.empty() && open.back() == expected;
                    if (!open.empty()) {
                        open.pop_back();
                    }
                }
            }
            EXPECT_TRUE(balanced && open.empty()) << entryPath(menu, i) << ": " << code;
        }
    }
}

// Conditions on an object compare it with a value, the general ones compare two values or
// a global one; actions enter a value, the global one sets a global value.
TEST(Catalogues, ExpressionBuilderModes) {
    for (const ConditionMenu m : ConditionCatalogue::allMenus()) {
        const CatalogueMenu menu = ConditionCatalogue::menu(m);
        for (std::size_t i = 0; i < menu.size(); ++i) {
            if (menu[i].dialog != ParameterDialog::ExpressionBuilder) {
                continue;
            }
            const std::string path = entryPath(menu, i);
            const BuilderMode expected =
                path == "Сравнение двух значений"          ? BuilderMode::CompareValues
                : path == "Сравнение глобального значения" ? BuilderMode::CompareGlobal
                                                           : BuilderMode::CompareWithValue;
            EXPECT_EQ(menu[i].builderMode, expected) << path;
            EXPECT_EQ(m == ConditionMenu::Category1, expected != BuilderMode::CompareWithValue)
                << path;
        }
    }
    for (const ActionMenu m : ActionCatalogue::allMenus()) {
        const CatalogueMenu menu = ActionCatalogue::menu(m);
        for (std::size_t i = 0; i < menu.size(); ++i) {
            if (menu[i].dialog == ParameterDialog::ExpressionBuilder) {
                const std::string path = entryPath(menu, i);
                const BuilderMode expected =
                    path == "установка глобального значения" ? BuilderMode::SetGlobal
                    : path == "строка со значением"          ? BuilderMode::TextWithValue
                                                             : BuilderMode::EnterValue;
                EXPECT_EQ(menu[i].builderMode, expected) << path;
            }
        }
    }
}

// "Счёт: " and the global value 1, composed in the builder as the author does: the row
// text typed, the value word of "значение" and the key 1.
TEST(ActionCatalogue, ATextRowShowsItsTextFollowedByAValue) {
    const CatalogueEntry* entry =
        findEntry(ActionCatalogue::menu(ActionMenu::Text), "строка со значением");
    ASSERT_NE(entry, nullptr);
    ExpressionBuilder builder(entry->builderMode);
    EXPECT_TRUE(builder.info().showsRowText);
    builder.setRowText(utf8ToCp1251("Счёт: "));
    builder.setActiveField(ExpressionBuilder::Field::Right);
    builder.append(" glob");
    builder.append("1");
    EntryValues values;
    values.n = 2;
    values.setBuilderResult(builder.confirm());
    values.rowText = builder.rowText();
    EXPECT_EQ(entry->refusal(values), "");
    const BuiltText built = entry->build(values);
    EXPECT_EQ(cp1251ToUtf8(built.caption), "строка = «Счёт: » и значение glob1");
    EXPECT_EQ(cp1251ToUtf8(built.code), "{text_value(gr_text[2][krt2],\"Счёт: \",glob[1]);}");
    // Without a value the game would not compile: refused with a message.
    EntryValues empty;
    empty.n = 2;
    empty.rowText = values.rowText;
    EXPECT_NE(entry->refusal(empty), "");
}

TEST(Catalogues, ObjectNumbersNameTheKindTheDialogOffers) {
    struct KindCase {
        CatalogueMenu menu;
        const char* path;
        std::optional<ObjectKind> kind;
    };
    const KindCase cases[] = {
        {ConditionCatalogue::menu(ConditionMenu::Active), "столкновение/с фоновым объектом",
         ObjectKind::Background},
        {ConditionCatalogue::menu(ConditionMenu::Active), "столкновение/с активным объектом",
         ObjectKind::Active},
        {ConditionCatalogue::menu(ConditionMenu::Active), "обнаружение объекта",
         ObjectKind::Active},
        {ConditionCatalogue::menu(ConditionMenu::Active), "расположение объекта/снизу",
         ObjectKind::Active},
        {ActionCatalogue::menu(ActionMenu::Active), "режим/преследование", ObjectKind::Active},
        {ActionCatalogue::menu(ActionMenu::Active), "режим/атака", ObjectKind::Active},
        {ActionCatalogue::menu(ActionMenu::Active), "режим/перемещение по траектории",
         std::nullopt},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.path);
        const CatalogueEntry* entry = findEntry(c.menu, c.path);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->numberKind, c.kind);
    }
}

TEST(ConditionCatalogue, AnIntervalOfZeroIsRefused) {
    const CatalogueEntry* every =
        findEntry(ConditionCatalogue::menu(ConditionMenu::Category5), "Каждую...");
    ASSERT_NE(every, nullptr);
    EXPECT_NE(every->refusal({.timeText = "0/0/0", .milliseconds = 0}), "");
    EXPECT_EQ(every->refusal({.timeText = "0/0/1", .milliseconds = 10}), "");
    const CatalogueEntry* equal =
        findEntry(ConditionCatalogue::menu(ConditionMenu::Category5), "Таймер равен значению...");
    EXPECT_EQ(equal->refusal({.timeText = "0/0/0", .milliseconds = 0}), "");
    for (const ConditionMenu menu : ConditionCatalogue::allMenus()) {
        for (const CatalogueEntry& entry : ConditionCatalogue::menu(menu)) {
            EXPECT_EQ(entry.refuse != nullptr, &entry == every) << entry.caption;
        }
    }
}

// The entries that add nothing, and what is hidden or disabled, path by path.
struct Layout {
    const char* path;
    bool subMenu;
    bool hidden;
    bool disabled;
};

template <typename Menu>
void expectInertLayout(CatalogueMenu menu, std::initializer_list<Layout> expected, Menu which) {
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (!menu[i].addsSomething() || menu[i].hidden || menu[i].disabled) {
            seen.push_back(entryPath(menu, i));
        }
    }
    std::vector<std::string> paths;
    for (const Layout& l : expected) {
        paths.emplace_back(l.path);
        SCOPED_TRACE(l.path);
        const CatalogueEntry* entry = findEntry(menu, l.path);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->subMenu, l.subMenu);
        EXPECT_EQ(entry->hidden, l.hidden);
        EXPECT_EQ(entry->disabled, l.disabled);
    }
    EXPECT_EQ(seen, paths) << static_cast<int>(which);
}

TEST(ConditionCatalogue, HiddenDisabledAndInertItems) {
    using M = ConditionMenu;
    expectInertLayout(ConditionCatalogue::menu(M::Category1), {}, M::Category1);
    expectInertLayout(ConditionCatalogue::menu(M::Category2), {{"---------", false, false, true}},
                      M::Category2);
    expectInertLayout(ConditionCatalogue::menu(M::Category4), {}, M::Category4);
    expectInertLayout(ConditionCatalogue::menu(M::Active),
                      {{"столкновение", true, false, false},
                       {"режим", true, false, false},
                       {"координаты", true, false, false},
                       {"анимация", true, false, false},
                       {"видимость", true, false, false},
                       {"расположение объекта", true, false, false}},
                      M::Active);
    expectInertLayout(ConditionCatalogue::menu(M::Background),
                      {{"Координаты", true, false, false},
                       {"Преграда", true, true, false},
                       {"Преграда/Является преградой", false, false, false},
                       {"Преграда/Не является преградой", false, false, false},
                       {"Видимость", true, true, true},
                       {"Видимость/Видимый", false, false, false},
                       {"Видимость/Невидимый", false, false, false}},
                      M::Background);
    const CatalogueMenu background = ConditionCatalogue::menu(M::Background);
    EXPECT_TRUE(entryHidden(background, background.size() - 1));
    EXPECT_TRUE(entryDisabled(background, background.size() - 1));
    EXPECT_FALSE(entryHidden(background, 1));
}

TEST(ActionCatalogue, HiddenDisabledAndInertItems) {
    using M = ActionMenu;
    expectInertLayout(ActionCatalogue::menu(M::LevelChange),
                      {{"перезапуск текущего уровня", false, false, true},
                       {"перезапуск игры", false, false, true},
                       {"конец игры", false, false, true}},
                      M::LevelChange);
    expectInertLayout(ActionCatalogue::menu(M::Control),
                      {{"управление игроком", false, false, false}}, M::Control);
    expectInertLayout(ActionCatalogue::menu(M::Background),
                      {{"Координаты", true, false, false},
                       {"Препятствие", true, false, true},
                       {"Препятствие/Является", false, false, false},
                       {"Препятствие/Не является", false, false, false},
                       {"Видимость", true, false, false}},
                      M::Background);
    const CatalogueMenu control = ActionCatalogue::menu(M::Control);
    EXPECT_EQ(control.size(), 1u);
}

TEST(Catalogues, PathsAreUniqueAndSubMenusHoldEntries) {
    for (const CatalogueMenu menu : allMenus()) {
        std::set<std::string> paths;
        for (std::size_t i = 0; i < menu.size(); ++i) {
            const std::string path = entryPath(menu, i);
            EXPECT_EQ(menu[i].caption.find('/'), std::string_view::npos) << path;
            EXPECT_TRUE(paths.insert(path).second) << path;
            EXPECT_LE(menu[i].depth, i == 0 ? 0 : menu[i - 1].depth + (menu[i - 1].subMenu ? 1 : 0))
                << path;
            if (menu[i].subMenu) {
                ASSERT_LT(i + 1, menu.size()) << path;
                EXPECT_EQ(menu[i + 1].depth, menu[i].depth + 1) << path;
            }
        }
    }
}

TEST(Catalogues, MenusOfColumnsAndLists) {
    EXPECT_EQ(ActionCatalogue::specialMenu(SpecialCategory::Special), ActionMenu::Special);
    EXPECT_EQ(ActionCatalogue::specialMenu(SpecialCategory::Sound), ActionMenu::Sound);
    EXPECT_EQ(ActionCatalogue::specialMenu(SpecialCategory::LevelChange), ActionMenu::LevelChange);
    EXPECT_EQ(ActionCatalogue::specialMenu(SpecialCategory::Control), ActionMenu::Control);
    for (const ObjectKind kind : kAllKinds) {
        const ActionMenu actions = ActionCatalogue::objectMenu(kind);
        const ConditionMenu conditions = ConditionCatalogue::objectMenu(kind);
        EXPECT_EQ(static_cast<int>(actions) - static_cast<int>(ActionMenu::Background),
                  static_cast<int>(kind) - 1);
        bool listed = false;
        for (const ConditionListGroup& group : ConditionCatalogue::listGroups()) {
            if (group.kind == kind) {
                EXPECT_EQ(group.menu, conditions);
                listed = true;
            }
        }
        EXPECT_TRUE(listed);
    }
    EXPECT_EQ(ConditionCatalogue::categoryMenu(1), ConditionMenu::Category1);
    EXPECT_EQ(ConditionCatalogue::categoryMenu(5), ConditionMenu::Category5);
    EXPECT_THROW(ConditionCatalogue::categoryMenu(6), std::out_of_range);
    EXPECT_EQ(ConditionCatalogue::listGroups()[0].prompt, "Выберите фоновый объект");
}

}  // namespace
}  // namespace avizad

// Every entry of the condition and action menus, built with sample values,
// against the exact caption and Java fragment it must give.

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

struct ConditionCase {
    ConditionMenu menu;
    const char* path;
    ParameterDialog dialog;
    BuilderMode mode;
    const char* caption;  // UTF-8
    const char* code;
};

struct ActionCase {
    ActionMenu menu;
    const char* path;
    ParameterDialog dialog;
    BuilderMode mode;
    const char* caption;  // UTF-8
    const char* code;
};

// Type 3, object number 2, radii 10 and 100, the centre key, a timer of 5 seconds and a
// comparison whose caption and code differ.
EntryValues conditionSample() {
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
    v.builderCaption = utf8ToCp1251("> секунды+1");
    v.builderCode = ">endTime_ob/1000+1";
    return v;
}

// Column 3, number 2, level 2, a value whose caption and code differ, a wav file.
EntryValues actionSample() {
    EntryValues v;
    v.n = 3;
    v.m = 2;
    v.level = 2;
    v.builderCaption = utf8ToCp1251(" ширина -5");
    v.builderCode = "width-5";
    v.file = "boom.wav";
    v.contentType = "audio/x-wav";
    v.rowText = "Score \"x\": ";
    return v;
}

// In menu order.
const ConditionCase kConditionCases[] = {
    {ConditionMenu::Category1, "Всегда", ParameterDialog::None, BuilderMode::EnterValue, "Всегда",
     "(obtime>0)"},
    {ConditionMenu::Category1, "Сравнение двух значений", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareValues, "> секунды+1", "(>endTime_ob/1000+1)"},
    {ConditionMenu::Category1, "Сравнение глобального значения", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareGlobal, "> секунды+1", "(>endTime_ob/1000+1)"},
    {ConditionMenu::Category3, "Начало уровня", ParameterDialog::None, BuilderMode::EnterValue,
     "Начало уровня", "((obtime>=0)&(obtime<10))"},
    {ConditionMenu::Category4, "Нажатие на клавишу...", ParameterDialog::Key,
     BuilderMode::EnterValue, "нажатие клавиши venter", "(pressed_code==-5)"},
    {ConditionMenu::Category4, "Нажатие на любую клавишу", ParameterDialog::None,
     BuilderMode::EnterValue, "Любая клавиша", "(anykey==true)"},
    {ConditionMenu::Category4, "Удержание клавиши...", ParameterDialog::Key,
     BuilderMode::EnterValue, "удержание клавиши venter", "(keeping_code==-5)"},
    {ConditionMenu::Category4, "Отпускание клавиши...", ParameterDialog::Key,
     BuilderMode::EnterValue, "отпускание клавиши venter", "(released_code==-5)"},
    {ConditionMenu::Category5, "Каждую...", ParameterDialog::Timer, BuilderMode::EnterValue,
     "каждые 0/5/0",
     "((endTime_ob-(endTime_ob/5000)*5000>=0)&(endTime_ob-(endTime_ob/5000)*5000<=fps))"},
    {ConditionMenu::Category5, "Таймер равен значению...", ParameterDialog::Timer,
     BuilderMode::EnterValue, "Таймер равен 0/5/0", "((endTime_ob>=5000)&(endTime_ob<=5000+fps))"},
    {ConditionMenu::Category5, "Таймер больше значения...", ParameterDialog::Timer,
     BuilderMode::EnterValue, "Таймер больше 0/5/0", "(endTime_ob>5000)"},
    {ConditionMenu::Category5, "Таймер меньше значения...", ParameterDialog::Timer,
     BuilderMode::EnterValue, "Таймер меньше 0/5/0", "(endTime_ob<5000)"},
    {ConditionMenu::Active, "обнаружение объекта", ParameterDialog::Detection,
     BuilderMode::EnterValue, "обнаружение от 10 до 100",
     "((act[gr_obj[3][kr3]].getX()-act[gr_obj[2][kr2]].getX()<100)&(act[gr_obj[3][kr3]].getX()-act["
     "gr_obj[2][kr2]].getX()>-100)&(act[gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY()<100)&("
     "act[gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY()>-100)&((act[gr_obj[3][kr3]].getX()-act["
     "gr_obj[2][kr2]].getX()>10)|(act[gr_obj[3][kr3]].getX()-act[gr_obj[2][kr2]].getX()<-10)|(act["
     "gr_obj[3][kr3]].getY()-act[gr_obj[2][kr2]].getY()>10)|(act[gr_obj[3][kr3]].getY()-act[gr_obj["
     "2][kr2]].getY()<-10)))&(act_upr[gr_obj[3][kr3]]!=5)"},
    {ConditionMenu::Active, "столкновение/с фоновым объектом",
     ParameterDialog::ConditionObjectNumber, BuilderMode::EnterValue,
     "столкновение акт[3] с фон[2]", "(act[gr_obj[3][kr3]].collidesWith(fonPole[2-1],false))"},
    {ConditionMenu::Active, "столкновение/с активным объектом",
     ParameterDialog::ConditionObjectNumber, BuilderMode::EnterValue,
     "столкновение акт[3] с акт[2]",
     "(act[gr_obj[3][kr3]].collidesWith(act[gr_obj[2][kr2]],false))"},
    {ConditionMenu::Active, "режим/спокойствие", ParameterDialog::None, BuilderMode::EnterValue,
     "спокойствие акт[3]", "(act_upr[gr_obj[3][kr3]]==1)"},
    {ConditionMenu::Active, "режим/перемещение", ParameterDialog::None, BuilderMode::EnterValue,
     "перемещение акт[3]", "(act_upr[gr_obj[3][kr3]]==2)"},
    {ConditionMenu::Active, "режим/атака", ParameterDialog::None, BuilderMode::EnterValue,
     "атака объекта акт[3]", "(act_upr[gr_obj[3][kr3]]==3)"},
    {ConditionMenu::Active, "режим/смерть", ParameterDialog::None, BuilderMode::EnterValue,
     "смерть объекта акт[3]", "(act_upr[gr_obj[3][kr3]]==5)"},
    {ConditionMenu::Active, "режим/управление игроком", ParameterDialog::None,
     BuilderMode::EnterValue, "управление акт[3]", "(act_upr[gr_obj[3][kr3]]==7)"},
    {ConditionMenu::Active, "координаты/сравнение Х-координаты объекта со значением",
     ParameterDialog::ExpressionBuilder, BuilderMode::CompareWithValue,
     "Х-координата акт[3] > секунды+1", "(act[gr_obj[3][kr3]].getX()>endTime_ob/1000+1)"},
    {ConditionMenu::Active, "координаты/сравнение Y-координаты объекта со значением",
     ParameterDialog::ExpressionBuilder, BuilderMode::CompareWithValue,
     "Y-координата акт[3] > секунды+1", "(act[gr_obj[3][kr3]].getY()>endTime_ob/1000+1)"},
    {ConditionMenu::Active, "анимация/сравнение текущего кадра со значением...",
     ParameterDialog::ExpressionBuilder, BuilderMode::CompareWithValue,
     "номер кадра акт[3] > секунды+1", "(act[gr_obj[3][kr3]].getFrame()>endTime_ob/1000+1-1)"},
    {ConditionMenu::Active, "видимость/если объект видимый", ParameterDialog::None,
     BuilderMode::EnterValue, "акт[3] видимый", "(act[gr_obj[3][kr3]].isVisible()==true)"},
    {ConditionMenu::Active, "видимость/если объект невидимый", ParameterDialog::None,
     BuilderMode::EnterValue, "акт[3] невидимый", "(act[gr_obj[3][kr3]].isVisible()==false)"},
    {ConditionMenu::Active, "урон", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "урон акт[3] > секунды+1",
     "(obj_uron[gr_obj[3][kr3]]>endTime_ob/1000+1)"},
    {ConditionMenu::Active, "расположение объекта/слева", ParameterDialog::ConditionObjectNumber,
     BuilderMode::EnterValue, "расположение 3 слева от 2",
     "(act[gr_obj[3][kr3]].getX()<act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2][kr2]]/"
     "2)&(Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2]["
     "kr2]]/"
     "2))>Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2]["
     "kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
    {ConditionMenu::Active, "расположение объекта/справа", ParameterDialog::ConditionObjectNumber,
     BuilderMode::EnterValue, "расположение 3 справа от 2",
     "(act[gr_obj[3][kr3]].getX()>act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2][kr2]]/"
     "2)&(Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2]["
     "kr2]]/"
     "2))>Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2]["
     "kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
    {ConditionMenu::Active, "расположение объекта/сверху", ParameterDialog::ConditionObjectNumber,
     BuilderMode::EnterValue, "расположение 3 сверху от 2",
     "(act[gr_obj[3][kr3]].getY()<act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2][kr2]]/"
     "2)&(Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2]["
     "kr2]]/"
     "2))>Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2]["
     "kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
    {ConditionMenu::Active, "расположение объекта/снизу", ParameterDialog::ConditionObjectNumber,
     BuilderMode::EnterValue, "расположение 3 снизу от 2",
     "(act[gr_obj[3][kr3]].getY()>act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2][kr2]]/"
     "2)&(Math.abs(act[gr_obj[3][kr3]].getY()-(act[gr_obj[2][kr2]].getY()+tileHeightob[gr_obj[2]["
     "kr2]]/"
     "2))>Math.abs(act[gr_obj[3][kr3]].getX()-(act[gr_obj[2][kr2]].getX()+tileWidthob[gr_obj[2]["
     "kr2]]/2)))&(act_upr[gr_obj[3][kr3]]!=5)"},
    {ConditionMenu::Active, "направление", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "направление акт[3] > секунды+1",
     "(act_napr[gr_obj[3][kr3]]>endTime_ob/1000+1)"},
    {ConditionMenu::Text, "Видимость/Видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "текст 3 видимый", "(text_visible[gr_text[3][krt3]]==true)"},
    {ConditionMenu::Text, "Видимость/Невидимый", ParameterDialog::None, BuilderMode::EnterValue,
     "текст 3 невидимый", "(text_visible[gr_text[3][krt3]]==false)"},
    {ConditionMenu::Text, "позиция равно ...", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "позиция >endTime_ob/1000+1",
     "(tek_str[gr_text[3][krt3]]>endTime_ob/1000+1-1)"},
    {ConditionMenu::Indicator, "Видимость/Видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "индикатор 3 видимый", "(line_visible[gr_line[3][krl3]]==true)"},
    {ConditionMenu::Indicator, "Видимость/Невидимый", ParameterDialog::None,
     BuilderMode::EnterValue, "индикатор 3 невидимый", "(line_visible[gr_line[3][krl3]]==false)"},
    {ConditionMenu::Indicator, "Значение равно...", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "кол. индикатора3 > секунды+1",
     "(line_tek[gr_line[3][krl3]]>endTime_ob/1000+1)"},
    {ConditionMenu::Background, "Координаты/X", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "Х-координата фона \"fon1\" > секунды+1",
     "(fon[gr_fon[3][krf3]].getX()>endTime_ob/1000+1)"},
    {ConditionMenu::Background, "Координаты/Y", ParameterDialog::ExpressionBuilder,
     BuilderMode::CompareWithValue, "Y-координата фона3 > секунды+1",
     "(fon[gr_fon[3][krf3]].getY()>endTime_ob/1000+1)"},
};

// In menu order.
const ActionCase kActionCases[] = {
    {ActionMenu::Special, "установка края экрана/верхняя сторона",
     ParameterDialog::ExpressionBuilder, BuilderMode::EnterValue,
     "верхний край экрана =  ширина -5",
     "for(int count=0;count<layer_kol;count++){manager_Y[count]=width-5;}"},
    {ActionMenu::Special, "установка края экрана/левая сторона", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "левый край экрана =  ширина -5",
     "for(int count=0;count<layer_kol;count++){manager_X[count]=width-5;}"},
    {ActionMenu::Special, "установка глобального значения", ParameterDialog::ExpressionBuilder,
     BuilderMode::SetGlobal, " ширина -5", "width-5;"},
    {ActionMenu::LevelChange, "следующий уровень", ParameterDialog::None, BuilderMode::EnterValue,
     "уровень+1", "{midlet.changeEtap(2,2+1);}"},
    {ActionMenu::LevelChange, "предыдущий уровень", ParameterDialog::None, BuilderMode::EnterValue,
     "уровень-1", "{midlet.changeEtap(2,2-1);}"},
    {ActionMenu::LevelChange, "переход на уровень", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "уровень =  ширина -5", "{midlet.changeEtap(2,width-5);}"},
    {ActionMenu::Active, "позиция/задать Х", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "Х= ширина -5",
     "{act[gr_obj[3][kr3]].setPosition(width-5,act[gr_obj[3][kr3]].getY());}"},
    {ActionMenu::Active, "позиция/задать Y", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "Y= ширина -5",
     "{act[gr_obj[3][kr3]].setPosition(act[gr_obj[3][kr3]].getX(),width-5);}"},
    {ActionMenu::Active, "анимация/изменить/номер кадра/следующий", ParameterDialog::None,
     BuilderMode::EnterValue, "кадр анимации: следующий", "{act[gr_obj[3][kr3]].nextFrame();}"},
    {ActionMenu::Active, "анимация/изменить/номер кадра/предыдущий", ParameterDialog::None,
     BuilderMode::EnterValue, "кадр анимации: предыдущий", "{act[gr_obj[3][kr3]].prevFrame();}"},
    {ActionMenu::Active, "анимация/изменить/номер кадра/установить",
     ParameterDialog::ExpressionBuilder, BuilderMode::EnterValue,
     "кадр анимации: установить ширина -5", "{act[gr_obj[3][kr3]].setFrame(width-5-1);}"},
    {ActionMenu::Active, "видимость/видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "видимый", "{act[gr_obj[3][kr3]].setVisible(true);}"},
    {ActionMenu::Active, "видимость/невидимый", ParameterDialog::None, BuilderMode::EnterValue,
     "невидимый", "{act[gr_obj[3][kr3]].setVisible(false);}"},
    {ActionMenu::Active, "видимость/изменить", ParameterDialog::None, BuilderMode::EnterValue,
     "изменение видимости",
     "{if(act[gr_obj[3][kr3]].isVisible()==false){act[gr_obj[3][kr3]].setVisible(true);}else{act["
     "gr_obj[3][kr3]].setVisible(false);}}"},
    {ActionMenu::Active, "режим/спокойствие", ParameterDialog::None, BuilderMode::EnterValue,
     "режим: спокойствие", "{act_upr[gr_obj[3][kr3]]=1;}"},
    {ActionMenu::Active, "режим/преследование", ParameterDialog::ActionObjectNumber,
     BuilderMode::EnterValue, "режим: преследование", "{act_upr[gr_obj[3][kr3]]=2;kd=kr2;}"},
    {ActionMenu::Active, "режим/атака", ParameterDialog::ActionObjectNumber,
     BuilderMode::EnterValue, "режим: атака", "{act_upr[gr_obj[3][kr3]]=3;kd=kr2;}"},
    {ActionMenu::Active, "режим/смерть", ParameterDialog::None, BuilderMode::EnterValue,
     "режим: смерть", "{act_upr[gr_obj[3][kr3]]=5;}"},
    {ActionMenu::Active, "режим/перемещение по траектории", ParameterDialog::ActionObjectNumber,
     BuilderMode::EnterValue, "режим: перемещение по траектории 2",
     "{act_upr[gr_obj[3][kr3]]=6;act_tr_number[gr_obj[3][kr3]]=1;}"},
    {ActionMenu::Active, "режим/управление игроком", ParameterDialog::None, BuilderMode::EnterValue,
     "режим: управление игроком", "{act_upr[gr_obj[3][kr3]]=7;}"},
    {ActionMenu::Active, "урон/увеличить", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "урон+ ширина -5", "{act_uron[gr_obj[3][kr3]]+=width-5;}"},
    {ActionMenu::Active, "урон/обнулить", ParameterDialog::None, BuilderMode::EnterValue, "урон=0",
     "{act_uron[gr_obj[3][kr3]]=0;}"},
    {ActionMenu::Active, "притяжение/отключить", ParameterDialog::None, BuilderMode::EnterValue,
     "притяжение: отключить", "{grav_napr[gr_obj[3][kr3]]=0;}"},
    {ActionMenu::Active, "притяжение/влево", ParameterDialog::None, BuilderMode::EnterValue,
     "притяжение: влево", "{grav_napr[gr_obj[3][kr3]]=1;}"},
    {ActionMenu::Active, "притяжение/вправо", ParameterDialog::None, BuilderMode::EnterValue,
     "притяжение: вправо", "{grav_napr[gr_obj[3][kr3]]=3;}"},
    {ActionMenu::Active, "притяжение/вверх", ParameterDialog::None, BuilderMode::EnterValue,
     "притяжение: вверх", "{grav_napr[gr_obj[3][kr3]]=2;}"},
    {ActionMenu::Active, "притяжение/вниз", ParameterDialog::None, BuilderMode::EnterValue,
     "притяжение: вниз", "{grav_napr[gr_obj[3][kr3]]=4;}"},
    {ActionMenu::Text, "номер позиции", ParameterDialog::ExpressionBuilder, BuilderMode::EnterValue,
     "номер позиции =  ширина -5", "{tek_str[gr_text[3][krt3]]=width-5-1;}"},
    {ActionMenu::Text, "строка со значением", ParameterDialog::ExpressionBuilder,
     BuilderMode::TextWithValue, "строка = «Score \"x\": » и значение ширина -5",
     "{text_value(gr_text[3][krt3],\"Score \\\"x\\\": \",width-5);}"},
    {ActionMenu::Text, "координаты/X", ParameterDialog::ExpressionBuilder, BuilderMode::EnterValue,
     "X =  ширина -5", "{text_X[gr_text[3][krt3]]=width-5;}"},
    {ActionMenu::Text, "координаты/Y", ParameterDialog::ExpressionBuilder, BuilderMode::EnterValue,
     "Y =  ширина -5", "{text_Y[gr_text[3][krt3]]=width-5;}"},
    {ActionMenu::Text, "размеры/высота", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "высота =  ширина -5", "{text_H[2]=width-5;}"},
    {ActionMenu::Text, "размеры/ширина", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "ширина =  ширина -5", "{text_W[2]=width-5;}"},
    {ActionMenu::Text, "видимость/Видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "видимый", "{text_visible[gr_text[3][krt3]]=true;}"},
    {ActionMenu::Text, "видимость/Невидимый", ParameterDialog::None, BuilderMode::EnterValue,
     "невидимый", "{text_visible[gr_text[3][krt3]]=false;}"},
    {ActionMenu::Indicator, "Видимость/Видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "видимый", "{line[gr_line[3][krl3]].setVisible(true);}"},
    {ActionMenu::Indicator, "Видимость/Невидимый", ParameterDialog::None, BuilderMode::EnterValue,
     "невидимый", "{line[gr_line[3][krl3]].setVisible(false);}"},
    {ActionMenu::Indicator, "Количество", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "количество =  ширина -5", "{line_tek[gr_line[3][krl3]]=width-5;}"},
    {ActionMenu::Indicator, "Координаты/X", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "X =  ширина -5", "{line_X[gr_line[3][krl3]]=width-5;}"},
    {ActionMenu::Indicator, "Координаты/Y", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "Y =  ширина -5", "{line_Y[gr_line[3][krl3]]=width-5;}"},
    {ActionMenu::Background, "Координаты/Х", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "Х= ширина -5",
     "{fon[gr_fon[3][krf3]].setPosition(width-5,fon[gr_fon[3][krf3]].getY());}"},
    {ActionMenu::Background, "Координаты/Y", ParameterDialog::ExpressionBuilder,
     BuilderMode::EnterValue, "Y= ширина -5",
     "{fon[gr_fon[3][krf3]].setPosition(fon[gr_fon[3][krf3]].getX(),width-5);}"},
    {ActionMenu::Background, "Видимость/Видимый", ParameterDialog::None, BuilderMode::EnterValue,
     "Видимый", "{fon[gr_fon[3][krf3]].setVisible(true);}"},
    {ActionMenu::Background, "Видимость/Невидимый", ParameterDialog::None, BuilderMode::EnterValue,
     "Невидимый", "{fon[gr_fon[3][krf3]].setVisible(false);}"},
    {ActionMenu::Sound, "Воспроизвести файл", ParameterDialog::SoundFile, BuilderMode::EnterValue,
     "воспроизвести boom.wav",
     "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/boom.wav\"),\"audio/"
     "x-wav\");player.realize();player.prefetch();player.start();}catch (Exception e){}"},
};

template <typename Case>
void expectBuilds(CatalogueMenu menu, const Case& c, const EntryValues& values) {
    SCOPED_TRACE(c.path);
    const CatalogueEntry* entry = findEntry(menu, c.path);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->addsSomething());
    EXPECT_EQ(entry->dialog, c.dialog);
    if (c.dialog == ParameterDialog::ExpressionBuilder) {
        EXPECT_EQ(entry->builderMode, c.mode);
    }
    const BuiltText built = entry->build(values);
    EXPECT_EQ(cp1251ToUtf8(built.caption), c.caption);
    EXPECT_EQ(built.code, c.code);
}

// The paths of a menu's entries that add something, in menu order.
std::vector<std::string> buildingPaths(CatalogueMenu menu) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].addsSomething()) {
            paths.push_back(entryPath(menu, i));
        }
    }
    return paths;
}

template <typename Menu, typename Case, std::size_t N>
std::vector<std::string> casePaths(Menu menu, const Case (&cases)[N]) {
    std::vector<std::string> paths;
    for (const Case& c : cases) {
        if (c.menu == menu) {
            paths.emplace_back(c.path);
        }
    }
    return paths;
}

TEST(ConditionCatalogue, EveryEntryBuildsItsCaptionAndCode) {
    for (const ConditionCase& c : kConditionCases) {
        expectBuilds(ConditionCatalogue::menu(c.menu), c, conditionSample());
    }
}

TEST(ConditionCatalogue, TheCasesCoverEveryEntryInMenuOrder) {
    for (const ConditionMenu menu : ConditionCatalogue::allMenus()) {
        EXPECT_EQ(buildingPaths(ConditionCatalogue::menu(menu)), casePaths(menu, kConditionCases))
            << static_cast<int>(menu);
    }
}

TEST(ActionCatalogue, EveryEntryBuildsItsCaptionAndCode) {
    for (const ActionCase& c : kActionCases) {
        expectBuilds(ActionCatalogue::menu(c.menu), c, actionSample());
    }
}

TEST(ActionCatalogue, TheCasesCoverEveryEntryInMenuOrder) {
    for (const ActionMenu menu : ActionCatalogue::allMenus()) {
        EXPECT_EQ(buildingPaths(ActionCatalogue::menu(menu)), casePaths(menu, kActionCases))
            << static_cast<int>(menu);
    }
}

// Examples the users rely on, with their own values.
TEST(ConditionCatalogue, Examples) {
    struct Example {
        ConditionMenu menu;
        const char* path;
        EntryValues values;
        const char* caption;
        const char* code;
    };
    const Example examples[] = {
        {ConditionMenu::Category1, "Всегда", {}, "Всегда", "(obtime>0)"},
        {ConditionMenu::Active,
         "режим/атака",
         {.n = 3},
         "атака объекта акт[3]",
         "(act_upr[gr_obj[3][kr3]]==3)"},
        {ConditionMenu::Category4,
         "Нажатие на клавишу...",
         {.keyName = "venter", .keyCode = "-5"},
         "нажатие клавиши venter",
         "(pressed_code==-5)"},
        {ConditionMenu::Category4,
         "Нажатие на клавишу...",
         {.keyName = "7", .keyCode = "55"},
         "нажатие клавиши 7",
         "(pressed_code==55)"},
        {ConditionMenu::Category5,
         "Каждую...",
         {.timeText = "0/5/0", .milliseconds = 5000},
         "каждые 0/5/0",
         "((endTime_ob-(endTime_ob/5000)*5000>=0)&(endTime_ob-(endTime_ob/5000)*5000<=fps))"},
        {ConditionMenu::Background,
         "Координаты/Y",
         {.n = 2, .builderCaption = "==5", .builderCode = "==5"},
         "Y-координата фона2 ==5",
         "(fon[gr_fon[2][krf2]].getY()==5)"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.path);
        const CatalogueEntry* entry = findEntry(ConditionCatalogue::menu(e.menu), e.path);
        ASSERT_NE(entry, nullptr);
        const BuiltText built = entry->build(e.values);
        EXPECT_EQ(cp1251ToUtf8(built.caption), e.caption);
        EXPECT_EQ(built.code, e.code);
    }
}

TEST(ConditionCatalogue, DetectionOfObjectTwoByTypeOne) {
    const CatalogueEntry* entry =
        findEntry(ConditionCatalogue::menu(ConditionMenu::Active), "обнаружение объекта");
    ASSERT_NE(entry, nullptr);
    const BuiltText built = entry->build({.n = 1, .m = 2, .a = 10, .b = 100});
    EXPECT_EQ(cp1251ToUtf8(built.caption), "обнаружение от 10 до 100");
    EXPECT_TRUE(
        built.code.starts_with("((act[gr_obj[1][kr1]].getX()-act[gr_obj[2][kr2]].getX()<100)&"));
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

TEST(ConditionCatalogue, BackgroundXQuotesTheName) {
    const CatalogueEntry* entry =
        findEntry(ConditionCatalogue::menu(ConditionMenu::Background), "Координаты/X");
    ASSERT_NE(entry, nullptr);
    EntryValues v{
        .n = 1, .name = utf8ToCp1251("Стена"), .builderCaption = "<3", .builderCode = "<3"};
    EXPECT_EQ(cp1251ToUtf8(entry->build(v).caption), "Х-координата фона \"Стена\" <3");
}

TEST(ActionCatalogue, Examples) {
    struct Example {
        ActionMenu menu;
        const char* path;
        EntryValues values;
        const char* caption;
        const char* code;
    };
    const Example examples[] = {
        {ActionMenu::Active,
         "режим/смерть",
         {.n = 4},
         "режим: смерть",
         "{act_upr[gr_obj[4][kr4]]=5;}"},
        {ActionMenu::Active,
         "режим/спокойствие",
         {.n = 3},
         "режим: спокойствие",
         "{act_upr[gr_obj[3][kr3]]=1;}"},
        {ActionMenu::Active,
         "режим/перемещение по траектории",
         {.n = 1, .m = 3},
         "режим: перемещение по траектории 3",
         "{act_upr[gr_obj[1][kr1]]=6;act_tr_number[gr_obj[1][kr1]]=2;}"},
        {ActionMenu::LevelChange,
         "следующий уровень",
         {.level = 2},
         "уровень+1",
         "{midlet.changeEtap(2,2+1);}"},
        {ActionMenu::Text,
         "размеры/ширина",
         {.n = 1, .builderCaption = "9", .builderCode = "9"},
         "ширина = 9",
         "{text_W[0]=9;}"},
        {ActionMenu::Text,
         "координаты/X",
         {.n = 1, .builderCaption = "9", .builderCode = "9"},
         "X = 9",
         "{text_X[gr_text[1][krt1]]=9;}"},
        {ActionMenu::Special,
         "установка глобального значения",
         {.builderCaption = "glob[3]=7+1", .builderCode = "glob[3]=7+1"},
         "glob[3]=7+1",
         "glob[3]=7+1;"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.path);
        const CatalogueEntry* entry = findEntry(ActionCatalogue::menu(e.menu), e.path);
        ASSERT_NE(entry, nullptr);
        const BuiltText built = entry->build(e.values);
        EXPECT_EQ(cp1251ToUtf8(built.caption), e.caption);
        EXPECT_EQ(built.code, e.code);
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

TEST(Catalogues, ObjectNumbersNameTheKindTheDialogOffers) {
    struct Case {
        CatalogueMenu menu;
        const char* path;
        std::optional<ObjectKind> kind;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const CatalogueEntry* entry = findEntry(c.menu, c.path);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->numberKind, c.kind);
    }
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
    std::vector<CatalogueMenu> menus;
    for (const ConditionMenu m : ConditionCatalogue::allMenus()) {
        menus.push_back(ConditionCatalogue::menu(m));
    }
    for (const ActionMenu m : ActionCatalogue::allMenus()) {
        menus.push_back(ActionCatalogue::menu(m));
    }
    for (const CatalogueMenu menu : menus) {
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

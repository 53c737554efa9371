#include "SampleGames.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>

#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"

namespace avizad::samples {

namespace {

using K = ObjectKind;
using S = AnimationState;
using D = Direction;

constexpr int kBackdrop = 0;  // background kinds of the editor's three buttons
constexpr int kObstacle = 1;
constexpr int kLadder = 2;

// The condition and action entries of the catalogue menus.
BuiltText condition(ConditionMenu menu, std::string_view path, const EntryValues& values = {}) {
    return SampleAuthor::entry(ConditionCatalogue::menu(menu), path, values);
}
BuiltText action(ActionMenu menu, std::string_view path, const EntryValues& values) {
    return SampleAuthor::entry(ActionCatalogue::menu(menu), path, values);
}

// The values of a column (type n, the open level) with what the builder gave.
EntryValues with(EntryValues column, const Expression& expression) {
    const EntryValues built = expression.values();
    column.builderCaption = built.builderCaption;
    column.builderCode = built.builderCode;
    column.rowText = built.rowText;
    return column;
}

// An entry that needs only the object's number.
EntryValues of(int n) {
    EntryValues values;
    values.n = n;
    return values;
}

// The sentences the samples share.
BuiltText levelStart() {
    return condition(ConditionMenu::Category3, "Начало уровня");
}
BuiltText always() {
    return condition(ConditionMenu::Category1, "Всегда");
}
BuiltText keyPressed(std::string_view key) {
    return condition(ConditionMenu::Category4, "Нажатие на клавишу...", keyValues(key));
}
// " уровень " compared with a number: which level is running.
BuiltText levelIs(std::string_view comparison, std::string_view number) {
    return condition(ConditionMenu::Category1, "Сравнение двух значений",
                     Expression(BuilderMode::CompareValues)
                         .left()
                         .value("Текущее значение уровня")
                         .compare(comparison)
                         .right()
                         .keys(number)
                         .values());
}
BuiltText collides(int n, int m) {
    return condition(ConditionMenu::Active, "столкновение/с активным объектом", numberValues(n, m));
}
BuiltText touchesBackground(int n, int m) {
    return condition(ConditionMenu::Active, "столкновение/с фоновым объектом", numberValues(n, m));
}
BuiltText indicatorIs(int n, std::string_view value) {
    EntryValues values = Expression(BuilderMode::CompareWithValue).keys(value).values();
    values.n = n;
    return condition(ConditionMenu::Indicator, "Значение равно...", values);
}

// "переход на уровень" with a value.
BuiltText goToLevel(const SampleAuthor& author, const Expression& value) {
    return action(ActionMenu::LevelChange, "переход на уровень",
                  with(author.columnValues(0), value));
}
// glob[k]= value.
BuiltText setGlobal(const SampleAuthor& author, int k, Expression value) {
    return action(ActionMenu::Special, "установка глобального значения",
                  with(author.columnValues(0), value.global(k)));
}
BuiltText mode(const SampleAuthor& author, int n, std::string_view path, int m = 0) {
    EntryValues values = author.columnValues(n);
    values.m = m;
    return action(ActionMenu::Active, std::string("режим/") + std::string(path), values);
}
BuiltText indicatorAmount(const SampleAuthor& author, int n, const Expression& value) {
    return action(ActionMenu::Indicator, "Количество", with(author.columnValues(n), value));
}
BuiltText textWithValue(const SampleAuthor& author, int n, std::string_view row,
                        const Expression& value) {
    Expression e = value;
    return action(ActionMenu::Text, "строка со значением",
                  with(author.columnValues(n), e.rowText(row)));
}
BuiltText hide(const SampleAuthor& author, ActionMenu menu, int n) {
    const char* path = menu == ActionMenu::Active ? "видимость/невидимый"
                       : menu == ActionMenu::Text ? "видимость/Невидимый"
                                                  : "Видимость/Невидимый";
    return action(menu, path, author.columnValues(n));
}

// A level's backdrop: `type` placed in a grid of `step` pixels over width x height.
void cover(SampleAuthor& author, int type, int step, int width, int height) {
    for (int y = 0; y < height; y += step) {
        for (int x = 0; x < width; x += step) {
            author.place(K::Background, type, x, y);
        }
    }
}

// The person of person.png: two steps to each side.
std::vector<Animation> personAnimations() {
    return {{S::Idle, D::Right, {1}},   {S::Idle, D::Up, {3}},       {S::Idle, D::Left, {5}},
            {S::Idle, D::Down, {7}},    {S::Move, D::Right, {1, 2}}, {S::Move, D::Up, {3, 4}},
            {S::Move, D::Left, {5, 6}}, {S::Move, D::Down, {7, 8}}};
}

std::vector<Animation> join(std::vector<Animation> a, const std::vector<Animation>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The bat of bat.png: flying in a loop, the last frame when hit.
std::vector<Animation> batAnimations() {
    return join(join(everyDirection(S::Idle, {1, 2, 3, 2}), everyDirection(S::Move, {1, 2, 3, 2})),
                everyDirection(S::Destroy, {4}));
}

constexpr Color kNavy = rgb(20, 40, 110);
constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kYellow = rgb(255, 230, 90);

}  // namespace

// ---- Платформер ------------------------------------------------------------------------

void makePlatformer(SampleAuthor& author) {
    author.midlet("Платформер", "Avizad", "1.0");
    author.level(1, "Луг", 480, 320);
    author.level(2, "Замок", 640, 320);
    author.level(3, "Победа", 240, 320);

    // Backgrounds.
    const int sky =
        author.background("небо", "sky.png", 3, 1,
                          {{1, 1, 1, 1}, {1, 2, 3, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}}, kBackdrop);
    const std::vector<int> ten(10, 1);
    const int ground =
        author.background("земля", "ground.png", 3, 2, {ten, std::vector<int>(10, 2)}, kObstacle);
    const int platform =
        author.background("платформа", "platforms.png", 4, 2, {{1, 2, 2, 3}}, kObstacle);
    const int ladder = author.background("лестница", "ladder.png", 2, 1,
                                         {{2}, {1}, {1}, {1}, {1}, {1}, {1}}, kLadder);
    const int spikes = author.background("шипы", "platforms.png", 4, 2, {{8, 8}}, kBackdrop);
    const int bricks =
        author.background("кладка", "bricks.png", 4, 2, {ten, std::vector<int>(10, 6)}, kObstacle);

    // Active objects; the hero walks and jumps on the first two levels.
    author.openLevel(1);
    const int hero = author.active("герой", "person.png", 8, 3, personAnimations(), true,
                                   ControlType::PersonSide);
    author.openLevel(2);
    author.controlType(hero, ControlType::PersonSide);
    const int beetle =
        author.active("жук", "enemy.png", 4, 1,
                      join(join(everyDirection(S::Idle, {1, 2}), everyDirection(S::Move, {1, 2})),
                           everyDirection(S::Destroy, {3, 4})));
    const int bat = author.active("мышь", "bat.png", 4, 2, batAnimations());
    const int coin =
        author.active("монета", "coin.png", 6, 1, everyDirection(S::Idle, {1, 2, 3, 4, 5, 6}));
    const int door = author.active("дверь", "door.png", 2, 1, everyDirection(S::Idle, {1}));
    const int flag = author.active("флаг", "flag.png", 3, 1, everyDirection(S::Idle, {1, 2, 3}));
    const int lives = author.indicator("жизни", "lives.png", 3);
    const int score = author.text("счёт", {"Монеты: 0"}, {1, 1, true, kNavy});
    const int won = author.text(
        "победа", {"Победа!", "Обе двери", "пройдены.", "Нажмите 5,", "чтобы сыграть", "снова."},
        {1, 1, true, kNavy});

    // Level 1 "Луг": a platform with two coins, a beetle on the way, the ladder up to the
    // door.
    author.openLevel(1);
    cover(author, sky, 128, 480, 320);
    for (const int x : {0, 160, 320}) {
        author.place(K::Background, ground, x, 288);
    }
    author.place(K::Background, platform, 120, 240);
    author.place(K::Background, platform, 352, 192);
    author.place(K::Background, ladder, 432, 176);
    author.place(K::Active, hero, 16, 264);
    author.place(K::Active, beetle, 200, 272);
    for (const auto& [x, y] : {std::pair{72, 272}, {136, 224}, {152, 224}, {328, 272}}) {
        author.place(K::Active, coin, x, y);
    }
    author.place(K::Active, door, 368, 160);
    author.place(K::Indicator, lives, 184, 8);
    author.place(K::Text, score, 8, 8);
    author.trajectory(1, {{200, 272, 10, 0, 0}, {288, 272, 10, 0, 0}});

    // Level 2 "Замок", wider: spikes on the floor, a platform with coins, a bat over the
    // way, a beetle before the ladder.
    author.openLevel(2);
    cover(author, sky, 128, 640, 320);
    for (const int x : {0, 160, 320, 480}) {
        author.place(K::Background, bricks, x, 288);
    }
    author.place(K::Background, spikes, 160, 272);
    author.place(K::Background, platform, 232, 240);
    author.place(K::Background, platform, 512, 192);
    author.place(K::Background, ladder, 592, 176);
    author.place(K::Active, hero, 16, 264);
    author.place(K::Active, beetle, 440, 272);
    author.place(K::Active, bat, 360, 200);
    for (const auto& [x, y] : {std::pair{80, 272}, {112, 272}, {248, 224}, {264, 224}}) {
        author.place(K::Active, coin, x, y);
    }
    author.place(K::Active, door, 528, 160);
    author.place(K::Indicator, lives, 184, 8);
    author.place(K::Text, score, 8, 8);
    author.trajectory(1, {{440, 272, 10, 0, 0}, {496, 272, 10, 0, 0}});
    author.trajectory(2, {{360, 200, 5, 0, 0}, {360, 256, 5, 0, 0}});

    // Level 3 "Победа".
    author.openLevel(3);
    cover(author, sky, 128, 240, 320);
    author.place(K::Background, ground, 0, 288);
    author.place(K::Background, ground, 160, 288);
    author.place(K::Active, flag, 40, 264);
    author.place(K::Active, flag, 184, 264);
    author.place(K::Text, won, 64, 96);

    // Events. The level the author has open when adding an action is level 3.
    author.newEvent(levelStart());
    author.action(K::Active, hero, mode(author, hero, "управление игроком"));
    author.action(K::Active, beetle, mode(author, beetle, "перемещение по траектории", 1));
    author.action(K::Active, bat, mode(author, bat, "перемещение по траектории", 2));
    author.action(K::Indicator, lives,
                  indicatorAmount(author, lives, Expression(BuilderMode::EnterValue).keys("3")));
    author.special(SpecialCategory::Special,
                   setGlobal(author, 1, Expression(BuilderMode::SetGlobal).keys("0")));

    author.newEvent(always());
    author.action(
        K::Text, score,
        textWithValue(
            author, score, "Монеты: ",
            Expression(BuilderMode::TextWithValue).value("Глобальное значение").keys("1")));

    author.newEvent(collides(hero, coin));
    author.special(
        SpecialCategory::Special,
        setGlobal(author, 1,
                  Expression(BuilderMode::SetGlobal).value("Глобальное значение").keys("1+1")));
    author.action(K::Active, coin, hide(author, ActionMenu::Active, coin));

    // A beetle, the bat or the spikes hurt the hero and send him back to the start.
    const auto hurt = [&] {
        author.action(
            K::Active, hero,
            action(ActionMenu::Active, "урон/увеличить",
                   with(author.columnValues(hero), Expression(BuilderMode::EnterValue).keys("1"))));
        author.action(K::Active, hero,
                      action(ActionMenu::Active, "позиция/задать Х",
                             with(author.columnValues(hero),
                                  Expression(BuilderMode::EnterValue).keys("16"))));
    };
    author.newEvent(collides(hero, beetle));
    hurt();
    author.newEvent(collides(hero, bat));
    hurt();
    author.newEvent(touchesBackground(hero, spikes));
    hurt();

    // A hero who falls below the level is hurt too, and starts again on the ground.
    EntryValues fallen =
        Expression(BuilderMode::CompareWithValue).compare("Больше").keys("320").values();
    fallen.n = hero;
    author.newEvent(condition(ConditionMenu::Active,
                              "координаты/сравнение Y-координаты объекта со значением", fallen));
    hurt();
    author.action(
        K::Active, hero,
        action(ActionMenu::Active, "позиция/задать Y",
               with(author.columnValues(hero), Expression(BuilderMode::EnterValue).keys("264"))));

    // A hurt hero loses a life; without lives the level starts again.
    EntryValues hurtValues =
        Expression(BuilderMode::CompareWithValue).compare("Больше").keys("0").values();
    hurtValues.n = hero;
    author.newEvent(condition(ConditionMenu::Active, "урон", hurtValues));
    author.action(K::Active, hero,
                  action(ActionMenu::Active, "урон/обнулить", author.columnValues(hero)));
    author.action(K::Indicator, lives,
                  indicatorAmount(author, lives,
                                  Expression(BuilderMode::EnterValue)
                                      .object(K::Indicator, lives, "Значение равно...")
                                      .keys("-1")));
    author.newEvent(indicatorIs(lives, "0"));
    author.special(
        SpecialCategory::LevelChange,
        goToLevel(author, Expression(BuilderMode::EnterValue).value("Текущее значение уровня")));

    // The door leads to the next level; on the win screen key 5 starts again.
    author.newEvent(collides(hero, door));
    author.special(
        SpecialCategory::LevelChange,
        goToLevel(author,
                  Expression(BuilderMode::EnterValue).value("Текущее значение уровня").keys("+1")));
    author.newEvent(keyPressed("5"));
    author.addCondition(levelIs("Равно", "3"));
    author.special(SpecialCategory::LevelChange,
                   goToLevel(author, Expression(BuilderMode::EnterValue).keys("1")));
    author.openLevel(1);
}

// ---- Погоня ----------------------------------------------------------------------------

void makeChase(SampleAuthor& author) {
    author.midlet("Погоня", "Avizad", "1.0");
    author.level(1, "Пустыня", 480, 480);
    author.level(2, "Победа", 240, 320);

    const std::vector<int> row(8, 6);
    const int sand = author.background("песок", "ground.png", 3, 2,
                                       std::vector<std::vector<int>>(8, row), kBackdrop);
    const int wall =
        author.background("стена", "bricks.png", 4, 2, {std::vector<int>(8, 1)}, kObstacle);
    const int column = author.background("колонна", "bricks.png", 4, 2,
                                         std::vector<std::vector<int>>(8, {8}), kObstacle);

    author.openLevel(1);
    const int car = author.active("машина", "car.png", 4, 4,
                                  {{S::Idle, D::Right, {1}},
                                   {S::Idle, D::Up, {2}},
                                   {S::Idle, D::Left, {3}},
                                   {S::Idle, D::Down, {4}},
                                   {S::Move, D::Right, {1}},
                                   {S::Move, D::Up, {2}},
                                   {S::Move, D::Left, {3}},
                                   {S::Move, D::Down, {4}}},
                                  true, ControlType::Vehicle);
    const int bat = author.active("мышь", "bat.png", 4, 1, batAnimations());
    const int key = author.active("ключ", "key.png", 2, 1, everyDirection(S::Idle, {1, 1, 1, 2}));
    const int keys = author.indicator("ключи", "bar-green.png", 5);
    const int clock = author.text("время", {"Время: 60"}, {1, 1, true, kNavy});
    const int won =
        author.text("победа", {"Все ключи", "собраны!", "Нажмите 5,", "чтобы сыграть", "снова."},
                    {1, 1, true, kNavy});

    // Level 1 "Пустыня": walls around, a cross in the middle, keys along the edges.
    cover(author, sand, 128, 480, 480);
    for (const int x : {0, 128, 256, 384}) {
        author.place(K::Background, wall, x, 0);
        author.place(K::Background, wall, x, 464);
    }
    for (const int y : {16, 144, 272, 336}) {
        author.place(K::Background, column, 0, y);
        author.place(K::Background, column, 464, y);
    }
    author.place(K::Background, wall, 176, 232);
    author.place(K::Background, column, 232, 176);
    author.place(K::Active, car, 32, 424);
    for (const auto& [x, y] : {std::pair{96, 96}, {208, 312}, {96, 248}}) {
        author.place(K::Active, bat, x, y);
    }
    for (const auto& [x, y] :
         {std::pair{160, 432}, {320, 432}, {440, 296}, {440, 160}, {184, 24}}) {
        author.place(K::Active, key, x, y);
    }
    author.place(K::Indicator, keys, 184, 8);
    author.place(K::Text, clock, 8, 8);

    // Level 2 "Победа".
    author.openLevel(2);
    cover(author, sand, 128, 240, 320);
    author.place(K::Active, car, 104, 240);
    author.place(K::Text, won, 64, 80);

    author.newEvent(levelStart());
    author.action(K::Active, car, mode(author, car, "управление игроком"));
    author.action(K::Active, bat, mode(author, bat, "преследование", car));
    author.special(SpecialCategory::Special,
                   setGlobal(author, 1, Expression(BuilderMode::SetGlobal).keys("0")));

    // The countdown and the keys found so far.
    author.newEvent(always());
    author.action(K::Indicator, keys,
                  indicatorAmount(
                      author, keys,
                      Expression(BuilderMode::EnterValue).value("Глобальное значение").keys("1")));
    author.action(
        K::Text, clock,
        textWithValue(
            author, clock, "Время: ",
            Expression(BuilderMode::TextWithValue).keys("60-").value("Значение таймера, секунды")));

    author.newEvent(collides(car, key));
    author.special(
        SpecialCategory::Special,
        setGlobal(author, 1,
                  Expression(BuilderMode::SetGlobal).value("Глобальное значение").keys("1+1")));
    author.action(K::Active, key, hide(author, ActionMenu::Active, key));

    author.newEvent(indicatorIs(keys, "5"));
    author.special(
        SpecialCategory::LevelChange,
        goToLevel(author,
                  Expression(BuilderMode::EnterValue).value("Текущее значение уровня").keys("+1")));

    // Caught by a bat, or out of time: the level starts again.
    author.newEvent(collides(car, bat));
    author.special(
        SpecialCategory::LevelChange,
        goToLevel(author, Expression(BuilderMode::EnterValue).value("Текущее значение уровня")));
    author.newEvent(
        condition(ConditionMenu::Category5, "Таймер больше значения...", timerValues(1, 0, 0)));
    author.addCondition(levelIs("Равно", "1"));
    author.special(
        SpecialCategory::LevelChange,
        goToLevel(author, Expression(BuilderMode::EnterValue).value("Текущее значение уровня")));

    author.newEvent(keyPressed("5"));
    author.addCondition(levelIs("Равно", "2"));
    author.special(SpecialCategory::LevelChange,
                   goToLevel(author, Expression(BuilderMode::EnterValue).keys("1")));
    author.openLevel(1);
}

// ---- Пещера ----------------------------------------------------------------------------

void makeCave(SampleAuthor& author) {
    author.midlet("Пещера", "Avizad", "1.0");
    author.level(1, "Пещера", 240, 320);
    author.level(2, "Победа", 240, 320);
    author.level(3, "Поражение", 240, 320);

    const int dark =
        author.background("мрак", "bricks.png", 4, 2,
                          std::vector<std::vector<int>>(4, std::vector<int>(4, 6)), kBackdrop);
    const int vault =
        author.background("свод", "bricks.png", 4, 2, {std::vector<int>(15, 2)}, kObstacle);
    const int rock = author.background("скала", "bricks.png", 4, 2,
                                       std::vector<std::vector<int>>(18, {2}), kObstacle);

    author.openLevel(1);
    const int hunter = author.active("охотник", "person.png", 8, 3, personAnimations(), true,
                                     ControlType::PersonSide);
    const int bat = author.active("мышь", "bat.png", 4, 1, batAnimations());
    const int blast = author.active(
        "взрыв", "explosion.png", 6, 1,
        join(everyDirection(S::Idle, {1}), everyDirection(S::Destroy, {1, 2, 3, 4, 5, 6})));
    const int bullet =
        author.active("пуля", "bullet.png", 4, 1,
                      join(everyDirection(S::Idle, {2}), everyDirection(S::Move, {2})));
    const int health = author.indicator("здоровье", "bar.png", 3);
    const int downed = author.indicator("сбито", "bar-blue.png", 5);
    const int hint = author.text(
        "подсказка",
        {"Сбейте всех мышей!", "Стрелки: ходьба и прыжок.", "Клавиша 5: выстрел вверх."},
        {1, 1, true, kYellow});
    const int won = author.text(
        "победа", {"Победа!", "Все мыши сбиты.", "Нажмите 5,", "чтобы сыграть", "снова."},
        {1, 1, true, kWhite});
    const int lost =
        author.text("поражение", {"Мыши победили.", "Нажмите 5,", "чтобы сыграть", "снова."},
                    {1, 1, true, kWhite});

    // Level 1 "Пещера": stone all round, five bats, the hunter on the floor.
    cover(author, dark, 64, 240, 320);
    author.place(K::Background, vault, 0, 0);
    author.place(K::Background, vault, 0, 304);
    author.place(K::Background, rock, 0, 16);
    author.place(K::Background, rock, 224, 16);
    author.place(K::Active, hunter, 112, 280);
    for (const auto& [x, y] : {std::pair{40, 24}, {112, 24}, {184, 24}, {64, 136}, {152, 160}}) {
        author.place(K::Active, bat, x, y);
    }
    author.place(K::Active, blast, 104, 104);
    author.place(K::Active, bullet, 120, 264);
    author.place(K::Indicator, health, 8, 8);
    author.place(K::Indicator, downed, 184, 8);
    author.place(K::Text, hint, 24, 200);

    author.openLevel(2);
    cover(author, dark, 64, 240, 320);
    author.place(K::Text, won, 64, 112);
    author.openLevel(3);
    cover(author, dark, 64, 240, 320);
    author.place(K::Text, lost, 64, 112);
    author.openLevel(1);

    author.newEvent(levelStart());
    author.special(SpecialCategory::Special,
                   setGlobal(author, 1, Expression(BuilderMode::SetGlobal).keys("0")));
    author.action(K::Active, hunter, mode(author, hunter, "управление игроком"));
    author.action(K::Active, blast, hide(author, ActionMenu::Active, blast));
    author.action(K::Active, bullet, hide(author, ActionMenu::Active, bullet));
    author.action(K::Indicator, health,
                  indicatorAmount(author, health, Expression(BuilderMode::EnterValue).keys("3")));
    author.action(
        K::Text, hint,
        action(ActionMenu::Text, "размеры/ширина",
               with(author.columnValues(hint), Expression(BuilderMode::EnterValue).keys("200"))));

    author.newEvent(always());
    author.action(K::Indicator, downed,
                  indicatorAmount(
                      author, downed,
                      Expression(BuilderMode::EnterValue).value("Глобальное значение").keys("1")));

    // The explosion that a hit left standing plays once and goes.
    author.newEvent(condition(ConditionMenu::Active, "режим/спокойствие", of(blast)));
    author.action(K::Active, blast, mode(author, blast, "смерть"));

    // A bullet hits a bat: it falls, the explosion stands where the bullet was.
    author.newEvent(collides(bullet, bat));
    author.special(
        SpecialCategory::Special,
        setGlobal(author, 1,
                  Expression(BuilderMode::SetGlobal).value("Глобальное значение").keys("1+1")));
    author.special(SpecialCategory::Sound,
                   action(ActionMenu::Sound, "Воспроизвести файл", author.sound("hit.wav")));
    author.action(K::Active, bat, mode(author, bat, "смерть"));
    author.action(K::Active, blast,
                  action(ActionMenu::Active, "позиция/задать Х",
                         with(author.columnValues(blast),
                              Expression(BuilderMode::EnterValue)
                                  .object(K::Active, bullet, "Текущая позиция /Х-координата")
                                  .keys("-8"))));
    author.action(K::Active, blast,
                  action(ActionMenu::Active, "позиция/задать Y",
                         with(author.columnValues(blast),
                              Expression(BuilderMode::EnterValue)
                                  .object(K::Active, bullet, "Текущая позиция /Y-координата")
                                  .keys("-8"))));
    author.action(K::Active, blast,
                  action(ActionMenu::Active, "видимость/видимый", author.columnValues(blast)));
    author.action(K::Active, blast, mode(author, blast, "спокойствие"));
    author.action(K::Active, bullet, hide(author, ActionMenu::Active, bullet));

    // A bat that sees the hunter near attacks him.
    author.newEvent(condition(ConditionMenu::Active, "обнаружение объекта",
                              detectionValues(bat, 0, 150, hunter)));
    author.action(K::Active, bat, mode(author, bat, "атака", hunter));

    // The bullet stops at the vault.
    author.newEvent(touchesBackground(bullet, vault));
    author.action(K::Active, bullet, hide(author, ActionMenu::Active, bullet));

    // Key 5 shoots: the bullet leaves the hunter's head upwards.
    author.newEvent(keyPressed("5"));
    author.addCondition(levelIs("Равно", "1"));
    author.special(SpecialCategory::Sound,
                   action(ActionMenu::Sound, "Воспроизвести файл", author.sound("shot.wav")));
    author.action(K::Active, bullet,
                  action(ActionMenu::Active, "позиция/задать Х",
                         with(author.columnValues(bullet),
                              Expression(BuilderMode::EnterValue)
                                  .object(K::Active, hunter, "Текущая позиция /Х-координата")
                                  .keys("+4"))));
    author.action(K::Active, bullet,
                  action(ActionMenu::Active, "позиция/задать Y",
                         with(author.columnValues(bullet),
                              Expression(BuilderMode::EnterValue)
                                  .object(K::Active, hunter, "Текущая позиция /Y-координата"))));
    author.action(K::Active, bullet,
                  action(ActionMenu::Active, "видимость/видимый", author.columnValues(bullet)));
    author.action(K::Active, bullet,
                  action(ActionMenu::Active, "притяжение/вверх", author.columnValues(bullet)));

    // A bat's bite costs health; without health the bats have won.
    EntryValues bitten =
        Expression(BuilderMode::CompareWithValue).compare("Больше").keys("0").values();
    bitten.n = hunter;
    author.newEvent(condition(ConditionMenu::Active, "урон", bitten));
    author.action(K::Active, hunter,
                  action(ActionMenu::Active, "урон/обнулить", author.columnValues(hunter)));
    author.action(K::Indicator, health,
                  indicatorAmount(author, health,
                                  Expression(BuilderMode::EnterValue)
                                      .object(K::Indicator, health, "Значение равно...")
                                      .keys("-1")));
    author.newEvent(indicatorIs(health, "0"));
    author.special(SpecialCategory::LevelChange,
                   goToLevel(author, Expression(BuilderMode::EnterValue).keys("3")));
    author.newEvent(indicatorIs(downed, "5"));
    author.special(SpecialCategory::LevelChange,
                   goToLevel(author, Expression(BuilderMode::EnterValue).keys("2")));

    // The hint goes after six seconds; on the last screens key 5 starts again.
    author.newEvent(
        condition(ConditionMenu::Category5, "Таймер больше значения...", timerValues(0, 6, 0)));
    author.action(K::Text, hint, hide(author, ActionMenu::Text, hint));
    author.newEvent(keyPressed("5"));
    author.addCondition(levelIs("Больше", "1"));
    author.special(SpecialCategory::LevelChange,
                   goToLevel(author, Expression(BuilderMode::EnterValue).keys("1")));
}

const std::vector<SampleGame>& sampleGames() {
    static const std::vector<SampleGame> games = {
        {"Платформер.yrk", "sample-platformer.html", makePlatformer},
        {"Погоня.yrk", "sample-chase.html", makeChase},
        {"Пещера.yrk", "sample-cave.html", makeCave},
    };
    return games;
}

namespace {

// A mono 8-bit 8000 Hz wav of `samples` (0..255).
std::string wav(const std::vector<int>& samples) {
    std::string out = "RIFF";
    const auto le = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    const auto n = static_cast<std::uint32_t>(samples.size());
    le(36 + n, 4);
    out += "WAVEfmt ";
    le(16, 4);
    le(1, 2);     // PCM
    le(1, 2);     // mono
    le(8000, 4);  // samples per second
    le(8000, 4);  // bytes per second
    le(1, 2);     // block
    le(8, 2);     // bits
    out += "data";
    le(n, 4);
    for (const int s : samples) {
        out += static_cast<char>(std::clamp(s, 0, 255));
    }
    return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> sampleSounds() {
    // A shot: a square wave falling from 1200 to 300 Hz in 0.12 s.
    std::vector<int> shot;
    double phase = 0;
    for (int i = 0; i < 960; ++i) {
        const double t = i / 960.0;
        phase += (1200 - 900 * t) / 8000.0;
        const int level = static_cast<int>(90 * (1 - t));
        shot.push_back(128 + ((phase - std::floor(phase)) < 0.5 ? level : -level));
    }
    // A hit: noise dying away in 0.3 s, from a fixed seed so the file is always the same.
    std::vector<int> hit;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 2400; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double fade = 1 - i / 2400.0;
        hit.push_back(128 + static_cast<int>((static_cast<int>((seed >> 16) & 0xFF) - 128) * fade));
    }
    return {{"hit.wav", wav(hit)}, {"shot.wav", wav(shot)}};
}

void writeSamples(const std::filesystem::path& images, const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    // The sounds are chosen in a folder of their own, as an author chooses a file.
    std::random_device seed;
    const fs::path sounds =
        fs::temp_directory_path() / ("avizad-sample-sounds-" + std::to_string(seed()));
    fs::create_directories(sounds);
    for (const auto& [name, bytes] : sampleSounds()) {
        std::ofstream(sounds / name, std::ios::binary) << bytes;
    }
    fs::create_directories(folder);
    for (const auto& [name, _] : sampleSounds()) {
        fs::remove(folder / "res" / name);  // the sound action keeps an existing file
    }
    for (const SampleGame& game : sampleGames()) {
        SampleAuthor author(images, sounds, folder);
        game.make(author);
        saveProject(author.project(), folder / fs::u8path(game.file));
    }
    fs::remove_all(sounds);
}

}  // namespace avizad::samples

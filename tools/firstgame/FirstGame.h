#pragma once
// The first game of the help page "Первая игра за 10 минут", made as the page tells an
// author to: through the editor's own widgets, with mouse clicks and drags (Qt's test
// events), the buttons and menu items a click triggers, and the answers an author gives
// in the file dialogs. The ground is painted from tiles, the hero walks under the arrow
// keys ("Человек ВС" and the level-start event of the active editor's button), a coin
// stands on the ground, and one event makes the coin vanish when the hero touches it.
//
// `make screenshots` takes the page's pictures while it runs the steps, and the end-to-end
// test builds and plays the game the steps make, so the page stays true to the program.

#include <QRect>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace avizad {

class MainWindow;

namespace firstgame {

// Where the page's objects stand on the level (240 x 320, level pixels).
inline constexpr int kGroundY = 288;  // the ground: 15 x 2 tiles of 16 pixels
inline constexpr int kHeroX = 32;     // the hero, placed on a grid cell above the ground
inline constexpr int kHeroY = 256;
inline constexpr int kCoinX = 160;  // the coin, standing on the ground
inline constexpr int kCoinY = 272;

class FirstGame {
public:
    // Called at each picture of the page with its file name ("first-game-2-ground"), the
    // widget it shows and the part of it that matters (in the widget's coordinates; a null
    // rectangle: all of it).
    using Picture = std::function<void(const QString& name, QWidget& shown, const QRect& part)>;

    // The editor of the program in `programDir` (its System folder, with the toolkit for
    // compile()), its window shown; the pictures come from `images` (the starter
    // pictures), the project is saved as `projectFile`.
    FirstGame(std::filesystem::path programDir, std::filesystem::path images,
              std::filesystem::path projectFile, Picture picture = {});
    ~FirstGame();
    FirstGame(const FirstGame&) = delete;
    FirstGame& operator=(const FirstGame&) = delete;

    MainWindow& window() { return *window_; }

    // The steps of the page in order. Each throws std::runtime_error naming what an author
    // would not have found (a menu item, an object) or the message the editor showed.
    // 1. "Создать проект", then "Сохранить" under projectFile.
    void newProject();
    // 2. Background "земля" from ground.png (3 x 2 tiles), a map of 15 x 2 cells painted with
    //    two strokes (grass, then earth), "Препятствие", "Создать объект".
    void makeGround();
    // 3. Active "герой" from person.png (8 frames), "сделать фон прозрачным", "Человек ВС",
    //    "Создать объект".
    void makeHero();
    // 4. The hero opened again ("Настройки" in the catalogue), "Добавить событие": the
    //    level-start event that puts him under the keys.
    void addControlEvent();
    // 5. Active "монета" from coin.png (6 frames), transparent, no control.
    void makeCoin();
    // 6. "Размещение объектов": the ground, the hero and the coin placed with double clicks
    //    in the palette and clicks on the canvas.
    void placeObjects();
    // 7. "События": a new event "столкновение" of the hero with the coin (chosen by name in
    //    the dialog), the action "невидимый" in the coin's column.
    void writeCollisionEvent();
    // 8. "Компиляция": waits for the build's end (at most `seconds`); true when the archive
    //    was made.
    bool compile(int seconds = 180);
    // All the steps up to the event, then "Сохранить".
    void makeAll();

    // The archive "Компиляция" makes: System/bin/<MIDlet name>.jar.
    std::filesystem::path jar() const;

private:
    void picture(const QString& name, QWidget& shown, const QRect& part = {});
    // The part of the window from the central panel's left edge to its right edge, from
    // its top down to `bottom` (a point of `below`).
    QRect rightOfLevels(QWidget* below, int bottom) const;
    // Throws when the editor showed a message since the last check.
    void checkQuiet(const char* step);

    struct Answers;
    std::filesystem::path programDir_;
    std::filesystem::path images_;
    std::filesystem::path projectFile_;
    Picture picture_;
    std::unique_ptr<Answers> answers_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace firstgame
}  // namespace avizad

#pragma once
// Builds a project the way an author does in the editor, through the same core
// functions the editor's widgets call: the object editors' drafts (a picture of images/
// cut into tiles or frames, the map painted tile by tile, frames picked into the
// animation table), the level properties, the level canvas's placing and trajectory
// editing, and the events editor's table operations fed by the catalogue entries with
// the values their dialogs give (the expression builder filled key by key and with its
// value words). Nothing is written into the project by hand, so a sample holds exactly
// what the editor would have made. A refused step throws std::runtime_error.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "events/BuiltText.h"
#include "events/CatalogueEntry.h"
#include "events/EntryValues.h"
#include "events/EventTableEditor.h"
#include "events/ExpressionBuilder.h"
#include "level/PlacementEditor.h"
#include "model/Project.h"
#include "model/Settings.h"

namespace avizad::samples {

// The expression builder as the author fills it: the keypad's keys, the value words of
// "значение" and "объект", the comparison list, the global number and the row text.
class Expression {
public:
    explicit Expression(BuilderMode mode);

    // Makes the left (right) field the active one, as a click on it does; the right
    // field is active from the start.
    Expression& left();
    Expression& right();
    // Presses the keypad button of every character of `typed` ("60-", "+1").
    Expression& keys(std::string_view typed);
    // A word of "значение", by its menu path: "Значение таймера, секунды",
    // "размер экрана/высота".
    Expression& value(std::string_view path);
    // A word of "объект" for object type n of a kind: "Текущая позиция /Х-координата".
    Expression& object(ObjectKind kind, int n, std::string_view path);
    // The comparison list's entry by caption ("Больше").
    Expression& compare(std::string_view caption);
    Expression& global(int k);
    // The row text of mode "строка со значением", typed (UTF-8).
    Expression& rowText(std::string_view text);

    // The values the entry receives after "Да".
    EntryValues values() const;

private:
    ExpressionBuilder builder_;
};

// The style of the text editor: "Тип" 1..3, "Размер" 0..2, "Жирный", "Цвет:".
struct TextStyle {
    int kind = 1;
    int size = 1;
    bool bold = true;
    Color color = rgb(0, 0, 0);
};

// One row of the animation table of the active editor: the frames (1-based) picked into
// positions 1.. of a state and a direction.
struct Animation {
    AnimationState state;
    Direction direction;
    std::vector<int> frames;
};

// The same frames for every direction of a state.
std::vector<Animation> everyDirection(AnimationState state, std::vector<int> frames);

class SampleAuthor {
public:
    // `images`: the folder of the starter pictures; `sounds`: the folder the sound
    // files are chosen from; `projectDir`: where the project is saved (its res folder
    // receives the chosen sounds).
    SampleAuthor(std::filesystem::path images, std::filesystem::path sounds,
                 std::filesystem::path projectDir);

    Project& project() { return project_; }

    // "Настройки MIDlet".
    void midlet(std::string_view name, std::string_view vendor, std::string_view version);

    // --- Object editors (each returns the new type's number) --------------------------
    // The background editor: tile set `picture` cut into across x down tiles, the map
    // painted row by row (tile numbers, 0 empty), the kind 0 neutral, 1 obstacle, 2 ladder.
    int background(std::string_view name, std::string_view picture, int across, int down,
                   const std::vector<std::vector<int>>& map, int kind);
    // The active editor: the strip cut into `frames` frames, the animation table, the
    // speed of "Перемещения", "сделать фон прозрачным" and the control type for the
    // level open on the canvas.
    int active(std::string_view name, std::string_view picture, int frames, int speed,
               const std::vector<Animation>& animations, bool transparent = true,
               ControlType control = ControlType::None);
    // The control type of an active type on the level open on the canvas, as the active
    // editor's choice buttons and "Сохранить изменения" set it.
    void controlType(int active, ControlType control);
    int indicator(std::string_view name, std::string_view picture, int amount);
    int text(std::string_view name, std::initializer_list<std::string_view> lines,
             const TextStyle& style);

    // --- Levels panel and level canvas ------------------------------------------------
    // The level properties dialog for level `number` (1 changes the first level, the
    // next number appends one); the level is opened on the canvas.
    void level(int number, std::string_view name, int width, int height);
    void openLevel(int number);
    // A placement of type `type` at (x, y) of the open level: armed in the palette, the
    // pointer moved there, a click (the canvas's grid is 8 pixels).
    void place(ObjectKind kind, int type, int x, int y);
    // Trajectory `number` of the open level: its points clicked in order, then each
    // point's wait d1, speed d2 and end mark d3 set.
    void trajectory(int number, std::initializer_list<TrajectoryPoint> points);

    // --- Events editor ----------------------------------------------------------------
    // A catalogue entry built with the values its dialog gave; a refused entry throws.
    static BuiltText entry(CatalogueMenu menu, std::string_view path, const EntryValues& values);
    // "Новое событие" with its condition; "добавить условие" to the new event.
    void newEvent(const BuiltText& condition);
    void addCondition(const BuiltText& condition);
    // "Новое действие" in the column of an object type of a kind, or of a special category.
    void action(ObjectKind kind, int type, const BuiltText& action);
    void special(SpecialCategory category, const BuiltText& action);
    // The values an action entry starts from in a column (n, and the level open).
    EntryValues columnValues(int type) const;
    // The sound file dialog's values for `file` of the sounds folder: the file is copied
    // into the project's res folder.
    EntryValues sound(std::string_view file) const;

private:
    Project project_;
    std::filesystem::path images_;
    std::filesystem::path sounds_;
    std::filesystem::path projectDir_;
    Settings settings_;
    PlacementEditor canvas_;
};

// The values of the dialogs the condition entries open.
EntryValues keyValues(std::string_view keyName);
EntryValues timerValues(int minutes, int seconds, int hundredths);
EntryValues numberValues(int n, int m);
EntryValues detectionValues(int n, int minimum, int maximum, int m);

}  // namespace avizad::samples

#pragma once
// The events editor's logic over the project's event table: the selection of a
// grid cell, the commit of a condition for a new event, joined to the selected
// event's condition or replacing it, adding an action to the selected cell (with
// the "else" toggle),
// deleting an action and deleting the last event. The widget converts mouse
// positions to grid cells, shows what click() returns, opens the menus of
// ConditionCatalogue and ActionCatalogue, and hands their results here.
//
// Model texts are Windows-1251; the captions below and every refusal message are
// UTF-8 for the user interface.

#include <string>
#include <string_view>
#include <vector>

#include "events/ActionCatalogue.h"
#include "events/BuiltText.h"
#include "events/EditResult.h"
#include "events/EntryValues.h"
#include "model/Project.h"

namespace avizad {

// What the condition panel is for.
enum class ConditionMode {
    New,      // the condition of a new event
    Add,      // joined to the condition of the selected event with "&" / " и "
    Replace,  // replaces the condition of the selected event, its actions stay
};

// What a mouse-up on the grid shows.
struct CellClick {
    bool conditionPopup = false;  // "добавить условие" / "заменить условие" at the mouse
    bool cellList = false;  // the cell list is shown
    // The cell list: the captions of the cell's actions (Windows-1251) and, last,
    // "Новое действие" (Windows-1251).
    std::vector<std::string> entries;
    int actionCount = 0;  // entries before "Новое действие" (shownActionCount)
};

class EventTableEditor {
public:
    // User interface captions (UTF-8).
    static constexpr std::string_view kTitle = "Управление событиями";
    static constexpr std::string_view kElseCaption = "else";
    static constexpr std::string_view kNewActionCaption = "Новое действие";
    static constexpr std::string_view kAddConditionCaption = "добавить условие";
    static constexpr std::string_view kReplaceConditionCaption = "заменить условие";
    static constexpr std::string_view kDeleteActionCaption = "Удалить";
    // Hints of the editor's tool buttons (UTF-8).
    static constexpr std::string_view kNewEventHint = "Новое событие";
    static constexpr std::string_view kDeleteLastEventHint = "Удалить последнее событие";
    static constexpr std::string_view kSpecialHint =
        "Специальные действия (края экрана, звук, уровни, управление)";
    static constexpr std::string_view kElseHint = "Новые действия выполняются, когда условие ложно";
    // Names of the undoable edits (UTF-8).
    static constexpr std::string_view kNewEventEdit = "Новое событие";
    static constexpr std::string_view kAddConditionEdit = "Добавление условия";
    static constexpr std::string_view kReplaceConditionEdit = "Замена условия";
    static constexpr std::string_view kNewActionEdit = "Новое действие";
    static constexpr std::string_view kElseActionEdit = "Новое действие «иначе»";
    static constexpr std::string_view kDeleteActionEdit = "Удаление действия";
    static constexpr std::string_view kDeleteEventEdit = "Удаление события";
    // What "else" puts in front of an action's caption and code.
    static constexpr std::string_view kElseCaptionPrefix = "иначе ";  // UTF-8; stored as 1251
    static constexpr std::string_view kElseCodePrefix = "}else{";

    // Grid geometry in pixels.
    static constexpr int kNumberColumnWidth = 25;
    static constexpr int kConditionColumnWidth = 448;
    static constexpr int kCellWidth = 25;
    static constexpr int kRowHeight = 25;  // plus a 1-pixel line

    // The editor's state besides the table: toggles, kind, condition mode, selection.
    struct State {
        bool special = false;
        bool elseDown = false;
        ObjectKind kind = ObjectKind::Background;
        ConditionMode mode = ConditionMode::New;
        int selectedEvent = 0;
        int selectedColumn = 0;
    };

    // An editor that changes `project`.
    explicit EventTableEditor(Project& project);
    // An editor that only looks: selection, grid and menus work, the table operations
    // are refused silently. A widget keeps one over the document's project and runs
    // each change on an editing copy that takes over its state.
    explicit EventTableEditor(const Project& project);

    const State& state() const { return state_; }
    void setState(const State& state) { state_ = state; }

    // --- State the widget sets --------------------------------------------------
    bool specialToggle() const { return state_.special; }
    void setSpecialToggle(bool down) { state_.special = down; }
    bool elseToggle() const { return state_.elseDown; }
    void setElseToggle(bool down) { state_.elseDown = down; }
    // The kind chosen in the object catalogue (the main window's currentKind).
    ObjectKind currentKind() const { return state_.kind; }
    void setCurrentKind(ObjectKind kind) { state_.kind = kind; }
    ConditionMode conditionMode() const { return state_.mode; }
    void setConditionMode(ConditionMode mode) { state_.mode = mode; }

    int selectedEvent() const { return state_.selectedEvent; }
    // 0 = the condition column; 1..4 special categories or 1..n object types.
    int selectedColumn() const { return state_.selectedColumn; }
    // selectedColumn and selectedColumn - 1 as decimal text.
    std::string objectNumber() const { return std::to_string(state_.selectedColumn); }
    std::string objectNumberZeroBased() const { return std::to_string(state_.selectedColumn - 1); }

    // --- Grid -------------------------------------------------------------------
    // Columns of the grid: number, condition, then 4 special categories or one per type.
    int columnCount() const;
    // Rows of the grid: the header and one per event.
    int rowCount() const { return table().eventCount + 1; }
    // The action list shown in a grid cell (column >= 2, row >= 1); nullptr outside.
    const ActionList* cellActions(int column, int row) const;
    // The condition caption of a row's event (status bar); empty outside the events.
    std::string conditionCaption(int row) const;

    // Mouse-up on grid cell (column, row): selects it and tells what to show.
    CellClick click(int column, int row);
    // The add-action menu of the selected column ("Новое действие").
    ActionMenu actionMenu() const;
    // The values an action entry of the selected column starts from: n = selectedColumn,
    // level = the project's currentLevel.
    EntryValues actionValues() const;

    // --- Table operations ---------------------------------------------------------
    // Whether a new event fits; refused with a message when the table holds 50 events.
    EditResult checkNewEvent() const;
    // Stores a condition built by a condition entry according to conditionMode. An empty
    // caption (a cancelled dialog) stores nothing and is refused silently.
    EditResult commitCondition(const BuiltText& condition);
    // Adds an action to the selected cell, behind "иначе " / "}else{" when the else toggle
    // is down. Refused with a message when the list holds 50 actions or the column is an
    // object type above 30; silently when no cell is selected.
    EditResult addAction(const BuiltText& action);
    // Deletes action `index` (1-based) of the selected cell; the following ones move up.
    EditResult deleteAction(int index);
    // Deletes the last event; false when the table is empty.
    bool deleteLastEvent();
    // Empties the table (a new project).
    void clear();

private:
    // Only for an editing editor.
    EventTable& editTable() { return project_->eventTable; }
    const EventTable& table() const { return view_->eventTable; }
    bool editable() const { return project_ != nullptr; }
    // The list of a column (1-based: special category or type) of an event; nullptr when
    // there is none.
    ActionList* list(int event, int column);
    const ActionList* list(int event, int column) const;

    const Project* view_;
    Project* project_;  // nullptr: a looking editor
    State state_;
};

}  // namespace avizad

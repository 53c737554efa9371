#pragma once
// The events editor panel "Управление событиями": its tool buttons (new event,
// delete the last event, the special toggle and the "else" toggle), the events grid,
// the condition panel, the cell list with "Новое действие" and the pop-ups. It reads
// the table through a looking EventTableEditor and makes every change one command of
// the document.

#include <QWidget>
#include <functional>
#include <string_view>

#include "events/EventTableEditor.h"
#include "events/ui/EntryRunner.h"
#include "shell/Prompts.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace avizad {

class ConditionPanel;
class EventGrid;
class ProjectDocument;
struct ProjectParts;

class EventsEditor : public QWidget {
    Q_OBJECT

public:
    EventsEditor(ProjectDocument& document, Prompts prompts, QWidget* parent = nullptr);

    const EventTableEditor& view() const { return view_; }
    EventGrid* grid() const { return grid_; }
    ConditionPanel* conditionPanel() const { return panel_; }
    QListWidget* cellList() const { return cellList_; }
    QAction* newEventButton() const { return newEvent_; }
    QAction* deleteEventButton() const { return deleteEvent_; }
    QAction* specialToggle() const { return special_; }
    QAction* elseToggle() const { return else_; }
    // The pop-up menu opened last: the condition pop-up, "Удалить" or an add-action
    // menu (nullptr before any).
    QMenu* openMenu() const { return menu_; }
    EntryRunner& runner() { return runner_; }

    // Mouse up on grid cell (column, row) at a point of the grid.
    void clickCell(int column, int row, const QPoint& at = {});
    // A click on entry i (0-based) of the cell list.
    void clickCellList(int entry);
    // Redraws the grid.
    void refresh();

private:
    void newEventPressed();
    void deleteLastEvent();
    void openConditionPanel(ConditionMode mode);
    void conditionChosen(const CatalogueEntry* entry, int n, ObjectKind kind);
    void actionChosen(const CatalogueEntry& entry);
    void deleteAction(int index);
    void hideCellList();
    // A fresh pop-up menu in place of the last one; the caller fills and shows it.
    QMenu* newPopup();
    // Runs a table operation on the project as one command named `name`; a refusal with
    // a reason is shown. The editor's state follows the operation's.
    bool change(std::string_view name, const ProjectParts& parts,
                const std::function<EditResult(EventTableEditor&)>& operation);

    ProjectDocument& document_;
    Prompts prompts_;
    EventTableEditor view_;
    EntryRunner runner_;
    EventGrid* grid_ = nullptr;
    ConditionPanel* panel_ = nullptr;
    QListWidget* cellList_ = nullptr;
    QAction* newEvent_ = nullptr;
    QAction* deleteEvent_ = nullptr;
    QAction* special_ = nullptr;
    QAction* else_ = nullptr;
    QMenu* menu_ = nullptr;
    int shownActionCount_ = 0;
};

}  // namespace avizad

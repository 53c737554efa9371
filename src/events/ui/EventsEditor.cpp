#include "events/ui/EventsEditor.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "document/ProjectDocument.h"
#include "events/ui/CatalogueMenus.h"
#include "events/ui/ConditionPanel.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventIcons.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

using Editor = EventTableEditor;

}  // namespace

EventsEditor::EventsEditor(ProjectDocument& document, Prompts prompts, QWidget* parent)
    : QWidget(parent),
      document_(document),
      prompts_(std::move(prompts)),
      view_(document.project()),
      runner_(document, prompts_, this) {
    setObjectName("eventsEditor");
    view_.setCurrentKind(document.values().currentKind);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, EventGrid::kFixedColor);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* title = new QLabel(QString::fromUtf8(Editor::kTitle), this);
    title->setStyleSheet("font-weight: bold; background: #3a62aa; color: white; padding: 3px;");
    layout->addWidget(title);

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(24, 24));
    newEvent_ = bar->addAction(EventIcons::icon(EventIcon::AddEvent),
                               QString::fromUtf8(Editor::kNewEventHint));
    deleteEvent_ = bar->addAction(EventIcons::icon(EventIcon::DeleteEvent),
                                  QString::fromUtf8(Editor::kDeleteLastEventHint));
    bar->addSeparator();
    special_ = bar->addAction(EventIcons::icon(EventIcon::Special),
                              QString::fromUtf8(Editor::kSpecialHint));
    special_->setCheckable(true);
    else_ = bar->addAction(QString::fromUtf8(Editor::kElseCaption));
    else_->setCheckable(true);
    else_->setToolTip(QString::fromUtf8(Editor::kElseHint));
    layout->addWidget(bar);
    connect(newEvent_, &QAction::triggered, this, &EventsEditor::newEventPressed);
    connect(deleteEvent_, &QAction::triggered, this, &EventsEditor::deleteLastEvent);
    connect(special_, &QAction::toggled, this, [this](bool down) {
        view_.setSpecialToggle(down);
        hideCellList();
        refresh();
    });
    connect(else_, &QAction::toggled, this, [this](bool down) {
        view_.setElseToggle(down);
        refresh();
    });

    auto* body = new QHBoxLayout;
    body->setSpacing(2);
    grid_ = new EventGrid(document.project(), view_, this);
    body->addWidget(grid_, 1);
    panel_ = new ConditionPanel(document.project(), this);
    panel_->hide();
    body->addWidget(panel_);
    layout->addLayout(body, 1);
    connect(grid_, &EventGrid::cellReleased, this,
            [this](int column, int row, const QPoint& at) { clickCell(column, row, at); });
    connect(grid_, &EventGrid::hoveredRow, this, [this](int row) {
        const QString caption = fromModel(view_.conditionCaption(row));
        grid_->setToolTip(caption);
        if (QWidget* top = window(); top != nullptr) {
            QStatusTipEvent tip(caption);
            QCoreApplication::sendEvent(top, &tip);
        }
    });
    connect(panel_, &ConditionPanel::entryChosen, this, &EventsEditor::conditionChosen);

    cellList_ = new QListWidget(this);
    cellList_->setObjectName("cellList");
    cellList_->hide();
    connect(cellList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { clickCellList(cellList_->row(item)); });

    connect(&document_, &ProjectDocument::eventsChanged, this, &EventsEditor::refresh);
    connect(&document_, &ProjectDocument::projectReplaced, this, [this] {
        hideCellList();
        panel_->hide();
        grid_->dropPictures();
        refresh();
    });
    connect(&document_, &ProjectDocument::typesChanged, this, [this](ObjectKind) {
        grid_->dropPictures();
        if (panel_->isVisible()) {
            panel_->start();
        }
        refresh();
    });
    connect(&document_, &ProjectDocument::currentKindChanged, this, [this](ObjectKind kind) {
        view_.setCurrentKind(kind);
        hideCellList();
        refresh();
    });
}

void EventsEditor::refresh() {
    grid_->refresh();
}

bool EventsEditor::change(std::string_view name, const ProjectParts& parts,
                          const std::function<EditResult(EventTableEditor&)>& operation) {
    EditResult result = EditResult::refused({});
    EventTableEditor::State after = view_.state();
    document_.edit(QString::fromUtf8(name), parts, [&](Project& project) {
        EventTableEditor editor(project);
        editor.setState(view_.state());
        result = operation(editor);
        after = editor.state();
        return result.done();
    });
    view_.setState(after);
    if (!result.done() && !result.message().empty()) {
        prompts_.showInfo(this, QString::fromStdString(result.message()));
    }
    refresh();
    return result.done();
}

void EventsEditor::newEventPressed() {
    hideCellList();
    if (panel_->isVisible()) {
        panel_->hide();
    } else if (const EditResult check = view_.checkNewEvent(); !check) {
        prompts_.showInfo(this, QString::fromStdString(check.message()));
    } else {
        openConditionPanel(ConditionMode::New);
    }
    refresh();
}

void EventsEditor::openConditionPanel(ConditionMode mode) {
    view_.setConditionMode(mode);
    panel_->start();
    panel_->show();
}

void EventsEditor::deleteLastEvent() {
    hideCellList();
    const int last = document_.project().eventCount();
    if (last < 1) {
        return;
    }
    change(Editor::kDeleteEventEdit, ProjectParts().withAllEvents(), [](EventTableEditor& editor) {
        return editor.deleteLastEvent() ? EditResult::ok() : EditResult::refused({});
    });
}

void EventsEditor::conditionChosen(const CatalogueEntry* entry, int n, ObjectKind kind) {
    const ConditionMode mode = view_.conditionMode();
    if (mode == ConditionMode::New) {
        // A full table is refused before any dialog asks for a value.
        if (const EditResult check = view_.checkNewEvent(); !check) {
            prompts_.showInfo(this, QString::fromStdString(check.message()));
            return;
        }
    }
    EntryValues values;
    values.n = n;
    if (kind == ObjectKind::Background && n >= 1 && n <= document_.project().backgroundCount) {
        values.name = document_.project().backgrounds[n].name;
    }
    const std::optional<BuiltText> built =
        runner_.run(*entry, values, n >= 1 ? std::optional<ObjectKind>(kind) : std::nullopt);
    if (!built) {
        return;  // cancelled: nothing is committed, the panel stays
    }
    const int event =
        mode == ConditionMode::New ? document_.project().eventCount() + 1 : view_.selectedEvent();
    ProjectParts parts;
    parts.withEvent(event);
    std::string_view name = Editor::kNewEventEdit;
    if (mode == ConditionMode::New) {
        parts.withAllEvents();  // the number of events as well; the history keeps only changes
    } else {
        name =
            mode == ConditionMode::Add ? Editor::kAddConditionEdit : Editor::kReplaceConditionEdit;
    }
    const BuiltText condition = *built;
    if (change(name, parts,
               [&](EventTableEditor& editor) { return editor.commitCondition(condition); })) {
        panel_->hide();
        grid_->showRow(view_.selectedEvent());
    }
}

QMenu* EventsEditor::newPopup() {
    if (menu_ != nullptr) {
        menu_->close();
        menu_->deleteLater();
    }
    menu_ = new QMenu(this);
    menu_->setObjectName("eventsPopup");
    return menu_;
}

void EventsEditor::clickCell(int column, int row, const QPoint& at) {
    const CellClick click = view_.click(column, row);
    const QPoint global = grid_->mapToGlobal(at);
    if (click.conditionPopup) {
        QMenu* menu = newPopup();
        connect(menu->addAction(QString::fromUtf8(Editor::kAddConditionCaption)),
                &QAction::triggered, this, [this] { openConditionPanel(ConditionMode::Add); });
        connect(menu->addAction(QString::fromUtf8(Editor::kReplaceConditionCaption)),
                &QAction::triggered, this, [this] { openConditionPanel(ConditionMode::Replace); });
        menu->popup(global);
    }
    hideCellList();
    if (click.cellList) {
        for (const std::string& entry : click.entries) {
            cellList_->addItem(fromModel(entry));
        }
        shownActionCount_ = click.actionCount;
        const int lineHeight = std::max(15, cellList_->fontMetrics().height() + 2);
        const int width = std::max(160, cellList_->sizeHintForColumn(0) + 12);
        const int height = lineHeight * cellList_->count() + 4;
        QPoint place = grid_->mapTo(this, at) + QPoint(4, 8);
        place.setX(std::min(place.x(), std::max(0, this->width() - width)));
        cellList_->setGeometry(QRect(place, QSize(width, height)));
        cellList_->show();
        cellList_->raise();
    }
    refresh();
}

void EventsEditor::clickCellList(int entry) {
    if (entry < 0 || entry >= cellList_->count()) {
        return;
    }
    const QPoint global = cellList_->viewport()->mapToGlobal(
        cellList_->visualItemRect(cellList_->item(entry)).center());
    QMenu* menu = newPopup();
    if (entry < shownActionCount_) {
        connect(menu->addAction(QString::fromUtf8(Editor::kDeleteActionCaption)),
                &QAction::triggered, this, [this, entry] { deleteAction(entry + 1); });
    } else {
        CatalogueMenus::fill(menu, ActionCatalogue::menu(view_.actionMenu()),
                             [this](const CatalogueEntry& chosen) { actionChosen(chosen); });
    }
    menu->popup(global);
}

void EventsEditor::actionChosen(const CatalogueEntry& entry) {
    // The builder's value words start from the column's object; special columns have none.
    const std::optional<ObjectKind> kind =
        view_.specialToggle() ? std::nullopt : std::optional<ObjectKind>(view_.currentKind());
    const std::optional<BuiltText> built = runner_.run(entry, view_.actionValues(), kind);
    if (!built) {
        return;
    }
    const BuiltText action = *built;
    const int event = view_.selectedEvent();
    if (change(view_.elseToggle() ? Editor::kElseActionEdit : Editor::kNewActionEdit,
               ProjectParts().withEvent(event),
               [&](EventTableEditor& editor) { return editor.addAction(action); })) {
        hideCellList();
    }
}

void EventsEditor::deleteAction(int index) {
    if (change(Editor::kDeleteActionEdit, ProjectParts().withEvent(view_.selectedEvent()),
               [index](EventTableEditor& editor) { return editor.deleteAction(index); })) {
        hideCellList();
    }
}

void EventsEditor::hideCellList() {
    cellList_->hide();
    cellList_->clear();
    shownActionCount_ = 0;
}

}  // namespace avizad

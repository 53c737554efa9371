// A monkey over the editor: random edits of every kind the editors make, driven through the
// project document as the widgets drive them (the same operations, edit names and declared
// parts), with undo and redo at random points, on the showcase project.
//
// After every step the history must hold: an edit the document did not record changed
// nothing, and undo and redo give back exactly the state each command left (compared by the
// project file text). Every 100 steps the project is saved, read back and must be the same.
// A failure names the seed, the step and the edit. The run is AVIZAD_MONKEY_STEPS steps
// (500 by default; `make soak` runs 5000) from seed AVIZAD_MONKEY_SEED (fixed by default).

#include <gtest/gtest.h>
#include <unistd.h>

#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "document/ProjectDocument.h"
#include "editors/ActiveDraft.h"
#include "editors/BackgroundDraft.h"
#include "editors/IndicatorDraft.h"
#include "editors/TextDraft.h"
#include "events/ConditionCatalogue.h"
#include "events/EventTableEditor.h"
#include "level/PlacementEditor.h"
#include "model/CatalogueOperations.h"
#include "model/Cp1251.h"
#include "model/LevelOperations.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

unsigned long environmentNumber(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

class Monkey {
public:
    Monkey(unsigned long seed, fs::path folder)
        : random_(static_cast<std::mt19937::result_type>(seed)),
          folder_(std::move(folder)),
          document_(folder_) {
        document_.replaceProject(
            readProjectFile(fs::path(AVIZAD_SOURCE_DIR) / "tests" / "fixtures" / "showcase.yrk"));
        history_.push_back(text());
    }

    const Project& project() const { return document_.project(); }
    std::string text() const { return projectFileText(project()); }

    // One random step; returns what it did.
    std::string step() {
        struct Edit {
            const char* name;
            int weight;
            void (Monkey::*run)();
        };
        static const Edit kEdits[] = {
            {"undo", 8, &Monkey::undo},
            {"redo", 4, &Monkey::redo},
            {"new level", 2, &Monkey::newLevel},
            {"level properties", 3, &Monkey::levelProperties},
            {"move level", 3, &Monkey::moveLevel},
            {"delete level", 1, &Monkey::deleteLevelEdit},
            {"move object type", 3, &Monkey::moveType},
            {"delete object type", 1, &Monkey::deleteType},
            {"background editor", 3, &Monkey::backgroundEditor},
            {"active editor", 3, &Monkey::activeEditor},
            {"indicator editor", 2, &Monkey::indicatorEditor},
            {"text editor", 2, &Monkey::textEditor},
            {"place", 8, &Monkey::place},
            {"drag", 6, &Monkey::drag},
            {"delete placement", 3, &Monkey::deletePlacement},
            {"trajectory", 5, &Monkey::trajectory},
            {"new event", 4, &Monkey::newEvent},
            {"change condition", 2, &Monkey::changeCondition},
            {"new action", 8, &Monkey::newAction},
            {"delete action", 3, &Monkey::deleteAction},
            {"delete last event", 1, &Monkey::deleteLastEvent},
            {"screen colour", 1, &Monkey::screenColour},
            {"MIDlet settings", 1, &Monkey::midletSettings},
        };
        int total = 0;
        for (const Edit& edit : kEdits) {
            total += edit.weight;
        }
        int roll = pick(1, total);
        for (const Edit& edit : kEdits) {
            roll -= edit.weight;
            if (roll <= 0) {
                done_ = edit.name;
                (this->*edit.run)();
                return done_;
            }
        }
        return {};
    }

    // Saves the project, reads it back and compares.
    void checkSaveAndReload() {
        const fs::path file = folder_ / "monkey.yrk";
        saveProject(project(), file);
        const Project reloaded = readProjectFile(file);
        EXPECT_EQ(projectFileText(reloaded), text()) << "saved and reloaded";
    }

    int commands() const { return document_.undoStack()->count(); }
    // How often each edit was recorded and refused.
    void printCounts() const {
        std::map<std::string, std::pair<int, int>> counts;
        for (const auto& [text, count] : recorded_) {
            counts[text].first = count;
        }
        for (const auto& [text, count] : refused_) {
            counts[text].second = count;
        }
        for (const auto& [text, count] : counts) {
            std::printf("  %s: recorded %d, refused %d\n", text.c_str(), count.first, count.second);
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }
    ObjectKind anyKind() { return kAllKinds[pick(0, 3)]; }
    // A kind with at least one type, or false.
    bool usedKind(ObjectKind& kind) {
        for (int tries = 0; tries < 8; ++tries) {
            kind = anyKind();
            if (project().typeCount(kind) > 0) {
                return true;
            }
        }
        return false;
    }
    int anyLevel() { return pick(1, project().levelCount); }
    // A Windows-1251 name: Latin and Cyrillic letters, digits, blanks and signs.
    std::string name() {
        static const std::string kLetters = utf8ToCp1251("abcxyzАБВжэюя0123456789 -_.№«»");
        std::string result;
        const int length = pick(1, 12);
        for (int i = 0; i < length; ++i) {
            result += kLetters[static_cast<std::size_t>(pick(0, int(kLetters.size()) - 1))];
        }
        return result;
    }
    Image picture(int width, int height) {
        Image image(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, rgb(pick(0, 255), pick(0, 255), pick(0, 255)));
            }
        }
        return image;
    }

    // One edit through the document, and the history it must leave.
    void edit(std::string_view text, const ProjectParts& parts,
              const std::function<bool(Project&)>& change, int mergeKey = 0) {
        done_ += " (" + std::string(text) + ")";
        const bool recorded =
            document_.edit(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                           parts, change, mergeKey);
        const int index = document_.undoStack()->index();
        ++(recorded ? recorded_ : refused_)[std::string(text)];
        if (recorded) {
            history_.resize(static_cast<std::size_t>(index) + 1);
            history_[static_cast<std::size_t>(index)] = this->text();
        } else {
            ASSERT_EQ(this->text(), history_[static_cast<std::size_t>(index)])
                << "an edit the history did not record changed the project";
        }
    }

    void undo() {
        if (!document_.undoStack()->canUndo()) {
            return;
        }
        document_.undoStack()->undo();
        ASSERT_EQ(text(), history_[static_cast<std::size_t>(document_.undoStack()->index())])
            << "undo did not give back the state before the command";
    }
    void redo() {
        if (!document_.undoStack()->canRedo()) {
            return;
        }
        document_.undoStack()->redo();
        ASSERT_EQ(text(), history_[static_cast<std::size_t>(document_.undoStack()->index())])
            << "redo did not give back the state after the command";
    }

    // --- Levels panel and level properties -----------------------------------------------

    LevelProperties levelValues() {
        return {name(), pick(kMinLevelSize - 50, 2000), pick(kMinLevelSize, 2000)};
    }
    void newLevel() {
        if (!canAppendLevel(project())) {
            return;
        }
        const int level = project().levelCount + 1;
        const LevelProperties properties = levelValues();
        edit("Создание уровня", ProjectParts().withAllLevels(), [&](Project& p) {
            return applyLevelProperties(p, level, properties) != LevelPropertiesResult::Refused;
        });
    }
    void levelProperties() {
        const int level = anyLevel();
        const LevelProperties properties = levelValues();
        edit("Свойства уровня", ProjectParts().withAllLevels(), [&](Project& p) {
            const Level before = p.levels[level];
            return applyLevelProperties(p, level, properties) == LevelPropertiesResult::Appended ||
                   !(p.levels[level] == before);
        });
    }
    void moveLevel() {
        document_.setCurrentLevel(anyLevel());
        const bool up = chance(50);
        edit("Перемещение уровня", ProjectParts().withAllLevels(),
             [&](Project& p) { return up ? moveLevelUp(p) : moveLevelDown(p); });
    }
    void deleteLevelEdit() {
        document_.setCurrentLevel(anyLevel());
        edit("Удаление уровня", ProjectParts().withAllLevels(),
             [](Project& p) { return deleteLevel(p); });
    }

    // --- Object catalogue ----------------------------------------------------------------

    void moveType() {
        ObjectKind kind{};
        if (!usedKind(kind)) {
            return;
        }
        const int type = pick(1, project().typeCount(kind));
        const bool up = chance(50);
        edit("Перемещение объекта", ProjectParts().withTypes(kind).withAllEvents().withAllLevels(),
             [&](Project& p) {
                 return up ? moveObjectTypeUp(p, kind, type) : moveObjectTypeDown(p, kind, type);
             });
    }
    void deleteType() {
        ObjectKind kind{};
        if (!usedKind(kind)) {
            return;
        }
        const int type = pick(1, project().typeCount(kind));
        edit("Удаление объекта", ProjectParts().withTypes(kind).withAllEvents().withAllLevels(),
             [&](Project& p) { return deleteObjectType(p, kind, type); });
    }

    // --- The object editors: a new type, or a changed one --------------------------------

    // The type an editor changes (an existing one), or 0 for a new one; -1 when the table
    // is full and nothing can be made.
    int editedType(ObjectKind kind) {
        const int count = project().typeCount(kind);
        if (count > 0 && chance(50)) {
            return pick(1, count);
        }
        return count < typeCapacity(kind) ? 0 : -1;
    }
    void store(ObjectKind kind, int type, const ProjectParts& parts,
               const std::function<void(Project&, int)>& write) {
        edit(type == 0 ? "Создание объекта" : "Изменение объекта", parts, [&](Project& p) {
            write(p, type == 0 ? ++p.typeCountRef(kind) : type);
            return true;
        });
    }
    void backgroundEditor() {
        const int type = editedType(ObjectKind::Background);
        if (type < 0) {
            return;
        }
        BackgroundDraft draft;
        if (type > 0) {
            draft.open(project().backgrounds[type]);
        }
        draft.name = name();
        draft.kind = pick(0, 2);
        if (type == 0 || chance(30)) {
            draft.tilesAcross = pick(1, 3);
            draft.tilesDown = pick(1, 2);
            draft.loadImage(picture(8 * draft.tilesAcross, 8 * draft.tilesDown));
        }
        draft.columns = pick(1, 6);
        draft.rows = pick(1, 4);
        for (int i = pick(0, 6); i > 0; --i) {
            draft.selectedTile = pick(1, draft.tilesAcross * draft.tilesDown);
            draft.paint(pick(1, draft.columns), pick(1, draft.rows), chance(80));
        }
        store(ObjectKind::Background, type, ProjectParts().withTypes(ObjectKind::Background),
              [&](Project& p, int t) { draft.storeInto(p.backgrounds[t]); });
    }
    void activeEditor() {
        const int type = editedType(ObjectKind::Active);
        if (type < 0) {
            return;
        }
        ActiveDraft draft;
        if (type > 0) {
            const Project& p = project();
            const int level =
                p.currentLevel >= 1 && p.currentLevel <= p.levelCount ? p.currentLevel : 0;
            draft.open(p.actives[type], level > 0 ? p.levels[level].controlType[type] : 0);
        }
        draft.name = name();
        if (type == 0 || chance(30)) {
            draft.frameCount = pick(1, 4);
            draft.strip = picture(6 * draft.frameCount, 6);
        }
        draft.moveSpeed = pick(1, 10);
        draft.transparentBackground = chance(50);
        draft.controlType = pick(0, 3);
        for (int i = pick(0, 4); i > 0; --i) {
            draft.pickedFrame = pick(1, draft.frameCount);
            draft.direction = static_cast<Direction>(pick(1, 4));
            draft.state = static_cast<AnimationState>(pick(1, 4));
            draft.assign(pick(1, kAnimationSteps));
        }
        // As the active editor: the control type goes to the current level, if one is chosen.
        document_.setCurrentLevel(pick(0, project().levelCount));
        const Project& p = project();
        const bool withControl =
            draft.controlType > 0 && p.currentLevel >= 1 && p.currentLevel <= p.levelCount;
        ProjectParts parts = ProjectParts().withTypes(ObjectKind::Active);
        if (withControl) {
            parts.withLevel(p.currentLevel);
        }
        store(ObjectKind::Active, type, parts, [&](Project& q, int t) {
            draft.storeInto(q.actives[t]);
            if (withControl) {
                q.levels[q.currentLevel].controlType[t] = draft.controlType;
            }
        });
    }
    void indicatorEditor() {
        const int type = editedType(ObjectKind::Indicator);
        if (type < 0) {
            return;
        }
        IndicatorDraft draft;
        if (type > 0) {
            draft.open(project().indicators[type]);
        }
        if (type == 0 || chance(30)) {
            draft.loadImage(picture(2 * pick(1, 8), pick(1, 4)), folder_ / "bar.png");
        }
        draft.name = name();
        draft.amount = pick(1, 100);
        store(ObjectKind::Indicator, type, ProjectParts().withTypes(ObjectKind::Indicator),
              [&](Project& p, int t) { draft.storeInto(p.indicators[t]); });
    }
    void textEditor() {
        const int type = editedType(ObjectKind::Text);
        if (type < 0) {
            return;
        }
        TextDraft draft;
        if (type > 0) {
            draft.open(project().texts[type]);
        }
        draft.name = name();
        draft.kind = pick(1, 3);
        draft.size = pick(0, 2);
        draft.bold = chance(50);
        draft.colorG = pick(0, 255);
        draft.lines.clear();
        for (int i = pick(0, kMaxTextLines); i > 0; --i) {
            draft.lines.push_back(name());
        }
        store(ObjectKind::Text, type, ProjectParts().withTypes(ObjectKind::Text),
              [&](Project& p, int t) { draft.storeInto(p.texts[t]); });
    }

    // --- The level canvas -----------------------------------------------------------------

    // A canvas position on level `level` at the view's zoom.
    int canvas(int levelPixels) const { return toCanvas(levelPixels, placer_.view().zoom); }
    void normalMode() { placer_.view().editMode = EditMode::Normal; }

    void place() {
        ObjectKind kind{};
        if (!usedKind(kind)) {
            return;
        }
        normalMode();
        placer_.view().zoom = pick(0, 3) == 0 ? 50 : 100;
        const int level = anyLevel();
        const Level& shown = project().levels[level];
        placer_.arm(project(), level, kind, pick(1, project().typeCount(kind)));
        placer_.track(document_.settings(), level, canvas(pick(0, shown.width)),
                      canvas(pick(0, shown.height)));
        Refusal refusal = Refusal::None;
        const std::optional<NewPlacement> made = placer_.place(project(), level, refusal);
        placer_.disarm(level);
        if (made) {
            edit("Размещение объекта", ProjectParts().withLevel(level), [&](Project& p) {
                addPlacement(p, level, *made);
                return true;
            });
        }
    }
    // A placement of some kind on some level: false when the chosen level has none.
    bool anyPlacement(int& level, ObjectKind& kind, int& index) {
        level = anyLevel();
        kind = anyKind();
        const int count = project().levels[level].placements(kind).count();
        if (count == 0) {
            return false;
        }
        index = pick(1, count);
        return true;
    }
    // Presses the pointer on a placement as the canvas does; its position in canvas pixels.
    void pressOn(int level, ObjectKind kind, int index, int& x, int& y) {
        const Placement& placement = project().levels[level].placements(kind)[index];
        x = canvas(placement.x) + 1;
        y = canvas(placement.y) + 1;
        placer_.press(project(), level, x, y);
    }
    void drag() {
        int level = 0;
        ObjectKind kind{};
        int index = 0;
        if (!anyPlacement(level, kind, index)) {
            return;
        }
        normalMode();
        int x = 0;
        int y = 0;
        pressOn(level, kind, index, x, y);
        if (placer_.dragging(level)) {
            const int key = document_.newMergeKey();
            for (int i = pick(1, 6); i > 0; --i) {
                x += pick(-40, 40);
                y += pick(-40, 40);
                const std::optional<PlacementMove> move =
                    placer_.dragTo(project(), level, document_.settings(), x, y, chance(80));
                if (move) {
                    edit(
                        "Перемещение размещения", ProjectParts().withLevel(level),
                        [&](Project& p) {
                            movePlacement(p, level, *move);
                            return true;
                        },
                        key);
                }
                placer_.track(document_.settings(), level, x, y);
            }
        }
        placer_.release(level, false);
    }
    void deletePlacement() {
        int level = 0;
        ObjectKind kind{};
        int index = 0;
        if (!anyPlacement(level, kind, index)) {
            return;
        }
        normalMode();
        int x = 0;
        int y = 0;
        pressOn(level, kind, index, x, y);
        placer_.release(level, chance(50));
        const PlacementRef selected = placer_.selected();
        if (selected.index != 0) {
            edit("Удаление размещения", ProjectParts().withLevel(level),
                 [&](Project& p) { return avizad::deletePlacement(p, level, selected); });
        }
        placer_.clearSelection();
    }
    void trajectory() {
        const int level = anyLevel();
        Refusal refusal = Refusal::None;
        if (!placer_.chooseTrajectory(pick(1, kEditableTrajectories), refusal)) {
            return;
        }
        const Level& shown = project().levels[level];
        switch (pick(1, 4)) {
            case 1:
            case 2:
                edit("Точка траектории", ProjectParts().withLevel(level), [&](Project& p) {
                    return placer_.appendPoint(p, level, canvas(pick(0, shown.width)),
                                               canvas(pick(0, shown.height)), refusal);
                });
                break;
            case 3: {
                const int points =
                    shown.trajectories[placer_.view().currentTrajectory].pointCount();
                const int point = pick(1, std::max(points, 1));
                const int which = pick(1, 3);
                const int value = pick(0, 10);
                edit("Направление точки траектории", ProjectParts().withLevel(level),
                     [&](Project& p) {
                         return placer_.setDirection(p, level, point, which, value);
                     });
                break;
            }
            default:
                edit("Удаление точки траектории", ProjectParts().withLevel(level),
                     [&](Project& p) { return placer_.deleteLastPoint(p, level); });
        }
        normalMode();
    }

    // --- The events editor ----------------------------------------------------------------

    // Values a dialog could return for an entry of object type n.
    EntryValues entryValues(int n) {
        EntryValues v;
        v.n = n;
        v.m = pick(1, 5);
        v.a = pick(0, 50);
        v.b = v.a + pick(1, 100);
        v.keyName = "venter";
        v.keyCode = std::to_string(pick(-7, 57));
        v.milliseconds = pick(1, 600) * 10;
        v.timeText = "0/" + std::to_string(v.milliseconds / 1000) + "/0";
        v.builderCaption = utf8ToCp1251("> ширина+") + std::to_string(pick(0, 9));
        v.builderCode = ">width+" + std::to_string(pick(0, 9));
        v.level = project().currentLevel;
        v.file = "boom.wav";
        v.contentType = "audio/x-wav";
        return v;
    }
    // A random entry of a menu that adds something, or nullptr.
    const CatalogueEntry* anyEntry(CatalogueMenu menu) {
        std::vector<const CatalogueEntry*> entries;
        for (const CatalogueEntry& entry : menu) {
            if (entry.addsSomething()) {
                entries.push_back(&entry);
            }
        }
        return entries.empty()
                   ? nullptr
                   : entries[static_cast<std::size_t>(pick(0, int(entries.size()) - 1))];
    }
    // A condition as the condition panel builds one, or false.
    bool anyCondition(BuiltText& condition) {
        const ConditionMenu menus[] = {ConditionMenu::Category1,  ConditionMenu::Category3,
                                       ConditionMenu::Category4,  ConditionMenu::Category5,
                                       ConditionMenu::Background, ConditionMenu::Active,
                                       ConditionMenu::Text,       ConditionMenu::Indicator};
        const ConditionMenu menu = menus[pick(0, 7)];
        const CatalogueEntry* entry = anyEntry(ConditionCatalogue::menu(menu));
        const EntryValues values = entryValues(pick(1, 3));
        if (entry == nullptr || !entry->refusal(values).empty()) {
            return false;
        }
        condition = entry->build(values);
        return true;
    }
    // An edit of the event table as the events editor makes it, from `state`.
    void eventEdit(std::string_view text, const ProjectParts& parts,
                   const std::function<EditResult(EventTableEditor&)>& operation) {
        edit(text, parts, [&](Project& p) {
            EventTableEditor editor(p);
            editor.setState(events_);
            const EditResult result = operation(editor);
            events_ = editor.state();
            return result.done();
        });
    }
    // Selects grid cell (column, event) as a click does.
    void click(int column, int event) {
        EventTableEditor looking(project());
        looking.setState(events_);
        looking.click(column, event);
        events_ = looking.state();
    }
    void newEvent() {
        BuiltText condition;
        if (!anyCondition(condition)) {
            return;
        }
        events_.mode = ConditionMode::New;
        const int event = project().eventCount() + 1;
        eventEdit(EventTableEditor::kNewEventEdit,
                  ProjectParts().withEvent(std::min(event, kMaxEvents)).withAllEvents(),
                  [&](EventTableEditor& editor) {
                      const EditResult check = editor.checkNewEvent();
                      return check ? editor.commitCondition(condition) : check;
                  });
    }
    void changeCondition() {
        BuiltText condition;
        if (project().eventCount() == 0 || !anyCondition(condition)) {
            return;
        }
        const int event = pick(1, project().eventCount());
        click(1, event);
        const bool add = chance(50);
        events_.mode = add ? ConditionMode::Add : ConditionMode::Replace;
        eventEdit(
            add ? EventTableEditor::kAddConditionEdit : EventTableEditor::kReplaceConditionEdit,
            ProjectParts().withEvent(event),
            [&](EventTableEditor& editor) { return editor.commitCondition(condition); });
    }
    // Selects a random action cell of a random event; false when there is no event.
    bool anyCell(int& event) {
        if (project().eventCount() == 0) {
            return false;
        }
        event = pick(1, project().eventCount());
        events_.special = chance(30);
        events_.kind = anyKind();
        const int columns = events_.special
                                ? kSpecialCategories
                                : std::min(project().typeCount(events_.kind), kActionColumns);
        if (columns == 0) {
            return false;
        }
        click(1 + pick(1, columns), event);
        return true;
    }
    void newAction() {
        int event = 0;
        if (!anyCell(event)) {
            return;
        }
        events_.elseDown = chance(20);
        EventTableEditor looking(project());
        looking.setState(events_);
        const CatalogueEntry* entry = anyEntry(ActionCatalogue::menu(looking.actionMenu()));
        if (entry == nullptr) {
            return;
        }
        EntryValues values = entryValues(looking.actionValues().n);
        values.level = looking.actionValues().level;
        const BuiltText action = entry->build(values);
        eventEdit(
            events_.elseDown ? EventTableEditor::kElseActionEdit : EventTableEditor::kNewActionEdit,
            ProjectParts().withEvent(event),
            [&](EventTableEditor& editor) { return editor.addAction(action); });
    }
    void deleteAction() {
        int event = 0;
        if (!anyCell(event)) {
            return;
        }
        EventTableEditor looking(project());
        looking.setState(events_);
        const ActionList* actions =
            looking.cellActions(events_.selectedColumn + 1, events_.selectedEvent);
        if (actions == nullptr || actions->count() == 0) {
            return;
        }
        const int index = pick(1, actions->count());
        eventEdit(EventTableEditor::kDeleteActionEdit, ProjectParts().withEvent(event),
                  [&](EventTableEditor& editor) { return editor.deleteAction(index); });
    }
    void deleteLastEvent() {
        if (project().eventCount() < 1) {
            return;
        }
        eventEdit(EventTableEditor::kDeleteEventEdit, ProjectParts().withAllEvents(),
                  [](EventTableEditor& editor) {
                      return editor.deleteLastEvent() ? EditResult::ok() : EditResult::refused({});
                  });
    }

    // --- Settings and MIDlet settings -----------------------------------------------------

    void screenColour() {
        const Color colour = rgb(pick(0, 255), pick(0, 255), pick(0, 255));
        edit("Цвет экрана", ProjectParts().withScreenColor(), [&](Project& p) {
            if (p.screenColor == colour) {
                return false;
            }
            p.screenColor = colour;
            return true;
        });
    }
    void midletSettings() {
        const std::string midletName = "Game" + std::to_string(pick(0, 99));
        const std::string version = "1." + std::to_string(pick(0, 9));
        edit("Настройки мидлета", ProjectParts().withMidlet(), [&](Project& p) {
            const bool changed = p.midletName != midletName || p.midletVersion != version;
            p.midletName = midletName;
            p.midletVersion = version;
            return changed;
        });
    }

    std::mt19937 random_;
    fs::path folder_;
    ProjectDocument document_;
    PlacementEditor placer_;
    EventTableEditor::State events_;
    // The project file text at each index of the undo stack (0: before the first command).
    std::vector<std::string> history_;
    std::string done_;
    std::map<std::string, int> recorded_;
    std::map<std::string, int> refused_;
};

TEST(EditorMonkey, RandomEditsUndoRedoAndReloadWithoutALoss) {
    const unsigned long seed = environmentNumber("AVIZAD_MONKEY_SEED", 20261210);
    const unsigned long steps = environmentNumber("AVIZAD_MONKEY_STEPS", 500);
    std::printf("monkey: seed %lu, %lu steps (AVIZAD_MONKEY_SEED, AVIZAD_MONKEY_STEPS)\n", seed,
                steps);
    const fs::path folder =
        fs::temp_directory_path() /
        ("avizad-monkey-" + std::to_string(::getpid()) + "-" + std::to_string(seed));
    fs::create_directories(folder);
    {
        Monkey monkey(seed, folder);
        for (unsigned long step = 1; step <= steps; ++step) {
            const std::string done = monkey.step();
            if (!::testing::Test::HasFailure() && (step % 100 == 0 || step == steps)) {
                monkey.checkSaveAndReload();
            }
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << ": " << done;
                break;
            }
        }
        std::printf("monkey: %d commands in the history at the end; the edits:\n",
                    monkey.commands());
        monkey.printCounts();
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace avizad

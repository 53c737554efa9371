#include "SampleAuthor.h"

#include <optional>
#include <stdexcept>

#include "editors/ActiveDraft.h"
#include "editors/BackgroundDraft.h"
#include "editors/IndicatorDraft.h"
#include "editors/TextDraft.h"
#include "events/ActionCatalogue.h"
#include "events/PhoneKeys.h"
#include "events/SoundFile.h"
#include "events/TimerSetting.h"
#include "events/ValueTokens.h"
#include "model/Cp1251.h"
#include "model/LevelOperations.h"
#include "model/MidletSettings.h"
#include "model/Png.h"

namespace avizad::samples {

namespace {

[[noreturn]] void refuse(const std::string& what) {
    throw std::runtime_error(what);
}

// The token of a value word by its menu path ("размер экрана/высота").
std::string valueWord(std::span<const ValueToken> menu, std::string_view path, int n) {
    std::vector<std::string_view> open;
    for (const ValueToken& token : menu) {
        open.resize(static_cast<std::size_t>(token.depth));
        std::string full;
        for (std::string_view part : open) {
            full += std::string(part) + "/";
        }
        full += std::string(token.caption);
        if (token.subMenu) {
            open.push_back(token.caption);
        } else if (full == path && !token.disabled && token.token != nullptr) {
            return token.text(n);
        }
    }
    refuse("no value word " + std::string(path));
}

}  // namespace

Expression::Expression(BuilderMode mode) : builder_(mode) {
    builder_.setActiveField(ExpressionBuilder::Field::Right);
}

Expression& Expression::left() {
    builder_.setActiveField(ExpressionBuilder::Field::Left);
    return *this;
}

Expression& Expression::right() {
    builder_.setActiveField(ExpressionBuilder::Field::Right);
    return *this;
}

Expression& Expression::keys(std::string_view typed) {
    for (const char c : typed) {
        bool found = false;
        for (const KeypadButton& key : ExpressionBuilder::keypad()) {
            if (key.token.size() == 1 && key.token[0] == c) {
                builder_.append(key.token);
                found = true;
            }
        }
        if (!found) {
            refuse(std::string("no keypad key ") + c);
        }
    }
    return *this;
}

Expression& Expression::value(std::string_view path) {
    builder_.append(valueWord(ValueTokens::general(), path, 0));
    return *this;
}

Expression& Expression::object(ObjectKind kind, int n, std::string_view path) {
    builder_.append(valueWord(ValueTokens::objectMenu(kind), path, n));
    return *this;
}

Expression& Expression::compare(std::string_view caption) {
    const auto list = ExpressionBuilder::comparisons();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].caption == caption) {
            builder_.setComparison(static_cast<int>(i));
            return *this;
        }
    }
    refuse("no comparison " + std::string(caption));
}

Expression& Expression::global(int k) {
    builder_.setGlobalNumber(k);
    return *this;
}

Expression& Expression::rowText(std::string_view text) {
    builder_.setRowText(utf8ToCp1251(text));
    return *this;
}

EntryValues Expression::values() const {
    EntryValues values;
    values.setBuilderResult(builder_.confirm());
    values.rowText = builder_.rowText();
    return values;
}

std::vector<Animation> everyDirection(AnimationState state, std::vector<int> frames) {
    std::vector<Animation> rows;
    for (const Direction d : {Direction::Right, Direction::Up, Direction::Left, Direction::Down}) {
        rows.push_back({state, d, frames});
    }
    return rows;
}

SampleAuthor::SampleAuthor(std::filesystem::path images, std::filesystem::path sounds,
                           std::filesystem::path projectDir)
    : images_(std::move(images)), sounds_(std::move(sounds)), projectDir_(std::move(projectDir)) {
    // The canvas's grid: 8 pixels, so placements land where the levels are laid out.
    settings_.gridWidth = 8;
    settings_.gridHeight = 8;
}

void SampleAuthor::midlet(std::string_view name, std::string_view vendor,
                          std::string_view version) {
    project_.midletName = utf8ToCp1251(name);
    project_.midletVendor = utf8ToCp1251(vendor);
    project_.midletVersion = utf8ToCp1251(version);
    const std::string problem = midletSettingsProblem(project_);
    if (!problem.empty()) {
        refuse(problem);
    }
}

int SampleAuthor::background(std::string_view name, std::string_view picture, int across, int down,
                             const std::vector<std::vector<int>>& map, int kind) {
    BackgroundDraft draft;
    draft.startNew(utf8ToCp1251(name));
    draft.loadImage(readPng(images_ / picture));
    draft.tilesAcross = across;
    draft.tilesDown = down;
    draft.rows = static_cast<int>(map.size());
    draft.columns = static_cast<int>(map.front().size());
    for (int r = 1; r <= draft.rows; ++r) {
        for (int c = 1; c <= draft.columns; ++c) {
            draft.selectedTile =
                map[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            draft.paint(c, r, draft.selectedTile != 0);
        }
    }
    draft.kind = kind;
    draft.name = utf8ToCp1251(name);
    if (project_.backgroundCount >= kMaxBackgroundTypes) {
        refuse("background table full");
    }
    const int created = ++project_.backgroundCount;
    draft.storeInto(project_.backgrounds[created]);
    return created;
}

int SampleAuthor::active(std::string_view name, std::string_view picture, int frames, int speed,
                         const std::vector<Animation>& animations, bool transparent,
                         ControlType control) {
    ActiveDraft draft;
    draft.startNew(utf8ToCp1251(name));
    draft.strip = readPng(images_ / picture);
    draft.frameCount = frames;
    draft.moveSpeed = speed;
    draft.transparentBackground = transparent;
    for (const Animation& a : animations) {
        draft.state = a.state;
        draft.direction = a.direction;
        for (std::size_t p = 0; p < a.frames.size(); ++p) {
            draft.pickedFrame = a.frames[p];
            draft.assign(static_cast<int>(p) + 1);
        }
    }
    draft.name = utf8ToCp1251(name);
    if (project_.activeCount >= kMaxActiveTypes) {
        refuse("active table full");
    }
    const int created = ++project_.activeCount;
    draft.storeInto(project_.actives[created]);
    if (control != ControlType::None) {
        controlType(created, control);
    }
    return created;
}

void SampleAuthor::controlType(int active, ControlType control) {
    const int level = project_.currentLevel;
    if (level < 1 || level > project_.levelCount) {
        refuse("no level open for the control type");
    }
    project_.levels[level].controlType[active] = static_cast<int>(control);
}

int SampleAuthor::indicator(std::string_view name, std::string_view picture, int amount) {
    IndicatorDraft draft;
    draft.startNew(utf8ToCp1251(name));
    draft.loadImage(readPng(images_ / picture), images_ / picture);
    draft.amount = amount;
    draft.name = utf8ToCp1251(name);
    if (project_.indicatorCount >= kMaxIndicatorTypes) {
        refuse("indicator table full");
    }
    draft.storeInto(project_.indicators[++project_.indicatorCount]);
    return project_.indicatorCount;
}

int SampleAuthor::text(std::string_view name, std::initializer_list<std::string_view> lines,
                       const TextStyle& style) {
    TextDraft draft;
    draft.startNew(utf8ToCp1251(name));
    draft.kind = style.kind;
    draft.size = style.size;
    draft.bold = style.bold;
    draft.colorR = style.color & 0xFF;
    draft.colorG = (style.color >> 8) & 0xFF;
    draft.colorB = (style.color >> 16) & 0xFF;
    draft.name = utf8ToCp1251(name);
    for (std::string_view line : lines) {
        draft.lines.push_back(utf8ToCp1251(line));
    }
    if (project_.textCount >= kMaxTextTypes) {
        refuse("text table full");
    }
    draft.storeInto(project_.texts[++project_.textCount]);
    return project_.textCount;
}

void SampleAuthor::level(int number, std::string_view name, int width, int height) {
    const LevelPropertiesResult result =
        applyLevelProperties(project_, number, {utf8ToCp1251(name), width, height});
    if (result == LevelPropertiesResult::Refused) {
        refuse("level " + std::to_string(number) + " refused");
    }
    openLevel(number);
}

void SampleAuthor::openLevel(int number) {
    if (number < 1 || number > project_.levelCount) {
        refuse("no level " + std::to_string(number));
    }
    project_.currentLevel = number;
    canvas_.view().editMode = EditMode::Normal;
}

void SampleAuthor::place(ObjectKind kind, int type, int x, int y) {
    const int level = project_.currentLevel;
    canvas_.view().editMode = EditMode::Normal;
    canvas_.arm(project_, level, kind, type);
    canvas_.track(settings_, level, x, y);
    int sx = 0;
    int sy = 0;
    PlacementEditor::pointer(settings_, canvas_.view().zoom, x, y, true, sx, sy);
    Refusal refusal = Refusal::None;
    const std::optional<NewPlacement> made = canvas_.place(project_, level, refusal);
    if (sx != x || sy != y || !made) {
        refuse("placement at " + std::to_string(x) + ", " + std::to_string(y) + " refused");
    }
    // Added as the level canvas adds what a click places.
    addPlacement(project_, level, *made);
    canvas_.disarm(level);
}

void SampleAuthor::trajectory(int number, std::initializer_list<TrajectoryPoint> points) {
    const int level = project_.currentLevel;
    Refusal refusal = Refusal::None;
    if (!canvas_.chooseTrajectory(number, refusal)) {
        refuse("no trajectory " + std::to_string(number));
    }
    int index = 0;
    for (const TrajectoryPoint& p : points) {
        if (!canvas_.appendPoint(project_, level, p.x, p.y, refusal)) {
            refuse("trajectory point refused");
        }
        ++index;
        const int values[] = {p.d1, p.d2, p.d3};
        for (int which = 1; which <= 3; ++which) {
            if (values[which - 1] != 0) {
                canvas_.setDirection(project_, level, index, which, values[which - 1]);
            }
        }
    }
    canvas_.view().editMode = EditMode::Normal;
}

BuiltText SampleAuthor::entry(CatalogueMenu menu, std::string_view path,
                              const EntryValues& values) {
    const CatalogueEntry* found = findEntry(menu, path);
    if (found == nullptr || !found->addsSomething()) {
        refuse("no catalogue entry " + std::string(path));
    }
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (&menu[i] == found && (entryHidden(menu, i) || entryDisabled(menu, i))) {
            refuse("the menus do not offer " + std::string(path));
        }
    }
    if (const std::string refusal = found->refusal(values); !refusal.empty()) {
        refuse(refusal);
    }
    return found->build(values);
}

void SampleAuthor::newEvent(const BuiltText& condition) {
    EventTableEditor editor(project_);
    editor.setConditionMode(ConditionMode::New);
    if (const EditResult r = editor.commitCondition(condition); !r) {
        refuse("new event: " + r.message());
    }
}

void SampleAuthor::addCondition(const BuiltText& condition) {
    EventTableEditor editor(project_);
    editor.click(1, project_.eventTable.eventCount);
    editor.setConditionMode(ConditionMode::Add);
    if (const EditResult r = editor.commitCondition(condition); !r) {
        refuse("added condition: " + r.message());
    }
}

void SampleAuthor::action(ObjectKind kind, int type, const BuiltText& action) {
    EventTableEditor editor(project_);
    editor.setCurrentKind(kind);
    editor.click(type + 1, project_.eventTable.eventCount);
    if (const EditResult r = editor.addAction(action); !r) {
        refuse("action: " + r.message());
    }
}

void SampleAuthor::special(SpecialCategory category, const BuiltText& action) {
    EventTableEditor editor(project_);
    editor.setSpecialToggle(true);
    editor.click(static_cast<int>(category) + 1, project_.eventTable.eventCount);
    if (editor.actionMenu() != ActionCatalogue::specialMenu(category)) {
        refuse("special column");
    }
    if (const EditResult r = editor.addAction(action); !r) {
        refuse("special action: " + r.message());
    }
}

EntryValues SampleAuthor::columnValues(int type) const {
    EntryValues values;
    values.n = type;
    values.level = project_.currentLevel;
    return values;
}

EntryValues SampleAuthor::sound(std::string_view file) const {
    EntryValues values;
    values.setSound(SoundFile::prepare(sounds_ / file, projectDir_, projectDir_));
    return values;
}

EntryValues keyValues(std::string_view keyName) {
    const PhoneKey* key = PhoneKeys::byName(keyName);
    if (key == nullptr) {
        refuse("no key " + std::string(keyName));
    }
    EntryValues values;
    values.setKey(*key);
    return values;
}

EntryValues timerValues(int minutes, int seconds, int hundredths) {
    std::string error;
    const auto timer = TimerSetting::read(std::to_string(minutes), std::to_string(seconds),
                                          std::to_string(hundredths), error);
    if (!timer) {
        refuse(error);
    }
    EntryValues values;
    values.setTimer(*timer);
    return values;
}

EntryValues numberValues(int n, int m) {
    EntryValues values;
    values.n = n;
    values.m = m;
    return values;
}

EntryValues detectionValues(int n, int minimum, int maximum, int m) {
    EntryValues values;
    values.n = n;
    values.setDetection({minimum, maximum, m});
    return values;
}

}  // namespace avizad::samples

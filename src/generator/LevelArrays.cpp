#include "generator/LevelArrays.h"

#include "generator/JavaText.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace {

using Kind = LevelArrayKind;

std::string n(int value) {
    return javaNumber(value);
}

std::string literal(std::string_view content) {
    return "\"" + javaStringContent(content) + "\"";
}

int clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

std::string kindName(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return "фонового объекта";
        case ObjectKind::Active:
            return "активного объекта";
        case ObjectKind::Indicator:
            return "объекта-индикатора";
        case ObjectKind::Text:
            return "текстового объекта";
    }
    return "";
}

// ---- Elements that do not depend on the level: the fixed values of the game ----

std::string zero(const LevelSource&, int) {
    return "0";
}
std::string one(const LevelSource&, int) {
    return "1";
}
std::string yes(const LevelSource&, int) {
    return "true";
}
std::string hundred(const LevelSource&, int) {
    return "100";
}

// ---- Numbers of placements ----

template <ObjectKind kind>
std::string placementCount(const LevelSource& s, int) {
    return n(s.level().placements(kind).count());
}

// ---- Per placement: where it stands and of which type it is ----

template <ObjectKind kind>
std::string placementX(const LevelSource& s, int i) {
    return n(s.placement(kind, i).x);
}
template <ObjectKind kind>
std::string placementY(const LevelSource& s, int i) {
    return n(s.placement(kind, i).y);
}
template <ObjectKind kind>
std::string placementType(const LevelSource& s, int i) {
    return n(s.type(kind, i));
}

// ---- Active placements: the type's frames, speed and image ----

std::string frameWidth(const LevelSource& s, int i) {
    return n(s.active(i).frameWidth);
}
std::string frameHeight(const LevelSource& s, int i) {
    return n(s.active(i).frameHeight);
}
std::string moveSpeed(const LevelSource& s, int i) {
    return n(s.active(i).moveSpeed);
}
std::string activeImage(const LevelSource& s, int i) {
    return literal("/" + s.files().active(s.type(ObjectKind::Active, i)));
}
// act_type: element 0 is unused, then the level's control type of every active type.
std::string controlType(const LevelSource& s, int t) {
    return t == 0 ? "0" : n(s.level().controlType[t]);
}

// The frames of one animation state for direction d (0 right .. 3 down): per placement,
// the 0-based frame numbers of its positions 1..6; an empty position is skipped, except
// the first, which gives frame 0, so no sequence is empty.
std::string animationOf(const LevelSource& s, int d, AnimationState state) {
    std::string text = "{";
    for (int i = 0; i < s.count(Kind::ActivePlacements); ++i) {
        const ActiveObject& object = s.active(i);
        text += "{";
        for (int k = 1; k <= kAnimationSteps; ++k) {
            const int frame = object.animation[k][d + 1][static_cast<int>(state)];
            if (frame >= 1) {
                text += n(frame - 1) + ",";
            } else if (k == 1) {
                text += "0,";
            }
        }
        text += "},";
    }
    return text + "}";
}
std::string moveFrames(const LevelSource& s, int d) {
    return animationOf(s, d, AnimationState::Move);
}
std::string idleFrames(const LevelSource& s, int d) {
    return animationOf(s, d, AnimationState::Idle);
}
std::string destroyFrames(const LevelSource& s, int d) {
    return animationOf(s, d, AnimationState::Destroy);
}

// ---- Trajectories 1..10 of the level ----

const Trajectory& trajectory(const LevelSource& s, int t) {
    return s.level().trajectories[t + 1];
}
std::string pointCount(const LevelSource& s, int t) {
    return n(trajectory(s, t).pointCount());
}
template <int TrajectoryPoint::*field>
std::string pointCoordinates(const LevelSource& s, int t) {
    std::string text = "{";
    for (const TrajectoryPoint& point : trajectory(s, t).points) {
        text += n(point.*field) + ",";
    }
    return text + "}";
}
std::string pointSettings(const LevelSource& s, int t) {
    std::string text = "{";
    for (const TrajectoryPoint& point : trajectory(s, t).points) {
        text += "{" + n(point.d1) + "," + n(point.d2) + "," + n(point.d3) + "},";
    }
    return text + "}";
}

// ---- Background placements: the type's tiles and kind ----

std::string tileWidth(const LevelSource& s, int i) {
    return n(s.background(i).tileWidth);
}
std::string tileHeight(const LevelSource& s, int i) {
    return n(s.background(i).tileHeight);
}
std::string columns(const LevelSource& s, int i) {
    return n(s.background(i).columns);
}
std::string rows(const LevelSource& s, int i) {
    return n(s.background(i).rows);
}
std::string backgroundKind(const LevelSource& s, int i) {
    return n(s.background(i).kind);
}
std::string backgroundImage(const LevelSource& s, int i) {
    return literal("/" + s.files().background(s.type(ObjectKind::Background, i)));
}

// ---- Indicator placements ----

// The image holds the full and the empty bar side by side: the bar is half as wide (an
// odd width gives the integer quotient).
std::string barWidth(const LevelSource& s, int i) {
    return n(s.indicator(i).imageWidth / 2);
}
std::string barHeight(const LevelSource& s, int i) {
    return n(s.indicator(i).imageHeight);
}
std::string barAmount(const LevelSource& s, int i) {
    return n(s.indicator(i).amount);
}
std::string indicatorImage(const LevelSource& s, int i) {
    return literal("/" + s.files().indicator(s.type(ObjectKind::Indicator, i)));
}

// ---- Text placements ----

std::string textLineCount(const LevelSource& s, int i) {
    return n(s.text(i).lineCount);
}
std::string textLines(const LevelSource& s, int i) {
    const TextObject& t = s.text(i);
    std::string text = "{";
    for (int j = 1; j <= clamp(t.lineCount, 0, kMaxTextLines); ++j) {
        text += literal(t.lines[j]) + ",";
    }
    return text + "}";
}
template <int TextObject::*field>
std::string textStyle(const LevelSource& s, int i) {
    return n(s.text(i).*field);
}
std::string textColour(const LevelSource& s, int i) {
    const TextObject& t = s.text(i);
    return "{" + n(t.colorR) + "," + n(t.colorG) + "," + n(t.colorB) + ",}";
}

constexpr ObjectKind kActive = ObjectKind::Active;
constexpr ObjectKind kBackground = ObjectKind::Background;
constexpr ObjectKind kIndicator = ObjectKind::Indicator;
constexpr ObjectKind kText = ObjectKind::Text;

constexpr LevelArray kLevelArrays[] = {
    // Active placements.
    {"quan_act", "int", Kind::Number, placementCount<kActive>},
    {"group_act", "int[]", Kind::ActivePlacements, placementType<kActive>},
    {"add_act", "String[]", Kind::ActivePlacements, activeImage},
    {"act_manager", "int[]", Kind::Views, one},
    {"act_obstacle", "int[]", Kind::Views, one},
    {"tileWidthob", "int[]", Kind::ActivePlacements, frameWidth},
    {"tileHeightob", "int[]", Kind::ActivePlacements, frameHeight},
    {"raspxob", "int[]", Kind::ActivePlacements, placementX<kActive>},
    {"raspyob", "int[]", Kind::ActivePlacements, placementY<kActive>},
    {"act_upr", "int[]", Kind::ActivePlacements, one},
    {"act_type", "int[]", Kind::ActiveTypesFromZero, controlType},
    {"act_go", "int[][][]", Kind::Directions, moveFrames},
    {"act_stop", "int[][][]", Kind::Directions, idleFrames},
    {"act_dead", "int[][][]", Kind::Directions, destroyFrames},
    {"act_uron", "int[]", Kind::ActivePlacements, zero},
    {"act_speed_tek", "int[]", Kind::ActivePlacements, zero},
    {"act_speed", "int[]", Kind::ActivePlacements, moveSpeed},
    {"grav_napr", "int[]", Kind::ActivePlacements, zero},
    {"act_tr_number", "int[]", Kind::ActivePlacements, zero},
    // Trajectories.
    {"act_tr", "int[][][]", Kind::Trajectories, pointSettings},
    {"act_t", "int[]", Kind::Trajectories, pointCount},
    {"act_xt", "int[][]", Kind::Trajectories, pointCoordinates<&TrajectoryPoint::x>},
    {"act_yt", "int[][]", Kind::Trajectories, pointCoordinates<&TrajectoryPoint::y>},
    // Background placements.
    {"quan_fon", "int", Kind::Number, placementCount<kBackground>},
    {"fon_obstacle", "int[]", Kind::BackgroundPlacements, backgroundKind},
    {"add_fon", "String[]", Kind::BackgroundPlacements, backgroundImage},
    {"fon_tileWidth", "int[]", Kind::BackgroundPlacements, tileWidth},
    {"fon_tileHeight", "int[]", Kind::BackgroundPlacements, tileHeight},
    {"fon_X", "int[]", Kind::BackgroundPlacements, placementX<kBackground>},
    {"fon_Y", "int[]", Kind::BackgroundPlacements, placementY<kBackground>},
    {"fon_columns", "int[]", Kind::BackgroundPlacements, columns},
    {"fon_rows", "int[]", Kind::BackgroundPlacements, rows},
    {"fon_manager", "int[]", Kind::Views, one},
    {"group_fon", "int[]", Kind::BackgroundPlacements, placementType<kBackground>},
    // Indicator placements.
    {"quan_line", "int", Kind::Number, placementCount<kIndicator>},
    {"add_line", "String[]", Kind::IndicatorPlacements, indicatorImage},
    {"line_ob", "int[]", Kind::IndicatorPlacements, barAmount},
    {"line_width", "int[]", Kind::IndicatorPlacements, barWidth},
    {"line_height", "int[]", Kind::IndicatorPlacements, barHeight},
    {"line_X", "int[]", Kind::IndicatorPlacements, placementX<kIndicator>},
    {"line_Y", "int[]", Kind::IndicatorPlacements, placementY<kIndicator>},
    {"line_manager", "int[]", Kind::Views, one},
    {"line_tek", "int[]", Kind::IndicatorPlacements, zero},
    {"line_visible", "boolean[]", Kind::IndicatorPlacements, yes},
    {"group_line", "int[]", Kind::IndicatorPlacements, placementType<kIndicator>},
    // Text placements.
    {"quan_text", "int", Kind::Number, placementCount<kText>},
    {"text_X", "int[]", Kind::TextPlacements, placementX<kText>},
    {"text_Y", "int[]", Kind::TextPlacements, placementY<kText>},
    {"add_text", "String[][]", Kind::TextPlacements, textLines},
    {"text_ob", "int[]", Kind::TextPlacements, textLineCount},
    {"text_p1", "int[]", Kind::TextPlacements, textStyle<&TextObject::kind>},
    {"text_p2", "int[]", Kind::TextPlacements, textStyle<&TextObject::size>},
    {"text_p3", "int[]", Kind::TextPlacements, textStyle<&TextObject::bold>},
    {"text_p4", "int[]", Kind::TextPlacements, textStyle<&TextObject::italic>},
    {"text_p5", "int[]", Kind::TextPlacements, textStyle<&TextObject::underline>},
    {"text_color", "int[][]", Kind::TextPlacements, textColour},
    {"text_visible", "boolean[]", Kind::TextPlacements, yes},
    {"text_W", "int[]", Kind::TextPlacements, hundred},
    {"text_H", "int[]", Kind::TextPlacements, hundred},
    {"group_text", "int[]", Kind::TextPlacements, placementType<kText>},
    {"tek_str", "int[]", Kind::TextPlacements, zero},
};

// The views of the managers: the game has one, but the arrays have always held 18.
constexpr int kViews = 18;

}  // namespace

LevelSource::LevelSource(const Project& project, int level)
    : project_(project), level_(level), files_(project) {}

int LevelSource::count(LevelArrayKind kind) const {
    switch (kind) {
        case Kind::Number:
            return 1;
        case Kind::ActivePlacements:
            return level().activePlacements.count();
        case Kind::BackgroundPlacements:
            return level().backgroundPlacements.count();
        case Kind::IndicatorPlacements:
            return level().indicatorPlacements.count();
        case Kind::TextPlacements:
            return level().textPlacements.count();
        case Kind::ActiveTypesFromZero:
            return 1 + clamp(project_.activeCount, 0, kMaxActiveTypes);
        case Kind::Directions:
            return kDirections;
        case Kind::Trajectories:
            return kEditableTrajectories;
        case Kind::Views:
            return kViews;
    }
    return 0;
}

const Placement& LevelSource::placement(ObjectKind kind, int index) const {
    return level().placements(kind)[index + 1];
}

int LevelSource::type(ObjectKind kind, int index) const {
    const Placement& p = placement(kind, index);
    if (p.object < 1 || p.object > project_.typeCount(kind)) {
        throw IoError("Уровень " + std::to_string(level_) + ": размещение " + kindName(kind) +
                      " «" + shownModelName(p.objectName) + "» ссылается на объект номер " +
                      std::to_string(p.object) + ", которого нет");
    }
    return p.object;
}

const ActiveObject& LevelSource::active(int index) const {
    return project_.actives[type(ObjectKind::Active, index)];
}
const BackgroundObject& LevelSource::background(int index) const {
    return project_.backgrounds[type(ObjectKind::Background, index)];
}
const IndicatorObject& LevelSource::indicator(int index) const {
    return project_.indicators[type(ObjectKind::Indicator, index)];
}
const TextObject& LevelSource::text(int index) const {
    return project_.texts[type(ObjectKind::Text, index)];
}

std::span<const LevelArray> levelArrays() {
    return kLevelArrays;
}

std::string levelArrayValue(const LevelArray& array, const LevelSource& source) {
    if (array.kind == Kind::Number) {
        return array.element(source, 0);
    }
    std::string text = "new " + std::string(array.javaType) + "{";
    const int count = source.count(array.kind);
    for (int index = 0; index < count; ++index) {
        text += array.element(source, index);
        text += ',';
    }
    return text + "}";
}

}  // namespace avizad

#include "generator/StageGenerator.h"

#include <functional>
#include <map>

#include "generator/JavaText.h"
#include "generator/ResourceFileNames.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/GameNames.h"
#include "model/IoError.h"

namespace avizad {

namespace {

constexpr std::array<std::string_view, StageGenerator::kMarkerCount> kMarkers = {
    "//quan_act",     "//group_act",     "//add_act",     "//act_manager",   "//act_obstacle",
    "//tileWidthob",  "//tileHeightob",  "//raspxob",     "//raspyob",       "//act_upr",
    "//quan_fon",     "//fon_obstacle",  "//add_fon",     "//fon_tileWidth", "//fon_tileHeight",
    "//fon_X",        "//fon_Y",         "//fon_columns", "//fon_rows",      "//fon_manager",
    "//group_fon",    "//quan_line",     "//add_line",    "//line_ob",       "//line_width",
    "//line_height",  "//line_X",        "//line_Y",      "//line_manager",  "//line_tek",
    "//line_visible", "//group_line",    "//quan_text",   "//text_X",        "//text_Y",
    "//add_text",     "//text_ob",       "//text_p1",     "//text_p2",       "//text_p3",
    "//text_p4",      "//text_p5",       "//text_color",  "//text_visible",  "//text_W",
    "//text_H",       "//group_text",    "//tek_str",     "//act_type",      "//act_go",
    "//act_stop",     "//act_dead",      "//act_uron",    "//act_speed_tek", "//act_speed",
    "//grav_napr",    "//act_tr_number", "//act_tr",      "//act_t",         "//act_xt",
    "//act_yt",
};

const std::string kEighteenOnes = "{1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};";

using Element = std::function<std::string(const Placement&)>;

// The opening text, then element + "," per placement, then "};".
std::string listDeclaration(std::string_view opening, const PlacementList& placements,
                            const Element& element) {
    std::string text(opening);
    for (const Placement& placement : placements) {
        text += element(placement);
        text += ',';
    }
    text += "};";
    return text;
}

std::string javaLiteral(std::string_view content) {
    return "\"" + javaStringContent(content) + "\"";
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

// The object type of a placement, checked: a placement that names no existing type
// would make the game read another object's data.
int checkedType(const Project& project, ObjectKind kind, int level, const Placement& placement) {
    if (placement.object < 1 || placement.object > project.typeCount(kind)) {
        throw IoError("Уровень " + std::to_string(level) + ": размещение " + kindName(kind) + " «" +
                      cp1251ToUtf8(placement.objectName) + "» ссылается на объект номер " +
                      std::to_string(placement.object) + ", которого нет");
    }
    return placement.object;
}

int clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

}  // namespace

StageGenerator::StageGenerator(const Project& project, BuildFolders folders)
    : project_(project), folders_(std::move(folders)) {}

const std::array<std::string_view, StageGenerator::kMarkerCount>& StageGenerator::markers() {
    return kMarkers;
}

std::vector<StageDeclaration> StageGenerator::stageDeclarations(int levelNumber) const {
    const Project& p = project_;
    const Level& level = p.levels[levelNumber];
    const PlacementList& acts = level.activePlacements;
    const PlacementList& fons = level.backgroundPlacements;
    const PlacementList& lines = level.indicatorPlacements;
    const PlacementList& texts = level.textPlacements;

    const auto act = [&](const Placement& pl) -> const ActiveObject& {
        return p.actives[checkedType(p, ObjectKind::Active, levelNumber, pl)];
    };
    const auto fon = [&](const Placement& pl) -> const BackgroundObject& {
        return p.backgrounds[checkedType(p, ObjectKind::Background, levelNumber, pl)];
    };
    const auto ind = [&](const Placement& pl) -> const IndicatorObject& {
        return p.indicators[checkedType(p, ObjectKind::Indicator, levelNumber, pl)];
    };
    const auto txt = [&](const Placement& pl) -> const TextObject& {
        return p.texts[checkedType(p, ObjectKind::Text, levelNumber, pl)];
    };
    const auto n = [](int value) { return javaNumber(value); };
    const ResourceFileNames files(p);
    const auto always = [](std::string value) {
        return [value](const Placement&) { return value; };
    };

    std::map<std::string_view, std::string> d;
    // Active placements.
    d["//tileWidthob"] = listDeclaration(
        "int[]tileWidthob={", acts, [&](const Placement& pl) { return n(act(pl).frameWidth); });
    d["//tileHeightob"] = listDeclaration(
        "int[]tileHeightob={", acts, [&](const Placement& pl) { return n(act(pl).frameHeight); });
    d["//raspxob"] =
        listDeclaration("int[]raspxob={", acts, [&](const Placement& pl) { return n(pl.x); });
    d["//raspyob"] =
        listDeclaration("int[]raspyob={", acts, [&](const Placement& pl) { return n(pl.y); });
    d["//group_act"] = listDeclaration("int[]group_act={", acts, [&](const Placement& pl) {
        return n(checkedType(p, ObjectKind::Active, levelNumber, pl));
    });
    d["//act_speed"] = listDeclaration("int[]act_speed={", acts,
                                       [&](const Placement& pl) { return n(act(pl).moveSpeed); });
    d["//act_speed_tek"] = listDeclaration("int[]act_speed_tek={", acts, always("0"));
    d["//act_upr"] = listDeclaration("int[]act_upr={", acts, always("1"));
    d["//act_uron"] = listDeclaration("int[]act_uron={", acts, always("0"));
    d["//grav_napr"] = listDeclaration("int[]grav_napr={", acts, always("0"));
    d["//act_tr_number"] = listDeclaration("int[]act_tr_number={", acts, always("0"));
    // Background placements.
    d["//fon_tileWidth"] = listDeclaration(
        "int[]fon_tileWidth={", fons, [&](const Placement& pl) { return n(fon(pl).tileWidth); });
    d["//fon_tileHeight"] = listDeclaration(
        "int[]fon_tileHeight={", fons, [&](const Placement& pl) { return n(fon(pl).tileHeight); });
    d["//fon_columns"] = listDeclaration("int[]fon_columns={", fons,
                                         [&](const Placement& pl) { return n(fon(pl).columns); });
    d["//fon_rows"] = listDeclaration("int[]fon_rows={", fons,
                                      [&](const Placement& pl) { return n(fon(pl).rows); });
    d["//fon_X"] =
        listDeclaration("int[]fon_X={", fons, [&](const Placement& pl) { return n(pl.x); });
    d["//fon_Y"] =
        listDeclaration("int[]fon_Y={", fons, [&](const Placement& pl) { return n(pl.y); });
    d["//fon_obstacle"] = listDeclaration("int[]fon_obstacle={", fons,
                                          [&](const Placement& pl) { return n(fon(pl).kind); });
    d["//group_fon"] = listDeclaration("int[]group_fon={", fons, [&](const Placement& pl) {
        return n(checkedType(p, ObjectKind::Background, levelNumber, pl));
    });
    // Indicator placements. An odd image width gives the integer quotient.
    d["//line_width"] = listDeclaration(
        "int[]line_width={", lines, [&](const Placement& pl) { return n(ind(pl).imageWidth / 2); });
    d["//line_height"] = listDeclaration(
        "int[]line_height={", lines, [&](const Placement& pl) { return n(ind(pl).imageHeight); });
    d["//line_X"] =
        listDeclaration("int[]line_X={", lines, [&](const Placement& pl) { return n(pl.x); });
    d["//line_Y"] =
        listDeclaration("int[]line_Y={", lines, [&](const Placement& pl) { return n(pl.y); });
    d["//line_ob"] = listDeclaration("int[]line_ob={", lines,
                                     [&](const Placement& pl) { return n(ind(pl).amount); });
    d["//line_tek"] = listDeclaration("int[]line_tek={", lines, always("0"));
    d["//line_visible"] = listDeclaration("boolean[]line_visible={", lines, always("true"));
    d["//group_line"] = listDeclaration("int[]group_line={", lines, [&](const Placement& pl) {
        return n(checkedType(p, ObjectKind::Indicator, levelNumber, pl));
    });
    // Text placements.
    d["//text_X"] =
        listDeclaration("int[]text_X={", texts, [&](const Placement& pl) { return n(pl.x); });
    d["//text_Y"] =
        listDeclaration("int[]text_Y={", texts, [&](const Placement& pl) { return n(pl.y); });
    d["//text_ob"] = listDeclaration("int[]text_ob={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).lineCount); });
    d["//text_p1"] = listDeclaration("int[]text_p1={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).kind); });
    d["//text_p2"] = listDeclaration("int[]text_p2={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).size); });
    d["//text_p3"] = listDeclaration("int[]text_p3={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).bold); });
    d["//text_p4"] = listDeclaration("int[]text_p4={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).italic); });
    d["//text_p5"] = listDeclaration("int[]text_p5={", texts,
                                     [&](const Placement& pl) { return n(txt(pl).underline); });
    d["//text_visible"] = listDeclaration("boolean[]text_visible={", texts, always("true"));
    d["//text_W"] = listDeclaration("int[]text_W={", texts, always("100"));
    d["//text_H"] = listDeclaration("int[]text_H={", texts, always("100"));
    d["//tek_str"] = listDeclaration("int[]tek_str={", texts, always("0"));
    d["//group_text"] = listDeclaration("int[]group_text={", texts, [&](const Placement& pl) {
        return n(checkedType(p, ObjectKind::Text, levelNumber, pl));
    });
    d["//add_text"] = listDeclaration("String[][]add_text={", texts, [&](const Placement& pl) {
        const TextObject& t = txt(pl);
        std::string element = "{";
        for (int j = 1; j <= clamp(t.lineCount, 0, kMaxTextLines); ++j) {
            element += javaLiteral(t.lines[j]) + ",";
        }
        return element + "}";
    });
    d["//text_color"] = listDeclaration("int[][]text_color={", texts, [&](const Placement& pl) {
        const TextObject& t = txt(pl);
        return "{" + n(t.colorR) + "," + n(t.colorG) + "," + n(t.colorB) + ",}";
    });
    // Counts, managers and image names.
    d["//quan_act"] = "int quan_act=" + n(acts.count()) + ";";
    d["//quan_fon"] = "int quan_fon=" + n(fons.count()) + ";";
    d["//quan_line"] = "int quan_line=" + n(lines.count()) + ";";
    d["//quan_text"] = "int quan_text=" + n(texts.count()) + ";";
    d["//act_manager"] = "int[]act_manager=" + kEighteenOnes;
    d["//act_obstacle"] = "int[]act_obstacle=" + kEighteenOnes;
    d["//fon_manager"] = "int[]fon_manager=" + kEighteenOnes;
    d["//line_manager"] = "int[]line_manager=" + kEighteenOnes;
    d["//add_act"] = listDeclaration("String[]add_act={", acts, [&](const Placement& pl) {
        return javaLiteral("/" + files.active(checkedType(p, ObjectKind::Active, levelNumber, pl)));
    });
    d["//add_fon"] = listDeclaration("String[]add_fon={", fons, [&](const Placement& pl) {
        return javaLiteral(
            "/" + files.background(checkedType(p, ObjectKind::Background, levelNumber, pl)));
    });
    d["//add_line"] = listDeclaration("String[]add_line={", lines, [&](const Placement& pl) {
        return javaLiteral("/" +
                           files.indicator(checkedType(p, ObjectKind::Indicator, levelNumber, pl)));
    });
    // Control types of every active object type of the project on this level.
    std::string actType = "int[]act_type={0,";
    for (int t = 1; t <= clamp(p.activeCount, 0, kMaxActiveTypes); ++t) {
        actType += n(level.controlType[t]) + ",";
    }
    d["//act_type"] = actType + "};";
    // Animations: [direction][placement] -> 0-based frame numbers, never empty.
    const auto animation = [&](std::string_view opening, AnimationState state) {
        std::string text(opening);
        for (int dir = 1; dir <= kDirections; ++dir) {
            text += "{";
            for (const Placement& pl : acts) {
                const ActiveObject& o = act(pl);
                text += "{";
                for (int k = 1; k <= kAnimationSteps; ++k) {
                    const int frame = o.animation[k][dir][static_cast<int>(state)];
                    if (frame >= 1) {
                        text += n(frame - 1) + ",";
                    } else if (k == 1) {
                        text += "0,";
                    }
                }
                text += "},";
            }
            text += "},";
        }
        return text + "};";
    };
    d["//act_go"] = animation("int[][][]act_go={", AnimationState::Move);
    d["//act_stop"] = animation("int[][][]act_stop={", AnimationState::Idle);
    d["//act_dead"] = animation("int[][][]act_dead={", AnimationState::Destroy);
    // Trajectories 1..10.
    std::string actT = "int[]act_t={";
    std::string actXt = "int[][]act_xt={";
    std::string actYt = "int[][]act_yt={";
    std::string actTr = "int[][][]act_tr={";
    for (int t = 1; t <= kEditableTrajectories; ++t) {
        const Trajectory& tr = level.trajectories[t];
        actT += n(tr.pointCount()) + ",";
        actXt += "{";
        actYt += "{";
        actTr += "{";
        for (const TrajectoryPoint& point : tr.points) {
            actXt += n(point.x) + ",";
            actYt += n(point.y) + ",";
            actTr += "{" + n(point.d1) + "," + n(point.d2) + "," + n(point.d3) + "},";
        }
        actXt += "},";
        actYt += "},";
        actTr += "},";
    }
    d["//act_t"] = actT + "};";
    d["//act_xt"] = actXt + "};";
    d["//act_yt"] = actYt + "};";
    d["//act_tr"] = actTr + "};";

    std::vector<StageDeclaration> declarations;
    declarations.reserve(kMarkerCount);
    for (const std::string_view marker : kMarkers) {
        declarations.emplace_back(std::string(marker), std::move(d.at(marker)));
    }
    return declarations;
}

std::string StageGenerator::eventLine(std::string_view condition, std::string_view action) {
    std::string statement = "if(";
    statement.append(condition);
    statement += "){";
    statement.append(action);
    statement += "};";

    std::string head;
    std::string tail;
    const auto loops = [&](const std::string& prefix, const std::string& counts) {
        for (int i = 1; i <= 100; ++i) {
            const std::string var = prefix + std::to_string(i);
            if (statement.find(var) != std::string::npos) {
                head += "for(int " + var + "=0;" + var + "<=" + counts + "[" + std::to_string(i) +
                        "]-1;" + var + "++){";
                tail += "}";
            }
        }
    };
    // Every kind's loops, also in the special columns: an indicator or text condition with
    // a special action names krlN or krtN, which no other loop would declare.
    for (ObjectKind kind :
         {ObjectKind::Active, ObjectKind::Background, ObjectKind::Indicator, ObjectKind::Text}) {
        const GameKindNames& names = gameNames(kind);
        loops(std::string(names.loop), std::string(names.count));
    }
    return head + statement + tail;
}

std::vector<std::string> StageGenerator::eventLines() const {
    std::vector<std::string> lines;
    const EventTable& table = project_.eventTable;
    for (int e = 1; e <= clamp(table.eventCount, 0, kMaxEvents); ++e) {
        const Event& event = table.events[e];
        if (event.conditionCode.empty()) {
            continue;  // "if(){" would not compile; an event without a condition never fires
        }
        const auto addList = [&](const ActionList& list) {
            for (const Action& action : list) {
                lines.push_back(eventLine(event.conditionCode, action.code));
            }
        };
        for (int c = 1; c <= kSpecialCategories; ++c) {
            addList(event.specialActions[c]);
        }
        for (const ObjectKind kind : {ObjectKind::Background, ObjectKind::Active,
                                      ObjectKind::Indicator, ObjectKind::Text}) {
            const int count = clamp(project_.typeCount(kind), 0, kActionColumns);
            for (int t = 1; t <= count; ++t) {
                addList(event.actions(kind)[t]);
            }
        }
    }
    return lines;
}

std::string StageGenerator::copyTemplateLine(std::string_view line, int level,
                                             const std::vector<StageDeclaration>& declarations) {
    std::string_view bare = line;
    while (!bare.empty() && static_cast<unsigned char>(bare.back()) <= ' ') {
        bare.remove_suffix(1);
    }
    for (const StageDeclaration& declaration : declarations) {
        if (bare == declaration.first) {
            return declaration.second;
        }
    }
    const std::string number = std::to_string(level);
    const std::string text = replaceAll(line, "etap1", "etap" + number);
    return replaceAll(text, "Etap1", "Etap" + number);
}

std::string StageGenerator::stageText(int level,
                                      const std::vector<std::string>& templateLines) const {
    std::vector<StageDeclaration> declarations = stageDeclarations(level);
    // Besides the 61 markers: the level's number and its size for the game's view.
    const Level& levelData = project_.levels[level];
    declarations.emplace_back("//level", "int level=" + javaNumber(level) + ";");
    declarations.emplace_back("//level_size",
                              "int level_width=" + javaNumber(levelData.width) +
                                  ";int level_height=" + javaNumber(levelData.height) + ";");
    std::string text;
    for (const std::string& line : templateLines) {
        text += javaAsciiSource(copyTemplateLine(line, level, declarations));
        text += "\r\n";
    }
    return text;
}

std::string StageGenerator::eventsText(const std::vector<std::string>& templateLines) const {
    std::string text;
    for (const std::string& line : templateLines) {
        text += javaAsciiSource(line);
        text += "\r\n";
    }
    for (const std::string& line : eventLines()) {
        text += javaAsciiSource(line);
        text += "\r\n";
    }
    text += "}}\r\n";
    return text;
}

void StageGenerator::writeEvents() const {
    const std::vector<std::string> templateLines =
        readTemplateLines(folders_.draft() / "Events.java");
    writeFileText(folders_.src() / "Events.java", eventsText(templateLines));
}

void StageGenerator::writeStage(int level) const {
    const std::vector<std::string> templateLines =
        readTemplateLines(folders_.draft() / "Etap1.java");
    writeFileText(folders_.stageFile(level), stageText(level, templateLines));
}

}  // namespace avizad

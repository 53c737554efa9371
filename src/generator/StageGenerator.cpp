#include "generator/StageGenerator.h"

#include <iterator>

#include "generator/JavaText.h"
#include "generator/LevelArrays.h"
#include "generator/TemplateLines.h"
#include "model/FileUtil.h"
#include "model/GameNames.h"

namespace avizad {

namespace {

int clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

// The template lines, each through `line` and javaAsciiSource, each ended by CR LF.
template <typename LineText>
std::string javaLines(const std::vector<std::string>& templateLines, LineText line) {
    std::string text;
    for (const std::string& templateLine : templateLines) {
        text += javaAsciiSource(line(templateLine));
        text += "\r\n";
    }
    return text;
}

// The replacement of a template line that is one of the markers (trailing blanks aside),
// or null.
const std::string* replacementOf(std::string_view line,
                                 const std::vector<TemplateReplacement>& replacements) {
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') {
        line.remove_suffix(1);
    }
    for (const TemplateReplacement& replacement : replacements) {
        if (line == replacement.first) {
            return &replacement.second;
        }
    }
    return nullptr;
}

bool isIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

// Whether `text` names the identifier `name`: an occurrence that is not part of a longer
// name (kr12 does not name kr1, krf1 does not name kr1).
bool namesIdentifier(std::string_view text, std::string_view name) {
    for (std::size_t at = text.find(name); at != std::string_view::npos;
         at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || !isIdentifierChar(text[at - 1])) &&
            (end == text.size() || !isIdentifierChar(text[end]))) {
            return true;
        }
    }
    return false;
}

}  // namespace

StageGenerator::StageGenerator(const Project& project, BuildFolders folders)
    : project_(project), folders_(std::move(folders)) {}

std::vector<LevelValue> StageGenerator::levelValues(int level) const {
    const LevelSource source(project_, level);
    std::vector<LevelValue> values;
    for (const LevelArray& array : levelArrays()) {
        values.emplace_back(array.name, levelArrayValue(array, source));
    }
    return values;
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
            if (namesIdentifier(statement, var)) {
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

std::vector<std::string> StageGenerator::eventLines(int e) const {
    std::vector<std::string> lines;
    const Event& event = project_.eventTable.events[e];
    if (event.conditionCode.empty()) {
        return lines;  // "if(){" would not compile; an event without a condition never fires
    }
    const auto addList = [&](const ActionList& list) {
        for (const Action& action : list) {
            lines.push_back(eventLine(event.conditionCode, action.code));
        }
    };
    for (int c = 1; c <= kSpecialCategories; ++c) {
        addList(event.specialActions[c]);
    }
    for (const ObjectKind kind :
         {ObjectKind::Background, ObjectKind::Active, ObjectKind::Indicator, ObjectKind::Text}) {
        const int count = clamp(project_.typeCount(kind), 0, kActionColumns);
        for (int t = 1; t <= count; ++t) {
            addList(event.actions(kind)[t]);
        }
    }
    return lines;
}

std::vector<std::string> StageGenerator::eventLines() const {
    std::vector<std::string> lines;
    for (int e = 1; e <= clamp(project_.eventTable.eventCount, 0, kMaxEvents); ++e) {
        std::vector<std::string> event = eventLines(e);
        lines.insert(lines.end(), std::make_move_iterator(event.begin()),
                     std::make_move_iterator(event.end()));
    }
    return lines;
}

std::vector<EventMethod> StageGenerator::eventMethods() const {
    std::vector<EventMethod> methods;
    std::size_t size = 0;
    for (std::string& line : eventLines()) {
        if (methods.empty() || (size + line.size() > kEventMethodSourceBytes && size > 0)) {
            methods.push_back(EventMethod{"events" + std::to_string(methods.size() + 1), {}});
            size = 0;
        }
        size += line.size();
        methods.back().lines.push_back(std::move(line));
    }
    return methods;
}

std::string StageGenerator::copyTemplateLine(std::string_view line, int level,
                                             const std::vector<TemplateReplacement>& replacements) {
    if (const std::string* replacement = replacementOf(line, replacements)) {
        return *replacement;
    }
    const std::string number = std::to_string(level);
    const std::string text = replaceAll(line, "etap1", "etap" + number);
    return replaceAll(text, "Etap1", "Etap" + number);
}

std::string StageGenerator::stageText(int level,
                                      const std::vector<std::string>& templateLines) const {
    std::string data;
    for (const auto& [name, value] : levelValues(level)) {
        data += (data.empty() ? "" : "\r\n") + std::string(name) + "=" + value + ";";
    }
    const Level& levelData = project_.levels[level];
    const std::vector<TemplateReplacement> replacements = {
        {"//level", "int level=" + javaNumber(level) + ";"},
        {"//level_size", "int level_width=" + javaNumber(levelData.width) +
                             ";int level_height=" + javaNumber(levelData.height) + ";"},
        {"//level_data", data},
    };
    return javaLines(templateLines, [&](const std::string& line) {
        return copyTemplateLine(line, level, replacements);
    });
}

std::string StageGenerator::eventsText(const std::vector<std::string>& templateLines) const {
    const auto same = [](const std::string& line) { return line; };
    const std::vector<EventMethod> methods = eventMethods();
    std::string text = javaLines(templateLines, same);
    for (const EventMethod& method : methods) {
        text += method.name + "();\r\n";
    }
    text += "}\r\n";
    for (const EventMethod& method : methods) {
        text += "private void " + method.name + "(){\r\n";
        text += javaLines(method.lines, same);
        text += "}\r\n";
    }
    text += "}\r\n";
    return text;
}

std::string StageGenerator::engineText(const std::vector<std::string>& templateLines,
                                       int screenWidth, int screenHeight) {
    std::string fields;
    for (const LevelArray& array : levelArrays()) {
        fields += (fields.empty() ? "" : "\r\n") + std::string(array.javaType) + " " +
                  std::string(array.name) + ";";
    }
    const std::vector<TemplateReplacement> replacements = {
        {"//level_fields", fields},
        {"//layout_screen", "static final int LAYOUT_WIDTH=" + javaNumber(screenWidth) +
                                ";static final int LAYOUT_HEIGHT=" + javaNumber(screenHeight) +
                                ";"},
    };
    return javaLines(templateLines, [&](const std::string& line) {
        const std::string* replacement = replacementOf(line, replacements);
        return replacement ? *replacement : line;
    });
}

void StageGenerator::writeEvents() const {
    const std::vector<std::string> templateLines =
        readTemplateLines(folders_.draft() / "Events.java");
    writeFileText(folders_.src() / "Events.java", eventsText(templateLines));
}

void StageGenerator::writeEngine() const {
    const std::vector<std::string> templateLines =
        readTemplateLines(folders_.draft() / "Stage.java");
    writeFileText(folders_.src() / "Stage.java",
                  engineText(templateLines, folders_.screenWidth, folders_.screenHeight));
}

void StageGenerator::writeStage(int level) const {
    const std::vector<std::string> templateLines =
        readTemplateLines(folders_.draft() / "Etap1.java");
    writeFileText(folders_.stageFile(level), stageText(level, templateLines));
}

}  // namespace avizad

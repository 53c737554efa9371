#pragma once
// The stage code generator: turns every level of the project into the Java class
// "Etap" + level from the level template System/draft/Etap1.java, replacing the 61
// marker lines by the level's array declarations, and the event table into the class
// Events from System/draft/Events.java, appending the event lines. Every level class
// extends Events, which extends the engine, the fixed class Stage: the engine and the
// events, the same for every level, are compiled once.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/Project.h"

namespace avizad {

// A marker of the stage template and the declaration that replaces it.
using StageDeclaration = std::pair<std::string, std::string>;

class StageGenerator {
public:
    static constexpr int kMarkerCount = 61;

    StageGenerator(const Project& project, BuildFolders folders);

    // The 61 markers in their traditional order ("//quan_act" first, "//act_yt" last).
    // Markers are matched by whole line, so the order does not change the result.
    static const std::array<std::string_view, kMarkerCount>& markers();

    // The 61 (marker, declaration) pairs of level `level` (1..levelCount), in the
    // order of markers(). Throws IoError when a placement names a missing object type.
    std::vector<StageDeclaration> stageDeclarations(int level) const;

    // The Java lines of the event table (one per action, wrapped in the loops over the
    // instances its statement names); the same for every level. Windows-1251 text.
    std::vector<std::string> eventLines() const;

    // Writes System/src/Etap<level>.java: every template line through copyTemplateLine,
    // each line in ASCII (javaAsciiSource) and ended by CR LF. Throws IoError when the
    // template cannot be read or the file not written.
    void writeStage(int level) const;

    // Writes System/src/Events.java: the lines of System/draft/Events.java (whose last
    // line leaves the events method open), then the event lines and "}}", each line in
    // ASCII and ended by CR LF. Throws IoError like writeStage.
    void writeEvents() const;
    // The whole text writeEvents writes, for the template lines given.
    std::string eventsText(const std::vector<std::string>& templateLines) const;

    // The whole text writeStage writes, for the template lines given. Besides the 61
    // markers, a template line "//level" becomes the level's number, "int level=N;", and
    // "//level_size" its size, "int level_width=W;int level_height=H;".
    std::string stageText(int level, const std::vector<std::string>& templateLines) const;

    // One template line for level `level`: a line that is one of the markers of
    // `declarations` (trailing blanks aside) becomes its declaration, so the markers may
    // stand in any order; any other line gets "etap1" and "Etap1" renamed to the level's.
    static std::string copyTemplateLine(std::string_view line, int level,
                                        const std::vector<StageDeclaration>& declarations);

    // One event line: the statement "if(" + condition + "){" + action + "};" inside the
    // loops over kr1..kr100, krf1..krf100, krl1..krl100 and krt1..krt100 (in that order)
    // for every loop variable the statement names, the same for every column.
    static std::string eventLine(std::string_view condition, std::string_view action);

private:
    const Project& project_;
    BuildFolders folders_;
};

}  // namespace avizad

#pragma once
// The stage code generator: turns every level of the project into the Java class
// "Etap" + level from the level template System/draft/Etap1.java, whose constructor
// assigns the level's data (the table of LevelArrays.h) to the engine's fields, and the
// event table into the class Events from System/draft/Events.java, appending the event
// lines. It also writes the engine, System/draft/Stage.java, with the fields of that
// table. Every level class extends Events, which extends the engine: the engine and the
// events, the same for every level, are compiled once.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/Project.h"

namespace avizad {

// A marker line of a template and the text that replaces it.
using TemplateReplacement = std::pair<std::string, std::string>;

// A method of the class Events: its name and its event lines.
struct EventMethod {
    std::string name;
    std::vector<std::string> lines;
};

// One of the level's data as the level class assigns it: the engine's field and its
// Java value ("3", "new int[]{10,40,}").
using LevelValue = std::pair<std::string_view, std::string>;

class StageGenerator {
public:
    StageGenerator(const Project& project, BuildFolders folders);

    // The values of every array of levelArrays() for level `level` (1..levelCount), in
    // the table's order. Throws IoError when a placement names a missing object type.
    std::vector<LevelValue> levelValues(int level) const;

    // The Java lines of the event table (one per action, wrapped in the loops over the
    // instances its statement names); the same for every level. Windows-1251 text.
    std::vector<std::string> eventLines() const;
    // The lines of event `event` (1..eventCount), in the order of its action lists.
    std::vector<std::string> eventLines(int event) const;

    // The most source text (bytes) one event method holds, unless a single line is
    // longer: the compiled method stays far below the class file's 64 KB of code a method
    // may have, and small enough for the phones' compilers to compile it.
    static constexpr std::size_t kEventMethodSourceBytes = 4000;

    // The event lines as methods of the class Events, in the order they run: "events1",
    // "events2", ..., each holding the next lines (of one event or several) up to
    // kEventMethodSourceBytes of source. No lines, no methods.
    std::vector<EventMethod> eventMethods() const;

    // Writes System/src/Etap<level>.java: every template line through copyTemplateLine,
    // each line in ASCII (javaAsciiSource) and ended by CR LF. Throws IoError when the
    // template cannot be read or the file not written.
    void writeStage(int level) const;

    // The whole text writeStage writes, for the template lines given. A template line
    // "//level" becomes the level's number, "int level=N;", "//level_size" its size,
    // "int level_width=W;int level_height=H;", and "//level_data" one line per array of
    // levelArrays(), "name=value;".
    std::string stageText(int level, const std::vector<std::string>& templateLines) const;

    // Writes System/src/Events.java: the lines of System/draft/Events.java (whose last
    // line leaves the events method open), the calls of the event methods in order, "}",
    // the event methods and the closing "}", each line in ASCII and ended by CR LF.
    // Throws IoError like writeStage.
    void writeEvents() const;
    // The whole text writeEvents writes, for the template lines given.
    std::string eventsText(const std::vector<std::string>& templateLines) const;

    // Writes System/src/Stage.java, the engine, from System/draft/Stage.java, for the
    // screen of the build folders. Throws IoError like writeStage.
    void writeEngine() const;
    // The engine's text for its template lines: the line "//level_fields" becomes one
    // field declaration per array of levelArrays() ("int[] raspxob;"), and the line
    // "//layout_screen" the screen the game was laid out for,
    // "static final int LAYOUT_WIDTH=W;static final int LAYOUT_HEIGHT=H;"; every line ends
    // with CR LF.
    static std::string engineText(const std::vector<std::string>& templateLines, int screenWidth,
                                  int screenHeight);

    // One template line for level `level`: a line that is one of the markers of
    // `replacements` (trailing blanks aside) becomes its text, so the markers may stand
    // in any order; any other line gets "etap1" and "Etap1" renamed to the level's.
    static std::string copyTemplateLine(std::string_view line, int level,
                                        const std::vector<TemplateReplacement>& replacements);

    // One event line: the statement "if(" + condition + "){" + action + "};" inside the
    // loops over kr1..kr100, krf1..krf100, krl1..krl100 and krt1..krt100 (in that order)
    // for every loop variable the statement names as a whole name (kr12 names kr12, not
    // kr1), the same for every column.
    static std::string eventLine(std::string_view condition, std::string_view action);

private:
    const Project& project_;
    BuildFolders folders_;
};

}  // namespace avizad

// The stage code generator: declarations, template lines, event lines, stage files.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "GeneratorTestSupport.h"
#include "generator/StageGenerator.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

using testing::ProgramFolder;

std::map<std::string, std::string> valueMap(const Project& project, int level) {
    const StageGenerator generator(project, BuildFolders("/nonexistent"));
    std::map<std::string, std::string> map;
    for (const auto& [name, value] : generator.levelValues(level)) {
        map[std::string(name)] = value;
    }
    return map;
}

Placement at(int x, int y, int object) {
    Placement p;
    p.x = x;
    p.y = y;
    p.object = object;
    return p;
}

TEST(LevelValues, OfAnEmptyLevelAreEmptyListsWhereThePlacementsAreCounted) {
    Project project;
    const auto values = valueMap(project, 1);
    const std::map<std::string, std::string> expected = {
        {"quan_act", "0"},
        {"raspxob", "new int[]{}"},
        {"add_text", "new String[][]{}"},
        // Arrays over something else than placements keep their elements.
        {"act_manager", "new int[]{1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,}"},
        {"act_type", "new int[]{0,}"},
        {"act_go", "new int[][][]{{},{},{},{},}"},
        {"act_t", "new int[]{0,0,0,0,0,0,0,0,0,0,}"},
        {"act_tr", "new int[][][]{{},{},{},{},{},{},{},{},{},{},}"},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(values.at(name), value) << name;
    }
}

Project placedProject() {
    Project p;
    p.activeCount = 3;  // type 3 is on no level but still has a control type
    ActiveObject& hero = p.actives[1];
    hero.name = utf8ToCp1251("герой");
    hero.frameWidth = 16;
    hero.frameHeight = 20;
    hero.moveSpeed = 3;
    hero.animation[1][1][2] = 3;  // move, right: positions 1 = 3, 2 empty, 3 = 5
    hero.animation[3][1][2] = 5;
    hero.animation[2][2][1] = 4;  // idle, up: position 1 empty, 2 = 4
    hero.animation[6][4][4] = 2;  // destroy, down: only position 6
    hero.animation[1][1][3] = 9;  // attack is not exported
    ActiveObject& enemy = p.actives[2];
    enemy.name = "enemy.v2";
    enemy.frameWidth = 8;
    enemy.frameHeight = 9;
    enemy.moveSpeed = 10;
    p.backgroundCount = 1;
    BackgroundObject& wall = p.backgrounds[1];
    wall.name = "C:\\tiles\\wall.bmp";
    wall.tileWidth = 8;
    wall.tileHeight = 6;
    wall.columns = 4;
    wall.rows = 3;
    wall.kind = 2;
    p.indicatorCount = 1;
    IndicatorObject& life = p.indicators[1];
    life.name = "life";
    life.imageWidth = 41;
    life.imageHeight = 7;
    life.amount = 5;
    p.textCount = 1;
    TextObject& text = p.texts[1];
    text.kind = 3;
    text.size = -1;
    text.bold = 1;
    text.underline = 1;
    text.colorR = 1;
    text.colorG = 2;
    text.colorB = 255;
    text.lineCount = 2;
    text.lines[1] = utf8ToCp1251("Счёт: \"10\"");
    text.lines[2] = "C:\\games";
    Level& level = p.levels[1];
    level.controlType[1] = static_cast<int>(ControlType::PersonTop);
    level.controlType[2] = static_cast<int>(ControlType::None);
    level.controlType[3] = static_cast<int>(ControlType::Vehicle);
    level.activePlacements.add(at(10, -5, 1));
    level.activePlacements.add(at(40, 7, 2));
    level.backgroundPlacements.add(at(0, 300, 1));
    level.backgroundPlacements.add(at(-16, 0, 1));
    level.indicatorPlacements.add(at(4, 5, 1));
    level.textPlacements.add(at(100, 8, 1));
    level.textPlacements.add(at(0, 0, 1));
    level.trajectories[2].points.add(TrajectoryPoint{1, 2, 3, 4, 5});
    level.trajectories[2].points.add(TrajectoryPoint{-6, 7, 0, -1, 1});
    level.trajectories[10].points.add(TrajectoryPoint{9, 8, 7, 6, 5});
    return p;
}

// The values made from the project (the fixed ones are among the showcase's recorded
// values below).
TEST(LevelValues, ListOneElementPerPlacement) {
    const Project project = placedProject();
    const auto d = valueMap(project, 1);
    const std::map<std::string, std::string> expected = {
        {"quan_act", "2"},
        {"group_act", "new int[]{1,2,}"},
        {"add_act", "new String[]{\"/" + utf8ToCp1251("герой") + ".png\",\"/enemy.png\",}"},
        {"tileWidthob", "new int[]{16,8,}"},
        {"tileHeightob", "new int[]{20,9,}"},
        {"raspxob", "new int[]{10,40,}"},
        {"raspyob", "new int[]{-5,7,}"},
        {"act_speed", "new int[]{3,10,}"},
        {"act_type", "new int[]{0,1,0,3,}"},
        {"act_go", "new int[][][]{{{2,4,},{0,},},{{0,},{0,},},{{0,},{0,},},{{0,},{0,},},}"},
        {"act_stop", "new int[][][]{{{0,},{0,},},{{0,3,},{0,},},{{0,},{0,},},{{0,},{0,},},}"},
        {"act_dead", "new int[][][]{{{0,},{0,},},{{0,},{0,},},{{0,},{0,},},{{0,1,},{0,},},}"},
        {"quan_fon", "2"},
        {"add_fon", "new String[]{\"/wall.png\",\"/wall.png\",}"},
        {"fon_obstacle", "new int[]{2,2,}"},
        {"fon_tileWidth", "new int[]{8,8,}"},
        {"fon_tileHeight", "new int[]{6,6,}"},
        {"fon_X", "new int[]{0,-16,}"},
        {"fon_Y", "new int[]{300,0,}"},
        {"fon_columns", "new int[]{4,4,}"},
        {"fon_rows", "new int[]{3,3,}"},
        {"group_fon", "new int[]{1,1,}"},
        {"quan_line", "1"},
        {"add_line", "new String[]{\"/life.png\",}"},
        // An odd image width gives the integer quotient.
        {"line_width", "new int[]{20,}"},
        {"line_height", "new int[]{7,}"},
        {"line_X", "new int[]{4,}"},
        {"line_Y", "new int[]{5,}"},
        {"line_ob", "new int[]{5,}"},
        {"group_line", "new int[]{1,}"},
        {"quan_text", "2"},
        {"text_X", "new int[]{100,0,}"},
        {"text_Y", "new int[]{8,0,}"},
        // Quotes and backslashes are escaped; the Russian text stays Windows-1251 here.
        {"add_text", "new String[][]{{\"" + utf8ToCp1251("Счёт: \\\"10\\\"") +
                         "\",\"C:\\\\games\",},{\"" + utf8ToCp1251("Счёт: \\\"10\\\"") +
                         "\",\"C:\\\\games\",},}"},
        {"text_ob", "new int[]{2,2,}"},
        {"text_p1", "new int[]{3,3,}"},
        {"text_p2", "new int[]{-1,-1,}"},
        {"text_p3", "new int[]{1,1,}"},
        {"text_p4", "new int[]{0,0,}"},
        {"text_p5", "new int[]{1,1,}"},
        {"text_color", "new int[][]{{1,2,255,},{1,2,255,},}"},
        {"group_text", "new int[]{1,1,}"},
        {"act_t", "new int[]{0,2,0,0,0,0,0,0,0,1,}"},
        {"act_xt", "new int[][]{{},{1,-6,},{},{},{},{},{},{},{},{9,},}"},
        {"act_yt", "new int[][]{{},{2,7,},{},{},{},{},{},{},{},{8,},}"},
        {"act_tr", "new int[][][]{{},{{3,4,5},{0,-1,1},},{},{},{},{},{},{},{},{{7,6,5},},}"},
    };
    for (const auto& [marker, text] : expected) {
        EXPECT_EQ(d.at(marker), text) << marker;
    }
}

TEST(LevelValues, RefuseAPlacementOfAMissingType) {
    Project project = placedProject();
    project.levels[1].activePlacements.add(at(0, 0, 3 + 1));
    const StageGenerator generator(project, BuildFolders("/x"));
    EXPECT_THROW(generator.levelValues(1), IoError);
}

TEST(CopyTemplateLine, RenamesTheStageAndReplacesWholeMarkerLines) {
    const std::vector<TemplateReplacement> replacements = {{"//level", "int level=3;"},
                                                           {"//level_size", "size"}};
    const struct {
        std::string line;
        int level;
        std::string expected;
    } cases[] = {
        {"public class Etap1 extends GameCanvas {", 1, "public class Etap1 extends GameCanvas {"},
        {"public Etap1(syrk m){etap1=0;}", 10, "public Etap10(syrk m){etap10=0;}"},
        {"//level", 1, "int level=3;"},
        // A marker that begins with another one.
        {"//level_size", 1, "size"},
        {"//level \t", 1, "int level=3;"},
        // Only a line that is a marker is replaced: anything else is copied (and renamed).
        {"// level stays", 1, "// level stays"},
        {"x //level y", 1, "x //level y"},
        {"//level//level_size", 1, "//level//level_size"},
        {"//level Etap1", 2, "//level Etap2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StageGenerator::copyTemplateLine(c.line, c.level, replacements), c.expected)
            << c.line;
    }
    // Indentation and blank lines vanish on reading.
    const auto lines = splitTemplateLines("    //level\r\n\r\n\t\r\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(StageGenerator::copyTemplateLine(lines[0], 1, replacements), "int level=3;");
}

TEST(EventLine, WrapsTheStatementInTheLoopsItNames) {
    const struct {
        std::string condition;
        std::string action;
        std::string expected;
    } cases[] = {
        {"(act[gr_obj[2][kr2]].getX()>10)", "{act[gr_obj[2][kr2]].setVisible(false);}",
         "for(int kr2=0;kr2<=kol_obj[2]-1;kr2++){if((act[gr_obj[2][kr2]].getX()>10)){{act[gr_obj["
         "2][kr2]].setVisible(false);}};}"},
        {"(obtime>0)", "glob[1]=5;", "if((obtime>0)){glob[1]=5;};"},
        // Loop variables are whole names: kr12 does not name kr1.
        {"(obtime>0)", "{act_upr[gr_obj[12][kr12]]=1;}",
         "for(int kr12=0;kr12<=kol_obj[12]-1;kr12++){if((obtime>0)){{act_upr[gr_obj[12][kr12]]=1;}"
         "};}"},
        // kr1 does not occur in krf1, krl1 or krt1; object loops in kind order.
        {"(fon[gr_fon[1][krf1]].getX()>0)",
         "{line_tek[gr_line[3][krl3]]=tek_str[gr_text[1][krt1]];}",
         "for(int krf1=0;krf1<=kol_fon[1]-1;krf1++){for(int krl3=0;krl3<=kol_line[3]-1;krl3++){"
         "for(int krt1=0;krt1<=kol_text[1]-1;krt1++){if((fon[gr_fon[1][krf1]].getX()>0)){{line_"
         "tek[gr_line[3][krl3]]=tek_str[gr_text[1][krt1]];}};}}}"},
        // A special action under an indicator condition gets the indicator loop too.
        {"(line_tek[gr_line[1][krl1]]>1)", "glob[2]=1;",
         "for(int krl1=0;krl1<=kol_line[1]-1;krl1++){if((line_tek[gr_line[1][krl1]]>1)){glob[2]="
         "1;};}"},
        // Several loops in ascending order, whatever order the statement names them in.
        {"(obtime>0)", "{act_upr[gr_obj[100][kr100]]=2;kd=kr3;}",
         "for(int kr3=0;kr3<=kol_obj[3]-1;kr3++){for(int kr100=0;kr100<=kol_obj[100]-1;kr100++){"
         "if((obtime>0)){{act_upr[gr_obj[100][kr100]]=2;kd=kr3;}};}}"},
        {"(act[gr_obj[12][kr12]].getX()>act[gr_obj[1][kr1]].getX())", "glob[1]=1;",
         "for(int kr1=0;kr1<=kol_obj[1]-1;kr1++){for(int kr12=0;kr12<=kol_obj[12]-1;kr12++){if(("
         "act[gr_obj[12][kr12]].getX()>act[gr_obj[1][kr1]].getX())){glob[1]=1;};}}"},
        {"(obtime>0)", "}else{{act_upr[gr_obj[4][kr4]]=5;}",
         "for(int kr4=0;kr4<=kol_obj[4]-1;kr4++){if((obtime>0)){}else{{act_upr[gr_obj[4][kr4]]=5;"
         "}};}"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StageGenerator::eventLine(c.condition, c.action), c.expected) << c.action;
    }
}

TEST(EventLines, FollowTheEventAndColumnOrder) {
    Project project;
    project.activeCount = 3;
    project.backgroundCount = 1;
    project.textCount = 1;
    project.indicatorCount = 1;
    EventTable& table = project.eventTable;
    table.eventCount = 3;
    Event& first = table.events[1];
    first.conditionCode = "(obtime>0)";
    first.activeActions[3].add(Action{"", "{a3();}"});
    first.specialActions[1].add(Action{"", "s1();"});
    first.specialActions[1].add(Action{"", "s2();"});
    first.textActions[1].add(Action{"", "{t1();}"});
    first.indicatorActions[1].add(Action{"", "{l1();}"});
    first.backgroundActions[1].add(Action{"", "{f1();}"});
    first.specialActions[3].add(Action{"", "{c3();}"});
    first.activeActions[5].add(Action{"", "{beyond the type count();}"});
    // An event without a condition can never fire and would not compile.
    table.events[2].activeActions[1].add(Action{"", "{never();}"});
    table.events[3].conditionCode = "(anykey==true)";
    table.events[3].activeActions[1].add(Action{"", "{x();}"});
    const StageGenerator generator(project, BuildFolders("/x"));
    const std::vector<std::string> expected = {
        "if((obtime>0)){s1();};",   "if((obtime>0)){s2();};",      "if((obtime>0)){{c3();}};",
        "if((obtime>0)){{f1();}};", "if((obtime>0)){{a3();}};",    "if((obtime>0)){{l1();}};",
        "if((obtime>0)){{t1();}};", "if((anykey==true)){{x();}};",
    };
    EXPECT_EQ(generator.eventLines(), expected);
}

// The event lines go into methods of a bounded size that keep their order.
TEST(EventMethods, HoldTheLinesInOrderInMethodsOfBoundedSize) {
    Project project;
    project.activeCount = 1;
    EventTable& table = project.eventTable;
    table.eventCount = 3;
    const std::string padding(StageGenerator::kEventMethodSourceBytes / 3, ' ');
    for (int a = 0; a < 7; ++a) {
        table.events[1].specialActions[1].add(
            Action{"", "glob[1]=" + std::to_string(a) + ";" + padding});
    }
    table.events[1].conditionCode = "(obtime>0)";
    // An event without a condition has no lines; a line longer than the bound stands in a
    // method of its own, and short lines share one.
    table.events[2].specialActions[1].add(Action{"", "glob[2]=1;"});
    table.events[3].conditionCode = "(anykey==true)";
    table.events[3].activeActions[1].add(Action{
        "", "{glob[3]=1;" + std::string(StageGenerator::kEventMethodSourceBytes, ' ') + "}"});
    table.events[3].activeActions[1].add(Action{"", "{glob[4]=1;}"});
    table.events[3].activeActions[1].add(Action{"", "{glob[5]=1;}"});
    const StageGenerator generator(project, BuildFolders("/x"));
    std::vector<std::string> names;
    std::vector<std::size_t> lineCounts;
    std::vector<std::string> lines;
    for (const EventMethod& method : generator.eventMethods()) {
        names.push_back(method.name);
        lineCounts.push_back(method.lines.size());
        std::size_t size = 0;
        for (const std::string& line : method.lines) {
            size += line.size();
            lines.push_back(line);
        }
        EXPECT_TRUE(size <= StageGenerator::kEventMethodSourceBytes || method.lines.size() == 1)
            << method.name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"events1", "events2", "events3", "events4",
                                               "events5", "events6"}));
    // 7 lines of a third of the bound each: 2, 2, 2, then the last with nothing more
    // (the long line does not fit), the long line alone, then the two short lines.
    EXPECT_EQ(lineCounts, (std::vector<std::size_t>{2, 2, 2, 1, 1, 2}));
    EXPECT_EQ(lines, generator.eventLines());
    std::vector<std::string> expected = generator.eventLines(1);
    const std::vector<std::string> third = generator.eventLines(3);
    expected.insert(expected.end(), third.begin(), third.end());
    EXPECT_EQ(lines, expected);
}

TEST(WriteStage, WritesTheLevelsTemplateWithDeclarationsAndTheEventsOnceWithClosingLine) {
    ProgramFolder folder;
    writeFileText(folder.root() / "System" / "draft" / "Etap1.java",
                  "class Etap1 extends Events {\r\n\r\n    //level\n\t//level_size  \r\n"
                  "//level_data\r\nint etap1;\r\n}");
    writeFileText(folder.root() / "System" / "draft" / "Events.java",
                  "abstract class Events {\r\n\r\n  //quan_act Etap1\r\nvoid events(){");
    Project project = placedProject();
    project.eventTable.eventCount = 1;
    project.eventTable.events[1].conditionCode = "(obtime>0)";
    project.eventTable.events[1].textActions[1].add(
        Action{"", "{text_visible[gr_text[1][krt1]]=" + utf8ToCp1251("true/*ё*/") + ";}"});
    const StageGenerator generator(project, folder.folders());
    generator.writeStage(10);
    const std::string ten = testing::fileText(folder.root() / "System" / "src" / "Etap10.java");
    EXPECT_TRUE(ten.ends_with("tek_str=new int[]{};\r\nint etap10;\r\n}\r\n")) << ten;
    EXPECT_EQ(ten.find("class Etap10 extends Events {\r\n"
                       "int level=10;\r\n"
                       "int level_width=0;int level_height=0;\r\n"
                       "quan_act=0;\r\n"
                       "group_act=new int[]{};\r\n"
                       "add_act=new String[]{};\r\n"
                       "act_manager=new int[]{1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};\r\n"),
              0u);
    generator.writeStage(1);
    const std::string one = testing::fileText(folder.root() / "System" / "src" / "Etap1.java");
    EXPECT_NE(one.find("\r\nquan_act=2;\r\ngroup_act=new int[]{1,2,};\r\nadd_act=new String[]{\"/"
                       "\\u0433\\u0435\\u0440\\u043e\\u0439.png\",\"/enemy.png\",};\r\n"),
              std::string::npos)
        << one;
    // The events class: its template as it stands, the calls of the event methods, the
    // methods and the closing line.
    generator.writeEvents();
    EXPECT_EQ(testing::fileText(folder.root() / "System" / "src" / "Events.java"),
              "abstract class Events {\r\n"
              "//quan_act Etap1\r\n"
              "void events(){\r\n"
              "events1();\r\n"
              "}\r\n"
              "private void events1(){\r\n"
              "for(int krt1=0;krt1<=kol_text[1]-1;krt1++){if((obtime>0)){{text_visible[gr_text[1]"
              "[krt1]]=true/*\\u0451*/;}};}\r\n"
              "}\r\n"
              "}\r\n");
}

TEST(WriteStage, ReportsAMissingTemplate) {
    ProgramFolder folder;
    std::filesystem::remove(folder.root() / "System" / "draft" / "Etap1.java");
    std::filesystem::remove(folder.root() / "System" / "draft" / "Events.java");
    const Project project;
    EXPECT_THROW(StageGenerator(project, folder.folders()).writeStage(1), IoError);
    EXPECT_FALSE(std::filesystem::exists(folder.root() / "System" / "src" / "Etap1.java"));
    EXPECT_THROW(StageGenerator(project, folder.folders()).writeEvents(), IoError);
    EXPECT_FALSE(std::filesystem::exists(folder.root() / "System" / "src" / "Events.java"));
}

// The number of lines of `lines` that are `marker`.
int markerLines(const std::vector<std::string>& lines, std::string_view marker) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), marker));
}

TEST(StageTemplate, HoldsEveryMarkerOnceOnALineOfItsOwn) {
    const std::filesystem::path draft = std::filesystem::path(AVIZAD_SOURCE_DIR) / "System/draft";
    const std::vector<std::string> lines = readTemplateLines(draft / "Etap1.java");
    const std::string_view markers[] = {"//level", "//level_size", "//level_data"};
    for (const std::string_view marker : markers) {
        EXPECT_EQ(markerLines(lines, marker), 1) << marker;
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "}");
    const std::vector<std::string> events = readTemplateLines(draft / "Events.java");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "protected void events(){");
    const std::vector<std::string> engine = readTemplateLines(draft / "Stage.java");
    EXPECT_EQ(markerLines(engine, "//level_fields"), 1);
    EXPECT_EQ(markerLines(engine, "//layout_screen"), 1);
    // The generated stage of level 7 keeps no marker, names its own class and is ASCII.
    Project project = placedProject();
    project.levelCount = 7;
    const StageGenerator generator(project, BuildFolders("/x"));
    const std::string text = generator.stageText(7, lines);
    EXPECT_NE(text.find("public class Etap7 extends Events"), std::string::npos);
    EXPECT_NE(text.find("\r\nint level=7;\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Etap1"), std::string::npos);
    EXPECT_EQ(text.find("//level"), std::string::npos);
    for (const char c : text) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
    // The engine declares the level's data where its template says.
    const std::string engineText = StageGenerator::engineText(engine, 176, 220);
    EXPECT_EQ(engineText.find("//level_fields"), std::string::npos);
    EXPECT_NE(engineText.find("\r\nstatic final int LAYOUT_WIDTH=176;static final int "
                              "LAYOUT_HEIGHT=220;\r\n"),
              std::string::npos);
    EXPECT_NE(engineText.find("\r\nint quan_act;\r\nint[] group_act;\r\n"), std::string::npos);
}

// The values a generated level class gives the engine: every statement "[type] name=value"
// of its lines whose value is a literal (a number, a word such as true, or an array
// literal, its "new T[]" dropped), by name. Statements are split at the semicolons outside
// string literals.
std::map<std::string, std::string> assignedValues(const std::string& javaText) {
    std::map<std::string, std::string> values;
    std::istringstream lines(javaText);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with("/*") || line.starts_with("*") || line.starts_with("//")) {
            continue;
        }
        std::vector<std::string> statements(1);
        bool inString = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (!inString && c == ';') {
                statements.emplace_back();
                continue;
            }
            statements.back() += c;
            if (inString && c == '\\' && i + 1 < line.size()) {
                statements.back() += line[++i];
            } else if (c == '"') {
                inString = !inString;
            }
        }
        for (const std::string& statement : statements) {
            const std::size_t equals = statement.find('=');
            if (equals == std::string::npos || statement.find('"') < equals) {
                continue;
            }
            std::string name = statement.substr(0, equals);
            const std::size_t start = name.find_last_not_of(
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
            name = start == std::string::npos ? name : name.substr(start + 1);
            std::string value = statement.substr(equals + 1);
            if (value.starts_with("new ")) {
                value = value.substr(value.find('{'));
            }
            const bool literal =
                !value.empty() && (value[0] == '{' || value[0] == '-' ||
                                   std::isdigit(static_cast<unsigned char>(value[0])) ||
                                   value == "true" || value == "false");
            if (!name.empty() && literal) {
                values[name] = value;
            }
        }
    }
    return values;
}

// Every array and number each level of tests/fixtures/showcase.yrk gives the engine, as recorded
// in tests/generator/data/showcase-level-values.txt ("level name value" per line) from the
// generator of an earlier version: a change of the generator's text keeps the values.
TEST(ShowcaseLevels, HoldTheRecordedValues) {
    Project project;
    clearProject(project);
    loadProject(project, std::filesystem::path(AVIZAD_SOURCE_DIR) / "tests/fixtures/showcase.yrk");
    const std::vector<std::string> lines =
        readTemplateLines(std::filesystem::path(AVIZAD_SOURCE_DIR) / "System/draft/Etap1.java");
    const StageGenerator generator(project, BuildFolders("/x"));
    std::string generated;
    for (int level = 1; level <= project.levelCount; ++level) {
        for (const auto& [name, value] : assignedValues(generator.stageText(level, lines))) {
            generated += std::to_string(level) + " " + name + " " + value + "\n";
        }
    }
    std::ifstream recorded(std::filesystem::path(AVIZAD_SOURCE_DIR) /
                           "tests/generator/data/showcase-level-values.txt");
    std::stringstream expected;
    expected << recorded.rdbuf();
    EXPECT_EQ(generated, expected.str());
}

}  // namespace
}  // namespace avizad

// The stage code generator: declarations, template lines, event lines, stage files.

#include <gtest/gtest.h>

#include <map>

#include "GeneratorTestSupport.h"
#include "generator/StageGenerator.h"
#include "generator/TemplateLines.h"
#include "model/Cp1251.h"
#include "model/IoError.h"

namespace avizad {
namespace {

using testing::ProgramFolder;

std::map<std::string, std::string> declarationMap(const Project& project, int level) {
    const StageGenerator generator(project, BuildFolders("/nonexistent"));
    std::map<std::string, std::string> map;
    for (const auto& [marker, text] : generator.stageDeclarations(level)) {
        map[marker] = text;
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

TEST(StageMarkers, AreSixtyOneDistinctOnes) {
    const auto& markers = StageGenerator::markers();
    ASSERT_EQ(markers.size(), 61u);
    for (std::size_t i = 0; i < markers.size(); ++i) {
        for (std::size_t j = i + 1; j < markers.size(); ++j) {
            EXPECT_NE(markers[i], markers[j]);
        }
    }
    EXPECT_EQ(markers.front(), "//quan_act");
    EXPECT_EQ(markers.back(), "//act_yt");
}

TEST(StageDeclarations, OfAnEmptyLevelAreEmptyLists) {
    Project project;
    const std::map<std::string, std::string> expected = {
        {"//quan_act", "int quan_act=0;"},
        {"//group_act", "int[]group_act={};"},
        {"//add_act", "String[]add_act={};"},
        {"//act_manager", "int[]act_manager={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};"},
        {"//act_obstacle", "int[]act_obstacle={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};"},
        {"//tileWidthob", "int[]tileWidthob={};"},
        {"//tileHeightob", "int[]tileHeightob={};"},
        {"//raspxob", "int[]raspxob={};"},
        {"//raspyob", "int[]raspyob={};"},
        {"//act_upr", "int[]act_upr={};"},
        {"//quan_fon", "int quan_fon=0;"},
        {"//fon_obstacle", "int[]fon_obstacle={};"},
        {"//add_fon", "String[]add_fon={};"},
        {"//fon_tileWidth", "int[]fon_tileWidth={};"},
        {"//fon_tileHeight", "int[]fon_tileHeight={};"},
        {"//fon_X", "int[]fon_X={};"},
        {"//fon_Y", "int[]fon_Y={};"},
        {"//fon_columns", "int[]fon_columns={};"},
        {"//fon_rows", "int[]fon_rows={};"},
        {"//fon_manager", "int[]fon_manager={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};"},
        {"//group_fon", "int[]group_fon={};"},
        {"//quan_line", "int quan_line=0;"},
        {"//add_line", "String[]add_line={};"},
        {"//line_ob", "int[]line_ob={};"},
        {"//line_width", "int[]line_width={};"},
        {"//line_height", "int[]line_height={};"},
        {"//line_X", "int[]line_X={};"},
        {"//line_Y", "int[]line_Y={};"},
        {"//line_manager", "int[]line_manager={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};"},
        {"//line_tek", "int[]line_tek={};"},
        {"//line_visible", "boolean[]line_visible={};"},
        {"//group_line", "int[]group_line={};"},
        {"//quan_text", "int quan_text=0;"},
        {"//text_X", "int[]text_X={};"},
        {"//text_Y", "int[]text_Y={};"},
        {"//add_text", "String[][]add_text={};"},
        {"//text_ob", "int[]text_ob={};"},
        {"//text_p1", "int[]text_p1={};"},
        {"//text_p2", "int[]text_p2={};"},
        {"//text_p3", "int[]text_p3={};"},
        {"//text_p4", "int[]text_p4={};"},
        {"//text_p5", "int[]text_p5={};"},
        {"//text_color", "int[][]text_color={};"},
        {"//text_visible", "boolean[]text_visible={};"},
        {"//text_W", "int[]text_W={};"},
        {"//text_H", "int[]text_H={};"},
        {"//group_text", "int[]group_text={};"},
        {"//tek_str", "int[]tek_str={};"},
        {"//act_type", "int[]act_type={0,};"},
        {"//act_go", "int[][][]act_go={{},{},{},{},};"},
        {"//act_stop", "int[][][]act_stop={{},{},{},{},};"},
        {"//act_dead", "int[][][]act_dead={{},{},{},{},};"},
        {"//act_uron", "int[]act_uron={};"},
        {"//act_speed_tek", "int[]act_speed_tek={};"},
        {"//act_speed", "int[]act_speed={};"},
        {"//grav_napr", "int[]grav_napr={};"},
        {"//act_tr_number", "int[]act_tr_number={};"},
        {"//act_tr", "int[][][]act_tr={{},{},{},{},{},{},{},{},{},{},};"},
        {"//act_t", "int[]act_t={0,0,0,0,0,0,0,0,0,0,};"},
        {"//act_xt", "int[][]act_xt={{},{},{},{},{},{},{},{},{},{},};"},
        {"//act_yt", "int[][]act_yt={{},{},{},{},{},{},{},{},{},{},};"},
    };
    EXPECT_EQ(declarationMap(project, 1), expected);
    const StageGenerator generator(project, BuildFolders("/x"));
    const auto declarations = generator.stageDeclarations(1);
    for (std::size_t i = 0; i < declarations.size(); ++i) {
        EXPECT_EQ(declarations[i].first, StageGenerator::markers()[i]);
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
    level.controlType[1] = 1;
    level.controlType[2] = 0;
    level.controlType[3] = 3;
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

TEST(StageDeclarations, ListOneElementPerPlacement) {
    const Project project = placedProject();
    const auto d = declarationMap(project, 1);
    const std::map<std::string, std::string> expected = {
        {"//quan_act", "int quan_act=2;"},
        {"//group_act", "int[]group_act={1,2,};"},
        {"//add_act", "String[]add_act={\"/" + utf8ToCp1251("герой") + ".png\",\"/enemy.png\",};"},
        {"//tileWidthob", "int[]tileWidthob={16,8,};"},
        {"//tileHeightob", "int[]tileHeightob={20,9,};"},
        {"//raspxob", "int[]raspxob={10,40,};"},
        {"//raspyob", "int[]raspyob={-5,7,};"},
        {"//act_upr", "int[]act_upr={1,1,};"},
        {"//act_speed", "int[]act_speed={3,10,};"},
        {"//act_speed_tek", "int[]act_speed_tek={0,0,};"},
        {"//act_uron", "int[]act_uron={0,0,};"},
        {"//grav_napr", "int[]grav_napr={0,0,};"},
        {"//act_tr_number", "int[]act_tr_number={0,0,};"},
        {"//act_type", "int[]act_type={0,1,0,3,};"},
        {"//act_go", "int[][][]act_go={{{2,4,},{0,},},{{0,},{0,},},{{0,},{0,},},{{0,},{0,},},};"},
        {"//act_stop",
         "int[][][]act_stop={{{0,},{0,},},{{0,3,},{0,},},{{0,},{0,},},{{0,},{0,},},};"},
        {"//act_dead",
         "int[][][]act_dead={{{0,},{0,},},{{0,},{0,},},{{0,},{0,},},{{0,1,},{0,},},};"},
        {"//quan_fon", "int quan_fon=2;"},
        {"//add_fon", "String[]add_fon={\"/wall.png\",\"/wall.png\",};"},
        {"//fon_obstacle", "int[]fon_obstacle={2,2,};"},
        {"//fon_tileWidth", "int[]fon_tileWidth={8,8,};"},
        {"//fon_tileHeight", "int[]fon_tileHeight={6,6,};"},
        {"//fon_X", "int[]fon_X={0,-16,};"},
        {"//fon_Y", "int[]fon_Y={300,0,};"},
        {"//fon_columns", "int[]fon_columns={4,4,};"},
        {"//fon_rows", "int[]fon_rows={3,3,};"},
        {"//group_fon", "int[]group_fon={1,1,};"},
        {"//quan_line", "int quan_line=1;"},
        {"//add_line", "String[]add_line={\"/life.png\",};"},
        // An odd image width gives the integer quotient.
        {"//line_width", "int[]line_width={20,};"},
        {"//line_height", "int[]line_height={7,};"},
        {"//line_X", "int[]line_X={4,};"},
        {"//line_Y", "int[]line_Y={5,};"},
        {"//line_ob", "int[]line_ob={5,};"},
        {"//line_tek", "int[]line_tek={0,};"},
        {"//line_visible", "boolean[]line_visible={true,};"},
        {"//group_line", "int[]group_line={1,};"},
        {"//quan_text", "int quan_text=2;"},
        {"//text_X", "int[]text_X={100,0,};"},
        {"//text_Y", "int[]text_Y={8,0,};"},
        // Quotes and backslashes are escaped; the Russian text stays Windows-1251 here.
        {"//add_text", "String[][]add_text={{\"" + utf8ToCp1251("Счёт: \\\"10\\\"") +
                           "\",\"C:\\\\games\",},{\"" + utf8ToCp1251("Счёт: \\\"10\\\"") +
                           "\",\"C:\\\\games\",},};"},
        {"//text_ob", "int[]text_ob={2,2,};"},
        {"//text_p1", "int[]text_p1={3,3,};"},
        {"//text_p2", "int[]text_p2={-1,-1,};"},
        {"//text_p3", "int[]text_p3={1,1,};"},
        {"//text_p4", "int[]text_p4={0,0,};"},
        {"//text_p5", "int[]text_p5={1,1,};"},
        {"//text_color", "int[][]text_color={{1,2,255,},{1,2,255,},};"},
        {"//text_visible", "boolean[]text_visible={true,true,};"},
        {"//text_W", "int[]text_W={100,100,};"},
        {"//text_H", "int[]text_H={100,100,};"},
        {"//tek_str", "int[]tek_str={0,0,};"},
        {"//group_text", "int[]group_text={1,1,};"},
        {"//act_t", "int[]act_t={0,2,0,0,0,0,0,0,0,1,};"},
        {"//act_xt", "int[][]act_xt={{},{1,-6,},{},{},{},{},{},{},{},{9,},};"},
        {"//act_yt", "int[][]act_yt={{},{2,7,},{},{},{},{},{},{},{},{8,},};"},
        {"//act_tr", "int[][][]act_tr={{},{{3,4,5},{0,-1,1},},{},{},{},{},{},{},{},{{7,6,5},},};"},
    };
    for (const auto& [marker, text] : expected) {
        EXPECT_EQ(d.at(marker), text) << marker;
    }
}

TEST(StageDeclarations, RefuseAPlacementOfAMissingType) {
    Project project = placedProject();
    project.levels[1].activePlacements.add(at(0, 0, 3 + 1));
    const StageGenerator generator(project, BuildFolders("/x"));
    EXPECT_THROW(generator.stageDeclarations(1), IoError);
}

TEST(CopyTemplateLine, RenamesTheStageAndReplacesWholeMarkerLines) {
    Project project = placedProject();
    project.levels[1].activePlacements.add(at(1, 1, 1));
    const StageGenerator generator(project, BuildFolders("/x"));
    const auto d1 = generator.stageDeclarations(1);
    const struct {
        std::string line;
        int level;
        std::string expected;
    } cases[] = {
        {"public class Etap1 extends GameCanvas {", 1, "public class Etap1 extends GameCanvas {"},
        {"public Etap1(syrk m){etap1=0;}", 10, "public Etap10(syrk m){etap10=0;}"},
        {"//quan_act", 1, "int quan_act=3;"},
        {"//act_speed_tek", 1, "int[]act_speed_tek={0,0,0,};"},
        {"//act_speed", 1, "int[]act_speed={3,10,3,};"},
        {"//act_tr_number", 1, "int[]act_tr_number={0,0,0,};"},
        {"//act_t", 1, "int[]act_t={0,2,0,0,0,0,0,0,0,1,};"},
        {"//act_t \t", 1, "int[]act_t={0,2,0,0,0,0,0,0,0,1,};"},
        // Only a line that is a marker is replaced: anything else is copied (and renamed).
        {"// quan_act stays", 1, "// quan_act stays"},
        {"x //act_speed_tek y", 1, "x //act_speed_tek y"},
        {"//act_type//act_tr_number", 1, "//act_type//act_tr_number"},
        {"//quan_act Etap1", 2, "//quan_act Etap2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StageGenerator::copyTemplateLine(c.line, c.level, d1), c.expected) << c.line;
    }
    // Indentation and blank lines vanish on reading.
    const auto lines = splitTemplateLines("    //quan_act\r\n\r\n\t\r\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(StageGenerator::copyTemplateLine(lines[0], 1, d1), "int quan_act=3;");
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
        // kr12 contains kr1: both loops, kr1 outermost.
        {"(obtime>0)", "{act_upr[gr_obj[12][kr12]]=1;}",
         "for(int kr1=0;kr1<=kol_obj[1]-1;kr1++){for(int kr12=0;kr12<=kol_obj[12]-1;kr12++){if(("
         "obtime>0)){{act_upr[gr_obj[12][kr12]]=1;}};}}"},
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
        {"(obtime>0)", "{act_upr[gr_obj[100][kr100]]=2;kd=kr3;}",
         "for(int kr1=0;kr1<=kol_obj[1]-1;kr1++){for(int kr3=0;kr3<=kol_obj[3]-1;kr3++){for(int "
         "kr10=0;kr10<=kol_obj[10]-1;kr10++){for(int kr100=0;kr100<=kol_obj[100]-1;kr100++){if(("
         "obtime>0)){{act_upr[gr_obj[100][kr100]]=2;kd=kr3;}};}}}}"},
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

TEST(WriteStage, WritesTheLevelsTemplateWithDeclarationsAndTheEventsOnceWithClosingLine) {
    ProgramFolder folder;
    writeFileText(folder.root() / "System" / "draft" / "Etap1.java",
                  "class Etap1 extends Events {\r\n\r\n    //quan_act\n\t//add_act  \r\n//level\r\n"
                  "int etap1;\r\n}");
    writeFileText(folder.root() / "System" / "draft" / "Events.java",
                  "abstract class Events {\r\n\r\n  //quan_act Etap1\r\nvoid events(){");
    Project project = placedProject();
    project.eventTable.eventCount = 1;
    project.eventTable.events[1].conditionCode = "(obtime>0)";
    project.eventTable.events[1].textActions[1].add(
        Action{"", "{text_visible[gr_text[1][krt1]]=" + utf8ToCp1251("true/*ё*/") + ";}"});
    const StageGenerator generator(project, folder.folders());
    generator.writeStage(10);
    EXPECT_EQ(testing::fileText(folder.root() / "System" / "src" / "Etap10.java"),
              "class Etap10 extends Events {\r\n"
              "int quan_act=0;\r\n"
              "String[]add_act={};\r\n"
              "int level=10;\r\n"
              "int etap10;\r\n"
              "}\r\n");
    generator.writeStage(1);
    const std::string one = testing::fileText(folder.root() / "System" / "src" / "Etap1.java");
    EXPECT_NE(one.find("int quan_act=2;\r\nString[]add_act={\"/\\u0433\\u0435\\u0440\\u043e"
                       "\\u0439.png\",\"/enemy.png\",};\r\nint level=1;\r\n"),
              std::string::npos);
    // The events class: its template as it stands, the event lines and the closing line.
    generator.writeEvents();
    EXPECT_EQ(testing::fileText(folder.root() / "System" / "src" / "Events.java"),
              "abstract class Events {\r\n"
              "//quan_act Etap1\r\n"
              "void events(){\r\n"
              "for(int krt1=0;krt1<=kol_text[1]-1;krt1++){if((obtime>0)){{text_visible[gr_text[1]"
              "[krt1]]=true/*\\u0451*/;}};}\r\n"
              "}}\r\n");
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

TEST(StageTemplate, HoldsEveryMarkerOnceOnALineOfItsOwn) {
    const std::vector<std::string> lines =
        readTemplateLines(std::filesystem::path(AVIZAD_SOURCE_DIR) / "System/draft/Etap1.java");
    std::vector<std::string_view> markers(StageGenerator::markers().begin(),
                                          StageGenerator::markers().end());
    markers.push_back("//level");
    markers.push_back("//level_size");
    for (const std::string_view marker : markers) {
        int count = 0;
        for (const std::string& line : lines) {
            if (line == marker) {
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << marker;
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "}");
    const std::vector<std::string> events =
        readTemplateLines(std::filesystem::path(AVIZAD_SOURCE_DIR) / "System/draft/Events.java");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "protected void events(){");
    // The generated stage of level 7 keeps no marker and names its own class.
    Project project = placedProject();
    project.levelCount = 7;
    const StageGenerator generator(project, BuildFolders("/x"));
    const std::string text = generator.stageText(7, lines);
    EXPECT_NE(text.find("public class Etap7 extends Events"), std::string::npos);
    EXPECT_NE(text.find("\r\nint level=7;\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Etap1"), std::string::npos);
    for (const std::string_view marker : markers) {
        EXPECT_EQ(text.find(std::string(marker) + "\r"), std::string::npos) << marker;
    }
    for (const char c : text) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
}

}  // namespace
}  // namespace avizad

// Code the catalogues make, and code written by hand into a project.

#include <gtest/gtest.h>

#include <filesystem>

#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "events/HandWrittenCode.h"
#include "model/Cp1251.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

Project loaded(const fs::path& file) {
    Project project;
    clearProject(project);
    loadProject(project, file);
    return project;
}

// Every entry of every menu, built with ordinary values, is the catalogues' code.
TEST(HandWrittenCode, EveryEntryOfTheCataloguesIsTheirs) {
    EntryValues values;
    values.n = 3;
    values.m = 12;
    values.a = 0;
    values.b = 40;
    values.level = 2;
    values.milliseconds = 1500;
    values.name = utf8ToCp1251("земля");
    values.keyName = "venter";
    values.keyCode = "-5";
    values.timeText = "1.50";
    values.builderCaption = utf8ToCp1251(" Х[объект2] +10");
    values.builderCode = "act[gr_obj[2][kr2]].getX()+10";
    values.rowText = utf8ToCp1251("Счёт: \"очки\"\\");
    values.file = utf8ToCp1251("удар №1.wav");
    values.contentType = "audio/x-wav";
    for (const std::string& builderCode :
         {std::string("act[gr_obj[2][kr2]].getX()+10"), std::string("==Math.abs(glob[3]-5)"),
          std::string("glob[1]=endTime_ob/1000/60*2"), utf8ToCp1251("мину")}) {
        values.builderCode = builderCode;
        for (const ConditionMenu menu : ConditionCatalogue::allMenus()) {
            for (const CatalogueEntry& entry : ConditionCatalogue::menu(menu)) {
                if (entry.addsSomething()) {
                    const std::string code = entry.build(values).code;
                    EXPECT_TRUE(isCatalogueCondition(code)) << entry.caption << ": " << code;
                    EXPECT_TRUE(isCatalogueCondition(code + "&(obtime>0)")) << code;
                }
            }
        }
        for (const ActionMenu menu : ActionCatalogue::allMenus()) {
            for (const CatalogueEntry& entry : ActionCatalogue::menu(menu)) {
                if (entry.addsSomething()) {
                    const std::string code = entry.build(values).code;
                    EXPECT_TRUE(isCatalogueAction(code, menu)) << entry.caption << ": " << code;
                    EXPECT_TRUE(isCatalogueAction("}else{" + code, menu)) << code;
                }
            }
        }
    }
}

// A code (or a part of one) and whether the catalogues make it.
struct CodeCase {
    const char* what;
    std::string code;
    bool catalogue;
};

// Code that no entry makes, however close to one it comes.
TEST(HandWrittenCode, CodeNoEntryMakesIsHandWritten) {
    const CodeCase actions[] = {
        {"an entry", "{act[gr_obj[1][kr1]].setVisible(true);}", true},
        {"other numbers", "{act[gr_obj[27][kr27]].setVisible(true);}", true},
        {"the demonstration", "try{Class.forName(\"Evil\").newInstance();}catch(Throwable t){}",
         false},
        {"a call in a value",
         "{act[gr_obj[1][kr1]].setPosition(System.currentTimeMillis(),act[gr_obj[1][kr1]].getY());"
         "}",
         false},
        {"a statement after an entry", "{act[gr_obj[1][kr1]].setVisible(true);}glob[1]=2;", false},
        {"a comment in a value",
         "{act[gr_obj[1][kr1]].setPosition(1/*,act[gr_obj[1][kr1]].getY());}", false},
        {"a line comment in a value",
         "{act[gr_obj[1][kr1]].setPosition(1//,act[gr_obj[1][kr1]].getY());}", false},
        {"a quote in a value",
         "{act[gr_obj[1][kr1]].setPosition(\"1\",act[gr_obj[1][kr1]].getY());}", false},
        {"a statement in a value",
         "{act[gr_obj[1][kr1]].setPosition(1);glob[1]=(2,act[gr_obj[1][kr1]].getY());}", false},
        {"an entry of another column", "{midlet.changeEtap(1,1+1);}", false},
    };
    for (const auto& c : actions) {
        EXPECT_EQ(isCatalogueAction(c.code, ActionMenu::Active), c.catalogue) << c.what;
    }
    const std::string sound =
        "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/FILE\"),\"audio/"
        "x-wav\");player.realize();player.prefetch();player.start();}catch (Exception e){}";
    const CodeCase soundFiles[] = {
        {"a file", "boom.wav", true},
        {"escapes the catalogue writes", "a\\\"b\\\\c\\u0001.wav", true},
        {"a quote as a Unicode escape, which Java reads before the string",
         "\\u0022);Runtime.getRuntime().exec(\\\"id\\\");//", false},
        {"a quote that ends the string", "a\");Runtime.getRuntime().exec(\"id", false},
        {"a line break as a Unicode escape", "a\\u000a.wav", false},
    };
    for (const auto& c : soundFiles) {
        std::string code = sound;
        code.replace(code.find("FILE"), 4, c.code);
        EXPECT_EQ(isCatalogueAction(code, ActionMenu::Sound), c.catalogue) << c.what;
    }
    const CodeCase conditions[] = {
        {"joined entries", "(obtime>0)&((obtime>=0)&(obtime<10))&(pressed_code==-5)", true},
        {"a call joined", "(obtime>0)&(Runtime.getRuntime()!=null)", false},
        {"joined with |", "(obtime>0)|(obtime>0)", false},
        {"an empty part", "(obtime>0)&", false},
        {"a field of the game in a value", "(act_napr[gr_obj[1][kr1]]==midlet.level)", false},
    };
    for (const auto& c : conditions) {
        EXPECT_EQ(isCatalogueCondition(c.code), c.catalogue) << c.what;
    }
}

// The samples were made through the menus: none of their code is listed. A sample with
// code written into it by hand lists exactly that code, where it stands.
TEST(HandWrittenCode, TheSamplesHaveNoneAHandEditedProjectIsListed) {
    const fs::path source = AVIZAD_SOURCE_DIR;
    for (const char* name : {"samples/Платформер.yrk", "samples/Погоня.yrk", "samples/Пещера.yrk",
                             "tests/fixtures/showcase.yrk"}) {
        const Project project = loaded(source / fs::u8path(name));
        EXPECT_TRUE(findHandWrittenCode(project).empty()) << name << "\n"
                                                          << handWrittenCodeNotice(project);
    }

    Project project = loaded(source / fs::u8path("samples/Погоня.yrk"));
    ASSERT_GE(project.eventTable.eventCount, 2);
    Event& second = project.eventTable.events[2];
    second.conditionCode += "&(System.currentTimeMillis()>0)";
    Action evil = {utf8ToCp1251("видимый"),
                   "try{Class.forName(\"Evil\").newInstance();}catch(Throwable t){}"};
    second.activeActions[1].add(evil);
    const std::vector<HandWrittenCode> found = findHandWrittenCode(project);
    ASSERT_EQ(found.size(), 2u) << handWrittenCodeNotice(project);
    EXPECT_EQ(found[0].event, 2);
    EXPECT_EQ(found[0].where, "условие");
    EXPECT_EQ(found[0].code, second.conditionCode);
    EXPECT_EQ(found[1].event, 2);
    EXPECT_EQ(found[1].where, "действие объекта 1 из «Активные объекты»");
    EXPECT_EQ(found[1].code, evil.code);
    const std::string notice = handWrittenCodeNotice(project);
    EXPECT_TRUE(notice.starts_with("Внимание: код этих условий и действий")) << notice;
    EXPECT_NE(notice.find("событие 2, действие объекта 1 из «Активные объекты» «видимый»: " +
                          evil.code + "\n"),
              std::string::npos)
        << notice;
}

}  // namespace
}  // namespace avizad

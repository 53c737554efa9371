// The settings, MIDlet settings and level properties dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStringList>

#include "ScriptedUser.h"
#include "app/LevelPropertiesDialog.h"
#include "app/MidletSettingsDialog.h"
#include "app/SettingsDialog.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/LevelOperations.h"

namespace avizad {
namespace {

using testing::ProgramFolder;

TEST(SettingsDialogTest, ShowsTheFileAndWritesTypedGridTextsAsTheyStand) {
    ProgramFolder program;
    SettingsDialog dialog(program.options());
    EXPECT_EQ(dialog.gridXField()->text(), "0");
    EXPECT_EQ(dialog.gridWidthField()->text(), "16");
    EXPECT_EQ(dialog.screenWidthField()->value(), 240);
    EXPECT_EQ(dialog.screenHeightField()->value(), 320);
    EXPECT_EQ(dialog.jdkField()->text(), "System/toolkit/jdk");
    EXPECT_EQ(dialog.shrinkBox()->text(), "Уменьшать размер игры");
    EXPECT_TRUE(dialog.shrinkBox()->isChecked());
    EXPECT_TRUE(dialog.errorText().isEmpty());

    dialog.gridXField()->setText("12,5");
    dialog.gridWidthField()->setText(" 8 ");
    dialog.setGridColor(rgb(1, 2, 3));
    dialog.screenWidthField()->setValue(176);
    dialog.setScreenColor(rgb(10, 20, 30));
    dialog.wtkField()->setText(QStringLiteral("/opt/телефон"));
    dialog.shrinkBox()->setChecked(false);
    dialog.accept();

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(readFileText(program.options()),
              "12,5\r\n0\r\n 8 \r\n16\r\n1\r\n2\r\n3\r\n176\r\n320\r\n10\r\n20\r\n30\r\n"
              "System/toolkit/jdk\r\n" +
                  utf8ToCp1251("/opt/телефон") + "\r\n0\r\n");
    ASSERT_TRUE(dialog.applied());
    EXPECT_FALSE(dialog.applied()->shrinkGame);
    EXPECT_EQ(dialog.applied()->gridX, 12);  // halves go to the even neighbour
    EXPECT_EQ(dialog.applied()->gridWidth, 8);
    EXPECT_EQ(dialog.applied()->gridColor, rgb(1, 2, 3));
    EXPECT_EQ(dialog.applied()->screenColor, rgb(10, 20, 30));
    EXPECT_EQ(dialog.applied()->screenWidth, 176);
}

TEST(SettingsDialogTest, RefusesGridFieldsThatAreNotUsableNumbers) {
    struct Case {
        const char* text;
        int field;  // 0 X, 2 width
    };
    for (const Case c :
         {Case{"abc", 0}, Case{"", 0}, Case{"1.2.3", 0}, Case{"0", 2}, Case{"-4", 2}}) {
        ProgramFolder program;
        const std::string before = readFileText(program.options());
        SettingsDialog dialog(program.options());
        (c.field == 0 ? dialog.gridXField() : dialog.gridWidthField())->setText(c.text);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.text;
        EXPECT_FALSE(dialog.errorText().isEmpty()) << c.text;
        EXPECT_FALSE(dialog.applied()) << c.text;
        EXPECT_EQ(readFileText(program.options()), before) << c.text;
    }
}

TEST(SettingsDialogTest, UnreadableFileIsReportedAndTheDialogStillWorks) {
    ProgramFolder program;
    std::filesystem::remove(program.options());
    SettingsDialog dialog(program.options());
    EXPECT_TRUE(dialog.errorText().contains("options.ini"));
    dialog.accept();  // writes the file anew from what the controls show
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NO_THROW(readOptions(program.options()));
}

TEST(MidletSettingsDialogTest, YesCopiesTheFieldsBackCancelKeepsTheProject) {
    Project project;
    project.midletIcon = "icon.png";
    {
        MidletSettingsDialog dialog(project);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Настройки MIDlet"));
        EXPECT_EQ(dialog.nameField()->text(), "syrk");
        EXPECT_EQ(dialog.vendorField()->text(), "tulvask");
        EXPECT_EQ(dialog.versionField()->text(), "1.0");
        EXPECT_TRUE(dialog.iconField()->isHidden());
        dialog.nameField()->setText(QStringLiteral("Другое"));
        dialog.reject();
    }
    EXPECT_EQ(project.midletName, "syrk");
    MidletSettingsDialog dialog(project);
    dialog.nameField()->setText(QStringLiteral("Моя игра"));
    dialog.vendorField()->setText("me");
    dialog.versionField()->setText("2.1");
    dialog.accept();
    dialog.applyTo(project);
    EXPECT_EQ(project.midletName, utf8ToCp1251("Моя игра"));
    EXPECT_EQ(project.midletVendor, "me");
    EXPECT_EQ(project.midletVersion, "2.1");
    EXPECT_EQ(project.midletIcon, "icon.png");
}

TEST(MidletSettingsDialogTest, YesRefusesANameThatMakesNoGameAndStaysOpen) {
    Project project;
    project.midletIcon = "/a,b.png";  // from a project file: the field shows when it must change
    QStringList messages;
    MidletSettingsDialog dialog(project, nullptr,
                                [&](QWidget*, const QString& text) { messages << text; });
    dialog.show();
    for (const QString& name : {QString(), QStringLiteral("Tom, Jerry"), QStringLiteral("a/b")}) {
        dialog.nameField()->setText(name);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << name.toStdString();
        EXPECT_TRUE(dialog.iconField()->isHidden());
    }
    dialog.nameField()->setText(QStringLiteral("Игра"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.iconField()->isHidden());
    ASSERT_EQ(messages.size(), 4);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Не задано название MIDlet'а")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("запятую")));
    EXPECT_TRUE(messages[2].contains(QStringLiteral("«/»"))) << messages[2].toStdString();
    EXPECT_TRUE(messages[3].startsWith(QStringLiteral("Иконка MIDlet'а")));
    EXPECT_EQ(project.midletName, "syrk") << "nothing reaches the project";

    // Only a PNG picture of the project's folder res is an icon: never a class.
    dialog.iconField()->setText("Evil.class");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.size(), 5);
    EXPECT_TRUE(messages[4].startsWith(QStringLiteral("Иконка MIDlet'а «Evil.class» не годится")))
        << messages[4].toStdString();

    dialog.iconField()->setText("/icon.png");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.applyTo(project);
    EXPECT_EQ(project.midletName, utf8ToCp1251("Игра"));
    EXPECT_EQ(project.midletIcon, "/icon.png");
}

TEST(MidletSettingsDialogTest, YesRefusesAVendorOrVersionAPhoneRejectsAndFocusesTheField) {
    Project project;
    QStringList messages;
    MidletSettingsDialog dialog(project, nullptr,
                                [&](QWidget*, const QString& text) { messages << text; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.vendorField()->clear();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.vendorField()->hasFocus());
    dialog.vendorField()->setText(QStringLiteral("Студия vs2"));
    dialog.versionField()->setText(QStringLiteral("1.0 бета"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.versionField()->hasFocus());
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Не задан автор")))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Версия MIDlet'а")))
        << messages[1].toStdString();
    dialog.versionField()->setText(QStringLiteral("1.2.3"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.applyTo(project);
    EXPECT_EQ(project.midletVendor, utf8ToCp1251("Студия vs2"));
    EXPECT_EQ(project.midletVersion, "1.2.3");
}

TEST(LevelPropertiesDialogTest, ShowsClickedLevelAndAppendsTheNextOne) {
    Project project;
    project.levels[1].name = utf8ToCp1251("Лес");
    LevelPropertiesDialog first(project, 2, 0);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Свойства уровня"));
    EXPECT_TRUE(first.nameField()->text().isEmpty());
    EXPECT_EQ(first.widthField()->value(), 100);
    EXPECT_EQ(first.widthField()->minimum(), 100);
    EXPECT_EQ(first.heightField()->maximum(), 10000);

    LevelPropertiesDialog dialog(project, 2, 1);
    EXPECT_EQ(dialog.nameField()->text(), QStringLiteral("Лес"));
    EXPECT_EQ(dialog.widthField()->value(), 240);
    dialog.nameField()->setText(QStringLiteral("Пещера"));
    dialog.heightField()->setValue(640);
    dialog.accept();
    EXPECT_EQ(applyLevelProperties(project, dialog.level(), dialog.properties()),
              LevelPropertiesResult::Appended);
    EXPECT_EQ(project.levelCount, 2);
    EXPECT_EQ(project.levels[2].name, utf8ToCp1251("Пещера"));
    EXPECT_EQ(project.levels[2].width, 240);
    EXPECT_EQ(project.levels[2].height, 640);

    LevelPropertiesDialog cancelled(project, 3, 2);
    cancelled.reject();
    EXPECT_EQ(project.levelCount, 2);
}

}  // namespace
}  // namespace avizad

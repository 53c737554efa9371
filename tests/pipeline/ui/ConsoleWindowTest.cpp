// The console window with a real /bin/sh.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "QtTestSupport.h"
#include "model/Cp1251.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace avizad {
namespace {

using testing::ProgramFolder;
using testing::waitUntil;

TEST(ConsoleWindowTest, ShowsCommandsAndOutputInOrder) {
    ProgramFolder program;
    ConsoleWindow console;
    ASSERT_EQ(console.start(program.dir()), 0);
    EXPECT_TRUE(console.isHidden());
    console.sendCommand(utf8ToCp1251("echo Привет; pwd"));
    ASSERT_TRUE(waitUntil([&] { return console.text().count('\n') >= 3; }));
    const QString expected = QStringLiteral("echo Привет; pwd\nПривет\n") +
                             QString::fromStdString(program.dir().string()) + "\n";
    EXPECT_EQ(console.text(), expected);
}

TEST(ConsoleWindowTest, ChunksJoinOnTheLastLine) {
    ConsoleWindow console;
    console.appendOutput("first ");
    console.appendOutput("line\r\nsec");
    console.appendOutput(utf8ToCp1251("ond строка"));
    EXPECT_EQ(console.text(), QStringLiteral("first line\nsecond строка"));
    console.clearText();
    EXPECT_TRUE(console.text().isEmpty());
}

TEST(ConsoleWindowTest, PressInTheTextHidesTheWindow) {
    ConsoleWindow console;
    console.show();
    ASSERT_TRUE(console.isVisible());
    QTest::mousePress(console.textArea()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(console.isVisible());
}

TEST(ConsoleWindowTest, AfterTheInterpreterEndedCommandsDoNothing) {
    ProgramFolder program;
    ConsoleWindow console;
    ASSERT_EQ(console.start(program.dir()), 0);
    console.show();
    console.sendCommand("exit");
    ASSERT_TRUE(waitUntil([&] { return console.ended(); }));
    EXPECT_FALSE(console.isVisible());
    const QString before = console.text();
    console.sendCommand("echo late");
    EXPECT_EQ(console.text(), before);
    EXPECT_FALSE(console.sendQuietly("echo late"));
}

TEST(ConsoleWindowTest, MissingInterpreterGivesTheSystemError) {
    ConsoleWindow console;
    const int error = console.start("/", "/no/such/interpreter");
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(console.running());
}

}  // namespace
}  // namespace avizad

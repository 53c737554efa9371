// The console window with a real /bin/sh.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "../ProcessTestSupport.h"
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

// Each build restarts the interpreter and stops it at its end: the tools of the one before
// end with it, and a stop on purpose neither hides the window nor reports an end.
TEST(ConsoleWindowTest, RestartAndStopEndTheInterpretersTools) {
    ProgramFolder program;
    ConsoleWindow console;
    ASSERT_EQ(console.start(program.dir()), 0);
    int ends = 0;
    QObject::connect(&console, &ConsoleWindow::interpreterEnded, [&] { ++ends; });
    console.show();
    console.sendCommand("sleep 60 >/dev/null 2>&1 & echo $! > first.pid");
    const pid_t first = testing::readPid(program.dir() / "first.pid");
    ASSERT_EQ(console.restart(program.dir()), 0);
    EXPECT_TRUE(testing::processGone(first));
    EXPECT_TRUE(console.running());

    console.sendCommand("sleep 60 >/dev/null 2>&1 & echo $! > second.pid; pwd");
    const pid_t second = testing::readPid(program.dir() / "second.pid");
    ASSERT_TRUE(waitUntil(
        [&] { return console.text().contains(QString::fromStdString(program.dir().string())); }));
    console.stopInterpreter();
    EXPECT_TRUE(testing::processGone(second));
    EXPECT_FALSE(console.running());
    QTest::qWait(100);
    EXPECT_TRUE(console.isVisible());
    EXPECT_FALSE(console.ended());
    EXPECT_EQ(ends, 0);
    ::kill(first, SIGKILL);
    ::kill(second, SIGKILL);
}

TEST(ConsoleWindowTest, MissingInterpreterGivesTheSystemError) {
    ConsoleWindow console;
    const int error = console.start("/", "/no/such/interpreter");
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(console.running());
}

}  // namespace
}  // namespace avizad

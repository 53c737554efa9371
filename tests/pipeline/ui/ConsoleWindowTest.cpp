// The console window, a view of a build's text.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "model/Cp1251.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace avizad {
namespace {

TEST(ConsoleWindowTest, ChunksJoinOnTheLastLine) {
    ConsoleWindow console;
    QSignalSpy appended(&console, &ConsoleWindow::textAppended);
    console.appendOutput("first ");
    console.appendOutput("line\r\nsec");
    console.appendOutput(utf8ToCp1251("ond строка"));
    EXPECT_EQ(console.text(), QStringLiteral("first line\nsecond строка"));
    EXPECT_EQ(appended.count(), 3);
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

}  // namespace
}  // namespace avizad

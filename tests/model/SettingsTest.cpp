#include <gtest/gtest.h>
#include <unistd.h>

#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/Settings.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

struct NumberCase {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class SettingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SettingNumber, ConvertsAndRoundsHalvesToEven) {
    EXPECT_EQ(parseSettingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingNumber,
    ::testing::Values(NumberCase{"16", 16}, NumberCase{"-3", -3}, NumberCase{"+4", 4},
                      NumberCase{" 7 ", 7}, NumberCase{"2.5", 2}, NumberCase{"3.5", 4},
                      NumberCase{"-2.5", -2}, NumberCase{"0.5", 0}, NumberCase{"1,5", 2},
                      NumberCase{"2,6", 3}, NumberCase{"10.49", 10}, NumberCase{".5", 0},
                      NumberCase{"7.", 7}, NumberCase{"", std::nullopt},
                      NumberCase{"abc", std::nullopt}, NumberCase{"1.2.3", std::nullopt},
                      NumberCase{"1,5.0", std::nullopt}, NumberCase{"1e3", std::nullopt},
                      NumberCase{"-", std::nullopt}, NumberCase{"5 5", std::nullopt},
                      NumberCase{"99999999999", std::nullopt},
                      NumberCase{"2147483647", 2147483647}));

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("avizad-settings-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        file_ = dir_ / "options.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& text) { writeFileText(file_, text); }

    fs::path dir_;
    fs::path file_;
};

TEST_F(SettingsFile, ReadsTheFourteenLines) {
    write("1,5\r\n2.5\r\n16\r\n20\r\n300\r\n2\r\n-1\r\n176\r\n208\r\n1\r\n2\r\n3\r\n" +
          utf8ToCp1251("Папка") + "/jdk\r\n/opt/wtk\r\n");
    const Settings s = readOptions(file_);
    EXPECT_EQ(s.gridX, 2);
    EXPECT_EQ(s.gridY, 2);
    EXPECT_EQ(s.gridWidth, 16);
    EXPECT_EQ(s.gridHeight, 20);
    EXPECT_EQ(s.gridColor, rgb(44, 2, 255)) << "components are taken modulo 256";
    EXPECT_EQ(s.screenWidth, 176);
    EXPECT_EQ(s.screenHeight, 208);
    EXPECT_EQ(s.screenColor, 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(s.jdkDir, utf8ToCp1251("Папка") + "/jdk");
    EXPECT_EQ(s.wtkDir, "/opt/wtk");
    EXPECT_TRUE(s.shrinkGame) << "a file without the fifteenth line shrinks";
}

TEST_F(SettingsFile, FifteenthLineSwitchesShrinkingAndOlderFilesShrink) {
    const std::string fourteen =
        "0\r\n0\r\n16\r\n16\r\n128\r\n128\r\n128\r\n240\r\n320\r\n0\r\n0\r\n0\r\na\r\nb";
    const struct {
        std::string tail;
        bool shrink;
    } cases[] = {
        {"", true},         {"\r\n", true},      {"\n", true},
        {"\r\n\r\n", true}, {"\r\n1\r\n", true}, {"\r\n0\r\n", false},
        {"\r\n0", false},   {"\n 0 \n", false},  {"\r\n1\r\nmore\r\n", true},
    };
    for (const auto& c : cases) {
        write(fourteen + c.tail);
        EXPECT_EQ(readOptions(file_).shrinkGame, c.shrink) << c.tail;
        EXPECT_EQ(readSettingsForm(file_).shrinkGame, c.shrink) << c.tail;
    }
    write(fourteen + "\r\nyes\r\n");
    try {
        readOptions(file_);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("строка 15"), std::string::npos) << e.what();
    }
}

TEST_F(SettingsFile, FormKeepsGridTextsAsTypedAndRoundTrips) {
    SettingsForm form;
    form.gridX = "1,5";
    form.gridY = " 3 ";
    form.gridColor = rgb(1, 2, 3);
    form.screenColor = rgb(250, 251, 252);
    form.jdkDir = "System/toolkit/jdk";
    form.wtkDir = utf8ToCp1251("С:/пробел и ; знаки");
    form.shrinkGame = false;
    writeOptions(file_, form);
    EXPECT_EQ(readFileText(file_),
              "1,5\r\n 3 \r\n16\r\n16\r\n1\r\n2\r\n3\r\n240\r\n320\r\n250\r\n251\r\n252\r\n"
              "System/toolkit/jdk\r\n" +
                  utf8ToCp1251("С:/пробел и ; знаки") + "\r\n0\r\n");
    EXPECT_EQ(readSettingsForm(file_), form);
    const std::optional<Settings> applied = applySettingsForm(form);
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->gridX, 2);
    EXPECT_EQ(applied->gridY, 3);
    EXPECT_EQ(*applied, readOptions(file_));
}

TEST_F(SettingsFile, FormWithAGridTextThatIsNotANumberIsNotApplied) {
    SettingsForm form;
    form.gridHeight = "ten";
    EXPECT_FALSE(applySettingsForm(form));
}

TEST_F(SettingsFile, ErrorsNameTheFileAndLine) {
    EXPECT_THROW(readOptions(dir_ / "missing.ini"), IoError);
    write("0\r\n0\r\n16\r\n16\r\n128\r\n128\r\nX\r\n240\r\n320\r\n0\r\n0\r\n0\r\na\r\nb\r\n");
    try {
        readOptions(file_);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("строка 7"), std::string::npos) << e.what();
    }
    write("0\r\n0\r\n16\r\n");
    try {
        readOptions(file_);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("14"), std::string::npos) << e.what();
    }
}

TEST(Settings, ShippedFileReadsAndNamesTheBundledToolkit) {
    const fs::path program = AVIZAD_PROGRAM_DIR;
    const Settings s = readOptions(optionsPath(program));
    EXPECT_EQ(s.jdkDir, "System/toolkit/jdk");
    EXPECT_EQ(s.wtkDir, "System/toolkit/wtk");
    EXPECT_TRUE(s.shrinkGame);
    EXPECT_EQ(resolveProgramPath(program, s.jdkDir), program / "System/toolkit/jdk");
    EXPECT_EQ(resolveProgramPath(program, "/opt/jdk"), fs::path("/opt/jdk"));
    EXPECT_EQ(resolveProgramPath("/p", utf8ToCp1251("Ява")), fs::path("/p/Ява"));
}

}  // namespace
}  // namespace avizad

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <vector>

#include "ProjectFixture.h"
#include "TempDir.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::makeFixtureProject;
using testing::TempDir;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

Project loadText(const std::string& text) {
    Project project;
    clearProject(project);
    loadProjectFromMemory(project, text.data(), text.size());
    return project;
}

TEST(ProjectFile, EmptyProjectWritesExactlyTheListedLines) {
    Project project;
    project.screenColor = rgb(1, 2, 3);
    std::vector<std::string> expected = {"0",
                                         "0",
                                         "0",
                                         "0",
                                         "0",
                                         "1",
                                         "0",
                                         "fon_ob",
                                         "0",
                                         "active_ob",
                                         "0",
                                         "0",
                                         std::to_string(rgb(1, 2, 3)),
                                         "",
                                         "240",
                                         "320",
                                         "",
                                         "syrk",
                                         "tulvask",
                                         "1.0",
                                         ""};
    expected.insert(expected.end(), 20, "0");
    EXPECT_EQ(projectFileText(project), joinLines(expected));
}

TEST(ProjectFile, ZeroSizedBitmapGivesOnePixelLineAndNegativeSizeNone) {
    Project project;
    project.indicatorCount = 1;
    const std::string zero = projectFileText(project);
    project.indicators[1].pngWidth = -1;
    project.indicators[1].pngHeight = 5;
    const std::string negative = projectFileText(project);
    // name, 2 sizes, reserved text, amount, W, H, block, 10 property lines
    const auto zeroLines = linesOf(zero);
    EXPECT_EQ(zeroLines.size(), linesOf(negative).size() + 1);
    EXPECT_EQ(zeroLines[4 + 7], "-1") << "the single pixel of a 0 x 0 block is the border value";
}

TEST(ProjectFile, PixelBlockIsColumnByColumnWithBorder) {
    Project project;
    project.indicatorCount = 1;
    IndicatorObject& o = project.indicators[1];
    o.image = Image(2, 1);
    o.image.setPixel(0, 0, rgb(1, 0, 0));
    o.image.setPixel(1, 0, rgb(0, 0, 1));
    o.pngWidth = 2;
    o.pngHeight = 1;
    const auto lines = linesOf(projectFileText(project));
    // 4 counts before the indicator group: background, active, text, indicator
    const std::vector<std::string> block(lines.begin() + 4 + 7, lines.begin() + 4 + 7 + 6);
    EXPECT_EQ(block, (std::vector<std::string>{"1", "-1", "65536", "-1", "-1", "-1"}));
}

TEST(ProjectFile, ActivePlacementsWriteOneControlTypeLineEach) {
    Project project;
    Level& level = project.levels[1];
    level.controlType[1] = static_cast<int>(ControlType::PersonSide);
    level.controlType[2] = static_cast<int>(ControlType::None);
    level.controlType[3] =
        static_cast<int>(ControlType::Vehicle);  // not written: only two placements
    level.activePlacements.add({5, 6, 1, "a", 7, 8});
    level.activePlacements.add({9, 10, 1, "a", 7, 8});
    const auto lines = linesOf(projectFileText(project));
    const std::vector<std::string> part(lines.begin() + 8, lines.begin() + 22);
    EXPECT_EQ(part, (std::vector<std::string>{"2", "2", "0", "active_ob", "5", "6", "1", "a", "7",
                                              "8", "9", "10", "1", "a"}));
}

TEST(ProjectFile, FixtureRoundTripsExactly) {
    Project original = makeFixtureProject();
    const std::string first = projectFileText(original);
    Project loaded = loadText(first);
    EXPECT_EQ(projectFileText(loaded), first);
    original.currentLevel = original.levelCount;
    EXPECT_TRUE(loaded == original) << "every saved field is read back";
    EXPECT_EQ(loaded.midletName, utf8ToCp1251("Игра"));
    EXPECT_EQ(loaded.indicators[1].image, original.indicators[1].image);
    EXPECT_EQ(loaded.eventTable.events[2].indicatorActions[1][2].code, "}else{y=1;}");
}

TEST(ProjectFile, SaveAndLoadThroughFiles) {
    TempDir dir;
    const fs::path path = dir.path() / "game.yrk";
    const Project original = makeFixtureProject();
    saveProject(original, path);
    Project loaded;
    loadProject(loaded, path);
    const fs::path again = dir.path() / "again.yrk";
    saveProject(loaded, again);
    EXPECT_EQ(readFileText(path), readFileText(again));
    EXPECT_EQ(readFileText(path), projectFileText(original));
}

TEST(ProjectFile, SecondKindValueWinsAndSeventhPlacementLineIsDiscarded) {
    Project project = makeFixtureProject(
        {.backgrounds = 1, .actives = 0, .indicators = 0, .texts = 0, .levels = 1});
    auto lines = linesOf(projectFileText(project));
    lines[2] = "7";  // the first kind line
    const Project loaded = loadText(joinLines(lines));
    EXPECT_EQ(loaded.backgrounds[1].kind, project.backgrounds[1].kind);
}

TEST(ProjectFile, ControlTypesOfThePreviousProjectDoNotLeakIn) {
    Project project = makeFixtureProject();
    project.levels[1].controlType[7] = static_cast<int>(ControlType::Vehicle);
    clearProject(project);
    const std::string text = projectFileText(makeFixtureProject());
    loadProjectFromMemory(project, text.data(), text.size());
    EXPECT_EQ(project.levels[1].controlType[7], static_cast<int>(ControlType::None));
    EXPECT_EQ(project.levels[1].controlType[1], static_cast<int>(ControlType::PersonTop));
}

TEST(ProjectFile, LoadSetsCurrentLevelToLevelCount) {
    const Project loaded = loadText(projectFileText(makeFixtureProject()));
    EXPECT_EQ(loaded.currentLevel, 3);
}

TEST(ProjectFile, LinesWithoutCarriageReturnAreRead) {
    std::string text = projectFileText(makeFixtureProject());
    std::string unix;
    for (const char c : text) {
        if (c != '\r') {
            unix += c;
        }
    }
    EXPECT_EQ(projectFileText(loadText(unix)), text);
}

struct BadFile {
    const char* name;
    // Changes the lines of the empty project (see EmptyProjectWritesExactlyTheListedLines).
    std::function<void(std::vector<std::string>&)> change;
    int line;            // the line the error must name
    const char* reason;  // a piece of the message
};

void PrintTo(const BadFile& c, std::ostream* out) {
    *out << c.name;
}

class ProjectFileRejects : public ::testing::TestWithParam<BadFile> {};

TEST_P(ProjectFileRejects, WithTheLineNumber) {
    std::vector<std::string> lines = linesOf(projectFileText(Project{}));
    GetParam().change(lines);
    Project project;
    project.midletName = "untouched";
    const std::string text = joinLines(lines);
    try {
        loadProjectFromMemory(project, text.data(), text.size(), "bad.yrk");
        FAIL() << "the file was accepted";
    } catch (const IoError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("строка " + std::to_string(GetParam().line) + ":"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    }
    EXPECT_EQ(project.midletName, "untouched") << "a failed load leaves the project unchanged";
}

const BadFile kBadFiles[] = {
    {"BackgroundCountAboveCapacity", [](auto& l) { l[0] = "31"; }, 1, "0..30"},
    {"NegativeActiveCount", [](auto& l) { l[1] = "-1"; }, 2, "0..30"},
    {"IndicatorCountAboveCapacity", [](auto& l) { l[3] = "21"; }, 4, "0..20"},
    {"EventCountAboveCapacity", [](auto& l) { l[4] = "51"; }, 5, "0..50"},
    {"NoLevels", [](auto& l) { l[5] = "0"; }, 6, "1..10"},
    {"ElevenLevels", [](auto& l) { l[5] = "11"; }, 6, "1..10"},
    {"TooManyBackgroundPlacements", [](auto& l) { l[6] = "101"; }, 7, "0..100"},
    {"TooManyIndicatorPlacements", [](auto& l) { l[10] = "21"; }, 11, "0..20"},
    {"TooManyTrajectoryPoints", [](auto& l) { l[21] = "41"; }, 22, "0..40"},
    {"NotAnInteger", [](auto& l) { l[0] = "1x"; }, 1, "целое число"},
    {"EmptyIntegerLine", [](auto& l) { l[2] = ""; }, 3, "целое число"},
    {"IntegerOutOfRange", [](auto& l) { l[12] = "99999999999"; }, 13, "32-битного"},
    {"MissingFonTag", [](auto& l) { l[7] = "fon"; }, 8, "fon_ob"},
    {"MissingActiveTag", [](auto& l) { l[9] = "x"; }, 10, "active_ob"},
    {"EndsEarly", [](auto& l) { l.resize(30); }, 31, "закончился"},
    {"EndsBeforeFirstLine", [](auto& l) { l.clear(); }, 1, "закончился"},
    {"NegativeImageSize",
     [](auto& l) {
         l[3] = "1";
         l.insert(l.begin() + 4, {"name", "1", "1", "", "1", "-2", "3"});
     },
     11, "отрицательный"},
    {"ImageLargerThanTheFile",
     [](auto& l) {
         l[3] = "1";
         l.insert(l.begin() + 4, {"name", "1", "1", "", "1", "60000", "60000"});
     },
     11, "закончился"},
    {"TooManyTextLines",
     [](auto& l) {
         l[2] = "1";
         l.insert(l.begin() + 3, {"0", "0", "0", "0", "0", "0", "0", "0", "13"});
     },
     12, "0..12"},
    {"TooManyMapColumns",
     [](auto& l) {
         l[0] = "1";
         l.insert(l.begin() + 1, {"f", "0", "8", "8", "101"});
     },
     6, "0..100"},
    {"ObjectNameWithANul",
     [](auto& l) {
         l[3] = "1";
         l.insert(l.begin() + 4, std::string("a\0b", 3));
     },
     5, "управляющий символ"},
    {"ActiveNameWithATab",
     [](auto& l) {
         l[1] = "1";
         l.insert(l.begin() + 2, "a\tb");
     },
     3, "управляющий символ"},
    {"BackgroundNameLongerThanAFileName",
     [](auto& l) {
         l[0] = "1";
         l.insert(l.begin() + 1, std::string(252, 'a'));
     },
     2, "255"},
    {"TextFileNameWithAControlCharacter",
     [](auto& l) {
         l[2] = "1";
         l.insert(l.begin() + 3, {"0", "0", "0", "0", "0", "0", "0", "0", "0", "x\x7F.png"});
     },
     13, "управляющий символ"},
    {"TooManyActions",
     [](auto& l) {
         l[4] = "1";
         l.insert(l.begin() + 5, {"code", "caption", "event", "51"});
     },
     9, "0..50"},
};

INSTANTIATE_TEST_SUITE_P(BadFiles, ProjectFileRejects, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& p) {
                             return std::string(p.param.name);
                         });

// An object name becomes a file name with ".png", in UTF-8 on the disk: it may take up to
// 251 bytes there, so fewer Cyrillic letters (two bytes each) than Latin ones.
TEST(ProjectFile, ObjectNamesUpToTheFileNameLimitLoad) {
    const std::string cyrillic = utf8ToCp1251("я");
    const std::pair<std::string, bool> names[] = {
        {std::string(251, 'a'), true},
        {std::string(252, 'a'), false},
        {[&] {
             std::string name;
             for (int i = 0; i < 125; ++i) {
                 name += cyrillic;
             }
             return name;
         }(),
         true},
        {[&] {
             std::string name;
             for (int i = 0; i < 126; ++i) {
                 name += cyrillic;
             }
             return name;
         }(),
         false},
    };
    for (const auto& [name, loads] : names) {
        Project project;
        project.backgroundCount = 1;
        project.backgrounds[1].name = name;
        const std::string text = projectFileText(project);
        Project loaded;
        if (loads) {
            EXPECT_NO_THROW(loaded = loadText(text)) << name.size();
            EXPECT_EQ(loaded.backgrounds[1].name, name);
        } else {
            EXPECT_THROW(loadText(text), IoError) << name.size();
        }
    }
}

TEST(ProjectFile, AHugeNameMakesAShortMessage) {
    std::vector<std::string> lines = linesOf(projectFileText(Project{}));
    lines[0] = "1";
    lines.insert(lines.begin() + 1, std::string(50 << 20, 'a'));
    const std::string text = joinLines(lines);
    Project project;
    try {
        loadProjectFromMemory(project, text.data(), text.size(), "huge.yrk");
        FAIL() << "the file was accepted";
    } catch (const IoError& error) {
        const std::string message = error.what();
        EXPECT_LT(message.size(), 1000u);
        EXPECT_NE(message.find("строка 2:"), std::string::npos) << message;
        EXPECT_NE(message.find(std::string(200, 'a') + "…"), std::string::npos) << message;
        EXPECT_EQ(message.find(std::string(201, 'a')), std::string::npos);
    }
}

TEST(ProjectFile, MissingFileIsAnIoError) {
    Project project;
    EXPECT_THROW(loadProject(project, "/nonexistent/avizad/none.yrk"), IoError);
}

TEST(ProjectFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const fs::path path = dir.path() / "game.yrk";
    writeFileText(path, "previous contents\r\n");

    // Limit the size of written files so that the save fails half way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    testing::FixtureSizes big;
    big.tileSetSide = 64;
    EXPECT_THROW(saveProject(makeFixtureProject(big), path), IoError);
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(readFileText(path), "previous contents\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(ProjectFile, SaveIntoMissingFolderIsAnIoError) {
    EXPECT_THROW(saveProject(Project{}, "/nonexistent/avizad/game.yrk"), IoError);
}

}  // namespace
}  // namespace avizad

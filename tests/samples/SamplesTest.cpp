// The sample games of samples/ are exactly what tools/samples makes from the starter
// pictures: rewrite them with `build/bin/avizad-samples images samples` after changing it.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "SampleGames.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = fs::path(AVIZAD_SOURCE_DIR) / "samples";

// The files of a folder (and of its res/) by name.
std::set<std::string> filesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::path& dir : {folder, folder / "res"}) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(dir, error)) {
            if (entry.is_regular_file() && entry.path().filename() != "README.md") {
                names.insert(fs::relative(entry.path(), folder).string());
            }
        }
    }
    return names;
}

// A text with every run of blanks made one blank, without blanks at its ends.
std::string normalized(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank) {
            out += c;
        } else if (!out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

// Calls `f` with every action of an event, in the order the game runs them.
template <typename F>
void forEachAction(const Project& project, const Event& event, F f) {
    for (int c = 1; c <= kSpecialCategories; ++c) {
        for (int a = 1; a <= event.specialActions[c].count(); ++a) {
            f(event.specialActions[c][a]);
        }
    }
    for (const ObjectKind kind : kAllKinds) {
        for (int t = 1; t <= project.typeCount(kind); ++t) {
            const ActionList& list = event.actions(kind)[t];
            for (int a = 1; a <= list.count(); ++a) {
                f(list[a]);
            }
        }
    }
}

TEST(Samples, AreWhatTheSampleProgramMakes) {
    std::random_device seed;
    const fs::path made = fs::temp_directory_path() / ("avizad-samples-" + std::to_string(seed()));
    samples::writeSamples(fs::path(AVIZAD_SOURCE_DIR) / "images", made);
    const std::set<std::string> names = filesOf(made);
    EXPECT_EQ(names, filesOf(kSamples));
    EXPECT_EQ(names.size(), samples::sampleGames().size() + samples::sampleSounds().size());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(readFileText(made / name) == readFileText(kSamples / name))
            << "samples/" << name << " differs from what avizad-samples makes; rewrite the "
            << "samples with build/bin/avizad-samples images samples";
    }
    fs::remove_all(made);
}

// Every event reads as a sentence of the catalogue's captions: a condition and the
// captions of its actions, none of them empty or the placeholder of the test fixture.
TEST(Samples, EveryEventHasItsCaptions) {
    for (const samples::SampleGame& game : samples::sampleGames()) {
        SCOPED_TRACE(game.file);
        Project project;
        clearProject(project);
        loadProject(project, kSamples / fs::u8path(game.file));
        ASSERT_GT(project.eventTable.eventCount, 5);
        for (int e = 1; e <= project.eventTable.eventCount; ++e) {
            const Event& event = project.eventTable.events[e];
            const std::string condition = cp1251ToUtf8(event.conditionCaption);
            EXPECT_FALSE(condition.empty()) << e;
            EXPECT_NE(condition.find_first_not_of(" "), std::string::npos);
            EXPECT_EQ(condition.find("условие"), std::string::npos) << condition;
            int actions = 0;
            forEachAction(project, event, [&](const Action& a) {
                ++actions;
                EXPECT_FALSE(a.caption.empty()) << condition;
                EXPECT_NE(cp1251ToUtf8(a.caption), "glob") << condition;
            });
            EXPECT_GT(actions, 0) << condition;
        }
    }
}

// The text of an HTML page as read: tags dropped, the entities of "<", ">" and "&"
// replaced, every run of blanks and line ends one blank.
std::string pageText(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<') {
            inTag = true;
            text += ' ';
        } else if (c == '>' && inTag) {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    for (const auto& [entity, c] : {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
            text.replace(at, std::string(entity).size(), c);
        }
    }
    return normalized(text);
}

// Each sample's help page tells every event: its condition and the captions of its actions
// stand on the page as the events editor shows them.
TEST(Samples, TheHelpPageOfEachSampleTellsEveryEvent) {
    for (const samples::SampleGame& game : samples::sampleGames()) {
        SCOPED_TRACE(game.helpPage);
        const std::string page = pageText(
            readFileText(fs::path(AVIZAD_SOURCE_DIR) / "src/app/resources/help" / game.helpPage));
        Project project;
        clearProject(project);
        loadProject(project, kSamples / fs::u8path(game.file));
        const auto onPage = [&](const std::string& caption) {
            EXPECT_NE(page.find(normalized(cp1251ToUtf8(caption))), std::string::npos)
                << cp1251ToUtf8(caption);
        };
        for (int e = 1; e <= project.eventTable.eventCount; ++e) {
            const Event& event = project.eventTable.events[e];
            onPage(event.conditionCaption);
            forEachAction(project, event, [&](const Action& a) { onPage(a.caption); });
        }
        const std::string index =
            readFileText(fs::path(AVIZAD_SOURCE_DIR) / "src/app/resources/help/index.html");
        EXPECT_NE(index.find("href=\"" + game.helpPage + "\""), std::string::npos)
            << "the contents link the page";
    }
}

}  // namespace
}  // namespace avizad

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
            const auto check = [&](const ActionList& list) {
                for (int a = 1; a <= list.count(); ++a) {
                    ++actions;
                    EXPECT_FALSE(list[a].caption.empty()) << condition;
                    EXPECT_NE(cp1251ToUtf8(list[a].caption), "glob") << condition;
                }
            };
            for (int c = 1; c <= kSpecialCategories; ++c) {
                check(event.specialActions[c]);
            }
            for (const ObjectKind kind : kAllKinds) {
                for (int t = 1; t <= project.typeCount(kind); ++t) {
                    check(event.actions(kind)[t]);
                }
            }
            EXPECT_GT(actions, 0) << condition;
        }
    }
}

}  // namespace
}  // namespace avizad

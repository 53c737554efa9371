// The names the game can give its files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "generator/ProjectResources.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"

namespace avizad {
namespace {

TEST(OutsideCp1251, NamesTheFirstCharacterOrByteWithoutASpelling) {
    const struct {
        std::string text;
        std::string outside;
        std::string console;  // consoleText, as UTF-8
    } cases[] = {
        {"boom.wav", "", "boom.wav"},
        {"Звук №1 «a» ?.mid", "", "Звук №1 «a» ?.mid"},
        {"café.wav", "U+00E9", "caf<U+00E9>.wav"},
        {"音.wav", "U+97F3", "<U+97F3>.wav"},
        {"\xF0\x9F\x8E\xB5.mid", "U+01F3B5", "<U+01F3B5>.mid"},  // four bytes
        {"\xE9t\xE9", "0xE9", "<0xE9>t<0xE9>"},                  // Latin-1, not UTF-8
        {"\xC0\xAF", "0xC0", "<0xC0><0xAF>"},                    // an overlong "/"
        {"\xED\xA0\x80", "0xED", "<0xED><0xA0><0x80>"},          // a surrogate
        {"a\xD0", "0xD0", "a<0xD0>"},                            // cut short
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outsideCp1251(c.text), c.outside) << c.text;
        EXPECT_EQ(cp1251ToUtf8(consoleText(c.text)), c.console) << c.text;
    }
}

// A game holds its own classes and resources only: no class and nothing named META-INF
// from anywhere, and from the project's res no name an archiver could read as an option.
TEST(ResourceNames, AGameHoldsOnlyResources) {
    const struct {
        std::string name;
        bool takenFromRes;
        bool archived;
    } cases[] = {
        {"hit.wav", true, true},    {"Evil.class", false, false}, {"Evil.CLASS", false, false},
        {"META-INF", false, false}, {"meta-inf", false, false},   {"META-INF.wav", true, true},
        {"-hero.png", false, true},  // the build's own picture of an object named "-hero"
        {"@list.mid", false, true},
    };
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("avizad-resource-names-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "sub.wav");
    std::vector<std::string> archived;
    for (const auto& c : cases) {
        EXPECT_EQ(resourceNameProblem(c.name).empty(), c.takenFromRes) << c.name;
        writeFileText(folder / c.name, "x");
        if (c.archived) {
            archived.push_back(c.name);
        }
    }
    std::sort(archived.begin(), archived.end());
    EXPECT_EQ(archivedResources(folder), archived);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace avizad

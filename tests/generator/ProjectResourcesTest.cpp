// The names the game can give its files.

#include <gtest/gtest.h>

#include "generator/ProjectResources.h"
#include "model/Cp1251.h"

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

}  // namespace
}  // namespace avizad

#include <gtest/gtest.h>
#include <iconv.h>

#include <string_view>
#include <utility>

#include "model/Cp1251.h"

namespace avizad {
namespace {

// glibc's converter is an independent reference for every byte it defines.
std::string iconvToUtf8(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, sizeof out - outLeft);
}

TEST(Cp1251, EveryByteConvertsToUtf8AndBack) {
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1251ToUtf8(byte);
        EXPECT_EQ(utf8ToCp1251(utf8), byte) << "byte " << b;
        const std::string reference = iconvToUtf8(static_cast<unsigned char>(b));
        if (!reference.empty()) {
            EXPECT_EQ(utf8, reference) << "byte " << b;
            ++compared;
        }
    }
    EXPECT_GE(compared, 255) << "only 0x98 may be missing from the reference";
}

TEST(Cp1251, KnownLettersAndSigns) {
    EXPECT_EQ(cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9\x88"), "АяЁё№€");
    EXPECT_EQ(utf8ToCp1251("Привет, мир!"), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!");
    EXPECT_EQ(cp1251ToUtf8(""), "");
}

TEST(Cp1251, CharactersWithoutByteAndMalformedInputBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("a€b"),
              "a\x88"
              "b");
    EXPECT_EQ(utf8ToCp1251("日本"), "??");
    EXPECT_EQ(utf8ToCp1251("😀x"), "?x");
    EXPECT_EQ(utf8ToCp1251("\xFFz"), "?z");
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?") << "truncated sequence at the end";
    EXPECT_EQ(utf8ToCp1251("\xC0\x80"), "?") << "overlong encoding";
    EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), "?") << "surrogate";
}

TEST(Cp1251, FirstCharacterOutsideTheCodePage) {
    const std::pair<const char*, const char*> cases[] = {
        {"звук №1 – «€».wav", ""},
        {"", ""},
        {"café.wav", "é"},  // Windows-1251 has no accented Latin letters
        {"a音b日", "音"},
        {"ok\xFFx", "\xEF\xBF\xBD"},  // a malformed sequence is shown as U+FFFD
        {"x\xD0", "\xEF\xBF\xBD"},
    };
    for (const auto& [text, missing] : cases) {
        EXPECT_EQ(firstCharacterOutsideCp1251(text), missing) << text;
    }
}

// A stream read in pieces keeps the start of a character cut at the end of a piece.
TEST(Cp1251, IncompleteUtf8TailOfAPiece) {
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"", 0},
        {"ab", 0},
        {"а", 0},              // two bytes, complete
        {"x\xD0", 1},          // the lead byte of a two-byte letter
        {"x\xE2\x80", 2},      // two of the three bytes of "–"
        {"x\xF0\x9F\x98", 3},  // three of the four bytes of an emoji
        {"\xF0\x9F\x98\x80", 0},
        {"x\x80", 0},  // a stray continuation byte waits for nothing
    };
    for (const auto& [text, tail] : cases) {
        EXPECT_EQ(incompleteUtf8Tail(text), tail) << text;
    }
}

}  // namespace
}  // namespace avizad

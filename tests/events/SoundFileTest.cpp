// The sound action's file steps.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "events/ActionCatalogue.h"
#include "events/SoundFile.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

TEST(SoundFile, ContentTypeByExactExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"boom.wav", "audio/x-wav"}, {"theme.mid", "audio/midi"},
        {"song.mp3", "audio/mpeg"},  {"a.b.mid", "audio/midi"},
        {"music.MID", ""},           {"song.Mp3", ""},
        {"a.mid.txt", ""},           {"mid", ""},
        {"noise.midi", ""},
    };
    for (const auto& [name, type] : cases) {
        EXPECT_EQ(SoundFile::contentTypeOf(name), type) << name;
    }
}

class SoundFileCopy : public ::testing::Test {
protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("avizad-sound-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "source");
        fs::create_directories(root_ / "project");
        fs::create_directories(root_ / "program");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path source(const std::string& name, const std::string& content) {
        const fs::path path = root_ / "source" / name;
        writeFileText(path, content);
        return path;
    }

    fs::path root_;
};

TEST_F(SoundFileCopy, CopiesIntoTheProjectResourceFolder) {
    const SoundFile sound =
        SoundFile::prepare(source("boom.wav", "new"), root_ / "project", root_ / "program");
    EXPECT_EQ(sound.file, "boom.wav");
    EXPECT_EQ(sound.contentType, "audio/x-wav");
    EXPECT_EQ(readFileText(root_ / "project" / "res" / "boom.wav"), "new");

    EntryValues values;
    values.file = sound.file;
    values.contentType = sound.contentType;
    const CatalogueEntry& entry = ActionCatalogue::menu(ActionMenu::Sound)[0];
    EXPECT_EQ(entry.dialog, ParameterDialog::SoundFile);
    EXPECT_EQ(cp1251ToUtf8(entry.build(values).caption), "воспроизвести boom.wav");
}

TEST_F(SoundFileCopy, KeepsAFileOfTheSameName) {
    fs::create_directories(root_ / "project" / "res");
    writeFileText(root_ / "project" / "res" / "theme.mid", "old");
    const SoundFile sound =
        SoundFile::prepare(source("theme.mid", "new"), root_ / "project", root_ / "program");
    EXPECT_EQ(sound.contentType, "audio/midi");
    EXPECT_EQ(readFileText(root_ / "project" / "res" / "theme.mid"), "old");
}

TEST_F(SoundFileCopy, UnsavedProjectUsesTheProgramFolder) {
    EXPECT_EQ(SoundFile::resourceFolder({}, root_ / "program"), root_ / "program" / "res");
    SoundFile::prepare(source("song.mp3", "x"), {}, root_ / "program");
    EXPECT_TRUE(fs::exists(root_ / "program" / "res" / "song.mp3"));
}

TEST_F(SoundFileCopy, AFailedCopyStillGivesTheAction) {
    const SoundFile sound =
        SoundFile::prepare(root_ / "source" / "missing.wav", root_ / "project", root_ / "program");
    EXPECT_EQ(sound.file, "missing.wav");
    EXPECT_EQ(sound.contentType, "audio/x-wav");
    EXPECT_FALSE(fs::exists(root_ / "project" / "res" / "missing.wav"));
}

TEST(SoundFile, QuotesInTheNameStayInsideTheJavaString) {
    EntryValues values;
    values.file = "a\"b\\c.wav";
    values.contentType = "audio/x-wav";
    const BuiltText built = ActionCatalogue::menu(ActionMenu::Sound)[0].build(values);
    EXPECT_EQ(built.caption, utf8ToCp1251("воспроизвести ") + "a\"b\\c.wav");
    EXPECT_NE(built.code.find("getResourceAsStream(\"/a\\\"b\\\\c.wav\"),\"audio/x-wav\")"),
              std::string::npos)
        << built.code;
}

TEST_F(SoundFileCopy, CyrillicNamesBecomeModelText) {
    const SoundFile sound =
        SoundFile::prepare(source("звук.mid", "x"), root_ / "project", root_ / "program");
    EXPECT_EQ(sound.file, utf8ToCp1251("звук.mid"));
    EXPECT_TRUE(fs::exists(root_ / "project" / "res" / "звук.mid"));
}

TEST(SoundFile, NamesTheGameCannotSpellAreRefused) {
    EXPECT_EQ(SoundFile::refusal("/music/звук №1.wav"), "");
    EXPECT_EQ(SoundFile::refusal("/music/音.wav"),
              "Файл «音.wav» нельзя взять в игру: в его имени есть знак «音», которого нет в "
              "кодировке Windows-1251. Переименуйте файл.");
    EXPECT_NE(SoundFile::refusal("/music/café.mid"), "");
}

}  // namespace
}  // namespace avizad

// The indicator's draft, its two files, and the bitmap encoder.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "editors/Bmp.h"
#include "editors/IndicatorDraft.h"
#include "editors/TileGrid.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/Png.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("avizad-editors-" + std::to_string(random()));
        fs::create_directories(dir_);
    }
    ~TempFolder() {
        std::error_code error;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(dir_, error);
    }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
};

TEST(IndicatorDraftTest, NewObjectTakesThePictureItsSizesAndTheAmount) {
    IndicatorDraft draft;
    EXPECT_FALSE(draft.hasImage());
    draft.loadImage(Image(40, 8, 0x0000FF), "/x/bar.png");
    draft.propertyValues[5] = "v";
    IndicatorObject object;
    object.reservedText = "kept";
    draft.storeInto(object);
    EXPECT_EQ(object.name, "line1");
    EXPECT_EQ(object.amount, 1);
    EXPECT_EQ(object.imageWidth, 40);
    EXPECT_EQ(object.imageHeight, 8);
    EXPECT_EQ(object.pngWidth, 40);
    EXPECT_EQ(object.pngHeight, 8);
    EXPECT_EQ(object.image.pixel(3, 3), 0x0000FF);
    EXPECT_EQ(object.propertyValues[5], "v");
    EXPECT_EQ(object.reservedText, "kept");
}

TEST(IndicatorDraftTest, ReopenedObjectKeepsItsPictureUnlessANewOneIsLoaded) {
    IndicatorObject object;
    object.image = Image(10, 4, 1);
    object.imageWidth = 10;
    object.imageHeight = 4;
    object.pngWidth = 10;
    object.pngHeight = 4;
    object.amount = 5;
    object.name = "hp";
    IndicatorDraft draft;
    draft.loadImage(Image(2, 2), "/x/old.png");
    draft.open(object);
    draft.amount = 6;
    IndicatorObject saved = object;
    draft.storeInto(saved);
    EXPECT_EQ(saved.image, object.image);
    EXPECT_EQ(saved.pngWidth, 10);
    EXPECT_EQ(saved.amount, 6);

    draft.loadImage(Image(30, 6, 2), "/x/new.png");
    draft.storeInto(saved);
    EXPECT_EQ(saved.image.pixel(0, 0), 2);
    EXPECT_EQ(saved.imageWidth, 30);
    EXPECT_EQ(saved.pngWidth, 30);
    EXPECT_EQ(saved.pngHeight, 6);
}

TEST(IndicatorDraftTest, FilesGoIntoTheObjectsFolderMadeWhenMissing) {
    TempFolder temp;
    IndicatorDraft draft;
    draft.name = utf8ToCp1251("жизнь");
    draft.loadImage(Image(3, 2, 0x00FF00), "/x/bar.png");
    writeIndicatorFiles(temp.dir(), draft);
    const fs::path png = temp.dir() / "objects" / "жизнь.png";
    const fs::path bmp = temp.dir() / "objects" / "жизнь.bmp";
    ASSERT_TRUE(fs::exists(png));
    EXPECT_EQ(readPng(png), draft.shown);
    const std::vector<std::uint8_t> bytes = readFileBytes(bmp);
    EXPECT_EQ(bytes, encodeBmp(draft.shown));
}

TEST(IndicatorDraftTest, WriteFailuresAndUnfitNamesThrowNamingTheFile) {
    TempFolder temp;
    IndicatorDraft draft;
    draft.loadImage(Image(3, 2), "/x/bar.png");
    for (const char* name : {"", "..", "a/b"}) {
        draft.name = name;
        EXPECT_THROW(writeIndicatorFiles(temp.dir(), draft), IoError) << name;
    }
    EXPECT_FALSE(fs::exists(temp.dir() / "a"));
    // Paths no one can write, root neither: the folder is a file, the picture a folder.
    draft.name = "bar";
    struct Case {
        const char* blocked;
        bool isFolder;
        const char* named;
    };
    for (const Case c :
         {Case{"objects", false, "objects"}, Case{"objects/bar.png", true, "bar.png"}}) {
        SCOPED_TRACE(c.blocked);
        fs::remove_all(temp.dir() / "objects");
        if (c.isFolder) {
            fs::create_directories(temp.dir() / c.blocked);
        } else {
            writeFileText(temp.dir() / c.blocked, "x");
        }
        try {
            writeIndicatorFiles(temp.dir(), draft);
            ADD_FAILURE() << "no error";
        } catch (const IoError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

TEST(BmpTest, RowsAreBottomUpBgrAndPaddedToFourBytes) {
    Image image(1, 2);
    image.setPixel(0, 0, rgb(1, 2, 3));  // top row
    image.setPixel(0, 1, rgb(4, 5, 6));
    const std::vector<std::uint8_t> bmp = encodeBmp(image);
    ASSERT_EQ(bmp.size(), 54u + 8u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[2], 62);   // file size
    EXPECT_EQ(bmp[18], 1);   // width
    EXPECT_EQ(bmp[22], 2);   // height
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    const std::vector<std::uint8_t> pixels(bmp.begin() + 54, bmp.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

}  // namespace
}  // namespace avizad

namespace avizad {
namespace {

// The starter pictures shipped beside the program cut into whole tiles and frames.
TEST(StarterImagesTest, CutIntoWholeTilesAndFrames) {
    const fs::path images = fs::path(AVIZAD_SOURCE_DIR) / "images";
    struct Case {
        const char* file;
        int across, down, width, height;
    } cases[] = {{"ground.png", 3, 2, 16, 16},    {"ladder.png", 2, 1, 16, 16},
                 {"sky.png", 3, 1, 32, 32},       {"hills.png", 4, 3, 16, 16},
                 {"platforms.png", 4, 2, 16, 16}, {"bricks.png", 4, 2, 16, 16},
                 {"person.png", 8, 1, 16, 24},    {"enemy.png", 4, 1, 16, 16},
                 {"bat.png", 4, 1, 16, 16},       {"car.png", 4, 1, 24, 24},
                 {"coin.png", 6, 1, 16, 16},      {"heart.png", 2, 1, 16, 16},
                 {"key.png", 2, 1, 16, 16},       {"door.png", 2, 1, 24, 32},
                 {"flag.png", 3, 1, 16, 24},      {"bullet.png", 4, 1, 8, 8},
                 {"explosion.png", 6, 1, 24, 24}, {"bar.png", 2, 1, 48, 10},
                 {"bar-green.png", 2, 1, 48, 10}, {"bar-blue.png", 2, 1, 48, 10},
                 {"lives.png", 2, 1, 48, 16}};
    for (const Case& c : cases) {
        const Image image = readPng(images / c.file);
        const TileGrid grid = TileGrid::cut(image.width(), image.height(), c.across, c.down);
        EXPECT_EQ(grid.tileWidth * c.across, image.width()) << c.file;
        EXPECT_EQ(grid.tileWidth, c.width) << c.file;
        EXPECT_EQ(grid.tileHeight, c.height) << c.file;
    }
}

}  // namespace
}  // namespace avizad

#include "generator/ResourceExport.h"

#include "generator/ResourceFileNames.h"
#include "generator/ResourceNames.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/GameNames.h"
#include "model/IoError.h"
#include "model/Png.h"

namespace avizad {

namespace {

int clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

void writeImage(const std::filesystem::path& file, const Image& image,
                const std::string& objectName, std::optional<Color> transparent = std::nullopt) {
    if (image.isNull()) {
        throw IoError("У объекта «" + shownModelName(objectName) + "» нет изображения, файл «" +
                      displayPath(file) + "» не записан");
    }
    writePng(file, image, transparent);
}

}  // namespace

ResourceExport::ResourceExport(const Project& project, BuildFolders folders)
    : project_(project), folders_(std::move(folders)) {}

std::string ResourceExport::tileMapText(const BackgroundObject& background) {
    std::string text;
    const int rows = clamp(background.rows, 0, kMaxMapCells);
    const int columns = clamp(background.columns, 0, kMaxMapCells);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            text += std::to_string(background.tileMap.at(r, c));
            text += ',';
        }
    }
    text += "\r\n";
    return text;
}

std::optional<Color> ResourceExport::stripTransparentColor(const ActiveObject& active) {
    if (active.transparentBackground != 1 || !active.strip.contains(1, 1)) {
        return std::nullopt;
    }
    return active.strip.pixel(1, 1);
}

void ResourceExport::exportLevelResources(int levelNumber) const {
    const Project& p = project_;
    const Level& level = p.levels[levelNumber];
    const std::filesystem::path res = folders_.res();
    const ResourceFileNames files(p);

    for (int t = 1; t <= clamp(p.activeCount, 0, kMaxActiveTypes); ++t) {
        const ActiveObject& active = p.actives[t];
        writeImage(resourcePath(res, files.active(t)), active.strip, active.name,
                   stripTransparentColor(active));
    }
    for (int i = 1; i <= level.backgroundPlacements.count(); ++i) {
        const int type = level.backgroundPlacements[i].object;
        if (type < 1 || type > p.backgroundCount) {
            throw IoError("Уровень " + std::to_string(levelNumber) +
                          ": размещение фонового объекта номер " + std::to_string(i) +
                          " ссылается на объект номер " + std::to_string(type) + ", которого нет");
        }
        const BackgroundObject& background = p.backgrounds[type];
        writeFileText(res / tileMapFileName(levelNumber, i), tileMapText(background));
        writeImage(resourcePath(res, files.background(type)), background.tileSet, background.name);
    }
    for (int t = 1; t <= clamp(p.indicatorCount, 0, kMaxIndicatorTypes); ++t) {
        const IndicatorObject& indicator = p.indicators[t];
        writeImage(resourcePath(res, files.indicator(t)), indicator.image, indicator.name);
    }
}

}  // namespace avizad

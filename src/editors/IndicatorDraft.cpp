#include "editors/IndicatorDraft.h"

#include "editors/Bmp.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/Png.h"

namespace avizad {

void IndicatorDraft::startNew(std::string newName) {
    *this = IndicatorDraft{};
    name = std::move(newName);
}

void IndicatorDraft::loadImage(Image image, const std::filesystem::path& file) {
    shown = std::move(image);
    pngWidth = shown.width();
    pngHeight = shown.height();
    lastFile = file;
}

void IndicatorDraft::open(const IndicatorObject& object) {
    name = object.name;
    shown = object.image;
    pngWidth = object.pngWidth;
    pngHeight = object.pngHeight;
    amount = object.amount;
    propertyNames = object.propertyNames;
    propertyValues = object.propertyValues;
}

void IndicatorDraft::storeInto(IndicatorObject& object) const {
    object.image = shown;
    object.name = name;
    object.imageWidth = shown.width();
    object.imageHeight = shown.height();
    object.amount = amount;
    object.pngWidth = pngWidth;
    object.pngHeight = pngHeight;
    object.propertyNames = propertyNames;
    object.propertyValues = propertyValues;
}

void writeIndicatorFiles(const std::filesystem::path& projectDir, const IndicatorDraft& draft) {
    const std::filesystem::path folder = projectDir / "objects";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw IoError("Не удаётся создать папку «" + displayPath(folder) +
                      "»: " + systemErrorText(error.value()));
    }
    const std::string name = cp1251ToUtf8(draft.name);
    // The name becomes a file name inside the folder, never a path leading out of it.
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        throw IoError("Имя объекта «" + name + "» не может быть именем файла в папке «" +
                      displayPath(folder) + "»");
    }
    writePng(folder / (name + ".png"), draft.shown);
    writeBmp(folder / (name + ".bmp"), draft.shown);
}

}  // namespace avizad

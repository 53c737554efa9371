#pragma once
// The working state of the indicator object editor and how it becomes a stored
// IndicatorObject: the picture shown (the last loaded PNG, or a copy of the opened
// object's picture), the PNG size it came from, the amount, the name and the properties.

#include <filesystem>
#include <string>

#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

struct IndicatorDraft {
    std::string name = "line1";
    int amount = 1;
    Image shown;       // empty until an image is loaded or an object opened
    int pngWidth = 0;  // size of the PNG the shown picture was decoded from
    int pngHeight = 0;
    std::filesystem::path lastFile;  // the last PNG file picked in this run
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    bool hasImage() const { return !shown.isNull(); }
    // A new object: every value back to its default (no picture, amount 1), named
    // `newName`.
    void startNew(std::string newName);
    // A newly loaded PNG becomes the picture shown.
    void loadImage(Image image, const std::filesystem::path& file);
    void open(const IndicatorObject& object);
    // Writes picture, its sizes, name, amount and properties into `object`.
    void storeInto(IndicatorObject& object) const;
};

// The two files kept for an indicator in the project's folder: objects/NAME.png (the
// picture as PNG) and objects/NAME.bmp (as a Windows bitmap). The folder is made when
// missing; a failure throws IoError naming the file.
void writeIndicatorFiles(const std::filesystem::path& projectDir, const IndicatorDraft& draft);

}  // namespace avizad

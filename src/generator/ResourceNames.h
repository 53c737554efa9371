#pragma once
// The file names under which the build exports object images, shared by the
// generated Java (add_act, add_fon, add_line) and the resource export. Names are
// Windows-1251 model texts; the file on disk carries the same name in UTF-8.

#include <filesystem>
#include <string>
#include <string_view>

namespace avizad {

// The image file name of an active or background object: the part of the name after
// its last "\", "/" or ":" (the whole name if none); if that part holds a ".", the
// text from its last "." on is replaced by ".png", otherwise ".png" is appended.
// hero gives hero.png, hero.old gives hero.png, ../x gives x.png.
std::string imageFileName(std::string_view name);

// The image file name of an indicator object: the part of the name after its last
// "\", "/" or ":" with ".png" appended (line1 gives line1.png, a.b gives a.b.png).
std::string indicatorFileName(std::string_view name);

// The path of a resource file below `folder`: the Windows-1251 file name in UTF-8.
// The names made by the two functions above are one path component that always
// ends in ".png", so the path never leaves `folder`.
std::filesystem::path resourcePath(const std::filesystem::path& folder, std::string_view fileName);

// The name of the tile map file of background placement `placement` of level `level`
// (both 1-based): "fon" + (level - 1) + "-" + (placement - 1) + ".txt".
std::string tileMapFileName(int level, int placement);

}  // namespace avizad

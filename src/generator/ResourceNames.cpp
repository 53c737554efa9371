#include "generator/ResourceNames.h"

#include "model/Cp1251.h"

namespace avizad {

namespace {

std::string_view lastPathPart(std::string_view name) {
    const std::size_t separator = name.find_last_of("\\/:");
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

}  // namespace

std::string imageFileName(std::string_view name) {
    const std::string_view part = lastPathPart(name);
    const std::size_t dot = part.rfind('.');
    return std::string(dot == std::string_view::npos ? part : part.substr(0, dot)) + ".png";
}

std::string indicatorFileName(std::string_view name) {
    return std::string(lastPathPart(name)) + ".png";
}

std::filesystem::path resourcePath(const std::filesystem::path& folder, std::string_view fileName) {
    return folder / std::filesystem::path(cp1251ToUtf8(lastPathPart(fileName)));
}

std::string tileMapFileName(int level, int placement) {
    return "fon" + std::to_string(level - 1) + "-" + std::to_string(placement - 1) + ".txt";
}

}  // namespace avizad

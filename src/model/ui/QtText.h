#pragma once
// Conversions at the boundary between the model's Windows-1251 texts and Qt.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/Cp1251.h"

namespace avizad {

// A model text (Windows-1251) for a widget.
inline QString fromModel(std::string_view cp1251) {
    return QString::fromStdString(cp1251ToUtf8(cp1251));
}
// A widget's text for the model (characters without a Windows-1251 byte become "?").
inline std::string toModel(const QString& text) {
    return utf8ToCp1251(text.toStdString());
}

inline QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
inline std::filesystem::path toPath(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

}  // namespace avizad

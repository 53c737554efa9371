#pragma once
// The catalogues' user interface texts are UTF-8 literals; this makes them QStrings.

#include <QString>
#include <string_view>

namespace avizad {

inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace avizad

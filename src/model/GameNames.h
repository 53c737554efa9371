#pragma once
// The names the generated game gives each kind of object, in one table for the event
// fragments, the expression translator and the stage generator (the names are kept
// from earlier versions; see docs/glossary.md).

#include <string>
#include <string_view>
#include <vector>

#include "model/Project.h"

namespace avizad {

struct GameKindNames {
    std::string_view objects;  // the objects of a level: act[i], fon[i], line[i], text[i]
    std::string_view group;    // placement indices per type: gr_obj[t][k]
    std::string_view count;    // placements per type: kol_obj[t]
    std::string_view loop;     // the event loop counter of type t: kr + t
};

inline const GameKindNames& gameNames(ObjectKind kind) {
    static constexpr GameKindNames kNames[] = {
        {"fon", "gr_fon", "kol_fon", "krf"},
        {"act", "gr_obj", "kol_obj", "kr"},
        {"line", "gr_line", "kol_line", "krl"},
        {"text", "gr_text", "kol_text", "krt"},
    };
    return kNames[static_cast<int>(kind) - 1];
}

// The extensions of the sound files a game plays ("mid", "wav", "mp3").
inline const std::vector<std::string_view>& soundFileExtensions() {
    static const std::vector<std::string_view> kExtensions = {"mid", "wav", "mp3"};
    return kExtensions;
}

// "[gr_obj[t][krt]]": the index of the object of type t that an event line's loop
// stands at, for `kind`.
inline std::string loopIndex(ObjectKind kind, int t) {
    const GameKindNames& names = gameNames(kind);
    const std::string n = std::to_string(t);
    return "[" + std::string(names.group) + "[" + n + "][" + std::string(names.loop) + n + "]]";
}

}  // namespace avizad

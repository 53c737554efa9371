#pragma once
// The name an object type is listed under (Windows-1251): the object's name, for a
// text object its file name.

#include <string>

#include "model/Project.h"

namespace avizad {

inline const std::string& objectTypeName(const Project& project, ObjectKind kind, int index) {
    switch (kind) {
        case ObjectKind::Background:
            return project.backgrounds[index].name;
        case ObjectKind::Active:
            return project.actives[index].name;
        case ObjectKind::Indicator:
            return project.indicators[index].name;
        case ObjectKind::Text:
            break;
    }
    return project.texts[index].fileName;
}

}  // namespace avizad

#include "editors/ObjectNames.h"

#include "editors/TextDraft.h"

namespace avizad {

std::string objectTypeName(const Project& project, ObjectKind kind, int index) {
    if (index < 1 || index > project.typeCount(kind)) {
        return {};
    }
    switch (kind) {
        case ObjectKind::Background:
            return project.backgrounds[index].name;
        case ObjectKind::Active:
            return project.actives[index].name;
        case ObjectKind::Indicator:
            return project.indicators[index].name;
        case ObjectKind::Text:
            return textObjectName(project.texts[index].fileName);
    }
    return {};
}

std::string freeObjectName(const Project& project, ObjectKind kind, std::string_view stem,
                           int first) {
    for (int n = first;; ++n) {
        const std::string name = std::string(stem) + std::to_string(n);
        bool taken = false;
        for (int i = 1; i <= project.typeCount(kind) && !taken; ++i) {
            taken = objectTypeName(project, kind, i) == name;
        }
        if (!taken) {
            return name;
        }
    }
}

std::string newObjectName(const Project& project, ObjectKind kind) {
    return freeObjectName(project, kind, kindKey(kind));
}

int duplicateObjectType(Project& project, ObjectKind kind, int index) {
    const int count = project.typeCount(kind);
    if (index < 1 || index > count || count >= typeCapacity(kind)) {
        return 0;
    }
    const std::string name = objectTypeName(project, kind, index);
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') {
        --end;
    }
    const std::string copyName = freeObjectName(project, kind, name.substr(0, end), 2);
    const int copy = count + 1;
    switch (kind) {
        case ObjectKind::Background:
            project.backgrounds[copy] = project.backgrounds[index];
            project.backgrounds[copy].name = copyName;
            break;
        case ObjectKind::Active:
            project.actives[copy] = project.actives[index];
            project.actives[copy].name = copyName;
            for (Level& level : project.levels) {
                level.controlType[copy] = level.controlType[index];
            }
            break;
        case ObjectKind::Indicator:
            project.indicators[copy] = project.indicators[index];
            project.indicators[copy].name = copyName;
            break;
        case ObjectKind::Text:
            project.texts[copy] = project.texts[index];
            project.texts[copy].fileName = copyName + ".png";
            break;
    }
    project.typeCountRef(kind) = copy;
    return copy;
}

}  // namespace avizad

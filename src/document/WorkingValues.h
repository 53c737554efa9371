#pragma once
// The editor's working values that several panels read and set.

#include <filesystem>

#include "model/Project.h"

namespace avizad {

struct WorkingValues {
    std::filesystem::path projectDir = "c:";  // folder of the project file; "c:" = none yet,
                                              // empty while opening (see docs/glossary.md)
    std::filesystem::path projectFile;        // empty until the project is saved or opened
    ObjectKind currentKind = ObjectKind::Background;
    int selectedObject = 0;    // the object type chosen in the palette; 0 = none
    int panelLevel = 0;        // the level last clicked in the levels panel; 0 = none yet
    bool levelOpened = false;  // set for good once a level was chosen in the levels panel
};

}  // namespace avizad

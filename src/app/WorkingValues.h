#pragma once
// The main window's working values that several panels read and set.

#include <filesystem>

#include "model/Project.h"

namespace avizad {

struct WorkingValues {
    std::filesystem::path projectDir = "c:";  // folder of the project file; empty while opening
    std::filesystem::path projectFile;        // empty until the project is saved or opened
    bool saveAs = false;                      // the next save asks for a file name
    ObjectKind currentKind = ObjectKind::Background;
    int panelLevel = 0;        // the level last clicked in the levels panel; 0 = none yet
    bool levelOpened = false;  // set for good once a level was chosen in the levels panel
};

}  // namespace avizad

#include "model/LevelOperations.h"

#include <algorithm>
#include <utility>

#include "model/Cp1251.h"

namespace avizad {

namespace {

bool isLevel(const Project& project, int level) {
    return level >= 1 && level <= project.levelCount;
}

// Exchanges the blocks of levels a and b through a spare block outside the table.
void exchangeLevels(Project& project, int a, int b) {
    Level spare = std::move(project.levels[a]);
    clearLevel(project, a);
    copyLevel(project, b, a);
    clearLevel(project, b);
    project.levels[b] = std::move(spare);
}

}  // namespace

void copyLevel(Project& project, int from, int to) {
    if (from != to) {
        project.levels[to] = project.levels[from];
    }
}

void clearLevel(Project& project, int index) {
    project.levels[index] = Level{};
}

bool moveLevelUp(Project& project) {
    const int c = project.currentLevel;
    if (!isLevel(project, c)) {
        return false;
    }
    if (c > 1) {
        exchangeLevels(project, c, c - 1);
    }
    project.currentLevel = 0;
    return true;
}

bool moveLevelDown(Project& project) {
    const int c = project.currentLevel;
    if (!isLevel(project, c)) {
        return false;
    }
    if (c < project.levelCount) {
        exchangeLevels(project, c, c + 1);
    }
    project.currentLevel = 0;
    return true;
}

bool deleteLevel(Project& project) {
    const int c = project.currentLevel;
    const int n = project.levelCount;
    if (!isLevel(project, c) || n < 2) {
        return false;
    }
    clearLevel(project, c);
    for (int j = c + 1; j <= n; ++j) {
        copyLevel(project, j, j - 1);
        clearLevel(project, j);
    }
    project.levelCount = n - 1;
    project.currentLevel = 0;
    return true;
}

LevelProperties shownLevelProperties(const Project& project, int panelLevel) {
    if (!isLevel(project, panelLevel)) {
        return {};
    }
    const Level& level = project.levels[panelLevel];
    return {level.name, level.width, level.height};
}

LevelPropertiesResult applyLevelProperties(Project& project, int level,
                                           const LevelProperties& properties) {
    const bool append = level == project.levelCount + 1 && canAppendLevel(project);
    if (!isLevel(project, level) && !append) {
        return LevelPropertiesResult::Refused;
    }
    if (append) {
        // A new level starts from an empty block, whatever an earlier project left there.
        clearLevel(project, level);
    }
    Level& target = project.levels[level];
    target.name = properties.name;
    target.width = std::clamp(properties.width, kMinLevelSize, kMaxLevelSize);
    target.height = std::clamp(properties.height, kMinLevelSize, kMaxLevelSize);
    if (append) {
        project.levelCount = level;
        return LevelPropertiesResult::Appended;
    }
    return LevelPropertiesResult::Changed;
}

bool canAppendLevel(const Project& project) {
    return project.levelCount < kMaxLevels;
}

int levelAtPosition(int y, int rowHeight, int levelCount) {
    if (y < 0 || rowHeight <= 0) {
        return 0;
    }
    const int level = y / rowHeight + 1;
    return level <= levelCount ? level : 0;
}

std::string listedLevelName(const Level& level) {
    return level.name.empty() ? utf8ToCp1251("Без названия") : level.name;
}

std::string listedLevelSize(const Level& level) {
    return std::to_string(level.width) + "x" + std::to_string(level.height);
}

}  // namespace avizad

#include "model/ProjectSnapshot.h"

namespace avizad {

ProjectSnapshot::ProjectSnapshot(const Project& project, const ProjectParts& parts)
    : parts_(parts) {
    for (ObjectKind kind : parts.types) {
        typeCounts_[kind] = project.typeCount(kind);
        switch (kind) {
            case ObjectKind::Background:
                backgrounds_ = project.backgrounds;
                break;
            case ObjectKind::Active:
                actives_ = project.actives;
                break;
            case ObjectKind::Indicator:
                indicators_ = project.indicators;
                break;
            case ObjectKind::Text:
                texts_ = project.texts;
                break;
        }
    }
    if (parts.allLevels) {
        for (int l = 1; l <= kMaxLevels; ++l) {
            levels_.emplace(l, project.levels[l]);
        }
        levelCount_ = project.levelCount;
        currentLevel_ = project.currentLevel;
    } else {
        for (int l : parts.levels) {
            if (l >= 1 && l <= kMaxLevels) {
                levels_.emplace(l, project.levels[l]);
            }
        }
    }
    if (parts.allEvents) {
        eventTable_ = project.eventTable;
    } else {
        for (int e : parts.events) {
            if (e >= 1 && e <= kMaxEvents) {
                events_.emplace(e, project.eventTable.events[e]);
            }
        }
    }
    if (parts.midlet) {
        midlet_ = Midlet{project.midletName, project.midletVendor, project.midletVersion,
                         project.midletIcon};
    }
    screenColor_ = project.screenColor;
}

void ProjectSnapshot::restore(Project& project) const {
    for (const auto& [kind, count] : typeCounts_) {
        project.typeCountRef(kind) = count;
    }
    if (backgrounds_) {
        project.backgrounds = *backgrounds_;
    }
    if (actives_) {
        project.actives = *actives_;
    }
    if (indicators_) {
        project.indicators = *indicators_;
    }
    if (texts_) {
        project.texts = *texts_;
    }
    for (const auto& [l, level] : levels_) {
        project.levels[l] = level;
    }
    if (parts_.allLevels) {
        project.levelCount = levelCount_;
        project.currentLevel = currentLevel_;
    }
    if (eventTable_) {
        project.eventTable = *eventTable_;
    }
    for (const auto& [e, event] : events_) {
        project.eventTable.events[e] = event;
    }
    if (midlet_) {
        project.midletName = midlet_->name;
        project.midletVendor = midlet_->vendor;
        project.midletVersion = midlet_->version;
        project.midletIcon = midlet_->icon;
    }
    if (parts_.screenColor) {
        project.screenColor = screenColor_;
    }
}

}  // namespace avizad

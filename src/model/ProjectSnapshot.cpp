#include "model/ProjectSnapshot.h"

namespace avizad {

namespace {

template <typename T>
using Entries = std::map<int, std::shared_ptr<const T>>;

template <typename T>
void copyItem(const T& item, int i, Entries<T>& into) {
    into.emplace(i, std::make_shared<const T>(item));
}

template <typename Table, typename T>
void copyTable(const Table& table, int capacity, Entries<T>& into) {
    for (int i = 1; i <= capacity; ++i) {
        copyItem(table[i], i, into);
    }
}

template <typename T, typename Table>
void restoreTable(const Entries<T>& from, Table& table) {
    for (const auto& [i, item] : from) {
        table[i] = *item;
    }
}

// Removes the entries that are the same in both maps.
template <typename T>
void dropEqual(Entries<T>& a, Entries<T>& b) {
    for (auto it = a.begin(); it != a.end();) {
        const auto other = b.find(it->first);
        if (other != b.end() && *other->second == *it->second) {
            b.erase(other);
            it = a.erase(it);
        } else {
            ++it;
        }
    }
}

// Points every entry of `a` that equals an entry of `b` at that entry's copy.
template <typename T>
void share(Entries<T>& a, const Entries<T>& b) {
    for (auto& [i, item] : a) {
        for (const auto& [j, other] : b) {
            if (item != other && *item == *other) {
                item = other;
                break;
            }
        }
    }
}

}  // namespace

ProjectSnapshot::ProjectSnapshot(const Project& project, const ProjectParts& parts)
    : parts_(parts) {
    for (ObjectKind kind : parts.types) {
        typeCounts_[kind] = project.typeCount(kind);
        switch (kind) {
            case ObjectKind::Background:
                copyTable(project.backgrounds, kMaxBackgroundTypes, backgrounds_);
                break;
            case ObjectKind::Active:
                copyTable(project.actives, kMaxActiveTypes, actives_);
                break;
            case ObjectKind::Indicator:
                copyTable(project.indicators, kMaxIndicatorTypes, indicators_);
                break;
            case ObjectKind::Text:
                copyTable(project.texts, kMaxTextTypes, texts_);
                break;
        }
    }
    if (parts.allLevels) {
        copyTable(project.levels, kMaxLevels, levels_);
        levelCount_ = project.levelCount;
        currentLevel_ = project.currentLevel;
    } else {
        for (int l : parts.levels) {
            if (l >= 1 && l <= kMaxLevels) {
                copyItem(project.levels[l], l, levels_);
            }
        }
    }
    if (parts.allEvents) {
        copyTable(project.eventTable.events, kMaxEvents, events_);
        eventCount_ = project.eventTable.eventCount;
    } else {
        for (int e : parts.events) {
            if (e >= 1 && e <= kMaxEvents) {
                copyItem(project.eventTable.events[e], e, events_);
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
    restoreTable(backgrounds_, project.backgrounds);
    restoreTable(actives_, project.actives);
    restoreTable(indicators_, project.indicators);
    restoreTable(texts_, project.texts);
    restoreTable(levels_, project.levels);
    if (parts_.allLevels) {
        project.levelCount = levelCount_;
        project.currentLevel = currentLevel_;
    }
    restoreTable(events_, project.eventTable.events);
    if (parts_.allEvents) {
        project.eventTable.eventCount = eventCount_;
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

void ProjectSnapshot::keepDifferences(ProjectSnapshot& before, ProjectSnapshot& after) {
    dropEqual(before.backgrounds_, after.backgrounds_);
    dropEqual(before.actives_, after.actives_);
    dropEqual(before.indicators_, after.indicators_);
    dropEqual(before.texts_, after.texts_);
    dropEqual(before.levels_, after.levels_);
    dropEqual(before.events_, after.events_);
    if (before.midlet_ && after.midlet_ && *before.midlet_ == *after.midlet_) {
        before.midlet_.reset();
        after.midlet_.reset();
    }
}

void ProjectSnapshot::shareWith(const ProjectSnapshot& other) {
    share(backgrounds_, other.backgrounds_);
    share(actives_, other.actives_);
    share(indicators_, other.indicators_);
    share(texts_, other.texts_);
    share(levels_, other.levels_);
    share(events_, other.events_);
}

void ProjectSnapshot::fillFrom(const ProjectSnapshot& other) {
    backgrounds_.insert(other.backgrounds_.begin(), other.backgrounds_.end());
    actives_.insert(other.actives_.begin(), other.actives_.end());
    indicators_.insert(other.indicators_.begin(), other.indicators_.end());
    texts_.insert(other.texts_.begin(), other.texts_.end());
    levels_.insert(other.levels_.begin(), other.levels_.end());
    events_.insert(other.events_.begin(), other.events_.end());
    if (!midlet_ && other.midlet_) {
        midlet_ = other.midlet_;
    }
}

}  // namespace avizad

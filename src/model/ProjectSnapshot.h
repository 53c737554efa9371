#pragma once
// The parts of a project that one edit changes, and a copy of just those parts, so
// that the editor can undo and redo the edit. Pictures and tile maps are shared with
// the project (copy on write), so a copy of object types costs little.

#include <map>
#include <memory>
#include <optional>
#include <set>

#include "model/Project.h"

namespace avizad {

// What an edit may change. Parts combine: an edit that deletes an object type names
// its kind's types, the events and every level.
struct ProjectParts {
    std::set<ObjectKind> types;  // type tables (and their counts) of these kinds
    std::set<int> levels;        // the blocks of these levels (1..10)
    bool allLevels = false;      // every level block, levelCount and currentLevel
    std::set<int> events;        // these events (1..50), not their number
    bool allEvents = false;      // the whole event table
    bool midlet = false;         // MIDlet name, vendor, version and icon
    bool screenColor = false;

    ProjectParts& withTypes(ObjectKind kind) {
        types.insert(kind);
        return *this;
    }
    ProjectParts& withLevel(int level) {
        levels.insert(level);
        return *this;
    }
    ProjectParts& withAllLevels() {
        allLevels = true;
        return *this;
    }
    ProjectParts& withEvent(int event) {
        events.insert(event);
        return *this;
    }
    ProjectParts& withAllEvents() {
        allEvents = true;
        return *this;
    }
    ProjectParts& withMidlet() {
        midlet = true;
        return *this;
    }
    ProjectParts& withScreenColor() {
        screenColor = true;
        return *this;
    }
    // Everything an edit can change.
    static ProjectParts everything() {
        ProjectParts parts;
        for (ObjectKind kind : kAllKinds) {
            parts.types.insert(kind);
        }
        parts.allLevels = parts.allEvents = parts.midlet = parts.screenColor = true;
        return parts;
    }
    bool coversEvents() const { return allEvents || !events.empty(); }
};

class ProjectSnapshot {
public:
    // Copies the parts of `project`; levels and events outside the tables are ignored.
    ProjectSnapshot(const Project& project, const ProjectParts& parts);

    // Writes the copied parts back into `project`; the rest of it stays.
    void restore(Project& project) const;

    // Drops from both snapshots, taken before and after one edit, every object type,
    // level and event that the edit left as it was, so that a command keeps only what
    // it changed. Restoring either snapshot afterwards still gives its whole state on
    // a project that is in the other one's state.
    static void keepDifferences(ProjectSnapshot& before, ProjectSnapshot& after);
    // Adds the entries of `other` (of the same parts) that this snapshot dropped, for
    // two edits that become one: the first edit's "before" takes what only the second
    // changed from the second's "before", and the second's "after" what only the first
    // changed from the first's "after".
    void fillFrom(const ProjectSnapshot& other);
    // Lets every entry that equals one of `other` share that one's copy (the state
    // after one edit is mostly the state before the next).
    void shareWith(const ProjectSnapshot& other);

    const ProjectParts& parts() const { return parts_; }

private:
    struct Midlet {
        std::string name, vendor, version, icon;
        bool operator==(const Midlet&) const = default;
    };

    ProjectParts parts_;
    std::map<ObjectKind, int> typeCounts_;
    template <typename T>
    using Entries = std::map<int, std::shared_ptr<const T>>;

    Entries<BackgroundObject> backgrounds_;
    Entries<ActiveObject> actives_;
    Entries<IndicatorObject> indicators_;
    Entries<TextObject> texts_;
    Entries<Level> levels_;
    int levelCount_ = 0;
    int currentLevel_ = 0;
    int eventCount_ = 0;
    Entries<Event> events_;
    std::optional<Midlet> midlet_;
    Color screenColor_ = 0;
};

}  // namespace avizad

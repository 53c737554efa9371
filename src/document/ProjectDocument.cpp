#include "document/ProjectDocument.h"

#include <QStringList>
#include <QUndoCommand>
#include <QUndoStack>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/ui/QtText.h"

namespace avizad {

// The named parts of a project as they were before an edit or its undo, to tell the
// views what really changed: a drag changes placements, not the level list.
class PartsBefore {
public:
    PartsBefore(const Project& project, const ProjectParts& parts)
        : parts_(parts), currentLevel_(project.currentLevel) {
        for (ObjectKind kind : parts.types) {
            counts_[kind] = project.typeCount(kind);
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
        levelCount_ = project.levelCount;
        for (int l = 1; l <= kMaxLevels; ++l) {
            if (parts.allLevels || parts.levels.count(l) > 0) {
                levels_.emplace(l, project.levels[l]);
            }
        }
        eventCount_ = project.eventTable.eventCount;
        for (int e = 1; e <= kMaxEvents; ++e) {
            if (parts.allEvents || parts.events.count(e) > 0) {
                events_.emplace(e, project.eventTable.events[e]);
            }
        }
        midlet_ = {project.midletName, project.midletVendor, project.midletVersion,
                   project.midletIcon};
        screenColor_ = project.screenColor;
    }

    bool typesChanged(const Project& now, ObjectKind kind) const {
        if (parts_.types.count(kind) == 0) {
            return false;
        }
        if (counts_.at(kind) != now.typeCount(kind)) {
            return true;
        }
        switch (kind) {
            case ObjectKind::Background:
                return !(backgrounds_ == now.backgrounds);
            case ObjectKind::Active:
                return !(actives_ == now.actives);
            case ObjectKind::Indicator:
                return !(indicators_ == now.indicators);
            case ObjectKind::Text:
                return !(texts_ == now.texts);
        }
        return false;
    }
    // The number, names or sizes of the levels (what the levels panel lists).
    bool levelListChanged(const Project& now) const {
        if (parts_.allLevels && levelCount_ != now.levelCount) {
            return true;
        }
        for (const auto& [l, level] : levels_) {
            const Level& n = now.levels[l];
            if (level.name != n.name || level.width != n.width || level.height != n.height) {
                return true;
            }
        }
        return false;
    }
    // The levels whose placements, trajectories or control types changed.
    std::vector<int> placementLevels(const Project& now) const {
        std::vector<int> changed;
        for (const auto& [l, level] : levels_) {
            Level header = now.levels[l];
            header.name = level.name;
            header.width = level.width;
            header.height = level.height;
            if (!(header == level)) {
                changed.push_back(l);
            }
        }
        return changed;
    }
    bool eventsChanged(const Project& now) const {
        if (parts_.allEvents && eventCount_ != now.eventTable.eventCount) {
            return true;
        }
        for (const auto& [e, event] : events_) {
            if (!(event == now.eventTable.events[e])) {
                return true;
            }
        }
        return false;
    }
    bool midletChanged(const Project& now) const {
        return parts_.midlet &&
               midlet_ != std::array<std::string, 4>{now.midletName, now.midletVendor,
                                                     now.midletVersion, now.midletIcon};
    }
    bool screenColorChanged(const Project& now) const {
        return parts_.screenColor && screenColor_ != now.screenColor;
    }
    int currentLevel() const { return currentLevel_; }

private:
    ProjectParts parts_;
    int currentLevel_;
    std::map<ObjectKind, int> counts_;
    decltype(Project::backgrounds) backgrounds_;
    decltype(Project::actives) actives_;
    decltype(Project::indicators) indicators_;
    decltype(Project::texts) texts_;
    int levelCount_ = 0;
    std::map<int, Level> levels_;
    int eventCount_ = 0;
    std::map<int, Event> events_;
    std::array<std::string, 4> midlet_;
    Color screenColor_ = 0;
};

namespace {

ProjectDocument::UndeclaredChangeReport& undeclaredChangeReport() {
    static ProjectDocument::UndeclaredChangeReport report;
    return report;
}

// The parts in which `now` differs from `expected` (the project before an edit with the
// edit's named parts taken from after it), or "" when there are none.
QString undeclaredDifferences(const Project& expected, const Project& now) {
    QStringList parts;
    for (ObjectKind kind : kAllKinds) {
        bool same = expected.typeCount(kind) == now.typeCount(kind);
        switch (kind) {
            case ObjectKind::Background:
                same = same && expected.backgrounds == now.backgrounds;
                break;
            case ObjectKind::Active:
                same = same && expected.actives == now.actives;
                break;
            case ObjectKind::Indicator:
                same = same && expected.indicators == now.indicators;
                break;
            case ObjectKind::Text:
                same = same && expected.texts == now.texts;
                break;
        }
        if (!same) {
            parts << QStringLiteral("types of kind %1").arg(static_cast<int>(kind));
        }
    }
    if (expected.levelCount != now.levelCount) {
        parts << QStringLiteral("the level count");
    }
    if (expected.currentLevel != now.currentLevel) {
        parts << QStringLiteral("the current level");
    }
    for (int l = 1; l <= kMaxLevels; ++l) {
        if (!(expected.levels[l] == now.levels[l])) {
            parts << QStringLiteral("level %1").arg(l);
        }
    }
    if (!(expected.eventTable == now.eventTable)) {
        parts << QStringLiteral("the events");
    }
    if (expected.midletName != now.midletName || expected.midletVendor != now.midletVendor ||
        expected.midletVersion != now.midletVersion || expected.midletIcon != now.midletIcon) {
        parts << QStringLiteral("the MIDlet settings");
    }
    if (expected.screenColor != now.screenColor) {
        parts << QStringLiteral("the screen colour");
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

void ProjectDocument::checkUndeclaredChanges(UndeclaredChangeReport report) {
    undeclaredChangeReport() = std::move(report);
}

// One edit of the project: the changed parts before and after. The edit is already
// done when the command is pushed, so its first redo does nothing.
class ProjectEditCommand : public QUndoCommand {
public:
    ProjectEditCommand(ProjectDocument* document, const QString& text,
                       std::unique_ptr<ProjectSnapshot> before,
                       std::unique_ptr<ProjectSnapshot> after, int mergeKey)
        : QUndoCommand(text),
          document_(document),
          before_(std::move(before)),
          after_(std::move(after)),
          mergeKey_(mergeKey) {}

    void undo() override { document_->restore(*before_); }
    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        document_->restore(*after_);
    }
    int id() const override { return mergeKey_ == 0 ? -1 : 1; }
    const ProjectSnapshot& afterState() const { return *after_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* edit = dynamic_cast<const ProjectEditCommand*>(other);
        if (edit == nullptr || edit->mergeKey_ != mergeKey_) {
            return false;
        }
        const ProjectParts& mine = after_->parts();
        const ProjectParts& theirs = edit->after_->parts();
        if (mine.types != theirs.types || mine.levels != theirs.levels ||
            mine.allLevels != theirs.allLevels || mine.events != theirs.events ||
            mine.allEvents != theirs.allEvents || mine.midlet != theirs.midlet ||
            mine.screenColor != theirs.screenColor) {
            return false;
        }
        before_->fillFrom(*edit->before_);
        auto after = std::make_unique<ProjectSnapshot>(*edit->after_);
        after->fillFrom(*after_);
        after_ = std::move(after);
        return true;
    }

private:
    ProjectDocument* document_;
    std::unique_ptr<ProjectSnapshot> before_;
    std::unique_ptr<ProjectSnapshot> after_;
    int mergeKey_;
    bool done_ = true;
};

const ProjectEditCommand* ProjectDocument::lastEdit() const {
    const int index = undoStack_->index();
    return index > 0 ? dynamic_cast<const ProjectEditCommand*>(undoStack_->command(index - 1))
                     : nullptr;
}

ProjectDocument::ProjectDocument(std::filesystem::path programDir, QObject* parent)
    : QObject(parent), programDir_(std::move(programDir)), undoStack_(new QUndoStack(this)) {
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this] { emit titleChanged(); });
}

ProjectDocument::~ProjectDocument() = default;

bool ProjectDocument::edit(const QString& text, const ProjectParts& parts,
                           const std::function<bool(Project&)>& change, int mergeKey) {
    auto before = std::make_unique<ProjectSnapshot>(project_, parts);
    const PartsBefore named(project_, parts);
    std::optional<Project> whole;
    if (undeclaredChangeReport()) {
        whole = project_;
    }
    bool changed = false;
    try {
        changed = change(project_);
    } catch (...) {
        // A change that failed halfway leaves the project as it was.
        before->restore(project_);
        throw;
    }
    if (whole) {
        // What the project should be: as before, but for the named parts.
        Project expected = std::move(*whole);
        ProjectSnapshot(project_, parts).restore(expected);
        const QString differences = undeclaredDifferences(expected, project_);
        if (!differences.isEmpty()) {
            undeclaredChangeReport()(QStringLiteral("The edit \"%1\" changed parts it did not "
                                                    "name: %2")
                                         .arg(text, differences));
        }
    }
    if (!changed) {
        return false;
    }
    auto after = std::make_unique<ProjectSnapshot>(project_, parts);
    ProjectSnapshot::keepDifferences(*before, *after);
    after->shareWith(*before);
    if (const auto* last = lastEdit()) {
        before->shareWith(last->afterState());
    }
    undoStack_->push(
        new ProjectEditCommand(this, text, std::move(before), std::move(after), mergeKey));
    announce(named);
    return true;
}

void ProjectDocument::restore(const ProjectSnapshot& snapshot) {
    const PartsBefore named(project_, snapshot.parts());
    snapshot.restore(project_);
    announce(named);
}

void ProjectDocument::announce(const PartsBefore& before) {
    for (ObjectKind kind : kAllKinds) {
        if (before.typesChanged(project_, kind)) {
            emit typesChanged(kind);
        }
    }
    if (before.levelListChanged(project_)) {
        emit levelsChanged();
    }
    for (int level : before.placementLevels(project_)) {
        emit placementsChanged(level);
    }
    if (before.eventsChanged(project_)) {
        emit eventsChanged();
    }
    if (before.midletChanged(project_)) {
        emit midletSettingsChanged();
    }
    if (before.screenColorChanged(project_)) {
        settings_.screenColor = project_.screenColor;
        emit screenColorChanged();
    }
    if (project_.currentLevel != before.currentLevel()) {
        emit currentLevelChanged(project_.currentLevel);
    }
}

void ProjectDocument::replaceProject(Project project) {
    project_ = std::move(project);
    undoStack_->clear();
    undoStack_->setClean();
    values_.selectedObject = 0;
    emit projectReplaced();
    emit currentLevelChanged(project_.currentLevel);
    emit titleChanged();
}

void ProjectDocument::setProjectFile(const std::filesystem::path& file) {
    values_.projectFile = file;
    if (!file.empty()) {
        values_.projectDir = file.parent_path();
    }
    emit titleChanged();
}

void ProjectDocument::load(const std::filesystem::path& file) {
    // The file is read into a fresh project, which replaces the open one only when the
    // whole file was read.
    Project loaded = readProjectFile(file);
    Settings settings = settings_;
    settings.screenColor = loaded.screenColor;
    setSettings(settings, settingsLoaded_);
    setProjectFile(file);
    replaceProject(std::move(loaded));
}

void ProjectDocument::save(const std::filesystem::path& file) {
    saveProject(project_, file);
    setProjectFile(file);
    undoStack_->setClean();
    emit titleChanged();
}

void ProjectDocument::newProject() {
    Project fresh;
    fresh.screenColor = project_.screenColor;
    resetMidletSettings(fresh);
    setProjectFile({});
    replaceProject(std::move(fresh));
}

void ProjectDocument::clearScenario() {
    Project scenario = project_;
    clearProject(scenario);
    replaceProject(std::move(scenario));
}

bool ProjectDocument::isModified() const {
    return !undoStack_->isClean();
}

QString ProjectDocument::windowTitle() const {
    if (!settingsLoaded_) {
        return QString::fromStdString(lockedTitle());
    }
    QString title = QString::fromStdString(
        values_.projectFile.empty() ? untitledTitle() : projectTitle(values_.projectFile));
    if (isModified()) {
        // "ROR Avizad - [game]*"
        title += QLatin1Char('*');
    }
    return title;
}

void ProjectDocument::setSettings(const Settings& settings, bool loaded) {
    settings_ = settings;
    settingsLoaded_ = loaded;
    emit settingsChanged();
    emit titleChanged();
}

void ProjectDocument::setCurrentLevel(int level) {
    if (level == project_.currentLevel) {
        return;
    }
    project_.currentLevel = level;
    emit currentLevelChanged(level);
}

void ProjectDocument::setCurrentKind(ObjectKind kind) {
    if (kind == values_.currentKind) {
        return;
    }
    values_.currentKind = kind;
    values_.selectedObject = 0;
    emit currentKindChanged(kind);
    emit selectedObjectChanged(0);
}

void ProjectDocument::setSelectedObject(int index) {
    if (index == values_.selectedObject) {
        return;
    }
    values_.selectedObject = index;
    emit selectedObjectChanged(index);
}

}  // namespace avizad

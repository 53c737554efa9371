#include "app/ProjectDocument.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <memory>

#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/ui/QtText.h"

namespace avizad {

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
    const int levelBefore = project_.currentLevel;
    bool changed = false;
    try {
        changed = change(project_);
    } catch (...) {
        // A change that failed halfway leaves the project as it was.
        before->restore(project_);
        throw;
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
    announce(parts, levelBefore);
    return true;
}

void ProjectDocument::restore(const ProjectSnapshot& snapshot) {
    const int levelBefore = project_.currentLevel;
    snapshot.restore(project_);
    announce(snapshot.parts(), levelBefore);
}

void ProjectDocument::announce(const ProjectParts& parts, int currentLevelBefore) {
    for (ObjectKind kind : parts.types) {
        emit typesChanged(kind);
    }
    if (parts.allLevels || !parts.levels.empty()) {
        emit levelsChanged();
    }
    if (parts.allLevels) {
        emit placementsChanged(0);
    } else {
        for (int level : parts.levels) {
            emit placementsChanged(level);
        }
    }
    if (parts.coversEvents()) {
        emit eventsChanged();
    }
    if (parts.midlet) {
        emit midletSettingsChanged();
    }
    if (parts.screenColor) {
        settings_.screenColor = project_.screenColor;
        emit screenColorChanged();
    }
    if (project_.currentLevel != currentLevelBefore) {
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

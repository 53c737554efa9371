#pragma once
// The open project and everything the editor knows about it: the project itself, the
// working values (file, current kind, level and selection), the environment settings
// and one undo stack. Widgets read the project here and change it only through edit(),
// which makes each change one undoable command; views redraw on the change signals.

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>

#include "document/WorkingValues.h"
#include "model/Project.h"
#include "model/ProjectSnapshot.h"
#include "model/Settings.h"

class QUndoStack;

namespace avizad {

class ProjectEditCommand;

class ProjectDocument : public QObject {
    Q_OBJECT

public:
    explicit ProjectDocument(std::filesystem::path programDir, QObject* parent = nullptr);
    ~ProjectDocument() override;

    const Project& project() const { return project_; }
    const WorkingValues& values() const { return values_; }
    const Settings& settings() const { return settings_; }
    const std::filesystem::path& programDir() const { return programDir_; }
    QUndoStack* undoStack() const { return undoStack_; }

    // One user edit. `change` runs on the project; when it returns true the parts it
    // named are kept before and after as one command named `text` ("Удаление уровня"),
    // the stack records it and the signals of what really changed go out. When it
    // returns false it must have changed nothing, and nothing is recorded. Edits with
    // the same non-zero `mergeKey` in a row become one command (a drag). A change may
    // touch only the parts it names: undo restores those alone.
    bool edit(const QString& text, const ProjectParts& parts,
              const std::function<bool(Project&)>& change, int mergeKey = 0);
    // Checks every edit against its named parts and reports each one that changed a part
    // it did not name (an empty function: no check). The tests switch it on; it costs a
    // copy of the project per edit.
    using UndeclaredChangeReport = std::function<void(const QString& problem)>;
    static void checkUndeclaredChanges(UndeclaredChangeReport report);
    // A key that no earlier edit used, for edits that should merge into one command.
    int newMergeKey() { return ++lastMergeKey_; }

    // Replaces the whole project: the undo history is cleared and the project counts as
    // unchanged.
    void replaceProject(Project project);

    // The project's life. `load` reads a project file into a fresh project, which then
    // replaces the open one, with `file` as its file, unchanged; `save` writes the project
    // to `file` ("Сохранить" to its own file, "Сохранить как..." to another), which then
    // becomes its file, and marks it unchanged. Both throw IoError with the user's message
    // and then leave the project, its file and its history as they were.
    void load(const std::filesystem::path& file);
    void save(const std::filesystem::path& file);
    // "Создать проект": an empty project "Project1" without a file, in the screen colour
    // of the one before.
    void newProject();
    // "Создать" of the menu: a new scenario in the same project and file: the events and
    // the active placements go; object types, levels, the other placements and the
    // MIDlet settings stay.
    void clearScenario();
    // Whether the project differs from its file (or, without a file, from the new or
    // opened project).
    bool isModified() const;
    // "ROR Avizad - [name]" with "*" after the name while the project is modified.
    QString windowTitle() const;

    void setSettings(const Settings& settings, bool loaded = true);
    bool settingsLoaded() const { return settingsLoaded_; }
    void setProjectDir(const std::filesystem::path& dir) { values_.projectDir = dir; }

    // Working values: chosen by the user, not undoable.
    void setCurrentLevel(int level);
    void setPanelLevel(int level) { values_.panelLevel = level; }
    void setLevelOpened() { values_.levelOpened = true; }
    void setCurrentKind(ObjectKind kind);
    // The object type chosen in the palette (0 = none).
    void setSelectedObject(int index);

signals:
    // The whole project was replaced: every view redraws.
    void projectReplaced();
    // Level names, sizes, order or number changed (what the levels panel lists).
    void levelsChanged();
    // Placements, trajectories or control types of a level changed.
    void placementsChanged(int level);
    // The object types of a kind changed (created, changed, moved, deleted).
    void typesChanged(avizad::ObjectKind kind);
    void eventsChanged();
    void midletSettingsChanged();
    void screenColorChanged();
    void settingsChanged();
    // The project file or its modified state changed: the title follows.
    void titleChanged();
    void currentLevelChanged(int level);
    void currentKindChanged(avizad::ObjectKind kind);
    void selectedObjectChanged(int index);

private:
    friend class ProjectEditCommand;
    // Restores a snapshot (undo or redo of a command) and announces what changed.
    void restore(const ProjectSnapshot& snapshot);
    // Emits the signals of the parts that differ from `before` (the named parts of the
    // project as they were).
    void announce(const class PartsBefore& before);
    // The command the next edit follows in the history, if any.
    const ProjectEditCommand* lastEdit() const;
    // The project was written to or read from `file` (empty: no file yet).
    void setProjectFile(const std::filesystem::path& file);

    std::filesystem::path programDir_;
    Project project_;
    WorkingValues values_;
    Settings settings_;
    bool settingsLoaded_ = false;
    QUndoStack* undoStack_ = nullptr;
    int lastMergeKey_ = 0;
};

}  // namespace avizad

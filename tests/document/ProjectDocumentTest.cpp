// The project document on its own: what its signals say changed, the check of the parts an
// edit names, merged edits and a change that fails half-way.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUndoStack>
#include <filesystem>
#include <stdexcept>

#include "document/ProjectDocument.h"
#include "model/LevelOperations.h"
#include "model/ProjectFile.h"

namespace avizad {
namespace {

// A document of three levels "A", "B" and "C", as a new project makes them.
class ProjectDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        Project three;
        clearProject(three);
        three.levelCount = 3;
        for (int i = 1; i <= 3; ++i) {
            three.levels[i].name = std::string(1, static_cast<char>('A' + i - 1));
        }
        document.replaceProject(std::move(three));
    }
    std::string fileText() const { return projectFileText(document.project()); }
    QUndoStack* stack() const { return document.undoStack(); }

    ProjectDocument document{std::filesystem::temp_directory_path()};
};

TEST_F(ProjectDocumentTest, SignalsNameWhatReallyChanged) {
    document.edit(QStringLiteral("Размещение объекта"), ProjectParts().withLevel(1),
                  [](Project& p) {
                      p.levels[1].activePlacements.add(Placement{});
                      return true;
                  });
    QSignalSpy levels(&document, &ProjectDocument::levelsChanged);
    QSignalSpy placements(&document, &ProjectDocument::placementsChanged);
    QSignalSpy types(&document, &ProjectDocument::typesChanged);
    QSignalSpy events(&document, &ProjectDocument::eventsChanged);
    QSignalSpy midlet(&document, &ProjectDocument::midletSettingsChanged);

    // A drag names its level, and changes only a placement of it.
    document.edit(QStringLiteral("Перемещение размещения"), ProjectParts().withLevel(1),
                  [](Project& p) {
                      p.levels[1].activePlacements[1].x = 40;
                      return true;
                  });
    EXPECT_EQ(levels.count(), 0);
    ASSERT_EQ(placements.count(), 1);
    EXPECT_EQ(placements.at(0).at(0).toInt(), 1);
    stack()->undo();
    EXPECT_EQ(levels.count(), 0);
    EXPECT_EQ(placements.count(), 2);

    // Moving a level changes the list and the placements of both levels, nothing else,
    // although the edit names every level, the events and the active types.
    placements.clear();
    document.setCurrentLevel(1);
    document.edit(QStringLiteral("Перемещение уровня"),
                  ProjectParts().withAllLevels().withAllEvents().withTypes(ObjectKind::Active),
                  [](Project& p) { return moveLevelDown(p); });
    EXPECT_EQ(levels.count(), 1);
    ASSERT_EQ(placements.count(), 2);
    EXPECT_EQ(placements.at(0).at(0).toInt(), 1);
    EXPECT_EQ(placements.at(1).at(0).toInt(), 2);
    EXPECT_EQ(types.count(), 0);
    EXPECT_EQ(events.count(), 0);
    EXPECT_EQ(midlet.count(), 0);
    stack()->undo();
    EXPECT_EQ(levels.count(), 2);
    EXPECT_EQ(document.project().levels[1].name, "A");
}

TEST_F(ProjectDocumentTest, AnEditThatChangesAPartItDidNotNameIsReported) {
    QStringList problems;
    ProjectDocument::checkUndeclaredChanges(
        [&problems](const QString& problem) { problems << problem; });
    document.edit(QStringLiteral("Размещение объекта"), ProjectParts().withLevel(1),
                  [](Project& p) {
                      p.levels[2].activePlacements.add(Placement{});
                      p.midletName = "other";
                      return true;
                  });
    document.edit(QStringLiteral("Проверка"), ProjectParts().withLevel(2), [](Project& p) {
        p.levels[2].name = "named";
        return true;
    });
    ProjectDocument::checkUndeclaredChanges(
        [](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("level 2")));
    EXPECT_TRUE(problems[0].contains(QStringLiteral("MIDlet")));
    EXPECT_FALSE(problems[0].contains(QStringLiteral("level 1")));
}

TEST_F(ProjectDocumentTest, EditsWithOneMergeKeyBecomeOneCommand) {
    const int drag = document.newMergeKey();
    for (int x = 1; x <= 5; ++x) {
        document.edit(
            QStringLiteral("Перемещение объекта"), ProjectParts().withLevel(1),
            [x](Project& p) {
                p.levels[1].width = 100 + x;
                return true;
            },
            drag);
    }
    document.edit(
        QStringLiteral("Перемещение объекта"), ProjectParts().withLevel(1),
        [](Project& p) {
            p.levels[1].width = 500;
            return true;
        },
        document.newMergeKey());
    EXPECT_EQ(stack()->count(), 2);
    stack()->undo();
    EXPECT_EQ(document.project().levels[1].width, 105);
    stack()->undo();
    EXPECT_EQ(document.project().levels[1].width, 240);
}

TEST_F(ProjectDocumentTest, AFailedChangeLeavesTheProjectAsItWas) {
    const std::string before = fileText();
    EXPECT_THROW(document.edit(QStringLiteral("Проверка"), ProjectParts::everything(),
                               [](Project& p) -> bool {
                                   p.midletName = "half";
                                   throw std::runtime_error("disk full");
                               }),
                 std::runtime_error);
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(stack()->count(), 0);
}

}  // namespace
}  // namespace avizad

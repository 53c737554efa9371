// The editor's undo history on a project at the capacities: 100 edits of each kind,
// then all undone and all redone. Reports the memory the history takes beside the
// project's own and the longest undo and redo.
//
//   avizad-undo-bench [SIDE]    SIDE: picture side (512 gives the 172 MB project)

#include <malloc.h>

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CapacityProject.h"
#include "document/ProjectDocument.h"

using namespace avizad;

namespace {

// The heap memory in use (what the program holds, not what the allocator keeps).
double heapMb() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1048576.0;
}

double milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

struct EditKind {
    const char* name;
    ProjectParts parts;
    std::function<void(Project&, int)> change;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int side = argc > 1 ? std::atoi(argv[1]) : 512;
    const double baseline = heapMb();
    ProjectDocument document("/tmp");
    document.replaceProject(bench::capacityProject(side));
    const double projectMb = heapMb() - baseline;

    const std::vector<EditKind> kinds = {
        {"object type", ProjectParts().withTypes(ObjectKind::Background),
         [](Project& p, int i) { p.backgrounds[i % 30 + 1].name = "fon" + std::to_string(i); }},
        {"placement", ProjectParts().withLevel(1),
         [](Project& p, int i) { p.levels[1].activePlacements[i % 100 + 1].x = i; }},
        {"level move", ProjectParts().withAllLevels(),
         [](Project& p, int i) { std::swap(p.levels[i % 9 + 1], p.levels[i % 9 + 2]); }},
        {"level properties", ProjectParts().withLevel(2),
         [](Project& p, int i) { p.levels[2].width = 100 + i; }},
        {"event", ProjectParts().withEvent(1),
         [](Project& p, int i) { p.eventTable.events[1].conditionCaption = std::to_string(i); }},
        {"MIDlet settings", ProjectParts().withMidlet(),
         [](Project& p, int i) { p.midletName = "game" + std::to_string(i); }},
        {"screen colour", ProjectParts().withScreenColor(),
         [](Project& p, int i) { p.screenColor = i; }},
    };
    for (const EditKind& kind : kinds) {
        for (int i = 1; i <= 100; ++i) {
            document.edit(QString::fromUtf8(kind.name), kind.parts, [&](Project& p) {
                kind.change(p, i);
                return true;
            });
        }
    }
    QUndoStack* stack = document.undoStack();
    double worstUndo = 0;
    double worstRedo = 0;
    double totalUndo = 0;
    double totalRedo = 0;
    const int edits = stack->count();
    while (stack->canUndo()) {
        const auto start = std::chrono::steady_clock::now();
        stack->undo();
        const double ms = milliseconds(start);
        worstUndo = std::max(worstUndo, ms);
        totalUndo += ms;
    }
    while (stack->canRedo()) {
        const auto start = std::chrono::steady_clock::now();
        stack->redo();
        const double ms = milliseconds(start);
        worstRedo = std::max(worstRedo, ms);
        totalRedo += ms;
    }
    const double historyMb = heapMb() - baseline - projectMb;
    std::printf("undo history: %d edits (%zu kinds x 100) on a project of %.0f MB in memory\n",
                edits, kinds.size(), projectMb);
    std::printf("  history memory  %.1f MB (%.1f %% of the project's)\n", historyMb,
                100.0 * historyMb / projectMb);
    std::printf("  undo            %.3f ms mean, %.3f ms worst\n", totalUndo / edits, worstUndo);
    std::printf("  redo            %.3f ms mean, %.3f ms worst\n", totalRedo / edits, worstRedo);
    return 0;
}

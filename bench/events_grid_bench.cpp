// The events grid at the capacities: 50 events, 30 active object types with 48 x 48
// pictures and actions in every other cell, shown in a 1000 x 700 grid. Prints the
// first paint (the header pictures are made) and the mean paint of one scroll step,
// down through all events and across all columns.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <cstdio>
#include <filesystem>

#include "../bench/CapacityProject.h"
#include "document/ProjectDocument.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventsEditor.h"

using namespace avizad;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Project p;
    p.activeCount = kMaxActiveTypes;
    for (int t = 1; t <= kMaxActiveTypes; ++t) {
        p.actives[t].name = "active" + std::to_string(t);
        p.actives[t].icon = bench::noise(48, 48, static_cast<unsigned>(t));
    }
    p.eventTable.eventCount = kMaxEvents;
    for (int e = 1; e <= kMaxEvents; ++e) {
        Event& event = p.eventTable.events[e];
        event.conditionCaption = "condition " + std::to_string(e);
        event.conditionCode = "(obtime>0)";
        for (int t = 1 + e % 2; t <= kMaxActiveTypes; t += 2) {
            event.activeActions[t].add({"action", "{}"});
        }
    }
    ProjectDocument document(std::filesystem::temp_directory_path());
    document.replaceProject(std::move(p));
    document.setCurrentKind(ObjectKind::Active);
    EventsEditor editor(document, Prompts{});
    editor.resize(1000 + 263, 760);
    editor.show();
    QApplication::processEvents();
    EventGrid* grid = editor.grid();
    QImage target(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);

    QElapsedTimer timer;
    timer.start();
    grid->dropPictures();
    grid->viewport()->render(&target);
    const double first = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    int frames = 0;
    timer.restart();
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()}) {
        for (int value = bar->minimum(); value <= bar->maximum(); value += 8) {
            bar->setValue(value);
            grid->viewport()->render(&target);
            ++frames;
        }
    }
    const double mean = static_cast<double>(timer.nsecsElapsed()) / 1e6 / std::max(1, frames);
    std::printf(
        "events grid %dx%d, %d events x %d columns: first paint %.2f ms, scroll step "
        "%.3f ms (%d steps)\n",
        grid->viewport()->width(), grid->viewport()->height(), kMaxEvents, kMaxActiveTypes, first,
        mean, frames);
    return 0;
}

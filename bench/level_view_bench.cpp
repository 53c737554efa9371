// The level view's repaint at the capacities: a 10000 x 10000 level with 100 background
// placements of 100 x 100 cells, 100 active placements, 20 indicators, 20 texts and the
// grid, drawn for a full-HD viewport at zoom 10, 100 and 300. Prints the first repaint
// (background chunks drawn tile by tile) and the following ones (chunks kept), and one
// step of dragging an active and a background placement (the edit and the repaint of
// what it changed).

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>

#include "../bench/CapacityProject.h"
#include "document/ProjectDocument.h"
#include "level/LevelRenderer.h"
#include "level/PlacementEditor.h"
#include "level/ui/LevelCanvasView.h"

using namespace avizad;

namespace {

Project levelAtCapacity() {
    Project p;
    p.backgroundCount = kMaxBackgroundTypes;
    for (int i = 1; i <= kMaxBackgroundTypes; ++i) {
        BackgroundObject& o = p.backgrounds[i];
        o.name = "fon" + std::to_string(i);
        o.tileWidth = o.tileHeight = 32;
        o.columns = o.rows = 100;
        o.tileSet = bench::noise(256, 256, static_cast<unsigned>(i));
        o.tileSetWidth = o.tileSetHeight = 256;
        for (int r = 1; r <= 100; ++r) {
            for (int c = 1; c <= 100; ++c) {
                o.tileMap.at(r, c) = (r * 7 + c * 3 + i) % 64 + 1;
            }
        }
    }
    p.activeCount = kMaxActiveTypes;
    for (int t = 1; t <= kMaxActiveTypes; ++t) {
        ActiveObject& o = p.actives[t];
        o.icon = bench::noise(48, 48, static_cast<unsigned>(t + 300));
        o.iconWidth = o.iconHeight = 48;
        // Two frames; half the types with a transparent backdrop, as the game draws them.
        o.strip = bench::noise(96, 48, static_cast<unsigned>(t + 600));
        o.stripWidth = 96;
        o.stripHeight = 48;
        o.frameWidth = o.frameHeight = 48;
        o.frameCount = 2;
        o.transparentBackground = t % 2;
    }
    p.indicatorCount = kMaxIndicatorTypes;
    for (int t = 1; t <= kMaxIndicatorTypes; ++t) {
        p.indicators[t].image = bench::noise(128, 16, static_cast<unsigned>(t));
        p.indicators[t].imageWidth = 128;
        p.indicators[t].imageHeight = 16;
    }
    p.textCount = kMaxTextTypes;
    for (int t = 1; t <= kMaxTextTypes; ++t) {
        p.texts[t].size = t % 3;
        p.texts[t].lineCount = 2;
        p.texts[t].lines[1] = "Score " + std::to_string(t * 1000);
        p.texts[t].lines[2] = "second line";
    }
    Level& level = p.levels[1];
    level.width = level.height = 10000;
    for (int i = 0; i < kMaxBackgroundPlacements; ++i) {
        level.backgroundPlacements.add({(i % 10) * 680, (i / 10) * 680, i % 30 + 1, "fon", 32, 32});
    }
    // Actives, indicators and texts around the middle of the level, where the viewport is.
    for (int i = 0; i < kMaxActivePlacements; ++i) {
        level.activePlacements.add(
            {4700 + (i % 10) * 60, 4800 + (i / 10) * 40, i % 30 + 1, "active", 48, 48});
    }
    for (int i = 0; i < kMaxIndicatorPlacements; ++i) {
        level.indicatorPlacements.add({4700 + (i % 4) * 150, 4700 + (i / 4) * 20, i + 1, "", 0, 0});
        level.textPlacements.add({4750 + (i % 4) * 100, 5300 + (i / 4) * 12, i + 1, "", 0, 0});
    }
    return p;
}

double msSince(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProjectDocument document(".");
    Settings settings;
    settings.gridWidth = settings.gridHeight = 16;
    document.setSettings(settings);
    Project project = levelAtCapacity();
    project.currentLevel = 1;
    document.replaceProject(std::move(project));
    document.setCurrentLevel(1);
    document.setLevelOpened();
    PlacementEditor editor;
    editor.view().showGrid = true;
    LevelCanvasView view(document, editor);

    const QSize viewport(1920, 1080);
    QImage target(viewport, QImage::Format_RGB32);
    std::printf("level view repaint, 10000 x 10000 level at the capacities, grid on, %d x %d\n",
                viewport.width(), viewport.height());
    std::printf("%6s %12s %12s %14s %14s\n", "zoom", "first ms", "repaint ms", "drag active ms",
                "drag fon ms");
    for (int zoom : {10, 100, 300}) {
        editor.view().zoom = zoom;
        view.relayout();
        view.redrawAll();
        // The viewport shows the middle of the level (all of it at zoom 10).
        const int centre = toCanvas(5000, zoom);
        const QRect shown(std::max(0, centre - viewport.width() / 2),
                          std::max(0, centre - viewport.height() / 2), viewport.width(),
                          viewport.height());
        const QRegion region = QRegion(shown).intersected(QRegion(view.rect()));
        QElapsedTimer timer;
        timer.start();
        view.render(&target, QPoint(), region);
        const double first = msSince(timer);
        const int rounds = 40;
        timer.restart();
        for (int i = 0; i < rounds; ++i) {
            view.render(&target, QPoint(), region);
        }
        const double repaint = msSince(timer) / rounds;

        // One drag step: the edit, then the repaint of what it changed.
        auto dragStep = [&](ObjectKind kind, int index, int dx) {
            const Placement before = document.project().levels[1].placements(kind)[index];
            QElapsedTimer step;
            step.start();
            document.edit(QStringLiteral("drag"), ProjectParts().withLevel(1), [&](Project& p) {
                p.levels[1].placements(kind)[index].x += dx;
                return true;
            });
            const Placement& after = document.project().levels[1].placements(kind)[index];
            const CanvasRect a =
                placementCanvasRect(document.project(), kind, before, zoom, view.fontMeasure());
            const CanvasRect b =
                placementCanvasRect(document.project(), kind, after, zoom, view.fontMeasure());
            const QRect changed =
                QRect(a.left, a.top, a.right - a.left, a.bottom - a.top)
                    .united(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top))
                    .adjusted(-3, -3, 3, 3);
            view.render(&target, QPoint(), region.intersected(QRegion(changed)));
            return msSince(step);
        };
        dragStep(ObjectKind::Active, 45, 16);  // the first edit of the history, not timed
        dragStep(ObjectKind::Active, 45, -16);
        double dragActive = 0;
        double dragFon = 0;
        const int steps = 10;
        for (int i = 0; i < steps; ++i) {
            dragActive += dragStep(ObjectKind::Active, 45, i % 2 == 0 ? 16 : -16);
        }
        for (int i = 0; i < steps; ++i) {
            dragFon += dragStep(ObjectKind::Background, 45, i % 2 == 0 ? 32 : -32);
        }
        std::printf("%6d %12.2f %12.2f %14.2f %14.2f\n", zoom, first, repaint, dragActive / steps,
                    dragFon / steps);
    }
    return 0;
}

#include "level/LevelRenderer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace avizad {

namespace {

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));  // the default rounding mode: halves to even
}

// floor(a / b) for b > 0.
int floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && (a < 0)) {
        --q;
    }
    return static_cast<int>(q);
}

// The level coordinates a canvas span covers, with a margin of one level pixel.
struct LevelSpan {
    int from;
    int to;
};
LevelSpan levelSpan(int canvasFrom, int canvasTo, int zoom) {
    return {floorDiv(static_cast<long long>(canvasFrom) * 100, zoom) - 1,
            floorDiv(static_cast<long long>(canvasTo) * 100, zoom) + 2};
}

// The range of cells 1..count of size `cell` starting at `origin` that meet [from, to).
void cellRange(int origin, int cell, int count, LevelSpan span, int& first, int& last) {
    first = std::max(1, floorDiv(static_cast<long long>(span.from) - origin, cell) + 1);
    last = std::min(count, floorDiv(static_cast<long long>(span.to) - origin, cell) + 1);
}

// Whether a background type paints every pixel of its map: an opaque tile set and a
// valid tile in every cell.
bool paintsWholeMap(const BackgroundObject& b) {
    if (b.tileWidth <= 0 || b.tileHeight <= 0 || b.tileSet.isNull() || b.tileSet.hasAlpha() ||
        b.columns < 1 || b.rows < 1) {
        return false;
    }
    const int across = roundHalfEven(static_cast<double>(b.tileSetWidth) / b.tileWidth);
    const int down = roundHalfEven(static_cast<double>(b.tileSetHeight) / b.tileHeight);
    const int tileCount = across * down;
    if (across <= 0 || tileCount <= 0 || b.tileSet.width() < across * b.tileWidth ||
        b.tileSet.height() < down * b.tileHeight) {
        return false;
    }
    for (int r = 1; r <= std::min(b.rows, kMaxMapCells); ++r) {
        for (int c = 1; c <= std::min(b.columns, kMaxMapCells); ++c) {
            const int k = b.tileMap.at(r, c);
            if (k < 1 || k > tileCount) {
                return false;
            }
        }
    }
    return true;
}

bool contains(const CanvasRect& outer, const CanvasRect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

CanvasRect intersection(const CanvasRect& a, const CanvasRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The canvas box of a background placement's whole map.
CanvasRect mapBox(const BackgroundObject& b, const Placement& p, int zoom) {
    return canvasBox(p.x, p.y,
                     {b.tileWidth * std::clamp(b.columns, 0, kMaxMapCells),
                      b.tileHeight * std::clamp(b.rows, 0, kMaxMapCells)},
                     zoom);
}

// Draws the visible cells of a background placement; cells lying wholly under one of
// `covers` (maps of later placements that paint every pixel) would be painted over
// and are skipped.
void drawBackground(const Project& project, const Placement& p, int zoom, LevelPainter& painter,
                    const CanvasRect& clip, const std::vector<CanvasRect>& covers) {
    const BackgroundObject& b = project.backgrounds[p.object];
    const int tw = b.tileWidth;
    const int th = b.tileHeight;
    const int columns = std::clamp(b.columns, 0, kMaxMapCells);
    const int rows = std::clamp(b.rows, 0, kMaxMapCells);
    const int across = roundHalfEven(static_cast<double>(b.tileSetWidth) / tw);
    const int down = roundHalfEven(static_cast<double>(b.tileSetHeight) / th);
    const int tileCount = across * down;
    if (across <= 0 || tileCount <= 0) {
        return;
    }
    int firstColumn = 1, lastColumn = 0, firstRow = 1, lastRow = 0;
    cellRange(p.x, tw, columns, levelSpan(clip.left, clip.right, zoom), firstColumn, lastColumn);
    cellRange(p.y, th, rows, levelSpan(clip.top, clip.bottom, zoom), firstRow, lastRow);
    if (firstColumn > lastColumn || firstRow > lastRow) {
        return;
    }
    // Cell edges: xs[i - firstColumn] is the left edge of column i, the last one the right
    // edge of lastColumn.
    std::vector<int> xs;
    xs.reserve(static_cast<std::size_t>(lastColumn - firstColumn + 2));
    for (int i = firstColumn; i <= lastColumn + 1; ++i) {
        xs.push_back(toCanvas(p.x + tw * (i - 1), zoom));
    }
    for (int j = firstRow; j <= lastRow; ++j) {
        const int top = toCanvas(p.y + th * (j - 1), zoom);
        const int bottom = toCanvas(p.y + th * j, zoom);
        for (int i = firstColumn; i <= lastColumn; ++i) {
            const int k = b.tileMap.at(j, i);
            if (k < 1 || k > tileCount) {
                continue;
            }
            const std::size_t e = static_cast<std::size_t>(i - firstColumn);
            const CanvasRect target{xs[e], top, xs[e + 1], bottom};
            if (!target.intersects(clip)) {
                continue;
            }
            const CanvasRect seen = intersection(target, clip);
            if (std::any_of(covers.begin(), covers.end(),
                            [&](const CanvasRect& c) { return contains(c, seen); })) {
                continue;
            }
            const int tc = (k - 1) % across;
            const int tr = (k - 1) / across;
            painter.drawPicture(b.tileSet, {tw * tc, th * tr, tw * (tc + 1), th * (tr + 1)},
                                target);
        }
    }
}

// Step 2: the background placements in list order, each over the ones before.
void drawBackgrounds(const Project& project, const Level& level, int zoom, LevelPainter& painter,
                     const CanvasRect& clip) {
    const PlacementList& list = level.backgroundPlacements;
    const int n = list.count();
    std::vector<CanvasRect> boxes(static_cast<std::size_t>(n) + 1);
    std::vector<char> drawable(static_cast<std::size_t>(n) + 1, 0);
    std::vector<char> covering(static_cast<std::size_t>(n) + 1, 0);
    std::vector<int> wholeMap(static_cast<std::size_t>(project.backgroundCount) + 1, -1);
    for (int k = 1; k <= n; ++k) {
        const Placement& p = list[k];
        if (p.object < 1 || p.object > project.backgroundCount) {
            continue;
        }
        const BackgroundObject& b = project.backgrounds[p.object];
        if (b.tileWidth <= 0 || b.tileHeight <= 0 || b.tileSet.isNull()) {
            continue;  // nothing to cut tiles from: the placement is skipped, drawing goes on
        }
        const std::size_t i = static_cast<std::size_t>(k);
        boxes[i] = mapBox(b, p, zoom);
        if (!boxes[i].intersects(clip)) {
            continue;
        }
        drawable[i] = 1;
        int& whole = wholeMap[static_cast<std::size_t>(p.object)];
        if (whole < 0) {
            whole = paintsWholeMap(b) ? 1 : 0;
        }
        covering[i] = static_cast<char>(whole);
    }
    std::vector<CanvasRect> covers;
    for (int k = 1; k <= n; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        if (!drawable[i]) {
            continue;
        }
        const CanvasRect seen = intersection(boxes[i], clip);
        covers.clear();
        bool hidden = false;
        for (int later = k + 1; later <= n && !hidden; ++later) {
            const std::size_t l = static_cast<std::size_t>(later);
            if (covering[l] && boxes[l].intersects(seen)) {
                hidden = contains(boxes[l], seen);
                covers.push_back(boxes[l]);
            }
        }
        if (!hidden) {
            drawBackground(project, list[k], zoom, painter, clip, covers);
        }
    }
}

void drawWhole(const Image& picture, const Placement& p, int zoom, LevelPainter& painter,
               const CanvasRect& clip) {
    if (picture.isNull()) {
        return;
    }
    const CanvasRect target = canvasBox(p.x, p.y, {picture.width(), picture.height()}, zoom);
    if (target.intersects(clip)) {
        painter.drawPicture(picture, {0, 0, picture.width(), picture.height()}, target);
    }
}

void drawActive(const Project& project, const Placement& p, int zoom, LevelPainter& painter,
                const CanvasRect& clip) {
    if (p.object >= 1 && p.object <= project.activeCount) {
        drawWhole(painter.activeLook(project.actives[p.object]), p, zoom, painter, clip);
    }
}

// The text's rows as the game shows them, or the marker when it has none.
void drawText(const Project& project, const Placement& p, int zoom, LevelPainter& painter,
              const CanvasRect& clip) {
    const BoxSize box = selectionBox(project, ObjectKind::Text, p, painter.fontMeasure());
    const CanvasRect target = canvasBox(p.x, p.y, box, zoom);
    if (!target.intersects(clip)) {
        return;
    }
    if (p.object >= 1 && p.object <= project.textCount) {
        const TextLook look = textLook(project.texts[p.object], painter.fontMeasure());
        if (look.width > 0) {
            painter.drawText(target, look, zoom);
            return;
        }
    }
    painter.drawTextMarker(target);
}

// The indicator at its game size, filled as the game starts it.
void drawIndicator(const Project& project, const Placement& p, int zoom, LevelPainter& painter,
                   const CanvasRect& clip) {
    if (p.object < 1 || p.object > project.indicatorCount) {
        return;
    }
    const IndicatorObject& indicator = project.indicators[p.object];
    const IndicatorLook look = indicatorLook(indicator);
    if (look.width <= 0 || !canvasBox(p.x, p.y, {look.width, look.height}, zoom).intersects(clip)) {
        return;
    }
    for (const auto& [part, left] :
         {std::pair{look.full, p.x}, std::pair{look.empty, p.x + look.full.width}}) {
        if (part.width > 0) {
            painter.drawPicture(indicator.image,
                                {part.x, part.y, part.x + part.width, part.y + part.height},
                                canvasBox(left, p.y, {part.width, part.height}, zoom));
        }
    }
}

void drawGrid(const Level& level, const Settings& s, int zoom, LevelPainter& painter,
              const CanvasRect& clip) {
    if (s.gridWidth <= 0 || s.gridHeight <= 0) {
        return;  // a cell of no size has no dots
    }
    const double scale = zoom / 100.0;
    const int canvasWidth = toCanvas(level.width, zoom);
    const int canvasHeight = toCanvas(level.height, zoom);
    const int n = roundHalfEven(canvasWidth / scale / s.gridWidth);
    const int m = roundHalfEven(canvasHeight / scale / s.gridHeight);
    // Only the dots whose 3 x 3 box can meet the clip.
    const int iFrom = std::max(
        0, static_cast<int>(std::floor(((clip.left - 2) / scale - s.gridX) / s.gridWidth)));
    const int iTo = std::min(
        n, static_cast<int>(std::ceil(((clip.right + 2) / scale - s.gridX) / s.gridWidth)));
    const int jFrom = std::max(
        0, static_cast<int>(std::floor(((clip.top - 2) / scale - s.gridY) / s.gridHeight)));
    const int jTo = std::min(
        m, static_cast<int>(std::ceil(((clip.bottom + 2) / scale - s.gridY) / s.gridHeight)));
    std::vector<std::pair<int, int>> columns;
    std::vector<std::pair<int, int>> rows;
    for (int i = iFrom; i <= iTo; ++i) {
        const double cx = (s.gridX + static_cast<double>(s.gridWidth) * i) * zoom / 100.0;
        const int left = roundHalfEven(cx - 2);
        const int right = roundHalfEven(cx + 1);
        if (left < clip.right && clip.left < right) {
            columns.emplace_back(left, right);
        }
    }
    for (int j = jFrom; j <= jTo; ++j) {
        const double cy = (s.gridY + static_cast<double>(s.gridHeight) * j) * zoom / 100.0;
        const int top = roundHalfEven(cy - 2);
        const int bottom = roundHalfEven(cy + 1);
        if (top < clip.bottom && clip.top < bottom) {
            rows.emplace_back(top, bottom);
        }
    }
    if (!columns.empty() && !rows.empty()) {
        painter.drawDotGrid(columns, rows, s.gridColor);
    }
}

}  // namespace

CanvasRect levelCanvasRect(const Level& level, int zoom) {
    return {0, 0, toCanvas(level.width, zoom), toCanvas(level.height, zoom)};
}

CanvasRect placementCanvasRect(const Project& project, ObjectKind kind, const Placement& p,
                               int zoom, const FontMeasure& measure) {
    BoxSize size = selectionBox(project, kind, p, measure);
    if (kind == ObjectKind::Active && p.object >= 1 && p.object <= project.activeCount) {
        const ActiveObject& a = project.actives[p.object];
        size = {std::max(size.width, a.frameWidth), std::max(size.height, a.frameHeight)};
    }
    return canvasBox(p.x, p.y, size, zoom);
}

void renderPreview(const Project& project, ObjectKind kind, int object, int x, int y, int zoom,
                   LevelPainter& painter, const CanvasRect& clip) {
    if (object < 1 || object > project.typeCount(kind)) {
        return;
    }
    Placement p;
    p.object = object;
    p.x = x;
    p.y = y;
    switch (kind) {
        case ObjectKind::Background: {
            const BackgroundObject& b = project.backgrounds[object];
            if (b.tileWidth > 0 && b.tileHeight > 0 && !b.tileSet.isNull()) {
                drawBackground(project, p, zoom, painter, clip, {});
            }
            break;
        }
        case ObjectKind::Active:
            drawActive(project, p, zoom, painter, clip);
            break;
        case ObjectKind::Text:
            drawText(project, p, zoom, painter, clip);
            break;
        case ObjectKind::Indicator:
            drawIndicator(project, p, zoom, painter, clip);
            break;
    }
}

CanvasRect previewCanvasRect(const Project& project, ObjectKind kind, int object, int x, int y,
                             int zoom, const FontMeasure& measure) {
    if (object < 1 || object > project.typeCount(kind)) {
        return {};
    }
    Placement p;
    p.object = object;
    p.x = x;
    p.y = y;
    return placementCanvasRect(project, kind, p, zoom, measure);
}

void renderLevel(const Project& project, int levelNumber, const Settings& settings,
                 const LevelView& view, LevelPainter& painter, const CanvasRect& clip,
                 RenderLayers layers) {
    if (levelNumber < 1 || levelNumber > project.levelCount) {
        return;
    }
    const Level& level = project.levels[levelNumber];
    const int zoom = view.zoom;

    if (layers != RenderLayers::Overlay) {
        // 1. Level area.
        const CanvasRect area = levelCanvasRect(level, zoom);
        painter.fillRect(area, project.screenColor);
        painter.frameRect(area, kOutlineColor);
        // 2. Background placements, tile by tile.
        drawBackgrounds(project, level, zoom, painter, clip);
    }
    if (layers == RenderLayers::Backgrounds) {
        return;
    }
    // 3. Active placements.
    for (const Placement& p : level.activePlacements) {
        drawActive(project, p, zoom, painter, clip);
    }
    // 4. Text placements: the first row of the text (the marker when there is none).
    for (const Placement& p : level.textPlacements) {
        drawText(project, p, zoom, painter, clip);
    }
    // 5. Indicator placements.
    for (const Placement& p : level.indicatorPlacements) {
        drawIndicator(project, p, zoom, painter, clip);
    }
    // 6. Points of the trajectory being edited, with their numbers.
    if (view.editMode == EditMode::Trajectory && view.currentTrajectory >= 1 &&
        view.currentTrajectory <= kEditableTrajectories) {
        const Trajectory& t = level.trajectories[view.currentTrajectory];
        for (int i = 1; i <= t.pointCount(); ++i) {
            const int x = toCanvas(t.points[i].x, zoom);
            const int y = toCanvas(t.points[i].y, zoom);
            const CanvasRect marker{x - 3, y - 3, x + 3, y + 3};
            painter.fillRect(marker, kPointColor);
            painter.frameRect(marker, kOutlineColor);
            painter.drawLabel(x + 10, y + 10, std::to_string(i), kLabelColor);
        }
    }
    // 7. Grid dots.
    if (view.showGrid) {
        drawGrid(level, settings, zoom, painter, clip);
    }
    // 8. Selection frame, two pixels wide.
    const CanvasRect& f = view.selectionFrame;
    if (!(f == CanvasRect{})) {
        painter.frameRect(f, kSelectionColor);
        painter.frameRect({f.left + 1, f.top + 1, f.right - 1, f.bottom - 1}, kSelectionColor);
    }
    // 9. Phone screen outline.
    painter.frameRect(
        {0, 0, toCanvas(settings.screenWidth, zoom), toCanvas(settings.screenHeight, zoom)},
        kOutlineColor);
}

}  // namespace avizad

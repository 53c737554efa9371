#include "level/LevelGeometry.h"

#include <cmath>
#include <cstdint>

#include "editors/ObjectLook.h"

namespace avizad {

namespace {

// The nearest integer of num / den (den > 0), halves to even, in exact integer arithmetic.
std::int64_t divideHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    const std::int64_t twice = 2 * r;
    if (twice > den || (twice == den && (q % 2 != 0))) {
        ++q;
    }
    return q;
}

int clampInt(std::int64_t v) {
    if (v > INT32_MAX) {
        return INT32_MAX;
    }
    if (v < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<int>(v);
}

}  // namespace

int toCanvas(int v, int zoom) {
    return clampInt(divideHalfEven(static_cast<std::int64_t>(v) * zoom, 100));
}

int toLevel(int p, int zoom) {
    if (zoom <= 0) {
        return p;
    }
    return clampInt(divideHalfEven(static_cast<std::int64_t>(p) * 100, zoom));
}

int snapToGrid(int v, int cell) {
    if (cell <= 0) {
        return v;
    }
    return clampInt(divideHalfEven(v, cell) * cell);
}

int zoomFromSlider(int position) {
    if (position < 0) {
        position = 0;
    }
    if (position > 100) {
        position = 100;
    }
    if (position <= 50) {
        // round(1.8 * p + 10) = round((18 p + 100) / 10)
        return static_cast<int>(divideHalfEven(18 * position + 100, 10));
    }
    return 4 * position - 100;
}

int sliderFromZoom(int zoom) {
    int best = 0;
    for (int p = 0; p <= 100; ++p) {
        if (std::abs(zoomFromSlider(p) - zoom) < std::abs(zoomFromSlider(best) - zoom)) {
            best = p;
        }
    }
    return best;
}

BoxSize placementSize(const Project& project, ObjectKind kind, int object) {
    if (object < 1 || object > project.typeCount(kind)) {
        return {};
    }
    switch (kind) {
        case ObjectKind::Background: {
            const BackgroundObject& b = project.backgrounds[object];
            return {b.tileWidth, b.tileHeight};
        }
        case ObjectKind::Active: {
            const ActiveObject& a = project.actives[object];
            return {a.iconWidth, a.iconHeight};
        }
        default:
            return {};
    }
}

namespace {

BoxSize box(const Project& project, ObjectKind kind, const Placement& placement, int inset,
            const FontMeasure& measure) {
    const int object = placement.object;
    switch (kind) {
        case ObjectKind::Background: {
            if (object < 1 || object > project.backgroundCount) {
                return {};
            }
            const BackgroundObject& b = project.backgrounds[object];
            return {(b.tileWidth - inset) * b.columns, (b.tileHeight - inset) * b.rows};
        }
        case ObjectKind::Active: {
            const BoxSize size = placementSize(project, kind, object);
            return size.width > 0 ? size : BoxSize{placement.width, placement.height};
        }
        case ObjectKind::Text: {
            if (object < 1 || object > project.textCount) {
                return kTextMarkerSize;
            }
            const TextLook look = textLook(project.texts[object], measure);
            return look.width <= 0 ? kTextMarkerSize : BoxSize{look.width, look.height};
        }
        case ObjectKind::Indicator: {
            if (object < 1 || object > project.indicatorCount) {
                return {};
            }
            const IndicatorLook look = indicatorLook(project.indicators[object]);
            return {look.width, look.height};
        }
    }
    return {};
}

}  // namespace

BoxSize hitBox(const Project& project, ObjectKind kind, const Placement& placement,
               const FontMeasure& measure) {
    return box(project, kind, placement, 4, measure);
}

BoxSize selectionBox(const Project& project, ObjectKind kind, const Placement& placement,
                     const FontMeasure& measure) {
    return box(project, kind, placement, 0, measure);
}

CanvasRect canvasBox(int x, int y, BoxSize size, int zoom) {
    return {toCanvas(x, zoom), toCanvas(y, zoom), toCanvas(x + size.width, zoom),
            toCanvas(y + size.height, zoom)};
}

bool hits(const Placement& placement, BoxSize size, int zoom, int qx, int qy) {
    const CanvasRect r = canvasBox(placement.x, placement.y, size, zoom);
    return r.left < qx && qx < r.right && r.top < qy && qy < r.bottom;
}

}  // namespace avizad

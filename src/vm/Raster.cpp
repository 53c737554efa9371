#include "vm/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace avizad::vm {

namespace {

// a * b / 255 rounded, as Java 2D's multiplication table has it.
inline uint32_t mul8(uint32_t a, uint32_t b) {
    return ((a * 0x10101u) * b + 0x800000u) >> 24;
}

// b * 255 / a rounded, at most 255.
inline uint32_t div8(uint32_t a, uint32_t b) {
    const uint32_t v = (b * 255u + a / 2) / a;
    return v > 255 ? 255 : v;
}

inline bool inClip(const Surface& s, const ClipRect& c, int x, int y) {
    return x >= c.x && y >= c.y && x < c.x + c.w && y < c.y + c.h && x >= 0 && y >= 0 &&
           x < s.width && y < s.height;
}

inline void plot(Surface& s, const ClipRect& c, int x, int y, uint32_t rgb) {
    if (inClip(s, c, x, y)) {
        s.pixels[static_cast<std::size_t>(y) * s.width + x] = s.alpha ? (0xFF000000u | rgb) : rgb;
    }
}

// The span [x1, x2) of row y, clipped.
void span(Surface& s, const ClipRect& c, int y, int x1, int x2, uint32_t rgb) {
    if (y < std::max(c.y, 0) || y >= std::min(c.y + c.h, s.height)) {
        return;
    }
    x1 = std::max({x1, c.x, 0});
    x2 = std::min({x2, c.x + c.w, s.width});
    const uint32_t v = s.alpha ? (0xFF000000u | rgb) : rgb;
    uint32_t* row = s.pixels + static_cast<std::size_t>(y) * s.width;
    for (int x = x1; x < x2; ++x) {
        row[x] = v;
    }
}

}  // namespace

void blendPixel(Surface& s, int x, int y, uint32_t argb) {
    uint32_t& d = s.pixels[static_cast<std::size_t>(y) * s.width + x];
    const uint32_t a = argb >> 24;
    if (a == 0xFF) {
        d = s.alpha ? argb : (argb & 0xFFFFFF);
        return;
    }
    if (a == 0) {
        return;
    }
    const uint32_t sr = (argb >> 16) & 0xFF, sg = (argb >> 8) & 0xFF, sb = argb & 0xFF;
    const uint32_t dr = (d >> 16) & 0xFF, dg = (d >> 8) & 0xFF, db = d & 0xFF;
    if (!s.alpha) {
        const uint32_t f = 0xFF - a;
        d = (mul8(a, sr) + mul8(f, dr)) << 16 | (mul8(a, sg) + mul8(f, dg)) << 8 |
            (mul8(a, sb) + mul8(f, db));
        return;
    }
    const uint32_t da = d >> 24;
    const uint32_t f = mul8(0xFF - a, da);
    const uint32_t ra = a + f;
    uint32_t rr = mul8(a, sr) + mul8(f, dr);
    uint32_t rg = mul8(a, sg) + mul8(f, dg);
    uint32_t rb = mul8(a, sb) + mul8(f, db);
    if (ra < 0xFF && ra > 0) {
        rr = div8(ra, rr);
        rg = div8(ra, rg);
        rb = div8(ra, rb);
    }
    d = ra << 24 | rr << 16 | rg << 8 | rb;
}

void fillRect(Surface& s, ClipRect c, int x, int y, int w, int h, uint32_t rgb) {
    const int64_t x2 = std::min<int64_t>(static_cast<int64_t>(x) + w, INT32_MAX);
    const int64_t y2 = std::min<int64_t>(static_cast<int64_t>(y) + h, INT32_MAX);
    const int top = std::max({y, c.y, 0});
    const int bottom = static_cast<int>(std::min<int64_t>({y2, c.y + c.h, s.height}));
    for (int row = top; row < bottom; ++row) {
        span(s, c, row, x, static_cast<int>(x2), rgb);
    }
}

void untransform(int transform, int w, int h, int tx, int ty, int& sx, int& sy) {
    switch (transform) {
        case 0:
            sx = tx;
            sy = ty;
            break;  // NONE
        case 1:
            sx = tx;
            sy = h - 1 - ty;
            break;  // MIRROR_ROT180
        case 2:
            sx = w - 1 - tx;
            sy = ty;
            break;  // MIRROR
        case 3:
            sx = w - 1 - tx;
            sy = h - 1 - ty;
            break;  // ROT180
        case 4:
            sx = ty;
            sy = tx;
            break;  // MIRROR_ROT270
        case 5:
            sx = ty;
            sy = h - 1 - tx;
            break;  // ROT90
        case 6:
            sx = w - 1 - ty;
            sy = tx;
            break;  // ROT270
        default:
            sx = w - 1 - ty;
            sy = h - 1 - tx;
            break;  // MIRROR_ROT90
    }
}

void blit(Surface& s, ClipRect c, const uint32_t* src, int sw, int sx, int sy, int w, int h,
          int transform, int dx, int dy, bool srcAlpha) {
    const bool swap = transform >= 4;
    const int ow = swap ? h : w;
    const int oh = swap ? w : h;
    const int x1 = std::max({dx, c.x, 0});
    const int y1 = std::max({dy, c.y, 0});
    const int x2 = static_cast<int>(std::min<int64_t>(
        {static_cast<int64_t>(dx) + ow, static_cast<int64_t>(c.x) + c.w, s.width}));
    const int y2 = static_cast<int>(std::min<int64_t>(
        {static_cast<int64_t>(dy) + oh, static_cast<int64_t>(c.y) + c.h, s.height}));
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            int px = 0;
            int py = 0;
            untransform(transform, w, h, x - dx, y - dy, px, py);
            uint32_t p = src[static_cast<std::size_t>(sy + py) * sw + sx + px];
            if (!srcAlpha) {
                p |= 0xFF000000u;
            }
            blendPixel(s, x, y, p);
        }
    }
}

void drawLine(Surface& s, ClipRect c, int x1, int y1, int x2, int y2, uint32_t rgb, bool dotted) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int n = 0;
    for (int guard = 0; guard < 1 << 16; ++guard, ++n) {
        if (!dotted || (n / 2) % 2 == 0) {
            plot(s, c, x1, y1, rgb);
        }
        if (x1 == x2 && y1 == y2) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += stepY;
        }
    }
}

void drawRect(Surface& s, ClipRect c, int x, int y, int w, int h, uint32_t rgb, bool dotted) {
    if (!dotted) {
        fillRect(s, c, x, y, w + 1, 1, rgb);
        fillRect(s, c, x, y + h, w + 1, 1, rgb);
        fillRect(s, c, x, y + 1, 1, h - 1, rgb);
        fillRect(s, c, x + w, y + 1, 1, h - 1, rgb);
        return;
    }
    drawLine(s, c, x, y, x + w, y, rgb, true);
    drawLine(s, c, x + w, y, x + w, y + h, rgb, true);
    drawLine(s, c, x + w, y + h, x, y + h, rgb, true);
    drawLine(s, c, x, y + h, x, y, rgb, true);
}

void fillTriangle(Surface& s, ClipRect c, int x1, int y1, int x2, int y2, int x3, int y3,
                  uint32_t rgb) {
    const double xs[3] = {double(x1), double(x2), double(x3)};
    const double ys[3] = {double(y1), double(y2), double(y3)};
    const int top = std::max(static_cast<int>(std::floor(std::min({ys[0], ys[1], ys[2]}))), -1);
    const int bottom =
        std::min(static_cast<int>(std::ceil(std::max({ys[0], ys[1], ys[2]}))), s.height + 1);
    for (int y = top; y <= bottom; ++y) {
        const double cy = y + 0.5;
        std::vector<double> cross;
        for (int k = 0; k < 3; ++k) {
            const double ax = xs[k], ay = ys[k];
            const double bx = xs[(k + 1) % 3], by = ys[(k + 1) % 3];
            if ((ay <= cy && by > cy) || (by <= cy && ay > cy)) {
                cross.push_back(ax + (cy - ay) * (bx - ax) / (by - ay));
            }
        }
        if (cross.size() == 2) {
            const double a = std::min(cross[0], cross[1]);
            const double b = std::max(cross[0], cross[1]);
            span(s, c, y, static_cast<int>(std::ceil(a - 0.5)),
                 static_cast<int>(std::ceil(b - 0.5)), rgb);
        }
    }
}

void drawArc(Surface& s, ClipRect c, int x, int y, int w, int h, int start, int extent,
             uint32_t rgb, bool fill) {
    if (extent == 0) {
        return;
    }
    const double pi = 3.14159265358979323846;
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    double a0 = start;
    double a1 = static_cast<double>(start) + extent;
    if (a1 < a0) {
        std::swap(a0, a1);
    }
    const bool full = a1 - a0 >= 360;
    auto inSweep = [&](double px, double py) {
        if (full) {
            return true;
        }
        double ang =
            std::atan2(-(py - cy) / (ry > 0 ? ry : 1), (px - cx) / (rx > 0 ? rx : 1)) * 180 / pi;
        while (ang < a0) {
            ang += 360;
        }
        return ang <= a1;
    };
    for (int py = y; py <= y + h; ++py) {
        for (int px = x; px <= x + w; ++px) {
            const double nx = rx > 0 ? (px + 0.5 - cx) / rx : 0;
            const double ny = ry > 0 ? (py + 0.5 - cy) / ry : 0;
            const double d = nx * nx + ny * ny;
            bool on;
            if (fill) {
                on = d <= 1.0 && px < x + w && py < y + h;
            } else {
                const double ex = rx > 0 ? 1.0 / rx : 1;
                const double ey = ry > 0 ? 1.0 / ry : 1;
                const double band = std::max(ex, ey) * 1.0;
                on = std::fabs(std::sqrt(d) - 1.0) <= band / 2 + 1e-9;
            }
            if (on && inSweep(px + 0.5, py + 0.5)) {
                plot(s, c, px, py, rgb);
            }
        }
    }
}

void drawRoundRect(Surface& s, ClipRect c, int x, int y, int w, int h, int aw, int ah, uint32_t rgb,
                   bool fill) {
    aw = std::clamp(aw, 0, w);
    ah = std::clamp(ah, 0, h);
    if (aw == 0 || ah == 0) {
        if (fill) {
            fillRect(s, c, x, y, w, h, rgb);
        } else {
            drawRect(s, c, x, y, w, h, rgb, false);
        }
        return;
    }
    const int ex = fill ? 0 : 1;
    drawArc(s, c, x, y, aw, ah, 90, 90, rgb, fill);
    drawArc(s, c, x + w - aw - (fill ? 0 : 0), y, aw, ah, 0, 90, rgb, fill);
    drawArc(s, c, x, y + h - ah, aw, ah, 180, 90, rgb, fill);
    drawArc(s, c, x + w - aw, y + h - ah, aw, ah, 270, 90, rgb, fill);
    if (fill) {
        fillRect(s, c, x + aw / 2, y, w - aw / 2 * 2, h, rgb);
        fillRect(s, c, x, y + ah / 2, w, h - ah / 2 * 2, rgb);
    } else {
        fillRect(s, c, x + aw / 2, y, w - aw + ex, 1, rgb);
        fillRect(s, c, x + aw / 2, y + h, w - aw + ex, 1, rgb);
        fillRect(s, c, x, y + ah / 2, 1, h - ah + ex, rgb);
        fillRect(s, c, x + w, y + ah / 2, 1, h - ah + ex, rgb);
    }
}

}  // namespace avizad::vm

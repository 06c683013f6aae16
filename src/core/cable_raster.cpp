#include "core/cable_raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

WideStroke MakeWideStroke(const Segment& segment, int32_t width) {
    WideStroke s = {};
    const double shift = width % 2 ? 0.0 : 0.5;
    s.ax = segment.from.x - shift;
    s.ay = segment.from.y - shift;
    s.bx = segment.to.x - shift;
    s.by = segment.to.y - shift;
    s.dx = s.bx - s.ax;
    s.dy = s.by - s.ay;
    s.radius = width / 2.0;
    s.firstRow = int64_t(std::floor(std::min(s.ay, s.by) - s.radius)) + 1;
    s.lastRow = int64_t(std::ceil(std::max(s.ay, s.by) + s.radius)) - 1;
    const double lengthSquared = s.dx * s.dx + s.dy * s.dy;
    s.band = lengthSquared > 0;
    if (!s.band)
        return s;
    // Projection between the ends: (x - ax) dx + (y - ay) dy between 0 and the length squared.
    s.flat[0] = s.dx == 0;
    if (s.flat[0]) {
        s.low[0] = std::min(s.ay, s.by);
        s.high[0] = std::max(s.ay, s.by);
    } else {
        s.slope[0] = -s.dy / s.dx;
        s.offset[0][0] = s.ax + s.ay * s.dy / s.dx;
        s.offset[0][1] = s.offset[0][0] + lengthSquared / s.dx;
    }
    // Distance from the line: |(x - ax) dy - (y - ay) dx| below radius times length.
    const double reach = s.radius * std::sqrt(lengthSquared);
    s.flat[1] = s.dy == 0;
    if (s.flat[1]) {
        s.low[1] = s.ay - s.radius;
        s.high[1] = s.ay + s.radius;
    } else {
        s.slope[1] = s.dx / s.dy;
        s.offset[1][0] = s.ax - s.ay * s.dx / s.dy - reach / s.dy;
        s.offset[1][1] = s.offset[1][0] + 2 * reach / s.dy;
    }
    return s;
}

namespace {

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool Empty() const { return !(low < high); }
    void Cut(double a, double b) {
        low = std::max(low, std::min(a, b));
        high = std::min(high, std::max(a, b));
    }
    void Join(const Range& other) {
        if (other.Empty())
            return;
        low = std::min(low, other.low);
        high = std::max(high, other.high);
    }
};

Range Everything() {
    Range range;
    std::swap(range.low, range.high);
    return range;
}

// Where the row crosses the round end about (cx, cy).
Range EndRange(double cx, double cy, double radius, double y) {
    Range range;
    const double e = y - cy;
    if (e * e < radius * radius) {
        const double half = std::sqrt(radius * radius - e * e);
        range.low = cx - half;
        range.high = cx + half;
    }
    return range;
}

// Where the row crosses the band beside the segment.
Range BandRange(const WideStroke& s, double y) {
    Range range = Everything();
    if (s.flat[0] && !(s.low[0] <= y && y <= s.high[0]))
        return {};
    if (s.flat[1] && !(s.low[1] < y && y < s.high[1]))
        return {};
    for (int k = 0; k < 2; ++k)
        if (!s.flat[k])
            range.Cut(s.offset[k][0] + s.slope[k] * y, s.offset[k][1] + s.slope[k] * y);
    return range;
}

}  // namespace

bool StrokeRowSpan(const WideStroke& stroke, int64_t y, const CanvasRect& clip, int32_t* from, int32_t* to) {
    if (y < stroke.firstRow || y > stroke.lastRow || y < clip.top || y >= clip.bottom)
        return false;
    const double row = double(y);
    Range range = EndRange(stroke.ax, stroke.ay, stroke.radius, row);
    range.Join(EndRange(stroke.bx, stroke.by, stroke.radius, row));
    if (stroke.band)
        range.Join(BandRange(stroke, row));
    if (range.Empty())
        return false;
    // The pixels strictly inside the open range.
    const double first = std::max(std::floor(range.low) + 1, double(clip.left));
    const double end = std::min(std::ceil(range.high), double(clip.right));
    if (!(first < end))
        return false;
    *from = int32_t(first);
    *to = int32_t(end);
    return true;
}

void StrokeRowsWithin(const WideStroke& stroke, const CanvasRect& clip, int64_t* first, int64_t* last) {
    *first = std::max<int64_t>(stroke.firstRow, clip.top);
    *last = std::min<int64_t>(stroke.lastRow, int64_t(clip.bottom) - 1);
    // The part of the centre line within a radius of the clip's columns, as a share of its length.
    const double left = clip.left - stroke.radius, right = clip.right - 1 + stroke.radius;
    double low = 0, high = 1;
    if (stroke.dx != 0) {
        const double a = (left - stroke.ax) / stroke.dx, b = (right - stroke.ax) / stroke.dx;
        low = std::max(low, std::min(a, b));
        high = std::min(high, std::max(a, b));
    } else if (stroke.ax < left || stroke.ax > right) {
        low = 1;
        high = 0;
    }
    if (low > high) {
        *last = *first - 1;
        return;
    }
    const double y1 = stroke.ay + low * stroke.dy, y2 = stroke.ay + high * stroke.dy;
    *first = std::max(*first, int64_t(std::floor(std::min(y1, y2) - stroke.radius)) + 1);
    *last = std::min(*last, int64_t(std::ceil(std::max(y1, y2) + stroke.radius)) - 1);
}

bool SegmentColumnsWithin(const Segment& segment,
                          double reach,
                          int32_t top,
                          int32_t bottom,
                          double* left,
                          double* right) {
    const double x1 = segment.from.x, y1 = segment.from.y, dx = double(segment.to.x) - x1,
                 dy = double(segment.to.y) - y1;
    const double low = top - reach, high = bottom - 1 + reach;
    double first = 0, last = 1;
    if (dy != 0) {
        const double a = (low - y1) / dy, b = (high - y1) / dy;
        first = std::max(first, std::min(a, b));
        last = std::min(last, std::max(a, b));
    } else if (y1 < low || y1 > high) {
        return false;
    }
    if (first > last)
        return false;
    const double xa = x1 + first * dx, xb = x1 + last * dx;
    *left = std::min(xa, xb) - reach;
    *right = std::max(xa, xb) + reach;
    return true;
}

// The pixels of cable strokes, worked out by the program rather than by pens: a pen is drawn
// whole however little of it is wanted, a stroke here costs the pixels wanted, and a stroke cut
// to any part of the canvas gives exactly the pixels of the whole stroke there. Needs no window.
#pragma once
#include <cmath>
#include <cstdint>

#include "core/cable_geometry.h"
#include "core/damage.h"

// Solid strokes two or more pixels wide. A pixel belongs to the stroke when its centre lies less
// than half the width from the segment, so the ends are round. Odd widths centre the stroke on the
// pixels of its line, even widths on their top-left corners: a stroke w wide covers w rows or
// columns.
struct WideStroke {
    double ax, ay, bx, by;  // the ends, with pixel centres at whole numbers
    double dx, dy;
    double radius;
    int64_t firstRow, lastRow;  // the rows it can reach
    // Between the ends the stroke is a band, the meet of two strips: between the perpendiculars
    // through the ends (0) and nearer the line than the radius (1). Along row y, strip k runs
    // from offset[k][0] + slope[k] * y to offset[k][1] + slope[k] * y, or, when it lies along the
    // rows (flat[k]), over whole rows between low[k] and high[k].
    bool band;  // the ends differ
    bool flat[2];
    double slope[2];
    double offset[2][2];
    double low[2], high[2];
};

WideStroke MakeWideStroke(const Segment& segment, int32_t width);

// The pixels from <= x < to of row y inside both the stroke and the clip; false when there are none.
bool StrokeRowSpan(const WideStroke& stroke, int64_t y, const CanvasRect& clip, int32_t* from, int32_t* to);

// The rows of the stroke that can reach the clip's columns: a stroke crossing a small clip costs
// the rows it crosses there, not its length.
void StrokeRowsWithin(const WideStroke& stroke, const CanvasRect& clip, int64_t* first, int64_t* last);

// Calls fill(y, from, to) for each row of the stroke inside the clip.
template <class Fill>
void ForEachStrokeSpan(const WideStroke& stroke, const CanvasRect& clip, Fill fill) {
    int64_t first, last;
    StrokeRowsWithin(stroke, clip, &first, &last);
    for (int64_t y = first; y <= last; ++y) {
        int32_t from, to;
        if (StrokeRowSpan(stroke, y, clip, &from, &to))
            fill(static_cast<int32_t>(y), from, to);
    }
}

// The columns within `reach` of the segment over the rows top <= y < bottom, as an inclusive range of
// x; false when the segment comes no nearer those rows than `reach`.
bool SegmentColumnsWithin(const Segment& segment,
                          double reach,
                          int32_t top,
                          int32_t bottom,
                          double* left,
                          double* right);

// One-pixel dotted strokes: a pixel for each step along the longer axis from `from`, up to but not
// including `to`, the other coordinate the nearest to the line (halves round up); the first
// DOT_LENGTH pixels drawn, the next DOT_LENGTH left out, and so on.
constexpr int64_t DOT_LENGTH = 3;

// Calls plot(x, y) for each drawn pixel of the dotted stroke inside the clip.
template <class Plot>
void ForEachDotPixel(const Segment& segment, const CanvasRect& clip, Plot plot) {
    const int64_t dx = int64_t(segment.to.x) - segment.from.x, dy = int64_t(segment.to.y) - segment.from.y;
    const int64_t width = dx < 0 ? -dx : dx, height = dy < 0 ? -dy : dy;
    const bool alongX = width >= height;
    const int64_t steps = alongX ? width : height;
    if (steps == 0)
        return;
    const int64_t start = alongX ? segment.from.x : segment.from.y;
    const int64_t other = alongX ? segment.from.y : segment.from.x;
    const int64_t otherDelta = alongX ? dy : dx;
    const int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    const int64_t low = alongX ? clip.left : clip.top, high = (alongX ? clip.right : clip.bottom) - 1;
    const int64_t otherLow = alongX ? clip.top : clip.left, otherHigh = (alongX ? clip.bottom : clip.right) - 1;
    // Only the steps whose position along the longer axis falls inside the clip.
    int64_t first = direction > 0 ? low - start : start - high;
    int64_t last = direction > 0 ? high - start : start - low;
    first = first > 0 ? first : 0;
    last = last < steps - 1 ? last : steps - 1;
    // And, a step to spare either side, those whose position across lies inside it too.
    if (otherDelta != 0 && first <= last) {
        const double a = double(otherLow - 1 - other) * double(steps) / double(otherDelta);
        const double b = double(otherHigh + 1 - other) * double(steps) / double(otherDelta);
        const double low = a < b ? a : b, high = a < b ? b : a;
        if (low > double(first))
            first = low > double(last) ? last + 1 : int64_t(low);
        if (high < double(last))
            last = high < double(first) ? first - 1 : int64_t(high) + 1;
    }
    for (int64_t i = first; i <= last; ++i) {
        if ((i / DOT_LENGTH) % 2)
            continue;
        const int64_t across = other + int64_t(std::floor(double(i) * double(otherDelta) / double(steps) + 0.5));
        if (across < otherLow || across > otherHigh)
            continue;
        const int64_t along = start + direction * i;
        plot(static_cast<int32_t>(alongX ? along : across), static_cast<int32_t>(alongX ? across : along));
    }
}

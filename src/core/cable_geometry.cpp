#include "core/cable_geometry.h"

#include <cmath>

namespace {

// Indexed by cable type - 1.
constexpr CableStyle STYLE_TABLE[] = {
    {STROKE_SOLID, 0x00FF0000, 2},   // straight: blue
    {STROKE_DOTTED, 0x00FF0000, 1},  // cross: blue, dotted
    {STROKE_SOLID, 0x00646400, 2},   // serial: teal
    {STROKE_SOLID, 0x00FFFF00, 3},   // console: cyan
    {STROKE_SOLID, 0x00000000, 3},   // telephone: black
    {STROKE_SOLID, 0x0000C8C8, 3},   // met: olive yellow
    {STROKE_SOLID, 0x000000FF, 3},   // optical: red
};

// One-pixel shifts of the cross cable's copies; saturates so that far-off ends cannot overflow.
int32_t Shift(int32_t value, int32_t delta) {
    int64_t shifted = static_cast<int64_t>(value) + delta;
    if (shifted > INT32_MAX)
        return INT32_MAX;
    if (shifted < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(shifted);
}

// The bend coordinates go through single precision before truncation; the drawn pixels of
// near-diagonal cables depend on that rounding.
int32_t BendCoordinate(double value) {
    float rounded = static_cast<float>(value);
    if (!(rounded > -2147483648.0f))
        return INT32_MIN;
    if (rounded >= 2147483648.0f)
        return INT32_MAX;
    return static_cast<int32_t>(rounded);
}

void Add(CableSegments& out, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    out.segment[out.count] = {{x1, y1}, {x2, y2}};
    ++out.count;
}

void AddShifted(CableSegments& out, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy) {
    Add(out, Shift(x1, dx), Shift(y1, dy), Shift(x2, dx), Shift(y2, dy));
}

void CrossSegments(CableSegments& out, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (y1 == y2) {
        Add(out, x1, y1, x2, y2);
        AddShifted(out, x1, y1, x2, y2, 0, 1);
    }
    if (x1 == x2) {
        Add(out, x1, y1, x2, y2);
        AddShifted(out, x1, y1, x2, y2, 1, 0);
    }
    if ((x1 < x2 && y1 > y2) || (x1 > x2 && y1 < y2)) {  // rises to the right
        Add(out, x1, y1, x2, y2);
        AddShifted(out, x1, y1, x2, y2, 1, 0);
        AddShifted(out, x1, y1, x2, y2, 0, -1);
    }
    if ((x1 < x2 && y1 < y2) || (x1 > x2 && y1 > y2)) {  // falls to the right
        Add(out, x1, y1, x2, y2);
        AddShifted(out, x1, y1, x2, y2, 0, 1);
        AddShifted(out, x1, y1, x2, y2, -1, 0);
    }
}

void SerialSegments(CableSegments& out, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    // Differences in double are exact and cannot overflow.
    double theta = std::atan2(static_cast<double>(y2) - y1, static_cast<double>(x2) - x1) + SERIAL_ANGLE_OFFSET;
    float s = static_cast<float>(std::sin(theta));
    float c = static_cast<float>(std::cos(theta));
    double a = s * SERIAL_ARM;
    double b = c * SERIAL_ARM;
    // The halves of a 64-bit sum always fit back; the division truncates toward zero.
    int32_t mx = static_cast<int32_t>((static_cast<int64_t>(x1) + x2) / 2);
    int32_t my = static_cast<int32_t>((static_cast<int64_t>(y1) + y2) / 2);
    CanvasPoint p1 = {BendCoordinate(mx + a), BendCoordinate(my - b)};
    CanvasPoint p2 = {BendCoordinate(mx - a), BendCoordinate(my + b)};
    Add(out, x1, y1, p1.x, p1.y);
    Add(out, p1.x, p1.y, p2.x, p2.y);
    Add(out, p2.x, p2.y, x2, y2);
}

}  // namespace

bool CableStyleFor(CableType type, CableStyle* style) {
    if (!IsCableType(type) || !style)
        return false;
    *style = STYLE_TABLE[type - CABLE_STRAIGHT];
    return true;
}

static double DistanceToSegment(CanvasPoint point, const Segment& segment) {
    const double ax = segment.from.x, ay = segment.from.y, dx = double(segment.to.x) - ax,
                 dy = double(segment.to.y) - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((point.x - ax) * dx + (point.y - ay) * dy) / length2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(point.x - (ax + t * dx), point.y - (ay + t * dy));
}

bool CableLiesNear(const CableItem& cable, CanvasPoint point, double reach) {
    CableStyle style;
    if (!CableStyleFor(cable.type, &style))
        return false;
    const CableSegments segments = CableGeometry(cable.type, cable.x1, cable.y1, cable.x2, cable.y2);
    for (int i = 0; i < segments.count; ++i)
        if (DistanceToSegment(point, segments.segment[i]) <= reach + style.width / 2.0)
            return true;
    return false;
}

CableSegments CableGeometry(CableType type, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    CableSegments out;
    switch (type) {
        case CABLE_STRAIGHT:
        case CABLE_CONSOLE:
        case CABLE_TELEPHONE:
        case CABLE_MET:
        case CABLE_OPTICAL:
            Add(out, x1, y1, x2, y2);
            break;
        case CABLE_CROSS:
            CrossSegments(out, x1, y1, x2, y2);
            break;
        case CABLE_SERIAL:
            SerialSegments(out, x1, y1, x2, y2);
            break;
        default:
            break;
    }
    return out;
}

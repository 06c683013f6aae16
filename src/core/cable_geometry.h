// How each kind of cable looks: its colour, width, solid or dotted stroke, and the line segments
// that draw it. Needs no window.
#pragma once
#include <cstdint>

#include "core/diagram_list.h"

constexpr double SERIAL_ANGLE_OFFSET = 0.785398163375;  // just below pi/4; the drawn pixels depend on it
constexpr double SERIAL_ARM = 5.0;

enum StrokeStyle : int16_t { STROKE_SOLID, STROKE_DOTTED };  // dotted: three pixels on, three off

struct CableStyle {
    StrokeStyle stroke;
    uint32_t colour;  // 0x00BBGGRR
    int32_t width;    // pixels across
};

// The look of a cable type; false for anything but 1 to 7.
bool CableStyleFor(CableType type, CableStyle* style);

struct Segment {
    CanvasPoint from;
    CanvasPoint to;  // not painted itself: the next segment or nothing paints it
};

// Three at most for a real cable; a cross cable of zero length meets both the horizontal and
// the vertical rule and gets four.
struct CableSegments {
    int count = 0;
    Segment segment[4];
};

// The segments that draw a cable of the given type between two ends; none for unknown types.
CableSegments CableGeometry(CableType type, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Whether the point lies within `reach` pixels of what the cable draws, whatever its look: every
// segment of it, as wide as its stroke.
bool CableLiesNear(const CableItem& cable, CanvasPoint point, double reach);

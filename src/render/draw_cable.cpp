#include "render/draw_cable.h"

#include <windows.h>

#include <algorithm>

#include "core/cable_geometry.h"
#include "core/cable_raster.h"

static uint32_t PixelOf(COLORREF colour) {
    return uint32_t(GetRValue(colour)) << 16 | uint32_t(GetGValue(colour)) << 8 | GetBValue(colour);
}

void DrawCable(const CableItem& cable, const PixelTarget& target, const CanvasRect* parts, int partCount) {
    CableStyle style;
    if (!CableStyleFor(cable.type, &style) || !target.pixels)
        return;
    const uint32_t colour = PixelOf(style.colour);
    const CableSegments segments = CableGeometry(cable.type, cable.x1, cable.y1, cable.x2, cable.y2);
    for (int i = 0; i < segments.count; ++i) {
        const Segment& segment = segments.segment[i];
        // The part of the target the segment can reach, for a quick test against each part.
        const CanvasRect reach = BoxBetween(segment.from.x, segment.from.y, segment.to.x, segment.to.y, style.width);
        const bool dotted = style.stroke == STROKE_DOTTED;
        const WideStroke stroke = dotted ? WideStroke{} : MakeWideStroke(segment, style.width);
        // Parts come in bands of equal rows: where the segment runs across a band is worked out once.
        int32_t bandTop = 0, bandBottom = 0;
        bool bandReached = false;
        double left = 0, right = 0;
        for (int p = 0; p < partCount; ++p) {
            if (!RectsOverlap(reach, parts[p]))
                continue;
            if (parts[p].top != bandTop || parts[p].bottom != bandBottom) {
                bandTop = parts[p].top;
                bandBottom = parts[p].bottom;
                bandReached = SegmentColumnsWithin(segment, style.width / 2.0 + 1, bandTop, bandBottom, &left, &right);
            }
            if (!bandReached || parts[p].right <= left || parts[p].left > right)
                continue;
            const CanvasRect part = {std::max(parts[p].left, 0), std::max(parts[p].top, 0),
                                     std::min(parts[p].right, target.width), std::min(parts[p].bottom, target.height)};
            if (dotted) {
                ForEachDotPixel(segment, part, [&](int32_t x, int32_t y) {
                    target.pixels[size_t(y) * size_t(target.width) + size_t(x)] = colour;
                });
            } else {
                ForEachStrokeSpan(stroke, part, [&](int32_t y, int32_t from, int32_t to) {
                    uint32_t* row = target.pixels + size_t(y) * size_t(target.width);
                    std::fill(row + from, row + to, colour);
                });
            }
        }
    }
}

#include "render/draw_cable.h"

#include "platform/gdi_objects.h"
#include "core/cable_geometry.h"

void DrawCable(const CableItem& cable, HDC dc, int16_t penStyle, COLORREF colour, int16_t cableType) {
    CableStyle style;
    if (!CableStyleFor(cableType, &style))
        return;
    const CableSegments segments = CableGeometry(cableType, cable.x1, cable.y1, cable.x2, cable.y2);
    OwnedGdiObject pen(NewPen(penStyle, style.width, colour & 0xFFFFFF));
    SelectedObject usePen(dc, pen.get());
    for (int i = 0; i < segments.count; ++i) {
        const Segment& segment = segments.segment[i];
        MoveToEx(dc, segment.from.x, segment.from.y, nullptr);
        LineTo(dc, segment.to.x, segment.to.y);
    }
}

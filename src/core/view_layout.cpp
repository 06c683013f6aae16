#include "core/view_layout.h"

#include <algorithm>

namespace {

constexpr int32_t MARGIN = 10;  // pixels at 96 DPI, as between the thumbnail and the client area's edges

// The strip in dialog units, from its top: "－", the track bar, "＋", then "倍率：" and the factor.
struct UnitRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};
constexpr UnitRect STRIP[VIEW_CONTROL_COUNT] = {
    {6, 2, 14, 14}, {22, 0, 93, 17}, {117, 2, 14, 14}, {36, 20, 30, 8}, {68, 20, 30, 8},
};

// As the dialog manager maps units to pixels: rounded to the nearest pixel.
int32_t ToPixels(int32_t units, int32_t base, int32_t unitsPerBase) {
    return (units * base + unitsPerBase / 2) / unitsPerBase;
}

}  // namespace

int32_t ScaleToDpi(int32_t pixels, int32_t dpi) {
    if (dpi <= 0)
        dpi = DESIGN_DPI;
    return int32_t((int64_t(pixels) * dpi + DESIGN_DPI / 2) / DESIGN_DPI);
}

PixelRect ThumbnailRect(int32_t dpi) {
    const int32_t margin = ScaleToDpi(MARGIN, dpi);
    return {margin, margin, margin + ScaleToDpi(185, dpi), margin + ScaleToDpi(130, dpi)};
}

ViewLayout LayOutViewWindow(DialogBaseUnits base, int32_t dpi) {
    ViewLayout layout = {};
    const PixelRect thumbnail = ThumbnailRect(dpi);
    const int32_t margin = ScaleToDpi(MARGIN, dpi);
    const int32_t stripTop = thumbnail.bottom + margin;
    int32_t right = thumbnail.right, bottom = thumbnail.bottom;
    for (int i = 0; i < VIEW_CONTROL_COUNT; ++i) {
        const UnitRect& unit = STRIP[i];
        PixelRect& rect = layout.controls[i];
        rect = {ToPixels(unit.x, base.x, 4), stripTop + ToPixels(unit.y, base.y, 8),
                ToPixels(unit.x + unit.width, base.x, 4), stripTop + ToPixels(unit.y + unit.height, base.y, 8)};
        right = std::max(right, rect.right);
        bottom = std::max(bottom, rect.bottom);
    }
    layout.clientWidth = right + margin;
    layout.clientHeight = bottom + margin;
    return layout;
}

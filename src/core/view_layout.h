// Where the view window's thumbnail and zoom controls go. The thumbnail is drawn in pixels,
// the controls are sized in dialog units, whose size in pixels comes from the dialog font: MS UI
// Gothic 8 pt on Japanese Windows at 96 DPI has an 11-pixel cell, other fonts and DPIs differ. So
// the controls are laid out from the thumbnail, never over it. Needs no window.
#pragma once
#include <cstdint>

// Pixels per 4 horizontal and per 8 vertical dialog units, as the dialog manager measures its font.
struct DialogBaseUnits {
    int32_t x;
    int32_t y;
};

struct PixelRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// What the program sizes in pixels is designed at 96 DPI and scales with the screen's DPI (the
// canvas does not: one canvas pixel is one screen pixel at zoom 1). Rounded to the nearest pixel.
constexpr int32_t DESIGN_DPI = 96;
int32_t ScaleToDpi(int32_t pixels, int32_t dpi);

// The thumbnail, 185 x 130 at (10, 10) of the client area at 96 DPI, whatever the canvas's shape.
PixelRect ThumbnailRect(int32_t dpi);

// The zoom strip's controls, left to right and top to bottom.
enum ViewControl { VIEW_ZOOM_OUT, VIEW_TRACK_BAR, VIEW_ZOOM_IN, VIEW_FACTOR_CAPTION, VIEW_FACTOR, VIEW_CONTROL_COUNT };

struct ViewLayout {
    PixelRect controls[VIEW_CONTROL_COUNT];  // client pixels
    int32_t clientWidth;                     // the least client area that holds it all with margins
    int32_t clientHeight;
};

// The strip keeps its own arrangement in dialog units and starts a margin below the thumbnail.
ViewLayout LayOutViewWindow(DialogBaseUnits base, int32_t dpi);

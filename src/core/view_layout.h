// Where the view window's thumbnail and zoom controls go. The thumbnail is drawn in fixed pixels,
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

// The 185 x 130 thumbnail at (10, 10) of the client area, whatever the canvas's shape.
constexpr PixelRect THUMBNAIL = {10, 10, 10 + 185, 10 + 130};

// The zoom strip's controls, left to right and top to bottom.
enum ViewControl { VIEW_ZOOM_OUT, VIEW_TRACK_BAR, VIEW_ZOOM_IN, VIEW_FACTOR_CAPTION, VIEW_FACTOR, VIEW_CONTROL_COUNT };

struct ViewLayout {
    PixelRect controls[VIEW_CONTROL_COUNT];  // client pixels
    int32_t clientWidth;                     // the least client area that holds it all with margins
    int32_t clientHeight;
};

// The strip keeps its own arrangement in dialog units and starts a margin below the thumbnail.
ViewLayout LayOutViewWindow(DialogBaseUnits base);

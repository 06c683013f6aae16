// The canvas: its size, the off-screen picture of the whole diagram, and how it is shown.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "core/view_layout.h"
#include "render/back_buffer.h"

constexpr int32_t DEFAULT_CANVAS_WIDTH = 500;
constexpr int32_t DEFAULT_CANVAS_HEIGHT = 400;

// The canvas and how the topology window shows it.
struct CanvasState {
    BackBuffer backBuffer;  // width x height
    int32_t width;
    int32_t height;
    float zoomFactor;  // 6, 5, 4, 3, 2, 1, 1/2 .. 1/6
    int32_t scrollX;   // window pixels of the zoomed canvas scrolled off the left edge
    int32_t scrollY;
    CanvasDamage damage;  // what the next paint composes again
};

// Back to the start: 500 x 400, zoom 1, not scrolled. The back buffer is not touched.
void ResetCanvasView(CanvasState& canvas);

// Gives the canvas a back buffer of the given size for the window, all of it to be composed;
// false (and nothing changed) if it cannot be made. The size fields are the caller's to set.
bool CreateBackBuffer(CanvasState& canvas, HWND window, int32_t width, int32_t height);

// The whole diagram at 1:1 into the back buffer: white, cables, symbols, the selected symbol's frame.
void ComposeDiagram(CanvasState& canvas, const DiagramList& diagram, int32_t selectedId);
// The damaged part of the back buffer composed again (everything when so damaged), with the same
// pixels a whole composition gives. The damage is left for the caller to show and clear.
void ComposeDamage(CanvasState& canvas, const DiagramList& diagram, int32_t selectedId);
// Where the damage is shown in the window, in client pixels; null without damage or a region.
HRGN NewShownDamageRegion(const CanvasState& canvas);
// The back buffer stretched by the zoom and shifted by the scroll positions onto a device context.
void PresentCanvas(HDC target, const CanvasState& canvas);
// The 185 x 130 thumbnail of the whole canvas; nothing without a back buffer.
void DrawThumbnail(HDC target, const CanvasState& canvas);

// Only the part of the thumbnail that shows the damage.
void DrawThumbnailDamage(HDC target, const CanvasState& canvas);

// Canvas point under a client point of the window that presents the canvas.
CanvasPoint ClientToCanvas(const CanvasState& canvas, int clientX, int clientY);

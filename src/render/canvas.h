// The canvas: the off-screen picture of the whole diagram, and how it is shown.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "core/editor.h"
#include "core/view_layout.h"
#include "core/view_math.h"
#include "render/back_buffer.h"

constexpr int32_t DEFAULT_CANVAS_WIDTH = 500;
constexpr int32_t DEFAULT_CANVAS_HEIGHT = 400;

// The off-screen picture of the whole diagram at 1:1 and what of it the next paint composes again.
// Its size is the back buffer's: none without one.
struct Canvas {
    BackBuffer backBuffer;
    CanvasDamage damage;
    int32_t Width() const { return backBuffer.width(); }
    int32_t Height() const { return backBuffer.height(); }
};

// Gives the canvas a back buffer of the given size for the window, all of it to be composed;
// false (and nothing changed) if it cannot be made.
bool CreateBackBuffer(Canvas& canvas, HWND window, int32_t width, int32_t height);

// The whole diagram at 1:1 into the back buffer: white, cables, symbols, the framed symbols' frames.
void ComposeDiagram(Canvas& canvas, const DiagramList& diagram, FramedSymbols framed);
// The damaged part of the back buffer composed again (everything when so damaged), with the same
// pixels a whole composition gives. The damage is left for the caller to show and clear.
void ComposeDamage(Canvas& canvas, const DiagramList& diagram, FramedSymbols framed);
// Where the damage is shown in the window, in client pixels; null without damage or a region.
HRGN NewShownDamageRegion(const Canvas& canvas, const CanvasView& view);
// The back buffer stretched by the zoom and shifted by the scroll positions onto a device context.
void PresentCanvas(HDC target, const Canvas& canvas, const CanvasView& view);
// The 185 x 130 thumbnail of the whole canvas; nothing without a back buffer.
void DrawThumbnail(HDC target, const Canvas& canvas);
// Only the part of the thumbnail that shows the damage.
void DrawThumbnailDamage(HDC target, const Canvas& canvas);

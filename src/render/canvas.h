// The canvas: the off-screen picture of the whole diagram at 1:1 (the back buffer, its size the
// canvas size), composed where the session's edits damaged it, and how it is shown.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "core/edit_session.h"
#include "core/view_layout.h"
#include "core/view_math.h"
#include "render/back_buffer.h"

constexpr int32_t DEFAULT_CANVAS_WIDTH = 500;
constexpr int32_t DEFAULT_CANVAS_HEIGHT = 400;

// Gives the canvas a new white back buffer of the given size for the window, all of it damaged;
// false (and nothing changed) if it cannot be made.
bool ReplaceBackBuffer(BackBuffer& canvas, CanvasDamage& damage, HWND window, int32_t width, int32_t height);

// The parts of the canvas the damage covers composed again from the session's diagram: white, cables,
// symbols, the framed symbols' frames. Any damage gives there the pixels a whole composition gives; the
// window composes the session's own and leaves it for the caller to show and clear.
void ComposeCanvas(BackBuffer& canvas, const EditSession& session, const CanvasDamage& damage);
// Where the damage is shown in the window, in client pixels; null without damage or a region.
HRGN NewShownDamageRegion(const BackBuffer& canvas, const CanvasDamage& damage, const CanvasView& view);
// The back buffer stretched by the zoom and shifted by the scroll positions onto a device context.
void PresentCanvas(HDC target, const BackBuffer& canvas, const CanvasView& view);
// The whole canvas squeezed into the thumbnail's rectangle; nothing without a back buffer.
void DrawThumbnail(HDC target, const BackBuffer& canvas, const PixelRect& thumbnail);
// Only the part of the thumbnail that shows the damage.
void DrawThumbnailDamage(HDC target, const BackBuffer& canvas, const CanvasDamage& damage, const PixelRect& thumbnail);

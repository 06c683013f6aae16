// The canvas: its size, the off-screen picture of the whole diagram, and how it is shown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "core/view_layout.h"
#include "platform/gdi_objects.h"

// The off-screen picture of the whole canvas: a memory device context with its 32-bit top-down
// bitmap selected for its whole life, whose pixels the program also writes itself. Owns both and
// releases them when destroyed or replaced.
class BackBuffer {
  public:
    BackBuffer() = default;
    // A white width x height picture compatible with the window; empty when it cannot be made.
    static BackBuffer Make(HWND window, int32_t width, int32_t height);
    BackBuffer(BackBuffer&& other) noexcept { *this = std::move(other); }
    BackBuffer& operator=(BackBuffer&& other) noexcept;

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    uint32_t* pixels() const { return pixels_; }  // rows top to bottom, 0x00RRGGBB
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    explicit operator bool() const { return bool(dc_); }

  private:
    // The device context is declared last so that it goes first: the bitmap is then no longer
    // selected into it when it is deleted.
    OwnedBitmap bitmap_;
    OwnedMemoryDC dc_;
    uint32_t* pixels_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

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
void ComposeDiagram(CanvasState& canvas, const DiagramList& diagram, const DiagramNode* selected);
// The damaged part of the back buffer composed again (everything when so damaged), with the same
// pixels a whole composition gives. The damage is left for the caller to show and clear.
void ComposeDamage(CanvasState& canvas, const DiagramList& diagram, const DiagramNode* selected);
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

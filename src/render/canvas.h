// The canvas: its size, the off-screen picture of the whole diagram, and how it is shown.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/diagram_list.h"

struct BackBuffer {
    HDC backBufferDC;
    HBITMAP backBufferBitmap;  // canvasWidth x canvasHeight, selected into backBufferDC for its life
};

constexpr int32_t DEFAULT_CANVAS_WIDTH = 500;
constexpr int32_t DEFAULT_CANVAS_HEIGHT = 400;
constexpr int THUMBNAIL_X = 10;
constexpr int THUMBNAIL_Y = 10;
constexpr int THUMBNAIL_WIDTH = 185;
constexpr int THUMBNAIL_HEIGHT = 130;

// The canvas and how the topology window shows it.
struct CanvasState {
    BackBuffer backBuffer;
    int32_t width;
    int32_t height;
    float zoomFactor;  // 6, 5, 4, 3, 2, 1, 1/2 .. 1/6
    int32_t scrollX;   // window pixels of the zoomed canvas scrolled off the left edge
    int32_t scrollY;
};

// Back to the start: 500 x 400, zoom 1, not scrolled. The back buffer is not touched.
void ResetCanvasView();

// Makes a back buffer of the given size for the window; false (and nothing changed) if it
// cannot be made. On success the previous back buffer is released.
bool CreateBackBuffer(HWND window, int32_t width, int32_t height);
void ReleaseBackBuffer();

// The whole diagram at 1:1 into the back buffer: white, cables, symbols, selection frame.
void ComposeDiagram();
// The back buffer stretched by the zoom and shifted by the scroll positions onto a device context.
void PresentCanvas(HDC target);
// The 185 x 130 thumbnail of the whole canvas into the view window.
void DrawThumbnail(HDC target);
void PaintTopologyWindow(HWND window);

// Canvas point under a client point of the topology window.
CanvasPoint ClientToCanvas(int clientX, int clientY);

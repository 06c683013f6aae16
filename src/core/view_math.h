// Zoom and scroll arithmetic of the topology window. Needs no window.
#pragma once
#include <cstdint>

#include "core/diagram_list.h"

// Track-bar position to magnification: 2..6 magnify, -1..1 is 1, -2..-6 reduce to 1/2..1/6.
float ZoomFromPosition(int32_t position);

// The factor as the view window shows it ("%.2f"); buffer of at least 32 bytes.
void FormatZoomLabel(float zoomFactor, char* text, int size);

// Canvas side times the factor, computed in floating point and truncated toward zero.
int32_t ZoomedLength(int32_t canvasLength, float zoomFactor);

// One scroll bar: range 0..maximum, page, and the largest position maximum - page + 1.
// The page is at least 1 even for an empty or negative client length (a minimised window):
// a page of 0 would put the largest position one past what the platform's scroll bar allows.
struct ScrollAxis {
    int32_t maximum;
    int32_t page;
    int32_t maxPos;
};
ScrollAxis ScrollAxisFor(int32_t zoomedLength, int32_t clientLength);

// The largest position of a scroll bar with range 0..maximum and the given page, as the platform
// clamps it: a page below 1 counts as 1, one larger than the range as the whole range.
int32_t LargestScrollPosition(int32_t maximum, int64_t page);

// A scroll bar's request, with the platform's codes (SB_LINEUP .. SB_ENDSCROLL, the same for both
// bars); other codes ask for nothing.
enum class ScrollRequest : uint32_t {
    LINE_BACK,  // up or left by a line
    LINE_ON,    // down or right by a line
    PAGE_BACK,  // by a page
    PAGE_ON,
    THUMB_POSITION,  // the thumb let go: it has moved already
    THUMB_TRACK,     // the thumb being dragged
    TO_START,        // top or left end
    TO_END,
    END_SCROLL,
};

// Where a scroll request takes the position; returns pos itself when nothing moves. trackPos is
// read from the bar for THUMB_TRACK.
int32_t ScrolledPosition(ScrollRequest request, int32_t pos, int32_t trackPos, int32_t maxPos);

// The canvas point drawn under a client point: the exact inverse of the stretched presentation,
// floor((client + scroll) * canvasLength / zoomedLength). Client points may be negative (left of or
// above the client area). With nothing drawn (a length of 0 or less) it returns client + scroll.
int32_t CanvasFromClient(int32_t client, int32_t scroll, int32_t canvasLength, int32_t zoomedLength);

// The client point where a canvas point is drawn (its pixel's top-left corner): the presentation's
// floor(canvas * zoomedLength / canvasLength) - scroll.
int32_t ClientFromCanvas(int32_t canvas, int32_t scroll, int32_t canvasLength, int32_t zoomedLength);

// The scroll position that puts the canvas point in the middle of a client length, as far as the
// range (0 to maxPos) allows.
int32_t CentringScroll(int32_t canvasPoint,
                       int32_t canvasLength,
                       int32_t zoomedLength,
                       int32_t clientLength,
                       int32_t maxPos);

// The canvas point under a point of the thumbnail, which shows the whole canvas in thumbnailLength
// pixels: the middle of what that thumbnail pixel shows, within the canvas.
int32_t CanvasFromThumbnail(int32_t offset, int32_t thumbnailLength, int32_t canvasLength);

// A wheel's turn in window pixels: delta (120 a notch, less a step from a fine wheel) times the lines a
// notch scrolls times the pixels of a line. What falls short of a pixel is kept in *rest for the
// next turn the same way, so that fine steps add up as whole notches do.
int32_t WheelPixels(int32_t delta, int32_t linesPerNotch, int32_t lineLength, int32_t* rest);

// How the topology window shows the canvas: stretched by the zoom, shifted by the scroll positions.
struct CanvasView {
    float zoomFactor = 1.0f;  // 6, 5, 4, 3, 2, 1, 1/2 .. 1/6
    int32_t scrollX = 0;      // window pixels of the zoomed canvas scrolled off the left edge
    int32_t scrollY = 0;
};

// The canvas point drawn under a client point, for a canvas of the given size.
CanvasPoint ClientToCanvas(const CanvasView& view,
                           int32_t canvasWidth,
                           int32_t canvasHeight,
                           int32_t clientX,
                           int32_t clientY);

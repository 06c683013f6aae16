// Zoom and scroll arithmetic of the topology window. Needs no window.
#pragma once
#include <cstdint>

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

// Where a scroll request takes the position; returns pos itself when nothing moves.
// requestCode is SB_LINEUP (0) .. SB_BOTTOM (7); trackPos is read from the bar for SB_THUMBTRACK.
int32_t ScrolledPosition(uint32_t requestCode, int32_t pos, int32_t trackPos, int32_t maxPos);

// The canvas point drawn under a client point: the exact inverse of the stretched presentation,
// floor((client + scroll) * canvasLength / zoomedLength). Client points may be negative while the
// mouse is captured. With nothing drawn (a length of 0 or less) it returns client + scroll.
int32_t CanvasFromClient(int32_t client, int32_t scroll, int32_t canvasLength, int32_t zoomedLength);

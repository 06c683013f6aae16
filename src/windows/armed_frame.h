// What the next click on the canvas uses, the armed tool's picture or the picked palette item, is
// framed in the system's highlight colour.
#pragma once
#include <windows.h>

constexpr int ARMED_FRAME = 2;  // pixels

// The frame, drawn inward from the outer rectangle.
inline void DrawArmedFrame(HDC dc, RECT outer) {
    for (int i = 0; i < ARMED_FRAME; ++i, InflateRect(&outer, -1, -1))
        FrameRect(dc, &outer, GetSysColorBrush(COLOR_HIGHLIGHT));
}

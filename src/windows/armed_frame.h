// What the next click on the canvas uses, the armed tool's picture or the picked palette item, is
// framed in the system's highlight colour.
#pragma once
#include <windows.h>

#include "core/view_layout.h"
#include "windows/app_state.h"

// Two pixels at 96 DPI, scaled by the DPI.
inline int ArmedFrameWidth() {
    return ScaleToDpi(2, appState.dpi);
}

// The frame, drawn inward from the outer rectangle.
inline void DrawArmedFrame(HDC dc, RECT outer) {
    for (int i = ArmedFrameWidth(); i > 0; --i, InflateRect(&outer, -1, -1))
        FrameRect(dc, &outer, GetSysColorBrush(COLOR_HIGHLIGHT));
}

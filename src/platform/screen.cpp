#include "platform/screen.h"

#include "platform/test_hooks.h"

int32_t ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? systemCalls.deviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

RECT VisibleFrame(HWND window) {
    RECT outer = {}, visible = {};
    GetWindowRect(window, &outer);
    return systemCalls.visibleFrame(window, &visible) ? visible : outer;
}

// The invisible borders are what lies between the window's rectangle and its visible frame.
void PlaceVisibleFrame(HWND window, const RECT& visible, bool keepSize) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    const RECT seen = VisibleFrame(window);
    const int left = seen.left - outer.left, top = seen.top - outer.top;
    const int right = outer.right - seen.right, bottom = outer.bottom - seen.bottom;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (keepSize)
        flags |= SWP_NOSIZE;
    SetWindowPos(window, nullptr, visible.left - left, visible.top - top, visible.right - visible.left + left + right,
                 visible.bottom - visible.top + top + bottom, flags);
}

// The screen as the windows meet it: its DPI, and windows placed by the frames the user sees.
#pragma once
#include <windows.h>

#include <cstdint>

// The DPI the program sees (the system DPI of a program aware of it); 96 when it cannot be read.
int32_t ScreenDpi();

// The frame of the window the user sees: on Windows 10/11 without the invisible resize borders of a
// sizing frame, elsewhere the window's rectangle.
RECT VisibleFrame(HWND window);
// Places the window so that its visible frame is `visible`: its size as well unless keepSize.
void PlaceVisibleFrame(HWND window, const RECT& visible, bool keepSize);

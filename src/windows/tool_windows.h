// The three floating tool windows beside the topology window.
#pragma once
#include <windows.h>

#include "windows/app_state.h"

// Creates the three tool windows, then arranges and shows them with the topology window on the
// screen as it is (ArrangeStartWindows).
void CreateToolWindows(HWND topology);

// The screen as the start-up arrangement sees it: its width, and the bottom of the work area (the
// part the taskbar leaves free).
struct ScreenArea {
    int width;
    int workAreaBottom;
};

// Placed by the frames the user sees: the symbol window at the top-left corner, the view window at
// the top-right corner and the list window directly under it, as wide as it, and the topology window
// filling the band between them, 700 pixels high at 96 DPI (scaled by the DPI) or down to the work
// area's bottom where that is nearer. Shows all but the topology window.
void ArrangeStartWindows(HWND topology, const ScreenArea& screen);
// The band's height at the DPI before the work area bounds it.
int BandHeight(int32_t dpi);

// The topology window: the canvas with its scroll bars and the mouse tools.
#pragma once
#include <windows.h>

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The scroll bars follow the zoomed canvas and the client size (after a zoom or a new canvas size).
void UpdateScrollRanges(HWND topology);

// Makes a cursor the one shown over the canvas. Cursors made for the purpose (icons of palette
// images) are owned here and destroyed when replaced; shared ones (resources) are not.
void SetPlacementCursor(HCURSOR cursor, bool owned);

// The topology window: the canvas with its scroll bars and the mouse tools.
#pragma once
#include <windows.h>

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Composes the whole canvas again at the next paint and shows all of it, as after a zoom.
void RepaintWholeCanvas(HWND topology);

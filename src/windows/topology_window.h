// The topology window: the canvas with its scroll bars and the mouse tools.
#pragma once
#include <windows.h>

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

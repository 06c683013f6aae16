#pragma once
#include <windows.h>

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

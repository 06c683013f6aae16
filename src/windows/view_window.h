#pragma once
#include <windows.h>

// The view window: zoom track bar, "＋" and "－", the factor label and the canvas thumbnail.
INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The topology window's scroll bars follow the zoomed canvas and the client size.
void UpdateScrollRanges(HWND topology);
void ScrollHorizontal(HWND topology, UINT requestCode);
void ScrollVertical(HWND topology, UINT requestCode);

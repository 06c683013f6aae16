#pragma once
#include <windows.h>

// The view window: zoom track bar, "＋" and "－", the factor label and the canvas thumbnail.
INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

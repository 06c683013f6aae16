#pragma once
#include <windows.h>

#include <cstdint>

// The view window: zoom track bar, "＋" and "－", the factor label and the canvas thumbnail.
INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A zoom step, as "＋" (+1) and "－" (-1) make it: the track bar and the factor follow.
void StepZoom(int32_t step);

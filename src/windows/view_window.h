#pragma once
#include <windows.h>

#include "core/damage.h"

// The view window: zoom track bar, "＋" and "－", the factor label and the canvas thumbnail.
INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the part of the thumbnail that shows the damage, which the canvas has just composed.
void ShowThumbnailDamage(const CanvasDamage& damage);

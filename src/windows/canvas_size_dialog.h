#pragma once
#include <windows.h>

// The canvas size dialog: type a width and height and apply them; the dialog stays open.
INT_PTR CALLBACK CanvasSizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The work of "変更反映": a new canvas size with a new back buffer, or a message and no change.
void ApplyCanvasSize(HWND dialog);

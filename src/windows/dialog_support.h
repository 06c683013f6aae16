// What every window of the program does alike with its controls.
#pragma once
#include <windows.h>

// Each static text at least as wide and as high as its text in its own font, measured now: the
// templates' widths fit one font, and Japanese Windows' dialog font is another. A text grows away
// from the side it is aligned to (a left-aligned one to the left where a control lies to its right);
// the window grows where a text would pass its edge. Never narrower than the template.
void FitStaticTexts(HWND dialog);

// A control's rectangle in its parent's client area.
RECT ControlRect(HWND control);
// The window made larger by so many pixels across and down, where it is.
void GrowWindow(HWND window, int wider, int higher);

// A change of the system colours (WM_SYSCOLORCHANGE), which only top-level windows receive, passed
// on to the window's controls; a child window holding controls of its own passes it on again.
void ForwardColourChange(HWND window, WPARAM wParam, LPARAM lParam);

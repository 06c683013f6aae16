// The topology window: the canvas with its scroll bars and the mouse tools.
#pragma once
#include <windows.h>

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// For the message loop, before a message is dispatched: Ctrl+Z undoes the last diagram edit,
// Ctrl+Y and Ctrl+Shift+Z redo, whichever window of the program has the focus, except a text
// field, which keeps its own. True when the key was taken.
bool RouteHistoryKey(const MSG& message);

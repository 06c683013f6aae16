#pragma once
#include <windows.h>

// The list window: a sort choice and a display filter; nothing acts on them.
INT_PTR CALLBACK ListWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

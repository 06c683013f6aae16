#pragma once
#include <windows.h>

// The About dialog: name, version and releaser, the maker's web address, the derivation notice.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The "シンボルの追加" dialog: copies a chosen bitmap into the library under a category.
#pragma once
#include <windows.h>

INT_PTR CALLBACK AddSymbolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

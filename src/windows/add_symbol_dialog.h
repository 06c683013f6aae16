// The "シンボルの追加" dialog: copies a chosen bitmap into the library under a category.
#pragma once
#include <windows.h>

// The last file chosen with "参照"; kept for the whole run, so OK without browsing adds it again.
extern char chosenPath[MAX_PATH];
extern char chosenTitle[64];  // its name with extension, without the folder

INT_PTR CALLBACK AddSymbolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

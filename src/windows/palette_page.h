// A palette page: one category's images in an icon list view, laid over the symbol window's tabs.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

// Creates the hidden page of the category as a child of the symbol window.
HWND CreatePalettePage(HWND owner, int32_t category);

// The page's list view.
HWND PaletteList(HWND page);

// Shows count items, item i with image i of the list, none selected.
void RebuildPalette(HWND list, HIMAGELIST imageList, int32_t count);

// The creation parameter is the page's category.
INT_PTR CALLBACK PalettePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

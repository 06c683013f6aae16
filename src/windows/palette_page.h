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
// The page shows its category as the library holds it now, nothing picked.
void RefreshPalette(HWND page);

// Arms the symbol tool with item index of the category: every symbol it places shares the item's
// picture, made now (if it cannot be, the next click on the canvas tries again).
void ArmPaletteSymbol(int32_t category, int32_t index);

// "シンボルの削除": the page's picked symbol leaves the library for good, after the user agreed, and
// every window is told. Nothing picked: nothing happens.
void DeletePickedSymbol(HWND page);

// The creation parameter is the page's category.
INT_PTR CALLBACK PalettePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

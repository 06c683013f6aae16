// The delete button's work on a palette: the selected symbol leaves the library for good.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

struct SymbolCatalog;

// Asks, then removes the selected item's record from Symbol.txt, its picture from the category's
// image list and palette, and its image file. The record must still be where the palette found
// it; otherwise, or if the catalogue cannot be rewritten, nothing at all changes and the user is
// told. No selection: nothing happens. Returns the index the picture had in its category, or -1
// when nothing left the library.
int32_t DeleteSymbol(int32_t category, const char* root, HWND list, SymbolCatalog& catalog);

// The picture of a placed symbol: its own one-image copy of a catalogue image.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "core/diagram_list.h"

constexpr COLORREF MASK_COLOUR = RGB(255, 0, 255);  // transparent in every symbol picture

// Fills the symbol's imageList and bitmap from image imageIndex of sourceList, magenta parts
// transparent. False, with nothing kept, when the picture cannot be made.
bool CreateSymbolImage(SymbolItem& symbol, HDC dc, HIMAGELIST sourceList, int imageIndex);

// The symbol's picture at its place and its name below it.
void DrawSymbol(const SymbolItem& symbol, HDC dc);

// Releases a placed symbol's own image list; the diagram list calls it when the symbol goes.
void ReleaseSymbolPicture(PictureHandle picture);

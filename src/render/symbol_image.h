// The pictures of placed symbols: one shared, counted picture per library image.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "render/pixel_target.h"

constexpr COLORREF MASK_COLOUR = RGB(255, 0, 255);  // transparent in every symbol picture

constexpr uint32_t TRANSPARENT_PIXEL = 0xFF000000;  // no colour has its top byte set

// A library image made ready for drawing into the back buffer's pixels: no GDI object, so placed
// symbols cost none. Each holder (the palette item it came from, every placed symbol) owns one
// reference; the last one released frees it.
struct SymbolPicture {
    uint32_t pixels[SYMBOL_SIZE * SYMBOL_SIZE];  // rows top to bottom, 0x00RRGGBB or TRANSPARENT_PIXEL
    SymbolSize size;                             // for the hit test
    int32_t references;
};

// The picture of image imageIndex of sourceList, magenta parts transparent, with one reference;
// null, with nothing kept, when it cannot be made.
SymbolPicture* MakeSymbolPicture(HDC dc, HIMAGELIST sourceList, int imageIndex);
// Gives up one reference; null does nothing.
void ReleasePicture(SymbolPicture* picture);

// Gives a new symbol its own reference to the picture and the picture's size.
void GiveSymbolPicture(SymbolItem& symbol, SymbolPicture* picture);

// The symbol's picture at its place, inside the parts of the target given.
void DrawSymbol(const SymbolItem& symbol, const PixelTarget& target, const CanvasRect* parts, int partCount);

// Releases a placed symbol's reference; the diagram list calls it when the symbol goes.
void ReleaseSymbolPicture(PictureHandle picture);

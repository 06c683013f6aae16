// The pictures of placed symbols: one shared, counted picture per library image.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "core/diagram_list.h"

constexpr COLORREF MASK_COLOUR = RGB(255, 0, 255);  // transparent in every symbol picture

// A library image made ready for a fast transparent draw: the colour bitmap is black where the
// image is transparent and the 1-bit mask is set there, so an AND of the mask and an OR of the
// colours draw it. Each holder (the palette item it came from, every placed symbol) owns one
// reference; the last one released frees the bitmaps.
struct SymbolPicture {
    HBITMAP colour;
    HBITMAP mask;
    SymbolBitmap description;  // of the colour bitmap, for the hit test
    int32_t references;
};

// The picture of image imageIndex of sourceList, magenta parts transparent, with one reference;
// null, with nothing kept, when it cannot be made.
SymbolPicture* MakeSymbolPicture(HDC dc, HIMAGELIST sourceList, int imageIndex);
// Gives up one reference; null does nothing.
void ReleasePicture(SymbolPicture* picture);

// Gives a new symbol its own reference to the picture and the picture's size.
void GiveSymbolPicture(SymbolItem& symbol, SymbolPicture* picture);

// The symbol's picture at its place and its name below it. pictureDC is a memory device context
// kept for drawing pictures; each draw leaves it as it found it. dc's text colour must be black
// and its background colour white: they colour the 1-bit mask.
void DrawSymbol(const SymbolItem& symbol, HDC dc, HDC pictureDC);

// Releases a placed symbol's reference; the diagram list calls it when the symbol goes.
void ReleaseSymbolPicture(PictureHandle picture);

// The pictures of placed symbols: one shared picture per library image.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "render/pixel_target.h"

constexpr COLORREF MASK_COLOUR = RGB(255, 0, 255);  // transparent in every symbol picture

constexpr uint32_t TRANSPARENT_PIXEL = 0xFF000000;  // no colour has its top byte set

// A library image made ready for drawing into the back buffer's pixels: no GDI object, so placed
// symbols cost none. Shared by the palette item it came from and every symbol placed from it; it
// goes with the last of them.
struct SymbolPicture {
    uint32_t pixels[SYMBOL_SIZE * SYMBOL_SIZE] = {};  // rows top to bottom, 0x00RRGGBB or TRANSPARENT_PIXEL
    SymbolSize size = {SYMBOL_SIZE, SYMBOL_SIZE};     // for the hit test
};

// The picture of image imageIndex of sourceList, magenta parts transparent; null, with nothing
// kept, when it cannot be made.
std::shared_ptr<const SymbolPicture> MakeSymbolPicture(HDC dc, HIMAGELIST sourceList, int imageIndex);

// A new symbol sharing the picture, at its size.
SymbolItem SymbolWithPicture(std::shared_ptr<const SymbolPicture> picture);

// The symbol's picture at its place and its label below it, inside the parts of the target given.
void DrawSymbol(const SymbolItem& symbol, const PixelTarget& target, const CanvasRect* parts, int partCount);

#include "render/symbol_image.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "platform/gdi_objects.h"

constexpr int COLOUR_STRIDE = (SYMBOL_SIZE * 3 + 3) / 4 * 4;  // 24-bit DIB rows: whole 32-bit words
constexpr int MASK_STRIDE = (SYMBOL_SIZE + 15) / 16 * 2;      // 1-bit bitmap rows: whole 16-bit words

// Turns the magenta pixels of the bottom-up 24-bit picture black and marks them in the mask.
static void SplitOutMask(uint8_t* colours, uint8_t* mask) {
    for (int y = 0; y < SYMBOL_SIZE; ++y) {
        uint8_t* row = colours + (SYMBOL_SIZE - 1 - y) * COLOUR_STRIDE;
        for (int x = 0; x < SYMBOL_SIZE; ++x) {
            uint8_t* pixel = row + x * 3;  // blue, green, red
            if (pixel[0] == GetBValue(MASK_COLOUR) && pixel[1] == GetGValue(MASK_COLOUR) &&
                pixel[2] == GetRValue(MASK_COLOUR)) {
                pixel[0] = pixel[1] = pixel[2] = 0;
                mask[y * MASK_STRIDE + x / 8] |= uint8_t(0x80 >> (x % 8));
            }
        }
    }
}

SymbolPicture* MakeSymbolPicture(HDC dc, HIMAGELIST sourceList, int imageIndex) {
    if (!sourceList || imageIndex < 0 || imageIndex >= ImageList_GetImageCount(sourceList))
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SYMBOL_SIZE;
    info.bmiHeader.biHeight = SYMBOL_SIZE;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = COLOUR_STRIDE * SYMBOL_SIZE;
    void* bits = nullptr;
    OwnedGdiObject colour(NewDibSection(dc, &info, &bits));
    if (!colour)
        return nullptr;
    {
        OwnedMemoryDC scratch(dc);
        if (!scratch)
            return nullptr;
        SelectedObject useColour(scratch.get(), colour.get());
        // Masked-out parts of the source come out magenta, so the copy keeps its transparency.
        ImageList_DrawEx(sourceList, imageIndex, scratch.get(), 0, 0, 0, 0, MASK_COLOUR, RGB(255, 255, 255),
                         ILD_NORMAL);
    }
    GdiFlush();
    uint8_t maskBits[MASK_STRIDE * SYMBOL_SIZE] = {};
    SplitOutMask(static_cast<uint8_t*>(bits), maskBits);
    OwnedGdiObject mask(NewMonochromeBitmap(SYMBOL_SIZE, SYMBOL_SIZE, maskBits));
    SymbolPicture* picture = mask ? new (std::nothrow) SymbolPicture{} : nullptr;
    if (!picture)
        return nullptr;
    picture->colour = static_cast<HBITMAP>(colour.Release());
    picture->mask = static_cast<HBITMAP>(mask.Release());
    picture->description = {SYMBOL_SIZE, SYMBOL_SIZE, 24};
    picture->references = 1;
    return picture;
}

void ReleasePicture(SymbolPicture* picture) {
    if (!picture || --picture->references > 0)
        return;
    FreeGdiObject(picture->colour);
    FreeGdiObject(picture->mask);
    delete picture;
}

void GiveSymbolPicture(SymbolItem& symbol, SymbolPicture* picture) {
    ++picture->references;
    symbol.picture = picture;
    symbol.bitmap = picture->description;
}

void DrawSymbol(const SymbolItem& symbol, HDC dc, HDC pictureDC) {
    if (const auto* picture = static_cast<const SymbolPicture*>(symbol.picture)) {
        SelectedObject useMask(pictureDC, picture->mask);
        BitBlt(dc, symbol.x, symbol.y, SYMBOL_SIZE, SYMBOL_SIZE, pictureDC, 0, 0, SRCAND);
        SelectObject(pictureDC, picture->colour);
        BitBlt(dc, symbol.x, symbol.y, SYMBOL_SIZE, SYMBOL_SIZE, pictureDC, 0, 0, SRCPAINT);
    }
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, symbol.x, symbol.y + SYMBOL_SIZE, symbol.name, static_cast<int>(strlen(symbol.name)));
}

void ReleaseSymbolPicture(PictureHandle picture) {
    ReleasePicture(static_cast<SymbolPicture*>(picture));
}

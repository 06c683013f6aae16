#include "render/symbol_image.h"

#include <cstring>

#include "platform/gdi_objects.h"

bool CreateSymbolImage(SymbolItem& symbol, HDC dc, HIMAGELIST sourceList, int imageIndex) {
    if (!sourceList || imageIndex < 0 || imageIndex >= ImageList_GetImageCount(sourceList))
        return false;
    HIMAGELIST own = NewImageList(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, 4, 0);
    if (!own)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SYMBOL_SIZE;
    info.bmiHeader.biHeight = SYMBOL_SIZE;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = SYMBOL_SIZE * SYMBOL_SIZE * 3;
    void* bits = nullptr;
    OwnedGdiObject copy(NewDibSection(dc, &info, &bits));
    OwnedMemoryDC scratch(dc);
    bool made = false;
    if (copy && scratch) {
        {
            SelectedObject useCopy(scratch.get(), copy.get());
            // Masked-out parts of the source come out magenta, so the copy keeps its transparency.
            ImageList_DrawEx(sourceList, imageIndex, scratch.get(), 0, 0, 0, 0, MASK_COLOUR, RGB(255, 255, 255),
                             ILD_NORMAL);
        }
        BITMAP description = {};
        GetObjectA(copy.get(), sizeof description, &description);
        symbol.bitmap = {description.bmWidth, description.bmHeight, description.bmBitsPixel};
        made = ImageList_AddMasked(own, static_cast<HBITMAP>(copy.get()), MASK_COLOUR) == 0;
    }
    if (!made) {
        FreeImageList(own);
        return false;
    }
    symbol.imageList = own;
    return true;
}

void DrawSymbol(const SymbolItem& symbol, HDC dc) {
    ImageList_Draw(static_cast<HIMAGELIST>(symbol.imageList), 0, dc, symbol.x, symbol.y, ILD_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, symbol.x, symbol.y + SYMBOL_SIZE, symbol.name, static_cast<int>(strlen(symbol.name)));
}

void ReleaseSymbolPicture(PictureHandle picture) {
    FreeImageList(static_cast<HIMAGELIST>(picture));
}

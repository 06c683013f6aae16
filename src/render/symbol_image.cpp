#include "render/symbol_image.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "platform/gdi_objects.h"

// The image list draws the image over magenta in a scratch picture; its pixels are copied out and
// the scratch picture goes, so the picture itself holds no GDI object.
std::shared_ptr<const SymbolPicture> MakeSymbolPicture(HDC dc, HIMAGELIST sourceList, int imageIndex) {
    if (!sourceList || imageIndex < 0 || imageIndex >= ImageList_GetImageCount(sourceList))
        return nullptr;
    uint32_t* drawn = nullptr;
    OwnedBitmap scratchBitmap(NewPixelBitmap(dc, SYMBOL_SIZE, SYMBOL_SIZE, &drawn));
    if (!scratchBitmap)
        return nullptr;
    {
        OwnedMemoryDC scratch(NewMemoryDC(dc));
        if (!scratch)
            return nullptr;
        SelectedObject useBitmap(scratch.get(), scratchBitmap.get());
        // Masked-out parts of the source come out magenta, so the copy keeps its transparency.
        ImageList_DrawEx(sourceList, imageIndex, scratch.get(), 0, 0, 0, 0, MASK_COLOUR, RGB(255, 255, 255),
                         ILD_NORMAL);
    }
    GdiFlush();
    std::shared_ptr<SymbolPicture> picture;
    try {
        picture = std::make_shared<SymbolPicture>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const uint32_t magenta =
        uint32_t(GetRValue(MASK_COLOUR)) << 16 | uint32_t(GetGValue(MASK_COLOUR)) << 8 | GetBValue(MASK_COLOUR);
    for (int i = 0; i < SYMBOL_SIZE * SYMBOL_SIZE; ++i) {
        const uint32_t colour = drawn[i] & 0xFFFFFF;
        picture->pixels[i] = colour == magenta ? TRANSPARENT_PIXEL : colour;
    }
    return picture;
}

SymbolItem SymbolWithPicture(std::shared_ptr<const SymbolPicture> picture) {
    SymbolItem symbol = {};
    symbol.size = picture ? picture->size : SymbolSize{SYMBOL_SIZE, SYMBOL_SIZE};
    symbol.picture = std::move(picture);
    return symbol;
}

void DrawSymbol(const SymbolItem& symbol, const PixelTarget& target, const CanvasRect* parts, int partCount) {
    const SymbolPicture* picture = symbol.picture.get();
    if (!picture || !target.pixels)
        return;
    const CanvasRect box = {symbol.x, symbol.y, symbol.x + SYMBOL_SIZE, symbol.y + SYMBOL_SIZE};
    for (int p = 0; p < partCount; ++p) {
        const int32_t left = std::max({box.left, parts[p].left, 0});
        const int32_t right = std::min({box.right, parts[p].right, target.width});
        const int32_t top = std::max({box.top, parts[p].top, 0});
        const int32_t bottom = std::min({box.bottom, parts[p].bottom, target.height});
        for (int32_t y = top; y < bottom; ++y) {
            const uint32_t* from = picture->pixels + (y - symbol.y) * SYMBOL_SIZE + (left - symbol.x);
            uint32_t* to = target.pixels + size_t(y) * size_t(target.width) + size_t(left);
            for (int32_t x = left; x < right; ++x, ++from, ++to)
                if (*from != TRANSPARENT_PIXEL)
                    *to = *from;
        }
    }
}

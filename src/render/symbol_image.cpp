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

// The label's ink, black, its top-left corner directly below the picture.
static void DrawLabel(const SymbolItem& symbol, const PixelTarget& target, const CanvasRect& part) {
    const LabelPixels& label = *symbol.label.pixels;
    const int64_t left = symbol.x, top = int64_t(symbol.y) + SYMBOL_SIZE;
    if (left >= part.right || left + label.width <= part.left || top >= part.bottom || top + label.height <= part.top)
        return;
    const int64_t clipLeft = std::max<int64_t>(part.left, 0), clipRight = std::min<int64_t>(part.right, target.width);
    const int64_t clipTop = std::max<int64_t>(part.top, 0), clipBottom = std::min<int64_t>(part.bottom, target.height);
    const int64_t fromX = std::max(clipLeft, left), toX = std::min(clipRight, left + label.width);
    if (fromX >= toX)
        return;
    // A byte of ink at a time: most are empty, and a whole one inside the part needs no check a pixel.
    for (int64_t y = std::max(clipTop, top); y < std::min(clipBottom, top + label.height); ++y) {
        const uint8_t* ink = label.ink.data() + size_t(y - top) * size_t(label.stride);
        uint32_t* row = target.pixels + size_t(y) * size_t(target.width);
        for (int64_t byte = (fromX - left) >> 3; byte <= (toX - 1 - left) >> 3; ++byte) {
            const unsigned bits = ink[byte];
            if (!bits)
                continue;
            const int64_t x0 = left + byte * 8;
            const bool whole = x0 >= fromX && x0 + 8 <= toX;
            for (int b = 0; b < 8; ++b)
                if ((bits & (0x80u >> b)) && (whole || (x0 + b >= fromX && x0 + b < toX)))
                    row[x0 + b] = 0x000000u;
        }
    }
}

void DrawSymbol(const SymbolItem& symbol, const PixelTarget& target, const CanvasRect* parts, int partCount) {
    if (!target.pixels)
        return;
    const SymbolPicture* picture = symbol.picture.get();
    const CanvasRect box = {symbol.x, symbol.y, symbol.x + SYMBOL_SIZE, symbol.y + SYMBOL_SIZE};
    for (int p = 0; p < partCount; ++p) {
        if (symbol.label.pixels)
            DrawLabel(symbol, target, parts[p]);
        if (!picture)
            continue;
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

#include "platform/gdi_objects.h"

#include "platform/test_hooks.h"

#include <cstring>
#include <vector>

static long liveGdiObjects[GDI_KIND_COUNT];

long LiveGdiObjects() {
    long total = 0;
    for (long count : liveGdiObjects)
        total += count;
    return total;
}

long LiveGdiObjects(GdiKind kind) {
    return liveGdiObjects[kind];
}

// Counts the object `create` made.
template <class Create>
static auto Made(GdiKind kind, Create create) -> decltype(create()) {
    auto handle = create();
    if (handle)
        ++liveGdiObjects[kind];
    return handle;
}

HPEN NewPen(int style, int width, COLORREF colour) {
    return Made(GDI_PEN, [&] { return systemCalls.createPen(style, width, colour); });
}

HFONT NewFont(const LOGFONTA& font) {
    return Made(GDI_FONT, [&] { return systemCalls.createFont(&font); });
}

HDC NewMemoryDC(HDC compatibleWith) {
    return Made(GDI_MEMORY_DC, [&] { return systemCalls.createCompatibleDC(compatibleWith); });
}

BITMAPINFO TopDownPixelInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP NewPixelBitmap(HDC dc, int width, int height, uint32_t** pixels) {
    *pixels = nullptr;
    const BITMAPINFO info = TopDownPixelInfo(width, height);
    void* bits = nullptr;
    HBITMAP bitmap =
        Made(GDI_BITMAP, [&] { return systemCalls.createDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0); });
    *pixels = static_cast<uint32_t*>(bits);
    return bitmap;
}

HBITMAP NewMonochromeBitmap(int width, int height, const void* bits) {
    return Made(GDI_BITMAP, [&] { return systemCalls.createBitmap(width, height, 1, 1, bits); });
}

// The loader hands back any kind of image as a plain handle; asked for a bitmap, it is one. As a
// DIB section its colours stay exact at any display depth: as a device bitmap on a 16-bit display,
// magenta would read back as 0xF800F8 and the transparent parts would show.
HBITMAP NewBitmapFromFile(const char* path, int width, int height) {
    return Made(GDI_BITMAP, [&] {
        return static_cast<HBITMAP>(
            systemCalls.loadImage(nullptr, path, IMAGE_BITMAP, width, height, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    });
}

HBITMAP NewBitmapFromResource(HINSTANCE instance, int id) {
    return Made(GDI_BITMAP, [&] {
        return static_cast<HBITMAP>(
            systemCalls.loadImage(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    });
}

HBITMAP NewStretchedBitmap(HBITMAP source, int width, int height) {
    BITMAP size = {};
    if (!GetObjectA(source, sizeof size, &size))
        return nullptr;
    const OwnedMemoryDC from(NewMemoryDC(nullptr)), to(NewMemoryDC(nullptr));
    uint32_t* pixels = nullptr;
    OwnedBitmap made(from && to ? NewPixelBitmap(to.get(), width, height, &pixels) : nullptr);
    if (!made)
        return nullptr;
    SelectedObject useSource(from.get(), source), useMade(to.get(), made.get());
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    return made.Release();
}

HRGN NewRegion(const RECT* rects, int count) {
    if (count <= 0)
        return nullptr;
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + sizeof(RECT) * size_t(count));
    RGNDATAHEADER header = {};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(count);
    header.nRgnSize = DWORD(sizeof(RECT) * size_t(count));
    header.rcBound = rects[0];
    for (int i = 1; i < count; ++i)
        UnionRect(&header.rcBound, &header.rcBound, &rects[i]);
    memcpy(data.data(), &header, sizeof header);
    memcpy(data.data() + sizeof header, rects, sizeof(RECT) * size_t(count));
    return Made(GDI_REGION, [&] {
        return systemCalls.extCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    });
}

HIMAGELIST NewImageList(int width, int height, UINT flags, int initial, int grow) {
    return Made(GDI_IMAGE_LIST, [&] { return systemCalls.imageListCreate(width, height, flags, initial, grow); });
}

HICON NewImageListIcon(HIMAGELIST list, int index, UINT flags) {
    return Made(GDI_ICON, [&] { return systemCalls.imageListGetIcon(list, index, flags); });
}

void FreeGdiObject(HGDIOBJ object) {
    if (!object)
        return;
    const DWORD type = GetObjectType(object);
    if (DeleteObject(object)) {
        if (type == OBJ_PEN)
            --liveGdiObjects[GDI_PEN];
        else if (type == OBJ_FONT)
            --liveGdiObjects[GDI_FONT];
        else if (type == OBJ_BITMAP)
            --liveGdiObjects[GDI_BITMAP];
        else if (type == OBJ_REGION)
            --liveGdiObjects[GDI_REGION];
    }
}

void FreeMemoryDC(HDC dc) {
    if (dc && DeleteDC(dc))
        --liveGdiObjects[GDI_MEMORY_DC];
}

void FreeImageList(HIMAGELIST list) {
    if (list && ImageList_Destroy(list))
        --liveGdiObjects[GDI_IMAGE_LIST];
}

void FreeIcon(HICON icon) {
    if (icon && DestroyIcon(icon))
        --liveGdiObjects[GDI_ICON];
}

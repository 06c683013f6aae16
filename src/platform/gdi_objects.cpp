#include "platform/gdi_objects.h"

long LiveGdiObjects() {
    long total = 0;
    for (long count : liveGdiObjects)
        total += count;
    return total;
}

long LiveGdiObjects(GdiKind kind) {
    return liveGdiObjects[kind];
}

// Makes one object through `create` and counts it, unless the creation budget is spent.
template <class Create>
static auto Made(GdiKind kind, Create create) -> decltype(create()) {
    if (gdiCreationBudget == 0)
        return nullptr;
    if (gdiCreationBudget > 0)
        --gdiCreationBudget;
    auto handle = create();
    if (handle)
        ++liveGdiObjects[kind];
    return handle;
}

HPEN NewPen(int style, int width, COLORREF colour) {
    return Made(GDI_PEN, [&] { return CreatePen(style, width, colour); });
}

HDC NewMemoryDC(HDC compatibleWith) {
    return Made(GDI_MEMORY_DC, [&] { return CreateCompatibleDC(compatibleWith); });
}

HBITMAP NewCompatibleBitmap(HDC dc, int width, int height) {
    return Made(GDI_BITMAP, [&] { return CreateCompatibleBitmap(dc, width, height); });
}

HBITMAP NewDibSection(HDC dc, const BITMAPINFO* info, void** bits) {
    return Made(GDI_BITMAP, [&] { return CreateDIBSection(dc, info, DIB_RGB_COLORS, bits, nullptr, 0); });
}

HBITMAP NewMonochromeBitmap(int width, int height, const void* bits) {
    return Made(GDI_BITMAP, [&] { return CreateBitmap(width, height, 1, 1, bits); });
}

HBITMAP NewBitmapFromResource(HINSTANCE instance, int id, int width, int height) {
    return Made(GDI_BITMAP, [&] {
        return static_cast<HBITMAP>(
            LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
    });
}

HBITMAP NewBitmapFromFile(const char* path, int width, int height) {
    return Made(GDI_BITMAP, [&] {
        return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, width, height, LR_LOADFROMFILE));
    });
}

HIMAGELIST NewImageList(int width, int height, UINT flags, int initial, int grow) {
    return Made(GDI_IMAGE_LIST, [&] { return ImageList_Create(width, height, flags, initial, grow); });
}

HICON NewImageListIcon(HIMAGELIST list, int index, UINT flags) {
    return Made(GDI_ICON, [&] { return ImageList_GetIcon(list, index, flags); });
}

void FreeGdiObject(HGDIOBJ object) {
    if (!object)
        return;
    const DWORD type = GetObjectType(object);
    if (DeleteObject(object)) {
        if (type == OBJ_PEN)
            --liveGdiObjects[GDI_PEN];
        else if (type == OBJ_BITMAP)
            --liveGdiObjects[GDI_BITMAP];
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

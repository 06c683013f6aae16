// GDI objects made by the program, counted as they are made and released. Wine neither reports
// a process's GDI objects nor enforces the Windows quota, so the program keeps its own count.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

#include "platform/test_hooks.h"

long LiveGdiObjects();
long LiveGdiObjects(GdiKind kind);

HPEN NewPen(int style, int width, COLORREF colour);
HDC NewMemoryDC(HDC compatibleWith);
HBITMAP NewCompatibleBitmap(HDC dc, int width, int height);
// A 32-bit top-down bitmap whose pixels (rows one after another, 0x00RRGGBB) the program reads and
// writes itself.
HBITMAP NewPixelBitmap(HDC dc, int width, int height, uint32_t** pixels);
// A 1-bit bitmap; its rows of bits are padded to whole 16-bit words.
HBITMAP NewMonochromeBitmap(int width, int height, const void* bits);
HBITMAP NewBitmapFromResource(HINSTANCE instance, int id, int width, int height);
// The system loader's picture of a bitmap file, stretched to width x height. The loader crashes
// on malformed files: the file must have passed the bitmap file check and be held against writes.
HBITMAP NewBitmapFromFile(const char* path, int width, int height);
// The union of the rectangles; null when there are none or it cannot be made.
HRGN NewRegion(const RECT* rects, int count);
HIMAGELIST NewImageList(int width, int height, UINT flags, int initial, int grow);
HICON NewImageListIcon(HIMAGELIST list, int index, UINT flags);

void FreeGdiObject(HGDIOBJ object);  // pens, bitmaps and regions
void FreeMemoryDC(HDC dc);
void FreeImageList(HIMAGELIST list);
void FreeIcon(HICON icon);

// Selects an object into a device context for the life of the scope, then puts the old one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A pen, bitmap or region owned by the scope.
class OwnedGdiObject {
  public:
    explicit OwnedGdiObject(HGDIOBJ object = nullptr) : object_(object) {}
    ~OwnedGdiObject() { FreeGdiObject(object_); }
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
    OwnedGdiObject(OwnedGdiObject&& other) noexcept : object_(other.Release()) {}
    OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept {
        if (this != &other) {
            FreeGdiObject(object_);
            object_ = other.Release();
        }
        return *this;
    }
    HGDIOBJ get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Gives the object up without freeing it.
    HGDIOBJ Release() {
        HGDIOBJ object = object_;
        object_ = nullptr;
        return object;
    }

  private:
    HGDIOBJ object_;
};

// An image list with one owner, freed (and counted) when the owner lets it go.
class OwnedImageList {
  public:
    OwnedImageList() = default;
    ~OwnedImageList() { FreeImageList(list_); }
    OwnedImageList(const OwnedImageList&) = delete;
    OwnedImageList& operator=(const OwnedImageList&) = delete;
    HIMAGELIST get() const { return list_; }
    // Frees the list held so far and takes this one (may be null).
    void Reset(HIMAGELIST list = nullptr) {
        if (list != list_)
            FreeImageList(list_);
        list_ = list;
    }
    // Gives the list up without freeing it.
    HIMAGELIST Release() {
        HIMAGELIST list = list_;
        list_ = nullptr;
        return list;
    }

  private:
    HIMAGELIST list_ = nullptr;
};

// A memory device context owned by the scope.
class OwnedMemoryDC {
  public:
    explicit OwnedMemoryDC(HDC compatibleWith) : dc_(NewMemoryDC(compatibleWith)) {}
    ~OwnedMemoryDC() { FreeMemoryDC(dc_); }
    OwnedMemoryDC(const OwnedMemoryDC&) = delete;
    OwnedMemoryDC& operator=(const OwnedMemoryDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// A window's device context for the life of the scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around the scope: the device context of one WM_PAINT.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

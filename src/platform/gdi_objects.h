// GDI objects made by the program, counted as they are made and released.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

#include "platform/unique_handle.h"

// The program's own count of the GDI objects it has made and not yet released, by kind: Wine
// neither reports a process's GDI objects nor enforces the Windows quota. Tests and the benchmark
// read it.
enum GdiKind { GDI_PEN, GDI_FONT, GDI_BITMAP, GDI_MEMORY_DC, GDI_IMAGE_LIST, GDI_ICON, GDI_REGION, GDI_KIND_COUNT };
long LiveGdiObjects();
long LiveGdiObjects(GdiKind kind);

HPEN NewPen(int style, int width, COLORREF colour);
HFONT NewFont(const LOGFONTA& font);
HDC NewMemoryDC(HDC compatibleWith);
// How a 32-bit top-down bitmap of that size is described to GDI.
BITMAPINFO TopDownPixelInfo(int width, int height);
// A 32-bit top-down bitmap whose pixels (rows one after another, 0x00RRGGBB) the program reads and
// writes itself.
HBITMAP NewPixelBitmap(HDC dc, int width, int height, uint32_t** pixels);
// A 1-bit bitmap; its rows of bits are padded to whole 16-bit words.
HBITMAP NewMonochromeBitmap(int width, int height, const void* bits);
// A bitmap resource at its own size.
HBITMAP NewBitmapFromResource(HINSTANCE instance, int id);
// A copy of the bitmap stretched to width x height (smoothed where the system smooths).
HBITMAP NewStretchedBitmap(HBITMAP source, int width, int height);
// The system loader's picture of a bitmap file, stretched to width x height. The loader crashes
// on malformed files: the file must have passed the bitmap file check and be held against writes.
HBITMAP NewBitmapFromFile(const char* path, int width, int height);
// The union of the rectangles; null when there are none or it cannot be made.
HRGN NewRegion(const RECT* rects, int count);
HIMAGELIST NewImageList(int width, int height, UINT flags, int initial, int grow);
HICON NewImageListIcon(HIMAGELIST list, int index, UINT flags);

void FreeGdiObject(HGDIOBJ object);  // pens, fonts, bitmaps and regions
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

// Handles that hold nothing when null, freed by FREE.
template <class T, auto FREE>
struct NullableTraits {
    using Handle = T;
    static T None() { return nullptr; }
    static void Free(T handle) { FREE(handle); }
};

// Pens, fonts, bitmaps, regions, image lists, memory device contexts and icons the program made, each with
// one owner that frees (and counts) it.
using OwnedPen = UniqueHandle<NullableTraits<HPEN, FreeGdiObject>>;
using OwnedFont = UniqueHandle<NullableTraits<HFONT, FreeGdiObject>>;
using OwnedBitmap = UniqueHandle<NullableTraits<HBITMAP, FreeGdiObject>>;
using OwnedRegion = UniqueHandle<NullableTraits<HRGN, FreeGdiObject>>;
using OwnedImageList = UniqueHandle<NullableTraits<HIMAGELIST, FreeImageList>>;
using OwnedMemoryDC = UniqueHandle<NullableTraits<HDC, FreeMemoryDC>>;
using OwnedIcon = UniqueHandle<NullableTraits<HICON, FreeIcon>>;

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

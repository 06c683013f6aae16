#include "render/canvas.h"

#include <utility>

#include "platform/gdi_objects.h"

BackBuffer BackBuffer::Make(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return {};
    BackBuffer made;
    made.dc_ = NewMemoryDC(windowDC.get());
    made.bitmap_ = made.dc_ ? NewCompatibleBitmap(windowDC.get(), width, height) : nullptr;
    made.pictureDC_ = made.bitmap_ ? NewMemoryDC(windowDC.get()) : nullptr;
    if (!made.pictureDC_)
        return {};
    SelectObject(made.dc_, made.bitmap_);
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    PatBlt(made.dc_, 0, 0, width, height, WHITENESS);
    SetBkMode(made.dc_, TRANSPARENT);
    // The 1-bit masks of symbol pictures take these colours when drawn.
    SetTextColor(made.dc_, RGB(0, 0, 0));
    SetBkColor(made.dc_, RGB(255, 255, 255));
    return made;
}

BackBuffer::BackBuffer(BackBuffer&& other) noexcept
    : dc_(other.dc_), bitmap_(other.bitmap_), pictureDC_(other.pictureDC_) {
    other.dc_ = nullptr;
    other.bitmap_ = nullptr;
    other.pictureDC_ = nullptr;
}

BackBuffer& BackBuffer::operator=(BackBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = other.dc_;
        bitmap_ = other.bitmap_;
        pictureDC_ = other.pictureDC_;
        other.dc_ = nullptr;
        other.bitmap_ = nullptr;
        other.pictureDC_ = nullptr;
    }
    return *this;
}

void BackBuffer::Release() {
    // The device context goes first, so the bitmap is no longer selected when it is deleted.
    FreeMemoryDC(dc_);
    FreeGdiObject(bitmap_);
    FreeMemoryDC(pictureDC_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    pictureDC_ = nullptr;
}

void ResetCanvasView(CanvasState& canvas) {
    canvas.width = DEFAULT_CANVAS_WIDTH;
    canvas.height = DEFAULT_CANVAS_HEIGHT;
    canvas.zoomFactor = 1.0f;
    canvas.scrollX = 0;
    canvas.scrollY = 0;
}

bool CreateBackBuffer(CanvasState& canvas, HWND window, int32_t width, int32_t height) {
    BackBuffer made = BackBuffer::Make(window, width, height);
    if (!made)
        return false;
    canvas.backBuffer = std::move(made);
    ResetDamage(canvas.damage, width, height);
    return true;
}

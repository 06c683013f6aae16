#include "render/canvas.h"

#include <algorithm>
#include <utility>

#include "platform/gdi_objects.h"

BackBuffer BackBuffer::Make(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return {};
    BackBuffer made;
    made.dc_ = NewMemoryDC(windowDC.get());
    made.bitmap_ = made.dc_ ? NewPixelBitmap(windowDC.get(), width, height, &made.pixels_) : nullptr;
    made.width_ = width;
    made.height_ = height;
    if (!made.bitmap_)
        return {};
    SelectObject(made.dc_, made.bitmap_);
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    std::fill(made.pixels_, made.pixels_ + size_t(width) * size_t(height), 0xFFFFFFu);
    SetBkMode(made.dc_, TRANSPARENT);
    return made;
}

BackBuffer::BackBuffer(BackBuffer&& other) noexcept
    : dc_(other.dc_), bitmap_(other.bitmap_), pixels_(other.pixels_), width_(other.width_), height_(other.height_) {
    other.dc_ = nullptr;
    other.bitmap_ = nullptr;
    other.pixels_ = nullptr;
    other.width_ = 0;
    other.height_ = 0;
}

BackBuffer& BackBuffer::operator=(BackBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = other.dc_;
        bitmap_ = other.bitmap_;
        pixels_ = other.pixels_;
        width_ = other.width_;
        height_ = other.height_;
        other.dc_ = nullptr;
        other.bitmap_ = nullptr;
        other.pixels_ = nullptr;
        other.width_ = 0;
        other.height_ = 0;
    }
    return *this;
}

void BackBuffer::Release() {
    // The device context goes first, so the bitmap is no longer selected when it is deleted.
    FreeMemoryDC(dc_);
    FreeGdiObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
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

#include "render/back_buffer.h"

#include <algorithm>
#include <utility>

#include "platform/gdi_objects.h"

BackBuffer BackBuffer::Make(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return {};
    BackBuffer made;
    made.dc_ = OwnedMemoryDC(NewMemoryDC(windowDC.get()));
    if (!made.dc_)
        return {};
    made.bitmap_ = OwnedBitmap(NewPixelBitmap(windowDC.get(), width, height, &made.pixels_));
    if (!made.bitmap_)
        return {};
    made.width_ = width;
    made.height_ = height;
    SelectObject(made.dc_.get(), made.bitmap_.get());
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    std::fill(made.pixels_, made.pixels_ + size_t(width) * size_t(height), 0xFFFFFFu);
    SetBkMode(made.dc_.get(), TRANSPARENT);
    return made;
}

BackBuffer& BackBuffer::operator=(BackBuffer&& other) noexcept {
    if (this == &other)
        return *this;
    dc_.Reset();  // first, so that the old bitmap is no longer selected when it goes
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    pixels_ = std::exchange(other.pixels_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    return *this;
}

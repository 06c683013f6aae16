// The off-screen picture of the canvas.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/gdi_objects.h"

// The off-screen picture of the whole canvas: a memory device context with its 32-bit top-down
// bitmap selected for its whole life, whose pixels the program also writes itself. Owns both and
// releases them when destroyed or replaced.
class BackBuffer {
  public:
    BackBuffer() = default;
    // A white width x height picture compatible with the window; empty when it cannot be made.
    static BackBuffer Make(HWND window, int32_t width, int32_t height);
    BackBuffer(BackBuffer&& other) noexcept { *this = std::move(other); }
    BackBuffer& operator=(BackBuffer&& other) noexcept;

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    uint32_t* pixels() const { return pixels_; }  // rows top to bottom, 0x00RRGGBB
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    explicit operator bool() const { return bool(dc_); }

  private:
    // The device context is declared last so that it goes first: the bitmap is then no longer
    // selected into it when it is deleted.
    OwnedBitmap bitmap_;
    OwnedMemoryDC dc_;
    uint32_t* pixels_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

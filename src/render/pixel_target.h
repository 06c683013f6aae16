// The pixels of a 32-bit top-down picture that the program draws into itself.
#pragma once
#include <cstdint>

struct PixelTarget {
    uint32_t* pixels;  // rows one after another, 0x00RRGGBB
    int32_t width;
    int32_t height;
};

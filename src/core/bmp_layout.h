// The layout of an uncompressed 24-bit bottom-up BMP file. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr uint32_t BMP_HEADERS_SIZE = 54;  // 14-byte file header + 40-byte info header

struct BmpLayout {
    int32_t width;
    int32_t height;
    uint32_t stride;     // width * 3 rounded up to a multiple of 4
    uint32_t imageSize;  // stride * height
    uint32_t fileSize;   // 54 + imageSize
};

// False when the size is not positive or the file would not fit in 32 bits.
bool ComputeBmpLayout(int32_t width, int32_t height, BmpLayout* layout);

// The whole file from top-down 0x00RRGGBB pixels (width * height of them).
std::vector<uint8_t> EncodeBmp(const BmpLayout& layout, const uint32_t* topDownPixels);

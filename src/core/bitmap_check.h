// Checks a bitmap file before the platform's loader sees it: broken files crash some loaders.
// Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>

enum class BitmapCheck {
    OK,
    TOO_SHORT,          // smaller than the headers it claims
    NOT_BITMAP,         // no "BM"
    BAD_HEADER,         // unknown info header size, planes not 1, more colours than the depth has,
                        // or a pixel data offset that points into the headers or colour table
    UNSUPPORTED,        // bit depth or compression the program does not take
    BAD_SIZE,           // zero, negative beyond top-down, or too large a width or height
    DATA_OUTSIDE_FILE,  // palette, colour profile or pixel data past the end of the file
    BAD_RUN_LENGTH,     // a compressed run or move that leaves the picture
};

constexpr int32_t BITMAP_SIDE_LIMIT = 16384;

// Accepts uncompressed (or bit-field) files of 1, 4, 8, 16, 24 or 32 bits with a 12, 40, 52, 56,
// 108 or 124-byte info header whose colour table and pixel rows lie inside the file, and
// run-length encoded (RLE8, RLE4) bottom-up files whose stream, of the size the header gives,
// lies inside the file, keeps every run inside the picture and ends with its end-of-bitmap code.
BitmapCheck CheckBitmapFile(const uint8_t* data, size_t size);

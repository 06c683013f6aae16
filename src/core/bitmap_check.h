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
    BAD_SIZE,           // a width or height of zero, or negative beyond top-down
    TOO_LARGE,          // a side or a file larger than a symbol's picture could sensibly come from
    DATA_OUTSIDE_FILE,  // palette, colour profile or pixel data past the end of the file
    BAD_RUN_LENGTH,     // a compressed run or move that leaves the picture
};

// Symbols are 50 x 50 and a picture is shrunk once, when the library loads it. Up to 8192 pixels a
// side and 24 megapixels (a screenshot, a photograph) the system's loader takes a fraction of a
// second (0.3 s for 8192 x 3072 under Wine); a compressed file of a kilobyte can claim 16384 x 16384,
// whose decoding takes seconds and gigabytes. The file limit holds the largest accepted picture at
// 32 bits with room for its headers and colour table.
constexpr int32_t BITMAP_SIDE_LIMIT = 8192;
constexpr uint64_t BITMAP_PIXEL_LIMIT = uint64_t{8192} * 3072;
constexpr uint64_t BITMAP_FILE_SIZE_LIMIT = BITMAP_PIXEL_LIMIT * 4 + (1u << 20);

// Accepts uncompressed (or bit-field) files of 1, 4, 8, 16, 24 or 32 bits with a 12, 40, 52, 56,
// 108 or 124-byte info header whose colour table and pixel rows lie inside the file, and
// run-length encoded (RLE8, RLE4) bottom-up files whose stream, of the size the header gives,
// lies inside the file, keeps every run inside the picture and ends with its end-of-bitmap code.
BitmapCheck CheckBitmapFile(const uint8_t* data, size_t size);

// The headers of a BMP file, read in this one place for the bitmap check, the decoders and the
// tests. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t BMP_FILE_HEADER_SIZE = 14;
constexpr uint32_t BMP_CORE_HEADER_SIZE = 12;  // the old header: 16-bit sizes, 3-byte colours
constexpr uint32_t BMP_INFO_HEADER_SIZE = 40;
constexpr uint32_t BMP_V5_HEADER_SIZE = 124;

struct BmpHeader {
    uint32_t pixelOffset;  // where the pixels start in the file
    uint32_t infoSize;     // the info header's size
    int64_t width;
    int64_t height;  // negative: rows stored top to bottom
    uint32_t planes;
    uint32_t bits;
    // Fields the old core header does not have are 0 there.
    uint32_t compression;
    uint32_t imageSize;  // for compressed pixels, the stream's size
    uint32_t coloursUsed;
    uint32_t colourSpace;    // V5: a linked or embedded profile ...
    uint32_t profileOffset;  // ... at this offset from the info header
    uint32_t profileSize;

    bool IsCore() const { return infoSize == BMP_CORE_HEADER_SIZE; }
    int64_t Rows() const { return height < 0 ? -height : height; }
    // The colour table (or bit-field masks) follows the info header.
    size_t TableOffset() const { return BMP_FILE_HEADER_SIZE + infoSize; }
    size_t TableEntrySize() const { return IsCore() ? 3 : 4; }
};

// The info header's size as its first field gives it; the data must hold 18 bytes.
uint32_t BmpInfoHeaderSize(const uint8_t* data);
// The fields of both headers; the data must hold the file header and the whole info header.
BmpHeader ReadBmpHeader(const uint8_t* data);

#include "core/bitmap_check.h"

#include "core/bmp_header.h"

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t PROFILE_LINKED = 0x4C494E4B;    // 'LINK'
constexpr uint32_t PROFILE_EMBEDDED = 0x4D424544;  // 'MBED'

bool IsKnownHeaderSize(uint32_t size) {
    return size == BMP_CORE_HEADER_SIZE || size == BMP_INFO_HEADER_SIZE || size == 52 || size == 56 || size == 108 ||
           size == BMP_V5_HEADER_SIZE;
}

bool IsKnownDepth(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool IsRunLength(uint32_t compression, uint32_t bits) {
    return (compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4);
}

// Walks a run-length stream as the loader decodes it, from the bottom row up: every code and
// every pixel it names must lie inside the stream and inside width x rows, and the stream must
// end with its end-of-bitmap code.
BitmapCheck CheckRunLengthStream(const uint8_t* stream, uint64_t size, bool fourBits, uint64_t width, uint64_t rows) {
    uint64_t pos = 0, x = 0, y = 0;
    for (;;) {
        if (size - pos < 2)
            return BitmapCheck::DATA_OUTSIDE_FILE;
        const uint8_t count = stream[pos], code = stream[pos + 1];
        pos += 2;
        if (count > 0) {  // an encoded run of count pixels
            if (y >= rows || count > width - x)
                return BitmapCheck::BAD_RUN_LENGTH;
            x += count;
        } else if (code == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code == 1) {  // end of bitmap
            return BitmapCheck::OK;
        } else if (code == 2) {  // delta: move right and up
            if (size - pos < 2)
                return BitmapCheck::DATA_OUTSIDE_FILE;
            x += stream[pos];
            y += stream[pos + 1];
            pos += 2;
            if (x > width || y > rows)
                return BitmapCheck::BAD_RUN_LENGTH;
        } else {  // an absolute run of code pixels, padded to a whole word
            const uint64_t bytes = fourBits ? (code + 1u) / 2 : code;
            if (size - pos < bytes + (bytes & 1))
                return BitmapCheck::DATA_OUTSIDE_FILE;
            if (y >= rows || code > width - x)
                return BitmapCheck::BAD_RUN_LENGTH;
            x += code;
            pos += bytes + (bytes & 1);
        }
    }
}

}  // namespace

BitmapCheck CheckBitmapFile(const uint8_t* data, size_t size) {
    if (!data || size < 2)
        return BitmapCheck::TOO_SHORT;
    if (data[0] != 'B' || data[1] != 'M')
        return BitmapCheck::NOT_BITMAP;
    if (size > BITMAP_FILE_SIZE_LIMIT)
        return BitmapCheck::TOO_LARGE;
    if (size < BMP_FILE_HEADER_SIZE + 4)
        return BitmapCheck::TOO_SHORT;
    const uint32_t headerSize = BmpInfoHeaderSize(data);
    if (!IsKnownHeaderSize(headerSize))
        return BitmapCheck::BAD_HEADER;
    if (size < BMP_FILE_HEADER_SIZE + headerSize)
        return BitmapCheck::TOO_SHORT;

    const BmpHeader header = ReadBmpHeader(data);
    const uint32_t bits = header.bits, compression = header.compression;
    if (header.planes != 1)
        return BitmapCheck::BAD_HEADER;
    // The old core header has no 16 or 32-bit form.
    if (!IsKnownDepth(bits) || (header.IsCore() && (bits == 16 || bits == 32)))
        return BitmapCheck::UNSUPPORTED;
    const bool runLength = IsRunLength(compression, bits);
    if (compression != BI_RGB && !runLength && !(compression == BI_BITFIELDS && (bits == 16 || bits == 32)))
        return BitmapCheck::UNSUPPORTED;
    if (runLength && header.height < 0)
        return BitmapCheck::BAD_SIZE;  // compressed pictures are always stored bottom-up
    const int64_t width = header.width, rows = header.Rows();
    if (width < 1 || rows < 1)
        return BitmapCheck::BAD_SIZE;
    if (width > BITMAP_SIDE_LIMIT || rows > BITMAP_SIDE_LIMIT || uint64_t(width) * uint64_t(rows) > BITMAP_PIXEL_LIMIT)
        return BitmapCheck::TOO_LARGE;

    // Everything from here is in 64 bits: a 32-bit field times anything must not wrap.
    uint64_t tableEntries = header.coloursUsed;
    if (bits <= 8) {
        const uint64_t depthColours = uint64_t{1} << bits;
        if (tableEntries > depthColours)
            return BitmapCheck::BAD_HEADER;
        if (tableEntries == 0)
            tableEntries = depthColours;
    }
    const uint64_t masksSize = compression == BI_BITFIELDS && headerSize == BMP_INFO_HEADER_SIZE ? 12 : 0;
    const uint64_t tableEnd = header.TableOffset() + masksSize + tableEntries * header.TableEntrySize();
    if (tableEnd > size)
        return BitmapCheck::DATA_OUTSIDE_FILE;

    if (header.colourSpace == PROFILE_LINKED || header.colourSpace == PROFILE_EMBEDDED) {
        const uint64_t profileEnd = BMP_FILE_HEADER_SIZE + uint64_t{header.profileOffset} + header.profileSize;
        if (profileEnd > size)
            return BitmapCheck::DATA_OUTSIDE_FILE;
    }

    const uint64_t pixelOffset = header.pixelOffset;
    if (pixelOffset < tableEnd)
        return BitmapCheck::BAD_HEADER;
    if (runLength) {
        // The loader reads the stream's declared size from the pixel offset: both must be in the file.
        const uint64_t streamSize = header.imageSize;
        if (pixelOffset + streamSize > size)
            return BitmapCheck::DATA_OUTSIDE_FILE;
        return CheckRunLengthStream(data + pixelOffset, streamSize, compression == BI_RLE4, uint64_t(width),
                                    uint64_t(rows));
    }
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    if (pixelOffset + stride * static_cast<uint64_t>(rows) > size)
        return BitmapCheck::DATA_OUTSIDE_FILE;
    return BitmapCheck::OK;
}

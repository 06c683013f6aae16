#include "core/bmp_layout.h"

#include "core/bmp_header.h"
#include "core/little_endian.h"

namespace {

constexpr uint64_t SIZE_LIMIT = UINT32_MAX;

uint64_t StrideOf(int64_t width) {
    return (static_cast<uint64_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

bool ComputeBmpLayout(int32_t width, int32_t height, BmpLayout* layout) {
    if (!layout || width <= 0 || height <= 0)
        return false;
    const uint64_t stride = StrideOf(width);
    const uint64_t imageSize = stride * static_cast<uint64_t>(height);
    const uint64_t fileSize = BMP_HEADERS_SIZE + imageSize;
    // The writer's working buffer holds 4 bytes a pixel plus the info header.
    const uint64_t workingSize =
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 + BMP_INFO_HEADER_SIZE;
    if (fileSize > SIZE_LIMIT || workingSize > SIZE_LIMIT)
        return false;
    layout->width = width;
    layout->height = height;
    layout->stride = static_cast<uint32_t>(stride);
    layout->imageSize = static_cast<uint32_t>(imageSize);
    layout->fileSize = static_cast<uint32_t>(fileSize);
    return true;
}

// The 14-byte file header followed by the 40-byte info header, into zeroed bytes.
static void WriteBmpHeaders(const BmpLayout& layout, uint8_t* headers) {
    headers[0] = 'B';
    headers[1] = 'M';
    PutU32(headers + 2, layout.fileSize);
    PutU32(headers + 10, BMP_HEADERS_SIZE);
    uint8_t* info = headers + BMP_FILE_HEADER_SIZE;
    PutU32(info, BMP_INFO_HEADER_SIZE);
    PutU32(info + 4, static_cast<uint32_t>(layout.width));
    PutU32(info + 8, static_cast<uint32_t>(layout.height));
    PutU16(info + 12, 1);
    PutU16(info + 14, 24);
    PutU32(info + 20, layout.imageSize);  // compression, resolutions and colour counts stay 0
}

std::vector<uint8_t> EncodeBmp(const BmpLayout& layout, const uint32_t* topDownPixels) {
    std::vector<uint8_t> file(layout.fileSize, 0);
    WriteBmpHeaders(layout, file.data());
    const size_t width = static_cast<size_t>(layout.width);
    for (int32_t fileRow = 0; fileRow < layout.height; ++fileRow) {
        // The file starts with the bottom row.
        const uint32_t* source = topDownPixels + static_cast<size_t>(layout.height - 1 - fileRow) * width;
        uint8_t* out = file.data() + BMP_HEADERS_SIZE + static_cast<size_t>(fileRow) * layout.stride;
        for (size_t x = 0; x < width; ++x) {
            out[3 * x] = static_cast<uint8_t>(source[x]);
            out[3 * x + 1] = static_cast<uint8_t>(source[x] >> 8);
            out[3 * x + 2] = static_cast<uint8_t>(source[x] >> 16);
        }
    }
    return file;
}

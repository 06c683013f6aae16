#include "core/bmp_layout.h"

#include <cstring>
#include <utility>

#include "core/little_endian.h"

namespace {

constexpr uint32_t FILE_HEADER_SIZE = 14;
constexpr uint32_t INFO_HEADER_SIZE = 40;
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
    const uint64_t workingSize = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 + INFO_HEADER_SIZE;
    if (fileSize > SIZE_LIMIT || workingSize > SIZE_LIMIT)
        return false;
    layout->width = width;
    layout->height = height;
    layout->stride = static_cast<uint32_t>(stride);
    layout->imageSize = static_cast<uint32_t>(imageSize);
    layout->fileSize = static_cast<uint32_t>(fileSize);
    return true;
}

void WriteBmpHeaders(const BmpLayout& layout, uint8_t headers[BMP_HEADERS_SIZE]) {
    std::memset(headers, 0, BMP_HEADERS_SIZE);
    headers[0] = 'B';
    headers[1] = 'M';
    PutU32(headers + 2, layout.fileSize);
    PutU32(headers + 10, BMP_HEADERS_SIZE);
    uint8_t* info = headers + FILE_HEADER_SIZE;
    PutU32(info, INFO_HEADER_SIZE);
    PutU32(info + 4, static_cast<uint32_t>(layout.width));
    PutU32(info + 8, static_cast<uint32_t>(layout.height));
    PutU16(info + 12, 1);
    PutU16(info + 14, 24);
    PutU32(info + 20, layout.imageSize);  // compression, resolutions and colour counts stay 0
}

void ClearRowPadding(const BmpLayout& layout, uint8_t* rows) {
    const uint32_t used = static_cast<uint32_t>(layout.width) * 3;
    if (used == layout.stride)
        return;
    for (int32_t row = 0; row < layout.height; ++row)
        std::memset(rows + static_cast<size_t>(row) * layout.stride + used, 0, layout.stride - used);
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

bool DecodeBmp(const uint8_t* data,
               size_t size,
               int32_t* width,
               int32_t* height,
               std::vector<uint32_t>* topDownPixels) {
    if (!data || size < BMP_HEADERS_SIZE || data[0] != 'B' || data[1] != 'M')
        return false;
    const uint8_t* info = data + FILE_HEADER_SIZE;
    const int64_t w = static_cast<int32_t>(ReadU32(info + 4));
    const int64_t h = static_cast<int32_t>(ReadU32(info + 8));
    if (ReadU32(info) != INFO_HEADER_SIZE || ReadU16(info + 12) != 1 || ReadU16(info + 14) != 24 ||
        ReadU32(info + 16) != 0 || w <= 0 || h <= 0)
        return false;
    const uint64_t offset = ReadU32(data + 10);
    const uint64_t stride = StrideOf(w);
    if (offset < BMP_HEADERS_SIZE || offset > size || stride * static_cast<uint64_t>(h) > size - offset)
        return false;

    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int64_t fileRow = 0; fileRow < h; ++fileRow) {
        const uint8_t* in = data + offset + static_cast<size_t>(fileRow) * stride;
        uint32_t* out = pixels.data() + static_cast<size_t>(h - 1 - fileRow) * static_cast<size_t>(w);
        for (int64_t x = 0; x < w; ++x)
            out[x] = in[3 * x] | (in[3 * x + 1] << 8) | (static_cast<uint32_t>(in[3 * x + 2]) << 16);
    }
    if (width)
        *width = static_cast<int32_t>(w);
    if (height)
        *height = static_cast<int32_t>(h);
    if (topDownPixels)
        *topDownPixels = std::move(pixels);
    return true;
}

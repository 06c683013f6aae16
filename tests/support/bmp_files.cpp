#include "bmp_files.h"

#include <utility>

#include "core/bmp_header.h"
#include "core/bmp_layout.h"

bool DecodeBmp(const uint8_t* data,
               size_t size,
               int32_t* width,
               int32_t* height,
               std::vector<uint32_t>* topDownPixels) {
    if (!data || size < BMP_HEADERS_SIZE || data[0] != 'B' || data[1] != 'M' ||
        BmpInfoHeaderSize(data) != BMP_INFO_HEADER_SIZE)
        return false;
    const BmpHeader header = ReadBmpHeader(data);
    const int64_t w = header.width, h = header.height;
    if (header.planes != 1 || header.bits != 24 || header.compression != 0 || w <= 0 || h <= 0)
        return false;
    const uint64_t offset = header.pixelOffset;
    const uint64_t stride = (static_cast<uint64_t>(w) * 3 + 3) / 4 * 4;
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

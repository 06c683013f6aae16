#include "bmp_files.h"

#include <utility>

#include "core/bmp_header.h"
#include "core/bmp_layout.h"

std::vector<uint8_t> BuildBmp(const BmpShape& shape) {
    const bool core = shape.headerSize == BMP_CORE_HEADER_SIZE;
    std::vector<uint8_t> table = shape.table;
    if (table.empty()) {
        const uint64_t entries = shape.coloursUsed ? shape.coloursUsed : shape.bits > 8 ? 0 : uint64_t{1} << shape.bits;
        const size_t masks = shape.compression == 3 && shape.headerSize == BMP_INFO_HEADER_SIZE ? 12 : 0;
        table.assign(masks + entries * (core ? 3 : 4), 0);
    }
    std::vector<uint8_t> pixels = shape.pixels;
    if (pixels.empty() && shape.compression != 1 && shape.compression != 2) {
        const uint64_t stride = (uint64_t(shape.width) * shape.bits + 31) / 32 * 4;
        pixels.assign(stride * uint64_t(shape.height < 0 ? -int64_t(shape.height) : shape.height), shape.fill);
    }
    std::vector<uint8_t> file(BMP_FILE_HEADER_SIZE + shape.headerSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutField(file, 10, file.size() + table.size() + shape.gap, 4);
    PutField(file, 14, shape.headerSize, 4);
    const int sizeBytes = core ? 2 : 4;
    PutField(file, 18, uint32_t(shape.width), sizeBytes);
    PutField(file, 18 + sizeBytes, uint32_t(shape.height), sizeBytes);
    PutField(file, 18 + 2 * sizeBytes, 1, 2);
    PutField(file, 20 + 2 * sizeBytes, shape.bits, 2);
    if (!core) {
        PutField(file, 30, shape.compression, 4);
        PutField(file, 34, pixels.size(), 4);
        PutField(file, 46, shape.coloursUsed, 4);
    }
    file.insert(file.end(), table.begin(), table.end());
    file.insert(file.end(), shape.gap, shape.fill);
    file.insert(file.end(), pixels.begin(), pixels.end());
    PutField(file, 2, file.size(), 4);
    return file;
}

std::vector<uint8_t> PackRows(int32_t width,
                              int32_t height,
                              uint16_t bits,
                              const std::function<uint32_t(int32_t x, int32_t y)>& value) {
    const int32_t rows = height < 0 ? -height : height;
    const size_t stride = (size_t(width) * bits + 31) / 32 * 4;
    std::vector<uint8_t> packed(stride * size_t(rows), 0);
    for (int32_t row = 0; row < rows; ++row) {
        const int32_t y = height < 0 ? row : rows - 1 - row;
        uint8_t* out = packed.data() + size_t(row) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t v = value(x, y);
            if (bits >= 8) {
                for (int i = 0; i < bits / 8; ++i)
                    out[size_t(x) * (bits / 8) + size_t(i)] = uint8_t(v >> (8 * i));
            } else {
                const size_t bit = size_t(x) * bits;
                out[bit / 8] |= uint8_t(v << (8 - bits - bit % 8));
            }
        }
    }
    return packed;
}

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

// BMP files for tests: one builder that writes any file field by field, for every test program, and
// reading back what the program writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// A BMP file's fields. What is left empty is made consistent with the rest: the colour table
// (coloursUsed entries, else every entry the depth has, zeros; bit-field masks first after a 40-byte
// header) and, but for a run-length stream, the pixel rows (all `fill`).
struct BmpShape {
    uint32_t headerSize = 40;  // 12 (the old core header), 40, 52, 56, 108 or 124
    int32_t width = 50;
    int32_t height = 50;  // negative: rows top to bottom
    uint16_t bits = 24;
    uint32_t compression = 0;  // 1 and 2 run-length encoded, 3 bit fields
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> table;   // colour table, masks first
    std::vector<uint8_t> pixels;  // as stored: rows, or a run-length stream
    uint8_t fill = 0x5A;
    size_t gap = 0;  // bytes between the table and the pixels
};
std::vector<uint8_t> BuildBmp(const BmpShape& shape);

// Rows as stored: value(x, y), y counting from the top, packed at `bits` a pixel (bytes little-endian
// from 16 bits up), each row padded to whole 4 bytes; the bottom row first unless height is negative.
std::vector<uint8_t> PackRows(int32_t width,
                              int32_t height,
                              uint16_t bits,
                              const std::function<uint32_t(int32_t x, int32_t y)>& value);

// A little-endian field of `bytes` bytes, written over what is there.
template <class Bytes>
void PutField(Bytes& file, size_t at, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file[at + size_t(i)] = static_cast<typename Bytes::value_type>(value >> (8 * i));
}

// Reads back a 24-bit bottom-up file as the exporter writes it; false for anything else.
bool DecodeBmp(const uint8_t* data, size_t size, int32_t* width, int32_t* height, std::vector<uint32_t>* topDownPixels);

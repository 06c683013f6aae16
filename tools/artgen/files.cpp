// The generator's files: BMP pictures through the program's own writer, icon and cursor files.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "art.h"
#include "core/bmp_layout.h"

namespace art {

static void put16(std::vector<uint8_t>& v, unsigned x) {
    v.push_back(uint8_t(x)), v.push_back(uint8_t(x >> 8));
}
static void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

void save(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) {
        std::cerr << "artgen: cannot write " << path << "\n";
        std::exit(1);
    }
}

// Transparent pixels become the library's mask colour.
constexpr uint8_t KEY_R = 255, KEY_G = 0, KEY_B = 255;

// 24-bit, bottom-up, by the program's own BMP writer.
void writeBmp(const fs::path& path, const Image& im) {
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i < im.a.size(); ++i) {
        if (im.a[i] < 128) {
            pixels.push_back(uint32_t(KEY_R) << 16 | uint32_t(KEY_G) << 8 | KEY_B);
            continue;
        }
        uint8_t r = im.r[i], g = im.g[i], b = im.b[i];
        // A drawn pixel must never read as transparent.
        if (r == KEY_R && g == KEY_G && b == KEY_B)
            r = 254, b = 254;
        pixels.push_back(uint32_t(r) << 16 | uint32_t(g) << 8 | b);
    }
    BmpLayout layout;
    if (!ComputeBmpLayout(im.w, im.h, &layout)) {
        std::cerr << "artgen: cannot lay out " << path << "\n";
        std::exit(1);
    }
    save(path, EncodeBmp(layout, pixels.data()));
}

// One 32-bit image of an icon or cursor file: header, BGRA pixels and the
// AND mask, both bottom-up.
static std::vector<uint8_t> iconImage(const Image& im) {
    uint32_t maskStride = ((uint32_t(im.w) + 31) / 32) * 4;
    std::vector<uint8_t> v;
    put32(v, 40);
    put32(v, uint32_t(im.w));
    put32(v, uint32_t(im.h) * 2);
    put16(v, 1);
    put16(v, 32);
    put32(v, 0);
    put32(v, uint32_t(im.w * im.h * 4) + maskStride * uint32_t(im.h));
    put32(v, 0), put32(v, 0), put32(v, 0), put32(v, 0);
    for (int y = im.h - 1; y >= 0; --y)
        for (int x = 0; x < im.w; ++x) {
            size_t i = size_t(y) * im.w + x;
            bool shown = im.a[i] != 0;
            v.push_back(shown ? im.b[i] : 0), v.push_back(shown ? im.g[i] : 0), v.push_back(shown ? im.r[i] : 0);
            v.push_back(im.a[i]);
        }
    for (int y = im.h - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < im.w; ++x)
            if (im.a[size_t(y) * im.w + x] < 128)
                row[x / 8] |= uint8_t(0x80 >> (x % 8));
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

// type 1: icon; type 2: cursor, with the hot spot in the planes and bit
// count fields of each entry.
void writeIconFile(const fs::path& path, unsigned type, const std::vector<Image>& images, int hotX, int hotY) {
    std::vector<std::vector<uint8_t>> data;
    for (const Image& im : images)
        data.push_back(iconImage(im));
    std::vector<uint8_t> v;
    put16(v, 0);
    put16(v, type);
    put16(v, unsigned(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t k = 0; k < images.size(); ++k) {
        v.push_back(uint8_t(images[k].w)), v.push_back(uint8_t(images[k].h));
        v.push_back(0), v.push_back(0);
        put16(v, type == 2 ? unsigned(hotX) : 1);
        put16(v, type == 2 ? unsigned(hotY) : 32);
        put32(v, uint32_t(data[k].size()));
        put32(v, offset);
        offset += uint32_t(data[k].size());
    }
    for (const auto& d : data)
        v.insert(v.end(), d.begin(), d.end());
    save(path, v);
}

}  // namespace art

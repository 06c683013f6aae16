#include "core/bmp_layout.h"

#include "bmp_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

uint32_t U16At(const std::vector<uint8_t>& file, size_t at) {
    return file[at] | (file[at + 1] << 8);
}

uint32_t U32At(const std::vector<uint8_t>& file, size_t at) {
    return file[at] | (file[at + 1] << 8) | (file[at + 2] << 16) | (static_cast<uint32_t>(file[at + 3]) << 24);
}

std::vector<uint8_t> Encode(int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
    BmpLayout layout;
    EXPECT_TRUE(ComputeBmpLayout(width, height, &layout));
    return EncodeBmp(layout, pixels.data());
}

TEST(BmpLayout, DefaultCanvasHasTheHeaderOfTheFileFormat) {
    const std::vector<uint8_t> file = Encode(500, 400, std::vector<uint32_t>(500 * 400, 0xFFFFFF));
    ASSERT_EQ(file.size(), 600054u);
    const struct {
        size_t offset;
        size_t size;
        uint32_t value;
    } fields[] = {
        {0, 2, 19778}, {2, 4, 600054}, {6, 2, 0},  {8, 2, 0},   {10, 4, 54}, {14, 4, 40},
        {18, 4, 500},  {22, 4, 400},   {26, 2, 1}, {28, 2, 24}, {30, 4, 0},  {34, 4, 600000},
        {38, 4, 0},    {42, 4, 0},     {46, 4, 0}, {50, 4, 0},
    };
    for (const auto& field : fields)
        EXPECT_EQ(field.size == 2 ? U16At(file, field.offset) : U32At(file, field.offset), field.value)
            << "offset " << field.offset;
    for (size_t i = 54; i < file.size(); ++i)
        ASSERT_EQ(file[i], 0xFF) << i;
}

TEST(BmpLayout, StrideRoundsEachRowUpToFourBytesWithZeroFill) {
    const struct {
        int32_t width;
        uint32_t stride;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {500, 1500}, {501, 1504}, {502, 1508}, {503, 1512}};
    for (const auto& c : cases) {
        BmpLayout layout;
        ASSERT_TRUE(ComputeBmpLayout(c.width, 7, &layout));
        EXPECT_EQ(layout.stride, c.stride) << c.width;
        EXPECT_EQ(layout.imageSize, c.stride * 7);
        EXPECT_EQ(layout.fileSize, 54 + c.stride * 7);
    }

    const std::vector<uint8_t> file = Encode(501, 3, std::vector<uint32_t>(501 * 3, 0xFFFFFF));
    ASSERT_EQ(file.size(), 54u + 1504 * 3);
    EXPECT_EQ(U32At(file, 34), 1504u * 3);
    for (size_t row = 0; row < 3; ++row) {
        const size_t start = 54 + row * 1504;
        EXPECT_EQ(file[start + 1502], 0xFF);
        EXPECT_EQ(file[start + 1503], 0) << "row " << row;
    }
}

TEST(BmpLayout, FileStartsWithTheBottomRowInBlueGreenRedOrder) {
    // 2 x 3 canvas: the top row red and green, the bottom row blue and 0x123456.
    const std::vector<uint32_t> pixels = {0xFF0000, 0x00FF00, 0xFFFFFF, 0x000000, 0x0000FF, 0x123456};
    const std::vector<uint8_t> file = Encode(2, 3, pixels);
    const std::vector<uint8_t> rows(file.begin() + 54, file.end());
    const std::vector<uint8_t> expected = {
        0xFF, 0x00, 0x00, 0x56, 0x34, 0x12, 0, 0,  // bottom row first
        0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0, 0,  //
        0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,  // top row last
    };
    EXPECT_EQ(rows, expected);
}

TEST(BmpLayout, DecodeGivesBackWhatWasEncoded) {
    std::mt19937 random(7);
    const int32_t sizes[][2] = {{1, 1}, {2, 3}, {5, 7}, {501, 3}, {50, 50}, {3, 501}};
    for (const auto& size : sizes) {
        std::vector<uint32_t> pixels(static_cast<size_t>(size[0]) * size[1]);
        for (uint32_t& pixel : pixels)
            pixel = random() & 0xFFFFFF;
        const std::vector<uint8_t> file = Encode(size[0], size[1], pixels);
        int32_t width = 0, height = 0;
        std::vector<uint32_t> decoded;
        ASSERT_TRUE(DecodeBmp(file.data(), file.size(), &width, &height, &decoded));
        EXPECT_EQ(width, size[0]);
        EXPECT_EQ(height, size[1]);
        EXPECT_EQ(decoded, pixels);
    }
}

TEST(BmpLayout, HighByteOfAPixelIsNotWritten) {
    const std::vector<uint8_t> file = Encode(1, 1, {0xAB123456});
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 54, file.end()), (std::vector<uint8_t>{0x56, 0x34, 0x12, 0}));
}

TEST(BmpLayout, SizesWhoseFileOrWorkingBufferWouldNotFitIn32BitsAreRefused) {
    const int32_t refused[][2] = {
        {0, 1},
        {1, 0},
        {-1, 5},
        {5, -1},
        {INT32_MIN, INT32_MIN},
        {40000, 40000},
        {INT32_MAX, 1},
        {1, INT32_MAX},
        {INT32_MAX, INT32_MAX},
        {33000, 33000},  // the file would fit, the 4-byte-per-pixel working buffer would not
        {65536, 16384},
    };
    for (const auto& size : refused) {
        BmpLayout layout = {1, 2, 3, 4, 5};
        EXPECT_FALSE(ComputeBmpLayout(size[0], size[1], &layout)) << size[0] << " x " << size[1];
        EXPECT_EQ(layout.width, 1);  // left alone
    }
    EXPECT_FALSE(ComputeBmpLayout(10, 10, nullptr));

    // The largest square both sizes still fit.
    BmpLayout layout;
    ASSERT_TRUE(ComputeBmpLayout(32767, 32767, &layout));
    EXPECT_EQ(layout.stride, 98304u);
    EXPECT_EQ(layout.fileSize, 54u + 98304u * 32767u);
    EXPECT_FALSE(ComputeBmpLayout(32768, 32768, &layout));
}

TEST(BmpLayout, DecodeRefusesOtherFilesWithoutReadingPastThem) {
    const std::vector<uint8_t> good = Encode(3, 2, std::vector<uint32_t>(6, 0x808080));
    const auto patch32 = [](std::vector<uint8_t> file, size_t at, uint32_t value) {
        std::memcpy(&file[at], &value, 4);  // little-endian host
        return file;
    };
    const struct {
        const char* what;
        std::vector<uint8_t> file;
    } refused[] = {
        {"empty", {}},
        {"headers only", std::vector<uint8_t>(good.begin(), good.begin() + 54)},
        {"one byte short", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"top-down", patch32(good, 22, static_cast<uint32_t>(-2))},
        {"zero width", patch32(good, 18, 0)},
        {"huge width", patch32(good, 18, 0x7FFFFFFF)},
        {"32 bits", patch32(good, 28, 32)},
        {"compressed", patch32(good, 30, 1)},
        {"core header", patch32(good, 14, 12)},
        {"offset 0", patch32(good, 10, 0)},
        {"offset past the end", patch32(good, 10, 0xFFFFFFFF)},
        {"offset leaving too little", patch32(good, 10, 55)},
        {"not BM", patch32(good, 0, 0x4D42 << 16)},
    };
    for (const auto& c : refused) {
        int32_t width = -1;
        EXPECT_FALSE(DecodeBmp(c.file.empty() ? nullptr : c.file.data(), c.file.size(), &width, nullptr, nullptr))
            << c.what;
        EXPECT_EQ(width, -1) << c.what;
    }

    // Pixel data further on, after a gap, is read from where the offset says.
    std::vector<uint8_t> gapped(good.begin(), good.begin() + 54);
    gapped.insert(gapped.end(), 10, 0xCC);
    gapped.insert(gapped.end(), good.begin() + 54, good.end());
    gapped = patch32(gapped, 10, 64);
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(DecodeBmp(gapped.data(), gapped.size(), nullptr, nullptr, &pixels));
    EXPECT_EQ(pixels, std::vector<uint32_t>(6, 0x808080));
}

}  // namespace

#include "core/bitmap_check.h"

#include "core/bmp_layout.h"

#include "bmp_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

BmpShape Shape(uint32_t headerSize,
               int32_t width,
               int32_t height,
               uint16_t bits,
               uint32_t compression = 0,
               uint32_t coloursUsed = 0) {
    BmpShape shape;
    shape.headerSize = headerSize;
    shape.width = width;
    shape.height = height;
    shape.bits = bits;
    shape.compression = compression;
    shape.coloursUsed = coloursUsed;
    return shape;
}

void Put16(std::vector<uint8_t>& file, size_t at, uint32_t value) {
    PutField(file, at, value, 2);
}

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
    PutField(file, at, value, 4);
}

BitmapCheck Check(const std::vector<uint8_t>& file) {
    return CheckBitmapFile(file.data(), file.size());
}

TEST(CheckBitmapFile, AcceptsEveryFormThatTheLoaderTakesUpToTheLastPixelByte) {
    const BmpShape shapes[] = {
        Shape(40, 50, 50, 24),    Shape(40, 100, 80, 24),      Shape(40, 50, 50, 8),    Shape(40, 50, 50, 8, 0, 16),
        Shape(40, 33, 7, 1),      Shape(40, 9, 9, 4, 0, 3),    Shape(40, 50, 50, 16),   Shape(40, 50, 50, 16, 3),
        Shape(40, 50, 50, 32, 3), Shape(108, 50, 50, 32, 3),   Shape(124, 50, 50, 32),  Shape(52, 50, 50, 16, 3),
        Shape(56, 50, 50, 24),    Shape(12, 50, 50, 24),       Shape(12, 50, 50, 8),    Shape(40, 50, -50, 24),
        Shape(40, 1, 1, 24),      Shape(40, 8192, 1, 24),      Shape(40, 1, -8192, 32), Shape(40, 8192, 3072, 1),
        Shape(40, 1025, 40, 24),  Shape(40, 7, 3, 24, 0, 300),  // an optional table for a true-colour file
    };
    for (const BmpShape& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape.headerSize) + " " + std::to_string(shape.width) + "x" +
                     std::to_string(shape.height) + "x" + std::to_string(shape.bits));
        std::vector<uint8_t> file = BuildBmp(shape);
        EXPECT_EQ(Check(file), BitmapCheck::OK);
        file.push_back(0);
        EXPECT_EQ(Check(file), BitmapCheck::OK);
        file.resize(file.size() - 2);
        EXPECT_EQ(Check(file), BitmapCheck::DATA_OUTSIDE_FILE);
    }
}

TEST(CheckBitmapFile, AcceptsWhatTheExporterWrites) {
    BmpLayout layout;
    ASSERT_TRUE(ComputeBmpLayout(501, 3, &layout));
    const std::vector<uint32_t> pixels(501 * 3, 0xFFFFFF);
    const std::vector<uint8_t> file = EncodeBmp(layout, pixels.data());
    EXPECT_EQ(Check(file), BitmapCheck::OK);
}

TEST(CheckBitmapFile, RefusesEachKindOfBrokenFile) {
    using Edit = std::function<void(std::vector<uint8_t>&)>;
    struct Case {
        const char* what;
        BmpShape shape;
        Edit edit;
        BitmapCheck expected;
    };
    const BmpShape plain = Shape(40, 50, 50, 24);
    const BmpShape palette = Shape(40, 50, 50, 8);
    const auto cut = [](size_t size) { return [size](std::vector<uint8_t>& f) { f.resize(size); }; };
    const auto set16 = [](size_t at, uint32_t v) { return [at, v](std::vector<uint8_t>& f) { Put16(f, at, v); }; };
    const auto set32 = [](size_t at, uint32_t v) { return [at, v](std::vector<uint8_t>& f) { Put32(f, at, v); }; };
    const Case cases[] = {
        {"empty", plain, cut(0), BitmapCheck::TOO_SHORT},
        {"one byte", plain, cut(1), BitmapCheck::TOO_SHORT},
        {"file header only", plain, cut(14), BitmapCheck::TOO_SHORT},
        {"info header cut", plain, cut(40), BitmapCheck::TOO_SHORT},
        {"V5 header cut", Shape(124, 50, 50, 24), cut(14 + 100), BitmapCheck::TOO_SHORT},
        {"no magic", plain, set16(0, 0x5842), BitmapCheck::NOT_BITMAP},
        {"lower-case magic", plain, set16(0, 0x6D62), BitmapCheck::NOT_BITMAP},
        {"header size 0", plain, set32(14, 0), BitmapCheck::BAD_HEADER},
        {"header size 64", plain, set32(14, 64), BitmapCheck::BAD_HEADER},
        {"header size huge", plain, set32(14, 0xFFFFFFF0), BitmapCheck::BAD_HEADER},
        {"two planes", plain, set16(26, 2), BitmapCheck::BAD_HEADER},
        {"no planes", plain, set16(26, 0), BitmapCheck::BAD_HEADER},
        {"more colours than 8 bits have", palette, set32(46, 257), BitmapCheck::BAD_HEADER},
        {"pixel offset 0", plain, set32(10, 0), BitmapCheck::BAD_HEADER},
        {"pixel offset inside the headers", plain, set32(10, 53), BitmapCheck::BAD_HEADER},
        {"pixel offset inside the colour table", palette, set32(10, 54 + 1020), BitmapCheck::BAD_HEADER},
        {"pixel offset over the bit field masks", Shape(40, 8, 8, 16, 3), set32(10, 54), BitmapCheck::BAD_HEADER},
        {"bit depth 0", plain, set16(28, 0), BitmapCheck::UNSUPPORTED},
        {"bit depth 2", plain, set16(28, 2), BitmapCheck::UNSUPPORTED},
        {"bit depth 48", plain, set16(28, 48), BitmapCheck::UNSUPPORTED},
        {"core header, 32 bits", Shape(12, 8, 8, 32), nullptr, BitmapCheck::UNSUPPORTED},
        {"RLE8 at 4 bits", Shape(40, 8, 8, 4), set32(30, 1), BitmapCheck::UNSUPPORTED},
        {"RLE4 at 8 bits", palette, set32(30, 2), BitmapCheck::UNSUPPORTED},
        {"RLE8 at 24 bits", plain, set32(30, 1), BitmapCheck::UNSUPPORTED},
        {"JPEG", plain, set32(30, 4), BitmapCheck::UNSUPPORTED},
        {"PNG", plain, set32(30, 5), BitmapCheck::UNSUPPORTED},
        {"unknown compression", plain, set32(30, 0x80000000), BitmapCheck::UNSUPPORTED},
        {"bit fields at 24 bits", Shape(40, 8, 8, 24, 3), nullptr, BitmapCheck::UNSUPPORTED},
        {"width 0", plain, set32(18, 0), BitmapCheck::BAD_SIZE},
        {"width -1", plain, set32(18, 0xFFFFFFFF), BitmapCheck::BAD_SIZE},
        {"width 8193", plain, set32(18, 8193), BitmapCheck::TOO_LARGE},
        {"height 0", plain, set32(22, 0), BitmapCheck::BAD_SIZE},
        {"height 8193", plain, set32(22, 8193), BitmapCheck::TOO_LARGE},
        {"height -8193", plain, set32(22, static_cast<uint32_t>(-8193)), BitmapCheck::TOO_LARGE},
        {"5000 x 5100: over 24 megapixels", plain,
         [](std::vector<uint8_t>& f) {
             Put32(f, 18, 5000);
             Put32(f, 22, 5100);
         },
         BitmapCheck::TOO_LARGE},
        {"height INT32_MIN", plain, set32(22, 0x80000000), BitmapCheck::TOO_LARGE},
        {"32000 x 32000", plain,
         [](std::vector<uint8_t>& f) {
             Put32(f, 18, 32000);
             Put32(f, 22, 32000);
         },
         BitmapCheck::TOO_LARGE},
        {"16384 x 16384 run-length stream of 2 bytes", Shape(40, 8, 8, 8, 1),
         [](std::vector<uint8_t>& f) {
             Put32(f, 18, 16384);
             Put32(f, 22, 16384);
             Put32(f, 34, 2);
             f.resize(f[10] + (f[11] << 8) + 2, 0);
             f.back() = 1;  // the end-of-bitmap code
         },
         BitmapCheck::TOO_LARGE},
        {"core header, width 0", Shape(12, 8, 8, 24), set16(18, 0), BitmapCheck::BAD_SIZE},
        {"core header, width 65535", Shape(12, 8, 8, 24), set16(18, 65535), BitmapCheck::TOO_LARGE},
        {"file over the size limit", plain, [](std::vector<uint8_t>& f) { f.resize(BITMAP_FILE_SIZE_LIMIT + 1); },
         BitmapCheck::TOO_LARGE},
        {"header only", plain, cut(54), BitmapCheck::DATA_OUTSIDE_FILE},
        {"pixels cut short", plain, cut(54 + 152 * 49), BitmapCheck::DATA_OUTSIDE_FILE},
        {"colour table cut", palette, cut(54 + 512), BitmapCheck::DATA_OUTSIDE_FILE},
        {"core colour table cut", Shape(12, 8, 8, 8), cut(26 + 3 * 255), BitmapCheck::DATA_OUTSIDE_FILE},
        {"bit field masks cut", Shape(40, 8, 8, 16, 3), cut(54 + 8), BitmapCheck::DATA_OUTSIDE_FILE},
        {"pixel offset past the end", plain, set32(10, 7655), BitmapCheck::DATA_OUTSIDE_FILE},
        {"pixel offset 4 GiB", plain, set32(10, 0xFFFFFFFF), BitmapCheck::DATA_OUTSIDE_FILE},
        {"true-colour table past the end", plain, set32(46, 0xFFFFFFFF), BitmapCheck::DATA_OUTSIDE_FILE},
        {"dimensions larger than the pixels", plain,
         [](std::vector<uint8_t>& f) {
             Put32(f, 18, 1024);
             Put32(f, 22, 1024);
         },
         BitmapCheck::DATA_OUTSIDE_FILE},
        {"embedded profile past the end", Shape(124, 8, 8, 24),
         [](std::vector<uint8_t>& f) {
             Put32(f, 14 + 56, 0x4D424544);
             Put32(f, 14 + 112, 200);
             Put32(f, 14 + 116, 0xFFFFFFFF);
         },
         BitmapCheck::DATA_OUTSIDE_FILE},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = BuildBmp(c.shape);
        if (c.edit)
            c.edit(file);
        // An exact-size copy, so that ASan sees any read past the end.
        const std::vector<uint8_t> exact(file);
        EXPECT_EQ(CheckBitmapFile(exact.empty() ? nullptr : exact.data(), exact.size()), c.expected) << c.what;
    }
}

// A bottom-up run-length file of width x height with a full colour table and the given stream.
std::vector<uint8_t> MakeRle(uint16_t bits, int32_t width, int32_t height, const std::vector<uint8_t>& stream) {
    BmpShape shape = Shape(40, width, height, bits, bits == 8 ? 1 : 2);
    shape.pixels = stream;
    return BuildBmp(shape);
}

TEST(CheckBitmapFile, AcceptsRunLengthStreamsThatStayInsideThePicture) {
    const std::vector<uint8_t> rle8 = {
        3, 1, 0, 3, 7, 8, 9, 0,  // a run of 3, then 3 pixels as they are, padded to a word
        0, 0,                    // end of line
        0, 2, 5, 1,              // move 5 right and 1 up (to the third row)
        1, 4,                    // the last pixel of that row
        0, 0, 6, 2, 0, 1,        // end of line, a whole row, end of bitmap
    };
    EXPECT_EQ(Check(MakeRle(8, 6, 4, rle8)), BitmapCheck::OK);
    const std::vector<uint8_t> rle4 = {
        4, 0x12, 0, 3, 0x34, 0x50,           // 4 pixels 1 2 1 2, then 3 pixels 3 4 5 in 2 bytes, a whole word
        0, 0,    0, 5, 0x11, 0x11, 0x10, 0,  // 5 pixels in 3 bytes, padded to 4
        0, 2,    0, 2,                       // straight up past the top row: nothing more to draw
        0, 1,
    };
    EXPECT_EQ(Check(MakeRle(4, 7, 3, rle4)), BitmapCheck::OK);
    // The end code may come early; bytes after it are never read.
    EXPECT_EQ(Check(MakeRle(8, 6, 4, {2, 9, 0, 1, 0xFF})), BitmapCheck::OK);
}

TEST(CheckBitmapFile, RefusesRunLengthStreamsThatLeaveThePictureOrTheFile) {
    struct Case {
        const char* what;
        uint16_t bits;
        std::vector<uint8_t> stream;
        BitmapCheck expected;
    };
    const Case cases[] = {
        {"run past the right edge", 8, {7, 1, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"second run past the right edge", 8, {4, 1, 3, 1, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"RLE4 run past the right edge", 4, {7, 0x11, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"absolute run past the right edge", 8, {0, 7, 1, 2, 3, 4, 5, 6, 7, 0, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"run above the top row", 8, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"delta past the right edge", 8, {2, 1, 0, 2, 5, 0, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"delta past the top", 8, {0, 2, 0, 5, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"run after a delta to the top", 8, {0, 2, 0, 4, 1, 1, 0, 1}, BitmapCheck::BAD_RUN_LENGTH},
        {"no end code", 8, {6, 1, 0, 0}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"empty stream", 8, {}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"half a code", 8, {0}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"delta cut", 8, {0, 2, 1}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"absolute run cut", 8, {0, 5, 1, 2, 3}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"absolute run without its padding", 8, {0, 3, 1, 2, 3}, BitmapCheck::DATA_OUTSIDE_FILE},
        {"RLE4 absolute run cut", 4, {0, 6, 0x12, 0x34}, BitmapCheck::DATA_OUTSIDE_FILE},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> file = MakeRle(c.bits, 6, 4, c.stream);
        EXPECT_EQ(Check(file), c.expected) << c.what;
    }

    // The header's stream size is what the loader reads: it must lie inside the file.
    std::vector<uint8_t> file = MakeRle(8, 6, 4, {6, 1, 0, 1});
    Put32(file, 34, 6);
    EXPECT_EQ(Check(file), BitmapCheck::DATA_OUTSIDE_FILE);
    Put32(file, 34, 0xFFFFFFFF);
    EXPECT_EQ(Check(file), BitmapCheck::DATA_OUTSIDE_FILE);
    Put32(file, 34, 2);  // shorter than the stream: the end code lies beyond what is read
    EXPECT_EQ(Check(file), BitmapCheck::DATA_OUTSIDE_FILE);
    Put32(file, 34, 4);
    Put32(file, 22, static_cast<uint32_t>(-4));  // top-down: no such compressed form
    EXPECT_EQ(Check(file), BitmapCheck::BAD_SIZE);
}

TEST(CheckBitmapFile, LinkedOrEmbeddedProfileInsideTheFileIsAccepted) {
    std::vector<uint8_t> file = BuildBmp(Shape(124, 8, 8, 24));
    const size_t profileAt = file.size();
    file.resize(file.size() + 16, 0);
    Put32(file, 14 + 56, 0x4C494E4B);
    Put32(file, 14 + 112, static_cast<uint32_t>(profileAt - 14));
    Put32(file, 14 + 116, 16);
    EXPECT_EQ(Check(file), BitmapCheck::OK);
    Put32(file, 14 + 116, 17);
    EXPECT_EQ(Check(file), BitmapCheck::DATA_OUTSIDE_FILE);
}

}  // namespace

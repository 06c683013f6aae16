// Runs the fuzz targets' checks on generated inputs with a fixed seed, so that every native test
// run covers the catalogue reader and the bitmap check under the sanitizers, clang or not.
#define FUZZ_ORACLE_ONLY
#include "../fuzz/bitmap_check_fuzz.cpp"
#include "../fuzz/catalogue_fuzz.cpp"

#include <gtest/gtest.h>

#include "bmp_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int INPUTS_PER_KIND = 5000;

using Bytes = std::vector<uint8_t>;

struct Generator {
    std::mt19937 engine;
    uint32_t Below(uint32_t limit) { return limit ? engine() % limit : 0; }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
};

// Bytes that matter to the reader, with a share of anything at all.
uint8_t CatalogueByte(Generator& random) {
    static const char INTERESTING[] = "0123456789,,,+-  \t\r\n\n\\\\Sybml.bp\x81\x5C\xE0";
    if (random.OneIn(8))
        return static_cast<uint8_t>(random.Below(256));
    return static_cast<uint8_t>(INTERESTING[random.Below(sizeof(INTERESTING))]);  // the NUL too
}

Bytes ValidCatalogue(Generator& random) {
    std::string text;
    const uint32_t lines = random.Below(12);
    for (uint32_t i = 0; i < lines; ++i) {
        std::string name(1 + random.Below(random.OneIn(10) ? 300 : 12), 'a' + static_cast<char>(random.Below(26)));
        text += std::to_string(random.Below(5)) + (random.OneIn(5) ? ", " : ",") + "\\Symbol\\" + name + ".bmp";
        text += random.OneIn(3) ? "\n" : "\r\n";
    }
    return Bytes(text.begin(), text.end());
}

void Mutate(Generator& random, Bytes& bytes, uint8_t (*byteOf)(Generator&)) {
    const uint32_t edits = 1 + random.Below(6);
    for (uint32_t i = 0; i < edits; ++i) {
        const size_t at = random.Below(static_cast<uint32_t>(bytes.size() + 1));
        switch (random.Below(4)) {
            case 0:
                bytes.insert(bytes.begin() + at, byteOf(random));
                break;
            case 1:
                if (at < bytes.size())
                    bytes.erase(bytes.begin() + at);
                break;
            case 2:
                if (at < bytes.size())
                    bytes[at] = byteOf(random);
                break;
            default:
                bytes.resize(at);
                break;
        }
    }
}

uint8_t AnyByte(Generator& random) {
    return static_cast<uint8_t>(random.Below(256));
}

// A small consistent bitmap of a random accepted shape.
Bytes ValidBitmap(Generator& random) {
    static const uint32_t HEADERS[] = {12, 40, 40, 40, 52, 56, 108, 124};
    static const uint16_t DEPTHS[] = {1, 4, 8, 16, 24, 32};
    BmpShape shape;
    shape.headerSize = HEADERS[random.Below(8)];
    const bool core = shape.headerSize == 12;
    shape.bits = core ? DEPTHS[random.Below(3)] : DEPTHS[random.Below(6)];
    shape.compression = (shape.bits == 16 || shape.bits == 32) && random.OneIn(2) ? 3 : 0;
    shape.width = int32_t(1 + random.Below(20));
    const int32_t rows = int32_t(1 + random.Below(20));
    shape.height = !core && random.OneIn(3) ? -rows : rows;
    shape.coloursUsed = shape.bits <= 8 && !core && random.OneIn(2) ? 1 + random.Below(1u << shape.bits) : 0;
    shape.fill = 0x77;
    shape.gap = random.Below(3);
    Bytes file = BuildBmp(shape);
    file.resize(file.size() + random.Below(3), 0x77);
    PutField(file, 2, file.size(), 4);
    return file;
}

// Mostly header damage: that is where the check decides.
void MutateBitmap(Generator& random, Bytes& file) {
    const uint32_t edits = 1 + random.Below(3);
    for (uint32_t i = 0; i < edits && !file.empty(); ++i) {
        if (random.OneIn(4)) {
            file.resize(random.Below(static_cast<uint32_t>(file.size()) + 1));
            continue;
        }
        const size_t at = random.Below(static_cast<uint32_t>(std::min<size_t>(file.size(), 70)));
        static const uint8_t EDGE_BYTES[] = {0, 1, 2, 3, 4, 5, 8, 12, 16, 24, 32, 40, 0x40, 0x7F, 0x80, 0xFF};
        file[at] = random.OneIn(2) ? EDGE_BYTES[random.Below(sizeof(EDGE_BYTES))] : AnyByte(random);
    }
}

TEST(CoreRandom, CatalogueReaderAndRewriteHoldUpOnGeneratedInput) {
    Generator random{std::mt19937(20240611)};
    int withUsable = 0, withUnusable = 0;
    for (int i = 0; i < 2 * INPUTS_PER_KIND; ++i) {
        Bytes input;
        if (i % 2 == 0) {
            input.resize(random.Below(400));
            for (uint8_t& byte : input)
                byte = CatalogueByte(random);
        } else {
            input = ValidCatalogue(random);
            Mutate(random, input, CatalogueByte);
        }
        const std::string failure = catalogue_fuzz::CheckCatalogueInput(input.data(), input.size());
        ASSERT_EQ(failure, "") << "input " << i << ": " << std::string(input.begin(), input.end());

        bool usable = false, unusable = false;
        for (const CatalogueRecord& record :
             ParseCatalogue(reinterpret_cast<const char*>(input.data()), input.size(), 0)) {
            usable |= record.Usable();
            unusable |= !record.Usable();
        }
        withUsable += usable;
        withUnusable += unusable;
    }
    // The generator must reach both kinds of record, or the loop proves little.
    EXPECT_GT(withUsable, INPUTS_PER_KIND / 2);
    EXPECT_GT(withUnusable, INPUTS_PER_KIND / 2);
}

// The records that the scan "%d,%s\n" itself takes, up to the first record the format cannot carry.
std::vector<std::string> ScannedRecords(const Bytes& input, bool* wholeFile) {
    const std::string text(input.begin(), input.end());  // NUL-free: the scan would stop at one
    std::vector<char> path(text.size() + 1);
    std::vector<std::string> records;
    const char* cursor = text.c_str();
    *wholeFile = true;
    for (;;) {
        int numberStart = 0, numberEnd = 0, consumed = 0, category = 0;
        const int scanned =
            std::sscanf(cursor, " %n%d%n,%s%n", &numberStart, &category, &numberEnd, path.data(), &consumed);
        if (scanned == EOF)
            return records;
        const size_t length = std::strlen(path.data());
        if (scanned != 2 || numberEnd - numberStart > 10 || category < 0 || category > 4 || length > PATH_LIMIT) {
            *wholeFile = false;
            return records;
        }
        records.push_back(std::to_string(category) + "," + path.data());
        cursor += consumed;
    }
}

TEST(CoreRandom, ReaderAgreesWithTheScanWhereverTheScanCanGo) {
    Generator random{std::mt19937(20240613)};
    int wholeFiles = 0;
    for (int i = 0; i < INPUTS_PER_KIND; ++i) {
        Bytes input = ValidCatalogue(random);
        if (i % 2)
            Mutate(random, input, CatalogueByte);
        std::replace(input.begin(), input.end(), uint8_t{0}, uint8_t{'0'});
        std::replace(input.begin(), input.end(), uint8_t{0x1A}, uint8_t{'z'});  // the scan reads past Ctrl-Z
        bool wholeFile = false;
        const std::vector<std::string> scanned = ScannedRecords(input, &wholeFile);
        const std::vector<CatalogueRecord> records =
            ParseCatalogue(reinterpret_cast<const char*>(input.data()), input.size(), 0);
        ASSERT_GE(records.size(), scanned.size());
        for (size_t r = 0; r < scanned.size(); ++r) {
            ASSERT_TRUE(records[r].Usable()) << "input " << i << " record " << r;
            ASSERT_EQ(std::to_string(records[r].category) + "," + records[r].relativePath, scanned[r]) << "input " << i;
        }
        if (wholeFile) {
            ++wholeFiles;
            ASSERT_EQ(records.size(), scanned.size()) << "input " << i;
        }
    }
    EXPECT_GT(wholeFiles, INPUTS_PER_KIND / 4);
}

TEST(CoreRandom, BitmapCheckNeverAcceptsDataOutsideTheFile) {
    Generator random{std::mt19937(20240612)};
    int accepted = 0;
    for (int i = 0; i < 2 * INPUTS_PER_KIND; ++i) {
        Bytes file;
        if (i % 4 == 0) {
            file.resize(random.Below(200));
            for (uint8_t& byte : file)
                byte = AnyByte(random);
            if (file.size() >= 2 && !random.OneIn(5)) {
                file[0] = 'B';
                file[1] = 'M';
            }
        } else {
            file = ValidBitmap(random);
            if (i % 4 != 1)
                MutateBitmap(random, file);
        }
        // An exact-size heap copy, so that any read past the end trips the sanitizer.
        const Bytes exact(file);
        const std::string failure = bitmap_fuzz::CheckBitmapInput(exact.empty() ? nullptr : exact.data(), exact.size());
        ASSERT_EQ(failure, "") << "input " << i;
        accepted += CheckBitmapFile(exact.empty() ? nullptr : exact.data(), exact.size()) == BitmapCheck::OK;
    }
    // Unmutated files are a quarter of the inputs and must all pass; damaged ones mostly fail.
    EXPECT_GE(accepted, INPUTS_PER_KIND / 2);
    EXPECT_LT(accepted, INPUTS_PER_KIND);
}

}  // namespace

// Fuzz target for the bitmap check: whatever it accepts must have its colour table and pixel rows
// (or its run-length stream) inside the buffer, worked out here independently. The check is also compiled into the
// native tests (with FUZZ_ORACLE_ONLY).
#include "core/bitmap_check.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bitmap_fuzz {

uint64_t Little(const uint8_t* at, int bytes) {
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

// Says what an accepted file got wrong, or returns an empty string.
std::string CheckBitmapInput(const uint8_t* data, size_t size) {
    if (CheckBitmapFile(data, size) != BitmapCheck::OK)
        return std::string();
    if (size < 18 || data[0] != 'B' || data[1] != 'M')
        return "accepted without a file header";
    const uint64_t headerSize = Little(data + 14, 4);
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return "accepted an info header of " + std::to_string(headerSize) + " bytes";
    if (size < 14 + headerSize)
        return "accepted a cut info header";

    const bool core = headerSize == 12;
    const int64_t width =
        core ? static_cast<int64_t>(Little(data + 18, 2)) : static_cast<int32_t>(Little(data + 18, 4));
    const int64_t height =
        core ? static_cast<int64_t>(Little(data + 20, 2)) : static_cast<int32_t>(Little(data + 22, 4));
    const uint64_t bits = Little(data + (core ? 24 : 28), 2);
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
    if (width < 1 || width > BITMAP_SIDE_LIMIT || rows < 1 || rows > BITMAP_SIDE_LIMIT ||
        uint64_t(width) * rows > BITMAP_PIXEL_LIMIT || size > BITMAP_FILE_SIZE_LIMIT)
        return "accepted " + std::to_string(width) + " x " + std::to_string(height);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "accepted a depth of " + std::to_string(bits);

    uint64_t tableEnd = 14 + headerSize;
    if (bits <= 8) {
        const uint64_t used = core ? 0 : Little(data + 46, 4);
        tableEnd += (used ? used : uint64_t{1} << bits) * (core ? 3 : 4);
    }
    const uint64_t offset = Little(data + 10, 4);
    if (tableEnd > offset)
        return "accepted pixels that overlap the headers or colour table";
    const uint64_t compression = core ? 0 : Little(data + 30, 4);
    uint64_t end = offset + ((static_cast<uint64_t>(width) * bits + 7) / 8 + 3) / 4 * 4 * rows;
    if (compression == 1 || compression == 2) {
        // A run-length stream: its declared size, which must at least hold the end-of-bitmap code.
        if (bits != (compression == 1 ? 8u : 4u) || height < 0)
            return "accepted a run-length stream at " + std::to_string(bits) + " bits or top-down";
        const uint64_t streamSize = Little(data + 34, 4);
        if (streamSize < 2)
            return "accepted a run-length stream of " + std::to_string(streamSize) + " bytes";
        end = offset + streamSize;
    }
    if (end > size)
        return "accepted pixel rows ending at " + std::to_string(end) + " in a file of " + std::to_string(size);

    // Touch both ends of the accepted range, so that the sanitizer would see a wrong one.
    volatile uint8_t touched = static_cast<uint8_t>(data[offset] ^ data[end - 1]);
    (void)touched;
    return std::string();
}

}  // namespace bitmap_fuzz

#ifndef FUZZ_ORACLE_ONLY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = bitmap_fuzz::CheckBitmapInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "bitmap check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
#endif

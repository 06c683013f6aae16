#include "core/bmp_header.h"

#include "core/little_endian.h"

uint32_t BmpInfoHeaderSize(const uint8_t* data) {
    return ReadU32(data + BMP_FILE_HEADER_SIZE);
}

BmpHeader ReadBmpHeader(const uint8_t* data) {
    BmpHeader header = {};
    header.pixelOffset = ReadU32(data + 10);
    header.infoSize = BmpInfoHeaderSize(data);
    const uint8_t* info = data + BMP_FILE_HEADER_SIZE;
    if (header.IsCore()) {
        header.width = ReadU16(info + 4);
        header.height = ReadU16(info + 6);
        header.planes = ReadU16(info + 8);
        header.bits = ReadU16(info + 10);
        return header;
    }
    header.width = static_cast<int32_t>(ReadU32(info + 4));
    header.height = static_cast<int32_t>(ReadU32(info + 8));
    header.planes = ReadU16(info + 12);
    header.bits = ReadU16(info + 14);
    header.compression = ReadU32(info + 16);
    header.imageSize = ReadU32(info + 20);
    header.coloursUsed = ReadU32(info + 32);
    if (header.infoSize >= BMP_V5_HEADER_SIZE) {
        header.colourSpace = ReadU32(info + 56);
        header.profileOffset = ReadU32(info + 112);
        header.profileSize = ReadU32(info + 116);
    }
    return header;
}

#include "library/library_pictures.h"

#include <cstring>

#include "core/bitmap_check.h"
#include "core/bmp_header.h"
#include "core/diagram_list.h"
#include "platform/files.h"
#include "render/symbol_image.h"
#include "resources/resource.h"

constexpr size_t PICTURE_PIXELS = size_t(SYMBOL_SIZE) * SYMBOL_SIZE;

namespace {

// A checked bitmap file in the form the system's decoder takes: its info header, masks and colour
// table copied to aligned memory, its pixels where they lie in the file.
struct BitmapFileBytes {
    std::vector<uint32_t> info;
    const uint8_t* pixels;
    int width;
    int height;
    bool blackAndWhite;  // a 1-bit table of black then white: the loader makes a 1-bit bitmap of it

    BitmapFileBytes(const uint8_t* file, size_t size) {
        const BmpHeader header = ReadBmpHeader(file);
        const size_t infoSize = header.pixelOffset - BMP_FILE_HEADER_SIZE;
        info.assign((infoSize + 3) / 4, 0);
        std::memcpy(info.data(), file + BMP_FILE_HEADER_SIZE, infoSize);
        pixels = file + header.pixelOffset;
        width = int(header.width);
        height = int(header.Rows());
        const uint8_t* table = file + header.TableOffset();
        const size_t entry = header.TableEntrySize();
        const auto rgb = [](const uint8_t* at) {
            return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16;
        };
        blackAndWhite = header.bits == 1 && table + 2 * entry <= file + size && table + 2 * entry <= pixels &&
                        rgb(table) == 0 && rgb(table + entry) == 0xFFFFFF;
    }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
    // Into a bitmap of the same size, selected into no device context, as the loader draws it.
    bool DecodeInto(HBITMAP target) const {
        WindowDC screen(nullptr);
        return SetDIBits(screen.get(), target, 0, UINT(height), pixels, Info(), DIB_RGB_COLORS) > 0;
    }
};

}  // namespace

static LibraryPicture Refused(PictureStatus status, DWORD error = 0) {
    LibraryPicture picture;
    picture.status = status;
    picture.error = error;
    return picture;
}

// The 50 x 50 pixels of a bitmap, top row first, fourth bytes cleared; empty when unreadable.
static std::vector<uint32_t> PixelsOf(HBITMAP bitmap) {
    std::vector<uint32_t> pixels(PICTURE_PIXELS);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = SYMBOL_SIZE;
    info.bmiHeader.biHeight = -SYMBOL_SIZE;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDC screen(nullptr);
    if (!bitmap || GetDIBits(screen.get(), bitmap, 0, SYMBOL_SIZE, pixels.data(), &info, DIB_RGB_COLORS) != SYMBOL_SIZE)
        return {};
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

PictureReader::PictureReader() {
    WindowDC screen(nullptr);
    scratch_ = OwnedBitmap(NewPixelBitmap(screen.get(), SYMBOL_SIZE, SYMBOL_SIZE, &scratchPixels_));
}

LibraryPicture PictureReader::Read(const std::string& fullPath) {
    // Held against writes until the picture is made: the loader opens the file again.
    FileHandle file(CreateFileA(fullPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return Refused(PictureStatus::CANNOT_OPEN, GetLastError());
    LARGE_INTEGER length = {};
    if (GetFileSizeEx(file.get(), &length) && uint64_t(length.QuadPart) > BITMAP_FILE_SIZE_LIMIT)
        return Refused(PictureStatus::TOO_LARGE);  // not worth reading
    std::string bytes;
    if (DWORD error = ReadAll(file.get(), &bytes))
        return Refused(PictureStatus::CANNOT_OPEN, error);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    switch (CheckBitmapFile(data, bytes.size())) {
        case BitmapCheck::OK:
            break;
        case BitmapCheck::TOO_LARGE:
            return Refused(PictureStatus::TOO_LARGE);
        default:
            return Refused(PictureStatus::NOT_BITMAP);
    }

    const BitmapFileBytes decoder(data, bytes.size());
    LibraryPicture picture;
    OwnedBitmap made;
    if (decoder.width != SYMBOL_SIZE || decoder.height != SYMBOL_SIZE) {
        made = OwnedBitmap(NewBitmapFromFile(fullPath.c_str(), SYMBOL_SIZE, SYMBOL_SIZE));
        BITMAP description = {};
        if (made && GetObjectA(made.get(), sizeof description, &description) && description.bmBitsPixel == 1)
            picture.blackAndWhite = std::move(made);
        else
            picture.pixels = PixelsOf(made.get());
    } else if (decoder.blackAndWhite) {
        picture.blackAndWhite = OwnedBitmap(NewMonochromeBitmap(SYMBOL_SIZE, SYMBOL_SIZE, nullptr));
        if (!picture.blackAndWhite || !decoder.DecodeInto(picture.blackAndWhite.get()))
            picture.blackAndWhite = OwnedBitmap();
    } else if (scratch_) {
        // Pixels a compressed file skips stay black, as in the loader's picture.
        GdiFlush();
        std::memset(scratchPixels_, 0, PICTURE_PIXELS * sizeof *scratchPixels_);
        if (decoder.DecodeInto(scratch_.get()))
            picture.pixels = PixelsOf(scratch_.get());
    }
    picture.status = picture.blackAndWhite || !picture.pixels.empty() ? PictureStatus::OK : PictureStatus::NOT_MADE;
    return picture;
}

// The pictures side by side in one 32-bit bitmap; null when the system will not make it.
static HBITMAP NewStrip(const uint32_t* const* pictures, size_t count) {
    WindowDC screen(nullptr);
    uint32_t* pixels = nullptr;
    HBITMAP strip = NewPixelBitmap(screen.get(), SYMBOL_SIZE * int(count), SYMBOL_SIZE, &pixels);
    if (!strip)
        return nullptr;
    GdiFlush();
    for (size_t y = 0; y < size_t(SYMBOL_SIZE); ++y)
        for (size_t i = 0; i < count; ++i)
            std::memcpy(pixels + (y * count + i) * SYMBOL_SIZE, pictures[i] + y * SYMBOL_SIZE,
                        SYMBOL_SIZE * sizeof *pixels);
    return strip;
}

// The placeholder's pixels; all magenta (nothing shows) when the resource cannot be read.
static std::vector<uint32_t> PlaceholderPixels(HINSTANCE resources) {
    OwnedBitmap bitmap(NewBitmapFromResource(resources, IDB_MISSING_SYMBOL));
    std::vector<uint32_t> pixels = PixelsOf(bitmap.get());
    if (pixels.empty())
        pixels.assign(PICTURE_PIXELS, 0xFF00FF);
    return pixels;
}

// Keeps item k on picture k: an image that could not be added leaves a blank in its place.
static void Align(HIMAGELIST list, int expected) {
    if (ImageList_GetImageCount(list) < expected)
        ImageList_SetImageCount(list, UINT(expected));
}

static void AddBitmap(HIMAGELIST list, const OwnedBitmap& bitmap) {
    if (bitmap)
        ImageList_AddMasked(list, bitmap.get(), MASK_COLOUR);
}

void AddLibraryPictures(HINSTANCE resources, HIMAGELIST list, const std::vector<LibraryPicture>& pictures) {
    const std::vector<uint32_t> placeholder = PlaceholderPixels(resources);
    const uint32_t* placeholderPixels = placeholder.data();
    // Made before it may be needed: when a picture cannot be made, neither can another bitmap.
    const OwnedBitmap placeholderBitmap(NewStrip(&placeholderPixels, 1));
    int expected = ImageList_GetImageCount(list);
    for (size_t i = 0; i < pictures.size();) {
        if (pictures[i].blackAndWhite) {
            AddBitmap(list, pictures[i].blackAndWhite);
            Align(list, ++expected);
            ++i;
            continue;
        }
        std::vector<const uint32_t*> run;
        for (; i < pictures.size() && !pictures[i].blackAndWhite && run.size() < PICTURES_PER_STRIP; ++i)
            run.push_back(pictures[i].pixels.empty() ? placeholderPixels : pictures[i].pixels.data());
        const OwnedBitmap strip(NewStrip(run.data(), run.size()));
        if (strip) {
            AddBitmap(list, strip);
            expected += int(run.size());
            Align(list, expected);
            continue;
        }
        // The system's pool can refuse a wide bitmap and still give small ones.
        for (const uint32_t* one : run) {
            const OwnedBitmap single(NewStrip(&one, 1));
            AddBitmap(list, single ? single : placeholderBitmap);
            Align(list, ++expected);
        }
    }
}

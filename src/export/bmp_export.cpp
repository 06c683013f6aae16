#include "export/bmp_export.h"

#include <new>
#include <vector>

#include "core/bmp_layout.h"
#include "platform/files.h"
#include "platform/gdi_objects.h"

// The picture's rows as the file holds them: bottom row first, zero fill bytes. False when the
// memory or the device contexts cannot be had, or the bitmap cannot be read.
static bool ReadCanvasRows(HDC dc, HBITMAP bitmap, const BmpLayout& layout, std::vector<uint8_t>* rows) {
    try {
        rows->assign(layout.imageSize, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = layout.width;
    info.bmiHeader.biHeight = layout.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = layout.imageSize;
    // GetDIBits wants the bitmap selected into no device context: a 1 x 1 stand-in takes its place.
    WindowDC display(nullptr);
    if (!display)
        return false;
    OwnedGdiObject standIn(NewCompatibleBitmap(display.get(), 1, 1));
    if (!standIn)
        return false;
    int read = 0;
    {
        SelectedObject swapped(dc, standIn.get());
        read = GetDIBits(display.get(), bitmap, 0, UINT(layout.height), rows->data(), &info, DIB_RGB_COLORS);
    }
    if (read != layout.height)
        return false;
    ClearRowPadding(layout, rows->data());
    return true;
}

ExportStatus WriteCanvasBmp(HDC dc, HBITMAP bitmap, int32_t width, int32_t height, const char* fileName) {
    if (!bitmap)
        return {ExportStage::NO_PICTURE, 0};
    BmpLayout layout = {};
    if (!ComputeBmpLayout(width, height, &layout))
        return {ExportStage::TOO_LARGE, 0};
    std::vector<uint8_t> rows;
    if (!ReadCanvasRows(dc, bitmap, layout, &rows))
        return {ExportStage::READ, 0};
    uint8_t headers[BMP_HEADERS_SIZE];
    WriteBmpHeaders(layout, headers);
    const ReplaceResult result = ReplaceFileContents(fileName, [&](HANDLE file) {
        const DWORD error = WriteAll(file, headers, sizeof headers);
        return error ? error : WriteAll(file, rows.data(), rows.size());
    });
    switch (result.stage) {
        case ReplaceStage::DONE:
            return {ExportStage::DONE, 0};
        case ReplaceStage::CREATE:
            return {ExportStage::CREATE, result.error};
        case ReplaceStage::WRITE:
            return {ExportStage::WRITE, result.error};
        case ReplaceStage::REPLACE:
            break;
    }
    return {ExportStage::REPLACE, result.error};
}

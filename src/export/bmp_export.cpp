#include "export/bmp_export.h"

#include <new>
#include <vector>

#include "core/bmp_layout.h"
#include "platform/files.h"

ExportStatus WriteCanvasBmp(const uint32_t* pixels, int32_t width, int32_t height, const char* fileName) {
    if (!pixels)
        return {ExportStage::NO_PICTURE, 0};
    BmpLayout layout = {};
    if (!ComputeBmpLayout(width, height, &layout))
        return {ExportStage::TOO_LARGE, 0};
    GdiFlush();  // the selection frame is drawn by GDI, which Windows may not have done yet
    std::vector<uint8_t> file;
    try {
        file = EncodeBmp(layout, pixels);
    } catch (const std::bad_alloc&) {
        return {ExportStage::NO_MEMORY, 0};
    }
    const ReplaceResult result =
        ReplaceFileContents(fileName, [&](HANDLE handle) { return WriteAll(handle, file.data(), file.size()); });
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

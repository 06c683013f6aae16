#include "export/bmp_export.h"

#include <new>

#include "core/bmp_layout.h"
#include "platform/files.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "windows/app_state.h"
#include "library/catalog.h"


bool ChooseSaveFile(HWND owner) {
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = "BMP files(*.bmp)\0*.bmp;\0All Files(*.*)\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = appState.saveFileName;
    request.nMaxFile = MAX_PATH;
    request.lpstrTitle = "ファイルを保存";
    request.lpstrDefExt = "bmp";
    request.Flags = OFN_HIDEREADONLY;
    return GetSaveFileNameA(&request) != FALSE;
}

static void ShowExportError(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Error", MB_OK);
}

// The picture's rows as the file holds them: bottom row first, zero fill bytes.
static uint8_t* ReadCanvasRows(const BmpLayout& layout) {
    uint8_t* rows = new (std::nothrow) uint8_t[layout.imageSize]();
    if (!rows)
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = layout.width;
    info.bmiHeader.biHeight = layout.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = layout.imageSize;
    // GetDIBits wants the bitmap selected into no device context: a 1 x 1 stand-in takes its place.
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HBITMAP standIn = display ? NewCompatibleBitmap(display, 1, 1) : nullptr;
    int read = 0;
    if (standIn) {
        HGDIOBJ canvas = SelectObject(appState.canvas.backBuffer.dc(), standIn);
        read = GetDIBits(display, appState.canvas.backBuffer.bitmap(), 0, UINT(layout.height), rows, &info, DIB_RGB_COLORS);
        SelectObject(appState.canvas.backBuffer.dc(), canvas);
    }
    FreeGdiObject(standIn);
    if (display)
        DeleteDC(display);
    if (read != layout.height) {
        delete[] rows;
        return nullptr;
    }
    ClearRowPadding(layout, rows);
    return rows;
}

void WriteCanvasBmp(HWND owner) {
    BmpLayout layout = {};
    if (!appState.canvas.backBuffer.bitmap()) {
        ShowExportError(owner, "キャンバスの画像がないため、保存できませんでした。");
        return;
    }
    if (!ComputeBmpLayout(appState.canvas.width, appState.canvas.height, &layout)) {
        ShowExportError(owner, "キャンバスが大きすぎるため、保存できませんでした。");
        return;
    }
    uint8_t* rows = ReadCanvasRows(layout);
    if (!rows) {
        ShowExportError(owner, "キャンバスの画像を読み取れなかったため、保存できませんでした。");
        return;
    }
    uint8_t headers[BMP_HEADERS_SIZE];
    WriteBmpHeaders(layout, headers);
    const ReplaceResult result = ReplaceFileContents(appState.saveFileName, [&](HANDLE file) {
        const DWORD error = WriteAll(file, headers, sizeof headers);
        return error ? error : WriteAll(file, rows, layout.imageSize);
    });
    delete[] rows;
    // A file that cannot be created, is read-only or hidden, or is in use gets the old fixed text;
    // a full disk or a failed replacement gets what failed and the system's reason.
    if (result.stage == ReplaceStage::CREATE)
        ShowExportError(owner, "Error CreaeFile");
    else if (result.stage != ReplaceStage::DONE)
        ShowExportError(owner, FileErrorMessage(result.error, FileOperation::EXPORT).c_str());
}

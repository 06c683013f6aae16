#include "platform/test_hooks.h"

#include <shellapi.h>

// The desktop window manager's library, loaded from the system folder the first time it is asked:
// the program still starts where it is missing.
static BOOL WINAPI ExtendedFrameBounds(HWND window, RECT* rect) {
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    constexpr DWORD DWMWA_EXTENDED_FRAME_BOUNDS = 9;
    static const GetAttribute getAttribute = [] {
        HMODULE dwm = LoadLibraryExA("dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return dwm ? reinterpret_cast<GetAttribute>(
                         reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
                   : nullptr;
    }();
    return getAttribute && SUCCEEDED(getAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, rect, sizeof *rect)) &&
           rect->right > rect->left && rect->bottom > rect->top;
}

// In the order of the fields. Constant-initialized, so the record is filled before any code runs.
SystemCalls systemCalls = {
    WriteFile,          MoveFileExA,           DeleteFileA,       GetACP,
    ShellExecuteA,      GetSaveFileNameA,      CreatePen,         CreateFontIndirectA,
    CreateCompatibleDC, CreateDIBSection,      CreateBitmap,      LoadImageA,
    ExtCreateRegion,    ImageList_Create,      ImageList_GetIcon, ExtendedFrameBounds,
    GetDeviceCaps,      ImmAssociateContextEx,
};

#include "platform/system_calls.h"

#include <shellapi.h>

// In the order of the fields. Constant-initialized, so the record is filled before any code runs.
SystemCalls systemCalls = {
    WriteFile,          MoveFileExA,      DeleteFileA,      GetACP,
    ShellExecuteA,      GetSaveFileNameA, CreatePen,        CreateFontIndirectA,
    CreateCompatibleDC, CreateDIBSection, CreateBitmap,     LoadBitmapA,
    LoadImageA,         ExtCreateRegion,  ImageList_Create, ImageList_GetIcon,
};

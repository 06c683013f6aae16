#include "platform/system_calls.h"

#include <shellapi.h>

SystemCalls systemCalls = {
    WriteFile,        MoveFileExA, DeleteFileA,        GetACP,           ShellExecuteA,
    GetSaveFileNameA, CreatePen,   CreateCompatibleDC, CreateDIBSection, CreateBitmap,
    LoadBitmapA,      LoadImageA,  ExtCreateRegion,    ImageList_Create, ImageList_GetIcon,
};

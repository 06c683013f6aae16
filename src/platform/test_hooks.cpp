#include "platform/test_hooks.h"

#include <shellapi.h>

WriteFileFunction writeFileCall = WriteFile;
MoveFileFunction moveFileCall = MoveFileExA;
DeleteFileFunction deleteFileCall = DeleteFileA;
CodePageFunction activeCodePageCall = GetACP;
ShellExecuteFunction shellExecuteCall = ShellExecuteA;
SaveDialogFunction saveDialogCall = GetSaveFileNameA;
long gdiCreationBudget = -1;
long gdiLargestBitmap = -1;
LoadImageFunction loadImageCall = LoadImageA;
long liveGdiObjects[GDI_KIND_COUNT];
long liveSymbolPictures;

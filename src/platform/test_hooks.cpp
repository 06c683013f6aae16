#include "platform/test_hooks.h"

WriteFileFunction writeFileCall = WriteFile;
long gdiCreationBudget = -1;
long liveGdiObjects[GDI_KIND_COUNT];
long liveSymbolPictures;

#include "platform/test_hooks.h"

WriteFileFunction writeFileCall = WriteFile;
long gdiCreationBudget = -1;

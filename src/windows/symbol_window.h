#pragma once
#include <windows.h>

#include <cstdint>

#include "core/catalog_format.h"

// The symbol window: category tabs with their palettes, the add and delete buttons, and the
// tool and cable pictures.
INT_PTR CALLBACK SymbolWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

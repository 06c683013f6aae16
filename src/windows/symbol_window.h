#pragma once
#include <windows.h>

#include <cstdint>

#include "core/catalog_format.h"

// The palette pages, one per category, in tab order.
extern HWND palettePage[CATEGORY_COUNT];
// The category of the visible page; the add dialog preselects it.
extern int32_t currentTab;

// The symbol window: category tabs with their palettes, the add and delete buttons, and the
// tool and cable pictures.
INT_PTR CALLBACK SymbolWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

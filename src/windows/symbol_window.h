#pragma once
#include <windows.h>

#include <cstdint>

#include "core/catalogue_format.h"
#include "library/symbol_library.h"

// The symbol window: category tabs with their palettes, the add and delete buttons, and the
// tool and cable pictures.
INT_PTR CALLBACK SymbolWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the user must know after the library was loaded at start-up: no usable folder, a catalogue
// that could not be opened, records left out. Loading went on regardless: missing palettes stay empty.
void ShowLibraryLoadResult(HWND owner, const LibraryLoad& load);

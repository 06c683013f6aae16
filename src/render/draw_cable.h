#pragma once
#include <windows.h>

#include "core/diagram_list.h"

// Draws one cable with a pen of the given style and colour; the width and shape follow from the
// type. The device context keeps the pen it had. Unknown types draw nothing and make no pen.
void DrawCable(const CableItem& cable, HDC dc, int16_t penStyle, COLORREF colour, int16_t cableType);

// The cursor shown over the canvas while a tool is armed.
#pragma once
#include <windows.h>

// Makes a cursor the one shown over the canvas. Cursors made for the purpose (icons of palette
// images) are owned here and destroyed when replaced; shared ones (resources) are not.
void SetPlacementCursor(HCURSOR cursor, bool owned);

// The cursor shown over the canvas while a tool is armed, chosen here alone from the armed tool.
#pragma once
#include <windows.h>

// The delete tool's cursor, an icon of the picture a symbol tool places, or none (the default
// arrow) for the other tools; called whenever the tool or the library changed.
void ChoosePlacementCursor();

// The cursor shown over the canvas while a tool is armed.
#pragma once
#include <windows.h>

#include "platform/gdi_objects.h"

// A shared cursor (a resource), or none for the default.
void ShowPlacementCursor(HCURSOR shared);
// An icon made for the purpose, owned until the cursor changes again.
void ShowPlacementIcon(OwnedIcon icon);

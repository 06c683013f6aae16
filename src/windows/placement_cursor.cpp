#include "windows/placement_cursor.h"

#include "platform/gdi_objects.h"
#include "windows/app_state.h"

void SetPlacementCursor(HCURSOR cursor, bool owned) {
    if (appState.placementCursor.owned && appState.placementCursor.cursor != cursor)
        FreeIcon(appState.placementCursor.cursor);
    appState.placementCursor.cursor = cursor;
    appState.placementCursor.owned = owned && cursor;
}

#include "windows/placement_cursor.h"

#include <utility>

#include "windows/app_state.h"

void ShowPlacementCursor(HCURSOR shared) {
    appState.placementCursor.cursor = shared;
    appState.placementCursor.madeIcon.Reset();
}

void ShowPlacementIcon(OwnedIcon icon) {
    appState.placementCursor.cursor = icon.get();
    appState.placementCursor.madeIcon = std::move(icon);
}

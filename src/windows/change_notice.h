// The one notification between windows: the armed tool, the library or the view changed, and every
// window of the program brings what it shows up to date.
#pragma once
#include <windows.h>

#include <cstdint>

// What changed (MSG_CHANGED's wParam, any combination).
enum ChangeFlags : WPARAM {
    CHANGED_TOOL = 1,     // another tool is armed, or none: the frames and the cursor follow
    CHANGED_LIBRARY = 2,  // a symbol was added or deleted: the palettes and the armed tool follow
    CHANGED_VIEW = 4,     // the zoom or the canvas size: new scroll ranges and a whole repaint
};

// A library change (MSG_CHANGED's lParam points at one).
struct LibraryChange {
    int32_t category;
    int32_t removedIndex;  // the item that went, or -1 when one was added at the end
};

// The program's one private message, sent (synchronously) to the topology window and each tool
// window. A message, because the window that makes a change does not know the windows that show
// it: including them would make the windows' units use each other.
constexpr UINT MSG_CHANGED = WM_APP + 1;

void NotifyChange(WPARAM changes, const LibraryChange* library = nullptr);

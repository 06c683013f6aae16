// Application messages between the tool windows and the topology window, all sent synchronously.
#pragma once
#include <windows.h>

constexpr UINT MSG_PALETTE_REFRESH = WM_APP + 1;  // to a palette page: rebuild from the catalogue
constexpr UINT MSG_PALETTE_DELETE = WM_APP + 2;   // to the visible palette page: delete its selection
constexpr UINT MSG_PICK_SYMBOL = WM_APP + 11;     // to the topology window: wParam category, lParam image
constexpr UINT MSG_SELECT_TOOL = WM_APP + 12;     // to the topology window: wParam tool, lParam cable type
// To the topology window: the library changed in category wParam; lParam is the index of the item
// that went, or -1 when one was added. It brings the armed tool and the palettes up to date.
constexpr UINT MSG_LIBRARY_CHANGED = WM_APP + 13;
// To the topology window: the zoom or the canvas size changed (new scroll ranges, a full repaint).
constexpr UINT MSG_VIEW_CHANGED = WM_APP + 14;
// To the view window: the canvas composed what changed; its damage is not yet cleared.
constexpr UINT MSG_CANVAS_COMPOSED = WM_APP + 15;
// To the symbol window: another tool is armed (or none); the frame of the armed picture follows.
constexpr UINT MSG_TOOL_ARMED = WM_APP + 16;
// To the topology window: wParam HISTORY_UNDO or HISTORY_REDO.
constexpr UINT MSG_EDIT_HISTORY = WM_APP + 17;
constexpr WPARAM HISTORY_UNDO = 0;
constexpr WPARAM HISTORY_REDO = 1;

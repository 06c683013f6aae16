// The mouse tools of the topology window and the state they keep between messages.
#pragma once
#include <windows.h>

#include "core/diagram_list.h"


// Back to the start: no tool, no selection, nothing pending.
void ResetEditingState();

// Makes a cursor the one shown over the canvas. Cursors made for the purpose (icons of palette
// images) are owned here and destroyed when replaced; shared ones (resources) are not.
void SetPlacementCursor(HCURSOR cursor, bool owned);

// Forgets every reference into the diagram before nodes go (New) or one node goes (delete).
void ForgetNode(const DiagramNode* node);
void ForgetAllNodes();

// Image index of the category left the library: an armed symbol tool keeps placing the picture it
// was armed with, and is disarmed when that picture was the one that went.
void OnLibraryImageDeleted(int32_t category, int32_t index);

LRESULT OnPickSymbol(HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnSelectTool(HWND window, WPARAM wParam, LPARAM lParam);
void OnLeftButtonDown(HWND window, LPARAM lParam);
void OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
void OnLeftButtonUp(HWND window);
// Over the client area an armed tool shows its cursor; false leaves the choice to the default.
bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam);

// The three floating tool windows beside the topology window, and their "表示" menu check marks.
#pragma once
#include <windows.h>

#include "windows/app_state.h"

// Creates, places and shows the tool windows and places the topology window beside them.
void LayoutToolWindows(HWND topology);

// The "表示" commands: shows a hidden tool window or hides a shown one, with its check mark.
void ShowHideToolWindow(HWND topology, UINT commandId);

// Flips the flag of the command's tool window and sets its check mark to match.
void ToggleShownFlag(HWND topology, UINT commandId, ToolWindowFlags& flags);

// A tool window's close box: hide it (never destroy it) and clear its flag and check mark.
void HideToolWindow(HWND toolWindow, UINT commandId);

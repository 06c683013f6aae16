// Showing and hiding the tool windows, with the "表示" menu's check marks.
#pragma once
#include <windows.h>

#include "windows/app_state.h"

// The "表示" commands: shows a hidden tool window or hides a shown one, with its check mark.
void ShowHideToolWindow(HWND topology, UINT commandId);

// Flips the flag of the command's tool window and sets its check mark to match.
void ToggleShownFlag(HWND topology, UINT commandId, ToolWindowFlags& flags);

// A tool window's close box: hide it (never destroy it) and clear its flag and check mark.
void HideToolWindow(HWND toolWindow, UINT commandId);

#pragma once
#include <windows.h>

// The topology window's menu commands; other ids do nothing.
void RunMenuCommand(HWND topology, UINT commandId);

// Writes the canvas to the name last chosen in the save dialog; a failure is shown in a box.
void ExportCanvas(HWND owner);

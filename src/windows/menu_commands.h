#pragma once
#include <windows.h>

// The topology window's menu commands; other ids do nothing.
void RunMenuCommand(HWND topology, UINT commandId);

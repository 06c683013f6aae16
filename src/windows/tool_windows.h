// The three floating tool windows beside the topology window.
#pragma once
#include <windows.h>

#include "windows/app_state.h"

// Creates, places and shows the tool windows and places the topology window beside them.
void LayoutToolWindows(HWND topology);

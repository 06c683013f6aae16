// Globals of the program's shell, set at start-up.
#pragma once
#include <windows.h>

#include "core/diagram_list.h"

extern HINSTANCE appInstance;
extern HWND topologyWindow;         // null while the topology window handles WM_CREATE
extern char libraryRoot[MAX_PATH];  // current directory at start-up: where the symbol library lives;
                                    // empty when that folder cannot hold it (then there is no library)
extern DiagramList diagram;

constexpr char TOPOLOGY_CLASS[] = "topology_window";

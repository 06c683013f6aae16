#pragma once
#include <windows.h>

// Everything start-up does before the message loop: the empty diagram, the library root,
// the window class and the shown topology window. False when the class or window cannot be made.
bool StartApplication(HINSTANCE instance, int showCommand);

// Runs until WM_QUIT and returns the program's exit code.
int RunMessageLoop();

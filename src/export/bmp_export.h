// Saving the canvas as a 24-bit BMP picture.
#pragma once
#include <windows.h>


// The save dialog; true when the user confirmed a name (then in saveFileName).
bool ChooseSaveFile(HWND owner);

// Writes the back buffer's last picture to saveFileName. The file is first written beside the
// target and replaces it only when complete: on any failure an existing file keeps its bytes
// and the user is told what failed.
void WriteCanvasBmp(HWND owner);

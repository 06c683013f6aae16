#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!StartApplication(instance, showCommand))
        return 0;
    return RunMessageLoop();
}

#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    const ComApartment com;
    if (!StartApplication(instance, showCommand))
        return 0;
    return RunMessageLoop();
}

#include "windows/change_notice.h"

#include "windows/app_state.h"

void NotifyChange(WPARAM changes, const LibraryChange* library) {
    for (HWND window :
         {appState.topology, appState.tools.symbolWindow, appState.tools.viewWindow, appState.tools.listWindow})
        if (window)
            SendMessageA(window, MSG_CHANGED, changes, reinterpret_cast<LPARAM>(library));
}

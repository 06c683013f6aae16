#include "windows/tool_windows.h"

#include "windows/app_state.h"
#include "windows/view_window.h"
#include "resources/resource.h"
#include "windows/symbol_window.h"
#include "windows/list_window.h"

static const UINT PLACE_ONLY = SWP_NOSIZE | SWP_NOZORDER;

static RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void LayoutToolWindows(HWND topology) {
    appState.tools.flags = {true, true, false};

    appState.tools.symbolWindow =
        CreateDialogParamA(appState.instance, MAKEINTRESOURCEA(IDD_SYMBOL_WINDOW), topology, SymbolWindowProc, 0);
    SetWindowPos(appState.tools.symbolWindow, nullptr, 0, 0, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.symbolWindow, SW_SHOWNORMAL);

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);

    appState.tools.viewWindow =
        CreateDialogParamA(appState.instance, MAKEINTRESOURCEA(IDD_VIEW_WINDOW), topology, ViewWindowProc, 0);
    const RECT view = OuterRect(appState.tools.viewWindow);
    const int viewWidth = view.right - view.left;
    const int viewHeight = view.bottom - view.top;
    SetWindowPos(appState.tools.viewWindow, nullptr, screenWidth - viewWidth, 0, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.viewWindow, SW_SHOWNORMAL);

    // Directly under the view window, left edges aligned.
    appState.tools.listWindow =
        CreateDialogParamA(appState.instance, MAKEINTRESOURCEA(IDD_LIST_WINDOW), topology, ListWindowProc, 0);
    SetWindowPos(appState.tools.listWindow, nullptr, screenWidth - viewWidth, viewHeight, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.listWindow, SW_SHOWNORMAL);

    // The topology window fills the band between the symbol window and the view window.
    const int right = OuterRect(appState.tools.symbolWindow).right;
    SetWindowPos(topology, nullptr, right, 0, screenWidth - viewWidth - right, 700, SWP_NOZORDER);
}

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

static bool* FlagFor(UINT commandId, ToolWindowFlags& flags) {
    switch (commandId) {
        case IDM_VIEW_SYMBOL_WINDOW:
            return &flags.symbolShown;
        case IDM_VIEW_VIEW_WINDOW:
            return &flags.viewShown;
        case IDM_VIEW_LIST_WINDOW:
            return &flags.listShown;
    }
    return nullptr;
}

static HWND WindowFor(UINT commandId) {
    switch (commandId) {
        case IDM_VIEW_SYMBOL_WINDOW:
            return appState.tools.symbolWindow;
        case IDM_VIEW_VIEW_WINDOW:
            return appState.tools.viewWindow;
        case IDM_VIEW_LIST_WINDOW:
            return appState.tools.listWindow;
    }
    return nullptr;
}

void ShowHideToolWindow(HWND topology, UINT commandId) {
    bool* shown = FlagFor(commandId, appState.tools.flags);
    if (!shown)
        return;
    ShowWindow(WindowFor(commandId), *shown ? SW_HIDE : SW_SHOW);
    ToggleShownFlag(topology, commandId, appState.tools.flags);
}

void ToggleShownFlag(HWND topology, UINT commandId, ToolWindowFlags& flags) {
    bool* shown = FlagFor(commandId, flags);
    if (!shown)
        return;
    *shown = !*shown;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = *shown ? MFS_CHECKED : 0;
    SetMenuItemInfoA(GetMenu(topology), commandId, FALSE, &item);
}

void HideToolWindow(HWND toolWindow, UINT commandId) {
    // Only a shown window can be closed; a stray WM_CLOSE must not put the check mark out of step.
    if (!IsWindowVisible(toolWindow))
        return;
    ShowWindow(toolWindow, SW_HIDE);
    ToggleShownFlag(appState.topology, commandId, appState.tools.flags);
}

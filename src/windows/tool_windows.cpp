#include "windows/tool_windows.h"

#include "app/app_state.h"
#include "windows/view_window.h"
#include "resources/resource.h"
#include "windows/symbol_window.h"
#include "windows/list_window.h"

ToolWindowFlags toolWindowFlags;
HWND symbolWindow;
HWND viewWindow;
HWND listWindow;

static const UINT PLACE_ONLY = SWP_NOSIZE | SWP_NOZORDER;

static RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void LayoutToolWindows(HWND topology) {
    toolWindowFlags = {true, true, false};

    symbolWindow = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_SYMBOL_WINDOW), topology, SymbolWindowProc, 0);
    SetWindowPos(symbolWindow, nullptr, 0, 0, 0, 0, PLACE_ONLY);
    ShowWindow(symbolWindow, SW_SHOWNORMAL);

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);

    viewWindow = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_VIEW_WINDOW), topology, ViewWindowProc, 0);
    const RECT view = OuterRect(viewWindow);
    const int viewWidth = view.right - view.left;
    const int viewHeight = view.bottom - view.top;
    SetWindowPos(viewWindow, nullptr, screenWidth - viewWidth, 0, 0, 0, PLACE_ONLY);
    ShowWindow(viewWindow, SW_SHOWNORMAL);

    // Directly under the view window, left edges aligned.
    listWindow = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_LIST_WINDOW), topology, ListWindowProc, 0);
    SetWindowPos(listWindow, nullptr, screenWidth - viewWidth, viewHeight, 0, 0, PLACE_ONLY);
    ShowWindow(listWindow, SW_SHOWNORMAL);

    // The topology window fills the band between the symbol window and the view window.
    const int right = OuterRect(symbolWindow).right;
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
        return symbolWindow;
    case IDM_VIEW_VIEW_WINDOW:
        return viewWindow;
    case IDM_VIEW_LIST_WINDOW:
        return listWindow;
    }
    return nullptr;
}

void ShowHideToolWindow(HWND topology, UINT commandId) {
    bool* shown = FlagFor(commandId, toolWindowFlags);
    if (!shown)
        return;
    ShowWindow(WindowFor(commandId), *shown ? SW_HIDE : SW_SHOW);
    ToggleShownFlag(topology, commandId, toolWindowFlags);
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
    ToggleShownFlag(topologyWindow, commandId, toolWindowFlags);
}

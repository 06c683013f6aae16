#include "windows/tool_window_menu.h"

#include "resources/resource.h"
#include "windows/app_state.h"

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

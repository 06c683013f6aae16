#include "windows/tool_windows.h"

#include <algorithm>

#include "windows/app_state.h"
#include "windows/view_window.h"
#include "resources/resource.h"
#include "windows/symbol_window.h"
#include "windows/list_window.h"

constexpr int TOPOLOGY_HEIGHT = 700;

static const UINT PLACE_ONLY = SWP_NOSIZE | SWP_NOZORDER;

static RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

static HWND CreateToolWindow(HWND topology, int templateId, DLGPROC procedure) {
    return CreateDialogParamA(appState.instance, MAKEINTRESOURCEA(templateId), topology, procedure, 0);
}

void CreateToolWindows(HWND topology) {
    appState.tools.flags = {true, true, false};
    appState.tools.symbolWindow = CreateToolWindow(topology, IDD_SYMBOL_WINDOW, SymbolWindowProc);
    appState.tools.viewWindow = CreateToolWindow(topology, IDD_VIEW_WINDOW, ViewWindowProc);
    appState.tools.listWindow = CreateToolWindow(topology, IDD_LIST_WINDOW, ListWindowProc);
    RECT workArea = {0, 0, 0, GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    ArrangeStartWindows(topology, {GetSystemMetrics(SM_CXSCREEN), int(workArea.bottom)});
}

void ArrangeStartWindows(HWND topology, const ScreenArea& screen) {
    SetWindowPos(appState.tools.symbolWindow, nullptr, 0, 0, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.symbolWindow, SW_SHOWNORMAL);

    // The view window's real size: it grows to hold its thumbnail and controls.
    const RECT view = OuterRect(appState.tools.viewWindow);
    const int viewWidth = view.right - view.left;
    const int viewHeight = view.bottom - view.top;
    SetWindowPos(appState.tools.viewWindow, nullptr, screen.width - viewWidth, 0, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.viewWindow, SW_SHOWNORMAL);

    SetWindowPos(appState.tools.listWindow, nullptr, screen.width - viewWidth, viewHeight, 0, 0, PLACE_ONLY);
    ShowWindow(appState.tools.listWindow, SW_SHOWNORMAL);

    // Its bottom scroll bar stays above the taskbar on a short screen (1280 x 720 is a 1920 x 1080
    // screen at 150 % for a program that is not DPI-aware).
    const int right = OuterRect(appState.tools.symbolWindow).right;
    SetWindowPos(topology, nullptr, right, 0, screen.width - viewWidth - right,
                 std::min(TOPOLOGY_HEIGHT, screen.workAreaBottom), SWP_NOZORDER);
}

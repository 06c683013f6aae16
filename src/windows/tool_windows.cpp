#include "windows/tool_windows.h"

#include <algorithm>

#include "core/view_layout.h"
#include "platform/screen.h"
#include "windows/app_state.h"
#include "windows/view_window.h"
#include "resources/resource.h"
#include "windows/symbol_window.h"
#include "windows/list_window.h"

constexpr int TOPOLOGY_HEIGHT = 700;  // pixels at 96 DPI

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

int BandHeight(int32_t dpi) {
    return ScaleToDpi(TOPOLOGY_HEIGHT, dpi);
}

static int Width(const RECT& rect) {
    return rect.right - rect.left;
}

static int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

void ArrangeStartWindows(HWND topology, const ScreenArea& screen) {
    const ToolWindows& tools = appState.tools;
    const RECT symbol = VisibleFrame(tools.symbolWindow);
    PlaceVisibleFrame(tools.symbolWindow, {0, 0, Width(symbol), Height(symbol)}, true);
    ShowWindow(tools.symbolWindow, SW_SHOWNORMAL);

    // The view window's real size: it grows to hold its thumbnail and controls. The list window
    // below it takes its width, or the view window the list window's where that is wider.
    const RECT view = VisibleFrame(tools.viewWindow), list = VisibleFrame(tools.listWindow);
    const int width = std::max(Width(view), Width(list));
    const int left = screen.width - width;
    PlaceVisibleFrame(tools.viewWindow, {left, 0, screen.width, Height(view)}, false);
    ShowWindow(tools.viewWindow, SW_SHOWNORMAL);
    PlaceVisibleFrame(tools.listWindow, {left, Height(view), screen.width, Height(view) + Height(list)}, false);
    ShowWindow(tools.listWindow, SW_SHOWNORMAL);

    // Its bottom scroll bar stays above the taskbar on a short screen.
    PlaceVisibleFrame(topology, {Width(symbol), 0, left, std::min(BandHeight(appState.dpi), screen.workAreaBottom)},
                      false);
}

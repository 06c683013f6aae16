#include "windows/topology_window.h"

#include "windows/app_messages.h"
#include "windows/app_state.h"
#include "windows/menu_commands.h"
#include "windows/tool_windows.h"
#include "windows/editing.h"
#include "render/canvas.h"
#include "windows/view_window.h"
#include "platform/message_box.h"

static LRESULT OnCreate(HWND window) {
    ResetEditingState();
    ResetCanvasView();
    LayoutToolWindows(window);
    CreateBackBuffer(window, appState.canvas.width, appState.canvas.height);
    ShowWindow(appState.tools.listWindow, SW_HIDE);
    return 0;
}

static void OnClose(HWND window) {
    if (ConfirmYesNo(window, "終了してもよろしいですか"))
        SendMessageA(window, WM_DESTROY, 0, 0);
}

// Runs twice: DestroyWindow delivers WM_DESTROY again while the first run is inside it.
static void OnDestroy(HWND window) {
    ForgetAllNodes();
    ClearList(appState.diagram);
    SetPlacementCursor(nullptr, false);
    DestroyWindow(window);
    ReleaseBackBuffer();
    PostQuitMessage(0);
}

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_PAINT:
        PaintTopologyWindow(window);
        return 0;
    case WM_SIZE:
        UpdateScrollRanges(window);
        return 0;
    case WM_HSCROLL:
        ScrollHorizontal(window, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        ScrollVertical(window, LOWORD(wParam));
        return 0;
    case WM_COMMAND:
        RunMenuCommand(window, LOWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(window, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(window, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(window);
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(window, wParam, lParam))
            return TRUE;
        break;
    case MSG_PICK_SYMBOL:
        return OnPickSymbol(window, wParam, lParam);
    case MSG_SELECT_TOOL:
        return OnSelectTool(window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

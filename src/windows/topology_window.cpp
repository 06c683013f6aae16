#include "windows/topology_window.h"

#include <windowsx.h>

#include "core/edit_session.h"
#include "core/view_math.h"
#include "platform/alerts.h"
#include "platform/test_hooks.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/canvas_view.h"
#include "windows/change_notice.h"
#include "windows/dialog_support.h"
#include "windows/label_field.h"
#include "windows/menu_commands.h"
#include "windows/palette_page.h"
#include "windows/placement_cursor.h"
#include "windows/tool_windows.h"
#include "windows/view_window.h"

// A wheel's line, in window pixels: a few lines a notch move the picture as far as a line of text.
constexpr int32_t WHEEL_LINE = 16;

// A fresh session: no diagram, no tool, the default canvas.
static LRESULT OnCreate(HWND window) {
    // Keys always reach the canvas: an IME composition would swallow Esc, Delete and the history
    // keys. The label field, a child, keeps its own.
    systemCalls.associateInputContext(window, nullptr, 0);
    appState.session = EditSession();
    appState.view = CanvasView();
    ChoosePlacementCursor();
    CreateToolWindows(window);
    ReplaceBackBuffer(appState.canvas, appState.session.damage, window, DEFAULT_CANVAS_WIDTH, DEFAULT_CANVAS_HEIGHT);
    ShowWindow(appState.tools.listWindow, SW_HIDE);
    return 0;
}

static void OnClose(HWND window) {
    if (Alert(window, AlertKind::YES_NO_QUESTION, IDS_CONFIRM_EXIT))
        DestroyWindow(window);
}

// The tool windows, owned by this one, are gone already: nothing shows the library any more.
static void OnDestroy() {
    CloseLabelField(false);
    appState.session = EditSession();
    ReleaseSymbolLibrary(appState.library);
    ChoosePlacementCursor();
    appState.canvas = BackBuffer();
    appState.labelField.font.Reset();
    PostQuitMessage(0);
}

// The window shows the part of the back buffer it was asked to.
static void OnPaint(HWND window) {
    ComposePendingDamage();
    PaintDC paint(window);
    PresentCanvas(paint.get(), appState.canvas, appState.view);
}

static CanvasPoint CanvasPointAt(LPARAM lParam) {
    return ClientToCanvas(appState.view, appState.canvas.width(), appState.canvas.height(), GET_X_LPARAM(lParam),
                          GET_Y_LPARAM(lParam));
}

// A label being edited is kept before the canvas does anything else.
static void OnLeftButtonDown(HWND window, LPARAM lParam) {
    EndLabelEdit(true);
    // A picture that could not be made when the tool was armed is tried again: the system may
    // have what it lacked by now.
    const ArmedTool& tool = appState.session.tool;
    if (tool.kind == ToolKind::SYMBOL && !tool.symbol.picture)
        ArmPaletteSymbol(tool.category, tool.image);
    switch (Press(appState.session, CanvasPointAt(lParam))) {
        case PressResult::PLACE_FAILED:
            Alert(window, AlertKind::ERROR_BOX, IDS_PLACE_FAILED);
            break;
        case PressResult::REDRAW:
            ShowCanvasDamage();
            break;
        case PressResult::NOTHING:
            break;
    }
}

// With the select tool, a double-click on a symbol opens its label; anything else is the second
// press it would be without double-clicks.
static void OnDoubleClick(HWND window, LPARAM lParam) {
    const CanvasPoint point = CanvasPointAt(lParam);
    const SymbolItem* symbol = FindSymbolAt(appState.session.diagram, point.x, point.y);
    if (appState.session.tool.kind != ToolKind::SELECT || !symbol) {
        OnLeftButtonDown(window, lParam);
        return;
    }
    EndDrag(appState.session);
    OpenLabelField(symbol->id);
}

static void OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (DragTo(appState.session, CanvasPointAt(lParam), (wParam & MK_LBUTTON) != 0))
        ShowCanvasDamage();
}

static void OnLeftButtonUp() {
    EndDrag(appState.session);
}

// Esc drops a pending cable end or puts a dragged symbol back; Delete removes the selected symbol;
// F2 opens the selected symbol's label with the select tool.
static bool OnKeyDown(WPARAM key) {
    EditSession& session = appState.session;
    bool changed = false;
    if (key == VK_ESCAPE)
        changed = CancelPending(session);
    else if (key == VK_DELETE)
        changed = DeleteSelected(session);
    else if (key == VK_F2 && session.tool.kind == ToolKind::SELECT)
        OpenLabelField(session.selectedId);
    else
        return false;
    if (changed)
        ShowCanvasDamage();
    return true;
}

// The wheel scrolls (Shift or a tilt across), Ctrl with it zooms a step a notch as "＋" and "－" do.
// Fine wheels send less than a notch a step: what is short of a pixel or a notch is kept.
static void OnWheel(HWND window, bool across, WPARAM wParam) {
    int32_t delta = GET_WHEEL_DELTA_WPARAM(wParam);
    const WPARAM keys = GET_KEYSTATE_WPARAM(wParam);
    WheelRest& rest = appState.wheelRest;
    if (!across && (keys & MK_CONTROL)) {
        rest.zoom += delta;
        for (; rest.zoom >= WHEEL_DELTA; rest.zoom -= WHEEL_DELTA)
            StepZoom(+1);
        for (; rest.zoom <= -WHEEL_DELTA; rest.zoom += WHEEL_DELTA)
            StepZoom(-1);
        return;
    }
    // Away from the user (and a tilt to the left) shows what lies above (to the left).
    if (!across && (keys & MK_SHIFT))
        across = true;
    else if (across)
        delta = -delta;
    UINT lines = 3;
    SystemParametersInfoA(across ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    RECT client = {};
    GetClientRect(window, &client);
    // A page a notch, when so set.
    const int32_t line = lines == WHEEL_PAGESCROLL ? (across ? client.right : client.bottom) : WHEEL_LINE;
    const int32_t perNotch = lines == WHEEL_PAGESCROLL ? 1 : int32_t(lines);
    ScrollBy(across ? SB_HORZ : SB_VERT, -WheelPixels(delta, perNotch, line, across ? &rest.across : &rest.down));
}

// Over the client area an armed tool shows its cursor; false leaves the choice to the default.
static bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT || !appState.placementCursor.cursor)
        return false;
    SetCursor(appState.placementCursor.cursor);
    return true;
}

// The label field's text changes; everything else is a menu command or a history key, which a
// label being edited does not outlive.
static void OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam && reinterpret_cast<HWND>(lParam) == appState.labelField.field) {
        if (HIWORD(wParam) == EN_CHANGE)
            OnLabelFieldChanged(appState.labelField.field);
        return;
    }
    EndLabelEdit(true);
    const UINT command = LOWORD(wParam);
    if (command == IDM_EDIT_UNDO || command == IDM_EDIT_REDO) {
        if (command == IDM_EDIT_UNDO ? Undo(appState.session) : Redo(appState.session))
            ShowCanvasDamage();
        return;
    }
    RunMenuCommand(window, command);
}

// The cursor follows the armed tool; a library delete may move or disarm the symbol tool first.
// A new tool keeps a label being edited and clears the selection, which the canvas shows.
static void OnChanged(WPARAM changes, const LibraryChange* library) {
    if ((changes & CHANGED_LIBRARY) && library && library->removedIndex >= 0)
        FollowDeletedLibraryImage(appState.session, library->category, library->removedIndex);
    if (changes & (CHANGED_TOOL | CHANGED_LIBRARY)) {
        EndLabelEdit(true);
        ChoosePlacementCursor();
        ShowCanvasDamage();
    }
    if (changes & CHANGED_VIEW)
        ShowNewView();
}

LRESULT CALLBACK TopologyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_SIZE:
            UpdateScrollRanges();
            return 0;
        case WM_HSCROLL:
            ScrollByRequest(SB_HORZ, ScrollRequest(LOWORD(wParam)));
            return 0;
        case WM_VSCROLL:
            ScrollByRequest(SB_VERT, ScrollRequest(LOWORD(wParam)));
            return 0;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            OnWheel(window, message == WM_MOUSEHWHEEL, wParam);
            return 0;
        case WM_COMMAND:
            OnCommand(window, wParam, lParam);
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(window, lParam);
            return 0;
        case WM_LBUTTONDBLCLK:
            OnDoubleClick(window, lParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
            OnLeftButtonUp();
            return 0;
        case WM_KEYDOWN:
            if (OnKeyDown(wParam))
                return 0;
            break;
        case WM_SETCURSOR:
            if (OnSetCursor(window, wParam, lParam))
                return TRUE;
            break;
        case MSG_CHANGED:
            OnChanged(wParam, reinterpret_cast<const LibraryChange*>(lParam));
            return 0;
        case WM_SYSCOLORCHANGE:
            ForwardColourChange(window, wParam, lParam);
            return 0;
        case MSG_LABEL_DONE:
            EndLabelEdit(wParam != 0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

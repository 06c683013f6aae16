#include "windows/topology_window.h"

#include <windowsx.h>

#include "core/edit_session.h"
#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "platform/alerts.h"
#include "resources/resource.h"
#include "render/canvas.h"
#include "windows/app_state.h"
#include "windows/change_notice.h"
#include "windows/menu_commands.h"
#include "windows/palette_page.h"
#include "windows/placement_cursor.h"
#include "windows/tool_windows.h"
#include "windows/view_window.h"

// What the edits damaged is composed again, and the view window shows it in the thumbnail.
static void ComposePendingDamage() {
    CanvasDamage& damage = appState.session.damage;
    if (!HasDamage(damage))
        return;
    ComposeCanvas(appState.canvas, appState.session, damage);
    ShowThumbnailDamage(damage);
    ClearDamage(damage);
}

// Asks for a paint of what the edits changed, where it shows in the window, without erasing, as
// the picture covers it. A change scrolled out of sight is composed at once: no paint would come
// for it, and the thumbnail shows it.
static void ShowDamage(HWND window) {
    const CanvasDamage& damage = appState.session.damage;
    if (!HasDamage(damage))
        return;
    OwnedRegion region(damage.everything ? nullptr : NewShownDamageRegion(appState.canvas, damage, appState.view));
    if (region)
        InvalidateRgn(window, region.get(), FALSE);
    else
        InvalidateRect(window, nullptr, FALSE);
    if (!GetUpdateRect(window, nullptr, FALSE))
        ComposePendingDamage();
}

// A fresh session: no diagram, no tool, the default canvas.
static LRESULT OnCreate(HWND window) {
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
    appState.session = EditSession();
    ReleaseSymbolLibrary(appState.library);
    ChoosePlacementCursor();
    appState.canvas = BackBuffer();
    PostQuitMessage(0);
}

// The window shows the part of the back buffer it was asked to.
static void OnPaint(HWND window) {
    ComposePendingDamage();
    PaintDC paint(window);
    PresentCanvas(paint.get(), appState.canvas, appState.view);
}

static void SetScrollBar(HWND topology, int bar, const ScrollAxis& axis, int32_t position) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = axis.maximum;
    info.nPage = UINT(axis.page);
    info.nPos = position;
    SetScrollInfo(topology, bar, &info, TRUE);
}

static void UpdateScrollRanges(HWND topology) {
    RECT client = {};
    GetClientRect(topology, &client);
    CanvasView& view = appState.view;
    const ScrollAxis horizontal = ScrollAxisFor(ZoomedLength(appState.canvas.width(), view.zoomFactor), client.right);
    if (view.scrollX > horizontal.maxPos)
        view.scrollX = horizontal.maxPos;
    SetScrollBar(topology, SB_HORZ, horizontal, view.scrollX);
    const ScrollAxis vertical = ScrollAxisFor(ZoomedLength(appState.canvas.height(), view.zoomFactor), client.bottom);
    if (view.scrollY > vertical.maxPos)
        view.scrollY = vertical.maxPos;
    SetScrollBar(topology, SB_VERT, vertical, view.scrollY);
}

// A new zoom or canvas size: new scroll ranges, and the whole window shown again. The 1:1 picture
// does not change with the zoom, so only what is pending is composed (a new canvas is all pending).
static void OnViewChanged(HWND window) {
    UpdateScrollRanges(window);
    InvalidateRect(window, nullptr, TRUE);
}

static_assert(uint32_t(ScrollRequest::LINE_BACK) == SB_LINEUP && uint32_t(ScrollRequest::TO_END) == SB_BOTTOM &&
                  uint32_t(ScrollRequest::END_SCROLL) == SB_ENDSCROLL,
              "scroll requests carry the platform's codes");

static void Scroll(HWND window, int bar, ScrollRequest request, int32_t& scroll) {
    // What is pending is painted where it is before the picture moves.
    UpdateWindow(window);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    const int32_t maxPos = LargestScrollPosition(info.nMax, info.nPage);
    const int32_t position = ScrolledPosition(request, info.nPos, info.nTrackPos, maxPos);
    if (position == info.nPos)
        return;
    const int32_t distance = info.nPos - position;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
    scroll = position;
    RECT client = {};
    GetClientRect(window, &client);
    ScrollWindowEx(window, bar == SB_HORZ ? distance : 0, bar == SB_VERT ? distance : 0, &client, &client, nullptr,
                   nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateWindow(window);
}

static CanvasPoint CanvasPointAt(LPARAM lParam) {
    return ClientToCanvas(appState.view, appState.canvas.width(), appState.canvas.height(), GET_X_LPARAM(lParam),
                          GET_Y_LPARAM(lParam));
}

static void OnLeftButtonDown(HWND window, LPARAM lParam) {
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
            ShowDamage(window);
            break;
        case PressResult::NOTHING:
            break;
    }
}

static void OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (DragTo(appState.session, CanvasPointAt(lParam), (wParam & MK_LBUTTON) != 0))
        ShowDamage(window);
}

static void OnLeftButtonUp() {
    EndDrag(appState.session);
}

// Esc drops a pending cable end or puts a dragged symbol back; Delete removes the selected symbol.
static bool OnKeyDown(HWND window, WPARAM key) {
    bool changed = false;
    if (key == VK_ESCAPE)
        changed = CancelPending(appState.session);
    else if (key == VK_DELETE)
        changed = DeleteSelected(appState.session);
    else
        return false;
    if (changed)
        ShowDamage(window);
    return true;
}

// Over the client area an armed tool shows its cursor; false leaves the choice to the default.
static bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT || !appState.placementCursor.cursor)
        return false;
    SetCursor(appState.placementCursor.cursor);
    return true;
}

bool RouteHistoryKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !appState.topology || !(GetKeyState(VK_CONTROL) & 0x8000))
        return false;
    bool redo;
    if (message.wParam == 'Z')
        redo = GetKeyState(VK_SHIFT) & 0x8000;
    else if (message.wParam == 'Y')
        redo = true;
    else
        return false;
    char className[16] = "";
    GetClassNameA(message.hwnd, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0)
        return false;
    if (redo ? Redo(appState.session) : Undo(appState.session))
        ShowDamage(appState.topology);
    return true;
}

// The cursor follows the armed tool; a library delete may move or disarm the symbol tool first.
// A new tool clears the selection, which the canvas shows.
static void OnChanged(HWND window, WPARAM changes, const LibraryChange* library) {
    if ((changes & CHANGED_LIBRARY) && library && library->removedIndex >= 0)
        FollowDeletedLibraryImage(appState.session, library->category, library->removedIndex);
    if (changes & (CHANGED_TOOL | CHANGED_LIBRARY)) {
        ChoosePlacementCursor();
        ShowDamage(window);
    }
    if (changes & CHANGED_VIEW)
        OnViewChanged(window);
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
            UpdateScrollRanges(window);
            return 0;
        case WM_HSCROLL:
            Scroll(window, SB_HORZ, ScrollRequest(LOWORD(wParam)), appState.view.scrollX);
            return 0;
        case WM_VSCROLL:
            Scroll(window, SB_VERT, ScrollRequest(LOWORD(wParam)), appState.view.scrollY);
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
            OnLeftButtonUp();
            return 0;
        case WM_KEYDOWN:
            if (OnKeyDown(window, wParam))
                return 0;
            break;
        case WM_SETCURSOR:
            if (OnSetCursor(window, wParam, lParam))
                return TRUE;
            break;
        case MSG_CHANGED:
            OnChanged(window, wParam, reinterpret_cast<const LibraryChange*>(lParam));
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

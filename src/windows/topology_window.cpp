#include "windows/topology_window.h"

#include <windowsx.h>

#include "core/editor.h"
#include "core/view_math.h"
#include "library/catalog.h"
#include "platform/gdi_objects.h"
#include "platform/message_box.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "windows/app_messages.h"
#include "windows/app_state.h"
#include "windows/menu_commands.h"
#include "windows/placement_cursor.h"
#include "windows/tool_windows.h"

// Editing repaints without erasing: the whole canvas is composed again anyway.
static void Invalidate(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

static LRESULT OnCreate(HWND window) {
    SetPlacementCursor(nullptr, false);
    ResetEditor(appState.editor);
    ResetCanvasView(appState.canvas);
    LayoutToolWindows(window);
    CreateBackBuffer(appState.canvas, window, appState.canvas.width, appState.canvas.height);
    ShowWindow(appState.tools.listWindow, SW_HIDE);
    return 0;
}

static void OnClose(HWND window) {
    if (ConfirmYesNo(window, "終了してもよろしいですか"))
        DestroyWindow(window);
}

static void OnDestroy() {
    ForgetAllNodes(appState.editor);
    ClearList(appState.diagram);
    SetPlacementCursor(nullptr, false);
    appState.canvas.backBuffer = BackBuffer();
    PostQuitMessage(0);
}

// The thumbnail in the view window is drawn with every paint, from the picture just composed.
static void OnPaint(HWND window) {
    PaintDC paint(window);
    ComposeDiagram(appState.canvas, appState.diagram, appState.editor.selectedNode);
    PresentCanvas(paint.get(), appState.canvas);
    if (appState.tools.viewWindow) {
        WindowDC viewDC(appState.tools.viewWindow);
        DrawThumbnail(viewDC.get(), appState.canvas);
    }
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
    CanvasState& canvas = appState.canvas;
    const ScrollAxis horizontal = ScrollAxisFor(ZoomedLength(canvas.width, canvas.zoomFactor), client.right);
    if (canvas.scrollX > horizontal.maxPos)
        canvas.scrollX = horizontal.maxPos;
    SetScrollBar(topology, SB_HORZ, horizontal, canvas.scrollX);
    const ScrollAxis vertical = ScrollAxisFor(ZoomedLength(canvas.height, canvas.zoomFactor), client.bottom);
    if (canvas.scrollY > vertical.maxPos)
        canvas.scrollY = vertical.maxPos;
    SetScrollBar(topology, SB_VERT, vertical, canvas.scrollY);
}

static void Scroll(HWND window, int bar, UINT requestCode, int32_t& scroll) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    const int32_t maxPos = LargestScrollPosition(info.nMax, info.nPage);
    const int32_t position = ScrolledPosition(requestCode, info.nPos, info.nTrackPos, maxPos);
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
    return ClientToCanvas(appState.canvas, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// A placed symbol shares the armed palette item's picture.
static void PlaceSymbolAt(HWND window, CanvasPoint point) {
    SymbolItem* symbol = NewSymbolItem(appState.diagram);
    bool placed = false;
    if (symbol) {
        WindowDC dc(window);
        SymbolPicture* picture = dc ? CatalogPicture(appState.library.catalog, dc.get(), appState.editor.tool.toolCode,
                                                     appState.editor.tool.subCode)
                                    : nullptr;
        if (picture)
            GiveSymbolPicture(*symbol, picture);
        placed = picture != nullptr;
    }
    placed = placed && PlaceSymbol(appState.diagram, symbol, point);
    if (!placed) {
        FreeSymbolItem(appState.diagram, symbol);
        ShowError(window, "シンボルの画像を作成できないため、配置できませんでした。");
        return;
    }
    Invalidate(window);
}

static void OnLeftButtonDown(HWND window, LPARAM lParam) {
    const CanvasPoint point = CanvasPointAt(lParam);
    switch (Press(appState.editor, appState.diagram, point)) {
        case PressResult::PLACE_SYMBOL:
            PlaceSymbolAt(window, point);
            break;
        case PressResult::REDRAW:
            Invalidate(window);
            break;
        case PressResult::NOTHING:
            break;
    }
}

static void OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (DragTo(appState.editor, appState.diagram, CanvasPointAt(lParam), (wParam & MK_LBUTTON) != 0))
        Invalidate(window);
}

static void OnLeftButtonUp() {
    Release(appState.editor);
}

// Over the client area an armed tool shows its cursor; false leaves the choice to the default.
static bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT || !appState.placementCursor.cursor)
        return false;
    SetCursor(appState.placementCursor.cursor);
    return true;
}

// The palette set the cursor (an icon of the picture) before it sent the message.
static void OnPickSymbol(HWND window, WPARAM wParam, LPARAM lParam) {
    PickSymbolTool(appState.editor, int16_t(LOWORD(wParam)), int16_t(LOWORD(lParam)));
    Invalidate(window);
}

// The delete cursor was set by the sender; every other tool shows the default cursor.
static void OnSelectTool(HWND window, WPARAM wParam, LPARAM lParam) {
    const int16_t tool = int16_t(LOWORD(wParam));
    if (tool != TOOL_DELETE)
        SetPlacementCursor(nullptr, false);
    SelectTool(appState.editor, tool, int16_t(LOWORD(lParam)));
    Invalidate(window);
}

static void OnPaletteImageDeleted(WPARAM category, LPARAM index) {
    if (OnLibraryImageDeleted(appState.editor, int32_t(category), int32_t(index)))
        SetPlacementCursor(nullptr, false);
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
            Scroll(window, SB_HORZ, LOWORD(wParam), appState.canvas.scrollX);
            return 0;
        case WM_VSCROLL:
            Scroll(window, SB_VERT, LOWORD(wParam), appState.canvas.scrollY);
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
        case WM_SETCURSOR:
            if (OnSetCursor(window, wParam, lParam))
                return TRUE;
            break;
        case MSG_PICK_SYMBOL:
            OnPickSymbol(window, wParam, lParam);
            return 0;
        case MSG_SELECT_TOOL:
            OnSelectTool(window, wParam, lParam);
            return 0;
        case MSG_LIBRARY_IMAGE_DELETED:
            OnPaletteImageDeleted(wParam, lParam);
            return 0;
        case MSG_VIEW_CHANGED:
            UpdateScrollRanges(window);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

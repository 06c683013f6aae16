#include "windows/view_window.h"

#include <commctrl.h>

#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "render/canvas.h"
#include "core/view_math.h"
#include "resources/resource.h"

// The thumb's range; the buttons step one past either end.
constexpr int ZOOM_POSITION_MIN = -5;
constexpr int ZOOM_POSITION_MAX = 5;

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

void UpdateScrollRanges(HWND topology) {
    RECT client = {};
    GetClientRect(topology, &client);
    const ScrollAxis horizontal = ScrollAxisFor(ZoomedLength(appState.canvas.width, appState.canvas.zoomFactor), client.right);
    if (appState.canvas.scrollX > horizontal.maxPos)
        appState.canvas.scrollX = horizontal.maxPos;
    SetScrollBar(topology, SB_HORZ, horizontal, appState.canvas.scrollX);
    const ScrollAxis vertical = ScrollAxisFor(ZoomedLength(appState.canvas.height, appState.canvas.zoomFactor), client.bottom);
    if (appState.canvas.scrollY > vertical.maxPos)
        appState.canvas.scrollY = vertical.maxPos;
    SetScrollBar(topology, SB_VERT, vertical, appState.canvas.scrollY);
}

static void Scroll(HWND topology, int bar, UINT requestCode, int32_t& scroll) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(topology, bar, &info);
    const int32_t maxPos = info.nMax - int32_t(info.nPage) + 1;
    const int32_t position = ScrolledPosition(requestCode, info.nPos, info.nTrackPos, maxPos);
    if (position == info.nPos)
        return;
    const int32_t distance = info.nPos - position;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nPos = position;
    SetScrollInfo(topology, bar, &info, TRUE);
    scroll = position;
    RECT client = {};
    GetClientRect(topology, &client);
    ScrollWindowEx(topology, bar == SB_HORZ ? distance : 0, bar == SB_VERT ? distance : 0, &client, &client, nullptr,
                   nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateWindow(topology);
}

void ScrollHorizontal(HWND topology, UINT requestCode) {
    Scroll(topology, SB_HORZ, requestCode, appState.canvas.scrollX);
}

void ScrollVertical(HWND topology, UINT requestCode) {
    Scroll(topology, SB_VERT, requestCode, appState.canvas.scrollY);
}

static void ShowZoomLabel(HWND dialog) {
    char text[32];
    FormatZoomLabel(appState.canvas.zoomFactor, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_ZOOM_LABEL, text);
}

// Every zoom change: new scroll ranges, a full repaint with erasing, and the label.
static void ApplyZoom(HWND dialog, int32_t position) {
    appState.canvas.zoomFactor = ZoomFromPosition(position);
    UpdateScrollRanges(appState.topology);
    InvalidateRect(appState.topology, nullptr, TRUE);
    ShowZoomLabel(dialog);
}

static int32_t TrackBarPosition(HWND dialog) {
    return int32_t(SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_GETPOS, 0, 0));
}

static void OnInitDialog(HWND dialog) {
    // Separately: a packed pair would carry the minimum as an unsigned word.
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETRANGEMIN, FALSE, ZOOM_POSITION_MIN);
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETRANGEMAX, TRUE, ZOOM_POSITION_MAX);
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETPOS, TRUE, 1);
    appState.canvas.zoomFactor = ZoomFromPosition(TrackBarPosition(dialog));
    ShowZoomLabel(dialog);
}

// "＋" and "－" step from the thumb's position; past the track bar's ends they still reach 6 and 1/6.
static void OnStep(HWND dialog, int32_t step) {
    const int32_t position = TrackBarPosition(dialog) + step;
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETPOS, TRUE, position);
    ApplyZoom(dialog, position);
}

// The thumbnail is drawn from the last composed picture, so it survives being covered.
static void OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (appState.canvas.backBuffer.backBufferDC)
        DrawThumbnail(dc);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        break;
    case WM_HSCROLL:
        ApplyZoom(dialog, TrackBarPosition(dialog));
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_ZOOM_IN)
            OnStep(dialog, +1);
        else if (LOWORD(wParam) == IDC_ZOOM_OUT)
            OnStep(dialog, -1);
        break;
    case WM_PAINT:
        OnPaint(dialog);
        return TRUE;
    case WM_CLOSE:
        HideToolWindow(dialog, IDM_VIEW_VIEW_WINDOW);
        break;
    }
    return FALSE;
}

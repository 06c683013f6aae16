#include "windows/view_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "core/view_layout.h"
#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/canvas_view.h"
#include "windows/change_notice.h"
#include "windows/dialog_support.h"
#include "windows/tool_window_menu.h"

// The thumb's range; the buttons step one past either end.
constexpr int ZOOM_POSITION_MIN = -5;
constexpr int ZOOM_POSITION_MAX = 5;

static void ShowZoomLabel(HWND dialog) {
    char text[32];
    FormatZoomLabel(appState.view.zoomFactor, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_ZOOM_LABEL, text);
}

// Every zoom change: new scroll ranges, a full repaint with erasing, and the label.
static void ApplyZoom(HWND dialog, int32_t position) {
    appState.view.zoomFactor = ZoomFromPosition(position);
    NotifyChange(CHANGED_VIEW);
    ShowZoomLabel(dialog);
}

static int32_t TrackBarPosition(HWND dialog) {
    return int32_t(SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_GETPOS, 0, 0));
}

// The zoom strip under the thumbnail in pixels, and the window grown (never shrunk) to hold both.
static void LayOutControls(HWND dialog) {
    static const int CONTROL_IDS[VIEW_CONTROL_COUNT] = {IDC_ZOOM_OUT, IDC_ZOOM_TRACKBAR, IDC_ZOOM_IN, IDC_ZOOM_CAPTION,
                                                        IDC_ZOOM_LABEL};
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    const ViewLayout layout = LayOutViewWindow({units.right, units.bottom}, appState.dpi);
    for (int i = 0; i < VIEW_CONTROL_COUNT; ++i) {
        const PixelRect& rect = layout.controls[i];
        MoveWindow(GetDlgItem(dialog, CONTROL_IDS[i]), rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, FALSE);
    }
    RECT client = {};
    GetClientRect(dialog, &client);
    RECT outer = {0, 0, std::max<LONG>(client.right, layout.clientWidth),
                  std::max<LONG>(client.bottom, layout.clientHeight)};
    AdjustWindowRectEx(&outer, DWORD(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void OnInitDialog(HWND dialog) {
    LayOutControls(dialog);
    FitStaticTexts(dialog);
    // Separately: a packed pair would carry the minimum as an unsigned word.
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETRANGEMIN, FALSE, ZOOM_POSITION_MIN);
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETRANGEMAX, TRUE, ZOOM_POSITION_MAX);
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETPOS, TRUE, 1);
    appState.view.zoomFactor = ZoomFromPosition(TrackBarPosition(dialog));
    ShowZoomLabel(dialog);
}

// "＋" and "－" step from the thumb's position; past the track bar's ends they still reach 6 and 1/6.
void StepZoom(int32_t step) {
    HWND dialog = appState.tools.viewWindow;
    const int32_t position = TrackBarPosition(dialog) + step;
    SendDlgItemMessageA(dialog, IDC_ZOOM_TRACKBAR, TBM_SETPOS, TRUE, position);
    ApplyZoom(dialog, position);
}

// A click in the thumbnail, and the mouse dragged on from there, centres the canvas point under it
// in the topology window.
static void OnThumbnailMouse(HWND dialog, UINT message, WPARAM keys, LPARAM lParam) {
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const PixelRect area = ThumbnailRect(appState.dpi);
    const RECT thumbnail = {area.left, area.top, area.right, area.bottom};
    if (message == WM_LBUTTONDOWN && PtInRect(&thumbnail, at))
        SetCapture(dialog);
    else if (message == WM_LBUTTONUP || !(keys & MK_LBUTTON))
        ReleaseCapture();
    if (GetCapture() != dialog || !appState.canvas)
        return;
    CentreCanvasOn({CanvasFromThumbnail(at.x - area.left, area.right - area.left, appState.canvas.width()),
                    CanvasFromThumbnail(at.y - area.top, area.bottom - area.top, appState.canvas.height())});
}

// The thumbnail is drawn from the last composed picture, so it survives being covered.
static void OnPaint(HWND dialog) {
    PaintDC paint(dialog);
    DrawThumbnail(paint.get(), appState.canvas, ThumbnailRect(appState.dpi));
}

INT_PTR CALLBACK ViewWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            break;
        case WM_HSCROLL:
            ApplyZoom(dialog, TrackBarPosition(dialog));
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_ZOOM_IN)
                StepZoom(+1);
            else if (LOWORD(wParam) == IDC_ZOOM_OUT)
                StepZoom(-1);
            break;
        case WM_PAINT:
            OnPaint(dialog);
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            OnThumbnailMouse(dialog, message, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            HideToolWindow(dialog, IDM_VIEW_VIEW_WINDOW);
            break;
        case WM_SYSCOLORCHANGE:
            ForwardColourChange(dialog, wParam, lParam);
            break;
    }
    return FALSE;
}

#include "windows/view_window.h"

#include <commctrl.h>

#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/app_messages.h"
#include "windows/tool_window_menu.h"

// The thumb's range; the buttons step one past either end.
constexpr int ZOOM_POSITION_MIN = -5;
constexpr int ZOOM_POSITION_MAX = 5;

static void ShowZoomLabel(HWND dialog) {
    char text[32];
    FormatZoomLabel(appState.canvas.zoomFactor, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_ZOOM_LABEL, text);
}

// Every zoom change: new scroll ranges, a full repaint with erasing, and the label.
static void ApplyZoom(HWND dialog, int32_t position) {
    appState.canvas.zoomFactor = ZoomFromPosition(position);
    SendMessageA(appState.topology, MSG_VIEW_CHANGED, 0, 0);
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
    PaintDC paint(dialog);
    DrawThumbnail(paint.get(), appState.canvas);
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

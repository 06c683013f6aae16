#include "windows/canvas_size_dialog.h"

#include "windows/app_state.h"
#include "render/canvas.h"
#include "core/canvas_size_input.h"
#include "windows/change_notice.h"
#include "platform/alerts.h"
#include "platform/test_hooks.h"
#include "windows/dialog_support.h"
#include "resources/resource.h"

static bool ReadSide(HWND dialog, int field, int32_t* side) {
    char text[31] = "";
    GetDlgItemTextA(dialog, field, text, sizeof text);
    return ParseCanvasSide(text, side);
}

void ApplyCanvasSize(HWND dialog) {
    int32_t width = 0, height = 0;
    if (!ReadSide(dialog, IDC_CANVAS_WIDTH, &width) || !ReadSide(dialog, IDC_CANVAS_HEIGHT, &height)) {
        Alert(dialog, AlertKind::ERROR_BOX, IDS_CANVAS_SIZE_INVALID);
        return;
    }
    if (!ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, width, height)) {
        Alert(dialog, AlertKind::ERROR_BOX, IDS_CANVAS_NOT_MADE);
        return;
    }
    NotifyChange(CHANGED_VIEW);
}

// Without a back buffer (none could be made at start) the canvas has no size: the default is offered.
static void OnInitDialog(HWND dialog) {
    const BackBuffer& canvas = appState.canvas;
    SetDlgItemInt(dialog, IDC_CANVAS_WIDTH, UINT(canvas ? canvas.width() : DEFAULT_CANVAS_WIDTH), FALSE);
    SetDlgItemInt(dialog, IDC_CANVAS_HEIGHT, UINT(canvas ? canvas.height() : DEFAULT_CANVAS_HEIGHT), FALSE);
    // Numbers only: the IME stays off here (full-width digits from elsewhere are still taken).
    for (int field : {IDC_CANVAS_WIDTH, IDC_CANVAS_HEIGHT})
        systemCalls.associateInputContext(GetDlgItem(dialog, field), nullptr, 0);
    FitStaticTexts(dialog);
}

INT_PTR CALLBACK CanvasSizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_CANVAS_APPLY) {
                ApplyCanvasSize(dialog);
            } else if (LOWORD(wParam) == IDC_CANVAS_CLOSE) {
                InvalidateRect(appState.topology, nullptr, TRUE);
                EndDialog(dialog, IDC_CANVAS_CLOSE);
            }
            return TRUE;  // Esc (IDCANCEL) does nothing
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
    }
    return FALSE;
}

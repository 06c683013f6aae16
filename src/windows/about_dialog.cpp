#include "windows/about_dialog.h"

#include <shellapi.h>

#include "platform/alerts.h"
#include "platform/test_hooks.h"
#include "resources/resource.h"
#include "windows/dialog_support.h"

static void OnInitDialog(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ABOUT_TEXT, FormatText(IDS_ABOUT_TEXT, NEXADRAW_VERSION).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_WEB, LoadText(IDS_ABOUT_WEB_ADDRESS).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_NOTICE, LoadText(IDS_ABOUT_NOTICE).c_str());
    FitStaticTexts(dialog);
}

// Every notification of the address opens it, a double click twice. A failure (no browser, no
// handler for the address) is told with what the shell's code means.
static void OpenWebAddress(HWND dialog) {
    char address[1024] = "";
    GetDlgItemTextA(dialog, IDC_ABOUT_WEB, address, sizeof address);
    const INT_PTR result =
        reinterpret_cast<INT_PTR>(systemCalls.shellExecute(dialog, "open", address, nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        ShowWebAddressError(dialog, int(result));
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)  // Esc closes it as OK does
                EndDialog(dialog, IDOK);
            else if (LOWORD(wParam) == IDC_ABOUT_WEB)
                OpenWebAddress(dialog);
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
    }
    return FALSE;
}

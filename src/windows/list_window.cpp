#include "windows/list_window.h"

#include "core/catalogue_format.h"
#include "platform/alerts.h"
#include "windows/dialog_support.h"
#include "windows/tool_window_menu.h"
#include "resources/resource.h"

// The texts of count string resources from the first, the first of them selected.
static void FillCombo(HWND combo, UINT firstText, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(firstText + UINT(i)).c_str()));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// Every category first, then each one by its palette name.
static void FillDisplayFilter(HWND combo) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(IDS_FILTER_ALL).c_str()));
    FillCombo(combo, IDS_CATEGORY_FIRST, CATEGORY_COUNT);
}

INT_PTR CALLBACK ListWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            FillCombo(GetDlgItem(dialog, IDC_SORT_ORDER), IDS_SORT_CREATION, 2);
            FillDisplayFilter(GetDlgItem(dialog, IDC_DISPLAY_FILTER));
            FitStaticTexts(dialog);
            return FALSE;
        case WM_CLOSE:
            HideToolWindow(dialog, IDM_VIEW_LIST_WINDOW);
            return TRUE;
        case WM_SYSCOLORCHANGE:
            ForwardColourChange(dialog, wParam, lParam);
            return TRUE;
    }
    return FALSE;
}

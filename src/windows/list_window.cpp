#include "windows/list_window.h"

#include "core/catalogue_format.h"
#include "windows/tool_window_menu.h"
#include "resources/resource.h"

static const char* const sortOrderNames[] = {"作成順", "名前順"};

static void FillCombo(HWND combo, const char* const* names, size_t count) {
    for (size_t i = 0; i < count; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i]));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// Every category first, then each one by its palette name.
static void FillDisplayFilter(HWND combo) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("全て"));
    FillCombo(combo, CATEGORY_NAMES, CATEGORY_COUNT);
}

INT_PTR CALLBACK ListWindowProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FillCombo(GetDlgItem(dialog, IDC_SORT_ORDER), sortOrderNames, 2);
            FillDisplayFilter(GetDlgItem(dialog, IDC_DISPLAY_FILTER));
            return FALSE;
        case WM_CLOSE:
            HideToolWindow(dialog, IDM_VIEW_LIST_WINDOW);
            return TRUE;
    }
    return FALSE;
}

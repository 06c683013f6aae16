#include "windows/symbol_window.h"

#include <commctrl.h>

#include <string>

#include "windows/app_messages.h"
#include "windows/app_state.h"
#include "windows/placement_cursor.h"
#include "windows/tool_window_menu.h"
#include "resources/resource.h"
#include "windows/add_symbol_dialog.h"
#include "library/symbol_library.h"
#include "platform/message_box.h"
#include "windows/palette_page.h"

static void ShowOnlyPage(int32_t tab) {
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        ShowWindow(appState.tools.palettePage[category], category == tab ? SW_SHOW : SW_HIDE);
}

void ShowLibraryLoadResult(HWND owner, const LibraryLoad& load) {
    if (!appState.library.root[0])
        ShowError(owner,
                  "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリ (Symbol.txt と Symbol "
                  "フォルダ) を使用できません。シンボルなしで続けます。\r\nシンボルを使うには、パスの短いフォルダから"
                  "起動し直してください。");
    else
        ShowFileError(owner, load.error, FileOperation::OPEN_CATALOG);
    if (load.recordsLeftOut > 0) {
        const std::string text = "シンボル ファイル (Symbol.txt) のシンボルが多すぎるため、" +
                                 std::to_string(load.recordsLeftOut) +
                                 " 個を読み込みませんでした。パレットに表示できるのは種類ごとに " +
                                 std::to_string(CATEGORY_IMAGE_LIMIT) + " 個までです。Symbol.txt は変更していません。";
        ShowError(owner, text.c_str());
    }
}

static void OnInitDialog(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_CATEGORY_TABS);
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(CATEGORY_NAMES[category]);
        SendMessageA(tabs, TCM_INSERTITEMA, category, reinterpret_cast<LPARAM>(&item));
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        appState.tools.palettePage[category] = CreatePalettePage(dialog, category);

    // The pages cover the tab control's display area.
    RECT area = {};
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, dialog, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left, height = area.bottom - area.top;
    for (HWND page : appState.tools.palettePage) {
        MoveWindow(page, area.left, area.top, width, height, FALSE);
        // The template's list view is taller than the display area of two rows of tabs: fitted to
        // the page, its last row and its scroll bar stay within reach.
        MoveWindow(PaletteList(page), 0, 0, width, height, FALSE);
        // Above the tab control, which would otherwise paint over them.
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    appState.tools.currentTab = 0;
    ShowOnlyPage(appState.tools.currentTab);
}

static void OnTabChange(HWND tabs) {
    const int32_t tab = int32_t(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    if (tab < 0 || tab >= CATEGORY_COUNT)
        return;
    appState.tools.currentTab = tab;
    ShowOnlyPage(tab);
}

static void OnNotify(HWND dialog, const NMHDR& header) {
    HWND tabs = GetDlgItem(dialog, IDC_CATEGORY_TABS);
    if (header.hwndFrom == tabs && header.code == UINT(TCN_SELCHANGE))
        OnTabChange(tabs);
}

static void SelectTool(WPARAM tool, LPARAM cableType) {
    SendMessageA(appState.topology, MSG_SELECT_TOOL, tool, cableType);
}

// The delete tool's cursor is a shared resource: the topology window must not destroy it.
static void SelectDeleteTool() {
    SetPlacementCursor(LoadCursorA(appState.instance, MAKEINTRESOURCEA(IDC_DELETE_CURSOR)), false);
    SelectTool(TOOL_DELETE, 0);
}

// Picture clicks arrive as STN_CLICKED and STN_DBLCLK alike: a double click acts twice.
static void OnCommand(HWND dialog, UINT id) {
    switch (id) {
        case IDC_ADD_SYMBOL:
            DialogBoxParamA(appState.instance, MAKEINTRESOURCEA(IDD_ADD_SYMBOL), dialog, AddSymbolDialogProc, 0);
            break;
        case IDC_DELETE_SYMBOL:
            SendMessageA(appState.tools.palettePage[appState.tools.currentTab], MSG_PALETTE_DELETE, 0, 0);
            break;
        case IDC_PICK_SELECT:
            SelectTool(TOOL_SELECT, 0);
            break;
        case IDC_PICK_DELETE:
            SelectDeleteTool();
            break;
        case IDC_PICK_STRAIGHT:
            SelectTool(TOOL_CABLE, CABLE_STRAIGHT);
            break;
        case IDC_PICK_CROSS:
            SelectTool(TOOL_CABLE, CABLE_CROSS);
            break;
        case IDC_PICK_SERIAL:
            SelectTool(TOOL_CABLE, CABLE_SERIAL);
            break;
        case IDC_PICK_CONSOLE:
            SelectTool(TOOL_CABLE, CABLE_CONSOLE);
            break;
        case IDC_PICK_TELEPHONE:
            SelectTool(TOOL_CABLE, CABLE_TELEPHONE);
            break;
        case IDC_PICK_MET:
            SelectTool(TOOL_CABLE, CABLE_MET);
            break;
        case IDC_PICK_OPTICAL:
            SelectTool(TOOL_CABLE, CABLE_OPTICAL);
            break;
    }
}

INT_PTR CALLBACK SymbolWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return FALSE;
        case WM_NOTIFY:
            OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return FALSE;
        case WM_CLOSE:
            HideToolWindow(dialog, IDM_VIEW_SYMBOL_WINDOW);
            return TRUE;
    }
    return FALSE;
}

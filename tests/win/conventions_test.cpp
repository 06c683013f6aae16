// Windows conventions the design leaves to the program: the IME, the keyboard in the tool windows
// and colour changes.
#include "canvas_helpers.h"

#include <algorithm>
#include <set>
#include <utility>

#include "platform/system_calls.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/palette_page.h"

namespace {

using ConventionsTest = ProgramTest;

// The windows given an input context, and which: null keeps the IME away.
std::vector<std::pair<HWND, HIMC>> inputContexts;
BOOL WINAPI RecordInputContext(HWND window, HIMC context, DWORD flags) {
    inputContexts.push_back({window, context});
    return ImmAssociateContextEx(window, context, flags);
}

// Keys always reach the canvas; the canvas size fields take numbers with the IME off; the label
// field keeps it.
TEST_F(ConventionsTest, CanvasAndNumberFieldsHaveNoInputContext) {
    inputContexts.clear();
    systemCalls.associateInputContext = RecordInputContext;
    Start(TestLibrary());
    EXPECT_EQ(inputContexts, (std::vector<std::pair<HWND, HIMC>>{{appState.topology, nullptr}}));
    RespondNext([&](HWND dialog) {
        EXPECT_EQ(inputContexts.size(), 3u);
        for (int field : {IDC_CANVAS_WIDTH, IDC_CANVAS_HEIGHT})
            EXPECT_NE(std::find(inputContexts.begin(), inputContexts.end(),
                                std::make_pair(GetDlgItem(dialog, field), HIMC(nullptr))),
                      inputContexts.end());
        // Typed with the IME on or pasted, full-width digits still make a size.
        SetDlgItemTextA(dialog, IDC_CANVAS_WIDTH, "\x82\x57\x82\x4f\x82\x4f");
        SendMessageA(dialog, WM_COMMAND, IDC_CANVAS_APPLY, 0);
        PostMessageA(dialog, WM_COMMAND, IDC_CANVAS_CLOSE, 0);
    });
    Command(IDM_FORMAT_CANVAS_SIZE);
    EXPECT_EQ(appState.canvas.width(), 800);
    EXPECT_EQ(inputContexts.size(), 3u) << "nothing else loses its IME";
}

// Tab and Shift+Tab move between a tool window's controls; Enter and Esc there fire nothing and
// hide nothing.
TEST_F(ConventionsTest, TabMovesThroughAToolWindowAndEnterOrEscDoNothing) {
    HWND symbol = appState.tools.symbolWindow;
    HWND add = GetDlgItem(symbol, IDC_ADD_SYMBOL), remove = GetDlgItem(symbol, IDC_DELETE_SYMBOL);
    SetFocus(add);
    PressKey(add, VK_TAB);
    EXPECT_EQ(GetFocus(), remove);
    PressKey(remove, VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), add);
    Command(IDM_VIEW_LIST_WINDOW);
    for (HWND tool : {symbol, appState.tools.viewWindow, appState.tools.listWindow})
        for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            HWND focus = GetNextDlgTabItem(tool, nullptr, FALSE);
            PressKey(focus ? focus : tool, key);
            EXPECT_TRUE(IsWindowVisible(tool)) << key;
        }
    EXPECT_TRUE(SeenDialogs().empty()) << "no dialog opened";
}

// A theme whose window colour is black leaves the palettes white, and a colour change reaches every
// common control.
std::set<std::string> changedClasses;
LRESULT CALLBACK RecordColourChange(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message.message == WM_SYSCOLORCHANGE) {
        char className[64] = "";
        GetClassNameA(message.hwnd, className, sizeof className);
        changedClasses.insert(className);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ConventionsTest, PalettesStayWhiteAndColourChangesReachTheControls) {
    const int element = COLOR_WINDOW;
    const COLORREF window = GetSysColor(COLOR_WINDOW), black = RGB(0, 0, 0);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordColourChange, nullptr, GetCurrentThreadId());
    changedClasses.clear();
    SetSysColors(1, &element, &black);
    PumpMessages();
    for (HWND tool : {appState.tools.symbolWindow, appState.tools.viewWindow, appState.tools.listWindow})
        SendMessageA(tool, WM_SYSCOLORCHANGE, 0, 0);
    SetSysColors(1, &element, &window);
    UnhookWindowsHookEx(hook);
    for (const char* control : {WC_TABCONTROLA, WC_LISTVIEWA, TRACKBAR_CLASSA, WC_COMBOBOXA})
        EXPECT_EQ(changedClasses.count(control), 1u) << control;
    for (HWND page : appState.tools.palettePage)
        EXPECT_EQ(SendMessageA(PaletteList(page), LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
}

}  // namespace

// Windows conventions the design leaves to the program: the IME, the keyboard in the tool windows
// and colour changes.
#include "canvas_helpers.h"

#include <algorithm>
#include <set>

#include "platform/test_hooks.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/palette_page.h"

namespace {

using ConventionsTest = ProgramTest;

std::vector<HWND> windowsWithoutIme;
BOOL WINAPI RecordInputContext(HWND window, HIMC context, DWORD flags) {
    if (!context)
        windowsWithoutIme.push_back(window);
    return ImmAssociateContextEx(window, context, flags);
}

// Keys always reach the canvas, and the canvas size fields take numbers with the IME off (and
// full-width digits, pasted); the label field keeps the IME.
TEST_F(ConventionsTest, CanvasAndNumberFieldsHaveNoInputContext) {
    windowsWithoutIme.clear();
    systemCalls.associateInputContext = RecordInputContext;
    Start(TestLibrary());
    EXPECT_EQ(windowsWithoutIme, std::vector<HWND>{appState.topology});
    RespondNext([&](HWND dialog) {
        EXPECT_EQ(windowsWithoutIme, (std::vector<HWND>{appState.topology, GetDlgItem(dialog, IDC_CANVAS_WIDTH),
                                                        GetDlgItem(dialog, IDC_CANVAS_HEIGHT)}));
        SetDlgItemTextA(dialog, IDC_CANVAS_WIDTH, "\x82\x57\x82\x4f\x82\x4f");
        SendMessageA(dialog, WM_COMMAND, IDC_CANVAS_APPLY, 0);
        PostMessageA(dialog, WM_COMMAND, IDC_CANVAS_CLOSE, 0);
    });
    Command(IDM_FORMAT_CANVAS_SIZE);
    EXPECT_EQ(appState.canvas.width(), 800);
    EXPECT_EQ(windowsWithoutIme.size(), 3u);
}

// Tab and Shift+Tab move between a tool window's controls; Enter and Esc there fire nothing and
// hide nothing.
TEST_F(ConventionsTest, TabMovesThroughAToolWindowAndEnterOrEscDoNothing) {
    HWND add = GetDlgItem(appState.tools.symbolWindow, IDC_ADD_SYMBOL);
    HWND remove = GetDlgItem(appState.tools.symbolWindow, IDC_DELETE_SYMBOL);
    PressKey(add, VK_TAB);
    EXPECT_EQ(GetFocus(), remove);
    PressKey(remove, VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), add);
    Command(IDM_VIEW_LIST_WINDOW);
    for (HWND tool : {appState.tools.symbolWindow, appState.tools.viewWindow, appState.tools.listWindow})
        for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            PressKey(GetNextDlgTabItem(tool, nullptr, FALSE), key);
            EXPECT_TRUE(IsWindowVisible(tool)) << key;
        }
    EXPECT_TRUE(SeenDialogs().empty());
}

// A theme whose window colour is black leaves the palettes white, and a colour change reaches every
// common control.
std::set<std::string> changedClasses;
LRESULT CALLBACK RecordColourChange(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    char className[64] = "";
    if (code == HC_ACTION && message.message == WM_SYSCOLORCHANGE && GetClassNameA(message.hwnd, className, 64))
        changedClasses.insert(className);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ConventionsTest, PalettesStayWhiteAndColourChangesReachTheControls) {
    const int element = COLOR_WINDOW;
    const COLORREF window = GetSysColor(COLOR_WINDOW), black = RGB(0, 0, 0);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordColourChange, nullptr, GetCurrentThreadId());
    SetSysColors(1, &element, &black);
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

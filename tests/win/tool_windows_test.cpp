// The three tool windows: their places at start, the "表示" commands and close boxes with the menu's
// check marks, and the list window's choices.
#include "harness.h"
#include "library_files.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/view_layout.h"
#include "platform/screen.h"
#include "platform/test_hooks.h"
#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "resources/resource.h"
#include "windows/symbol_window.h"

namespace {

using ToolWindowTest = ProgramTest;

struct ToolWindow {
    UINT command;
    HWND window;
    bool ToolWindowFlags::*shown;
};

std::vector<ToolWindow> ToolWindows() {
    return {{IDM_VIEW_SYMBOL_WINDOW, appState.tools.symbolWindow, &ToolWindowFlags::symbolShown},
            {IDM_VIEW_VIEW_WINDOW, appState.tools.viewWindow, &ToolWindowFlags::viewShown},
            {IDM_VIEW_LIST_WINDOW, appState.tools.listWindow, &ToolWindowFlags::listShown}};
}

// Flag, visibility and check mark agree for every tool window, and match the expectation.
void ExpectShown(bool symbol, bool view, bool list) {
    const bool expected[] = {symbol, view, list};
    int i = 0;
    for (const ToolWindow& tool : ToolWindows()) {
        SCOPED_TRACE(tool.command);
        EXPECT_TRUE(IsWindow(tool.window));
        EXPECT_EQ(appState.tools.flags.*tool.shown, expected[i]);
        EXPECT_EQ(bool(IsWindowVisible(tool.window)), expected[i]);
        EXPECT_EQ(MenuChecked(tool.command), expected[i]);
        ++i;
    }
}

std::string ComboText(HWND combo, int index) {
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsTextStatic(HWND control) {
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiA(className, "Static") == 0 && (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP);
}

// The static texts of a dialog that their controls cut off: each line, measured in the control's
// own font, must fit the client width, and the lines together its height.
std::vector<std::string> CutOffLabels(HWND dialog) {
    std::vector<std::string> cut;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsTextStatic(control))
            continue;
        char text[1024] = "";
        GetWindowTextA(control, text, sizeof text);
        RECT client;
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, HGDIOBJ(SendMessageA(control, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        std::string report;
        int lines = 0;
        for (const char* line = text; *line;) {
            const char* end = line + strcspn(line, "\n");
            SIZE size = {};
            GetTextExtentPoint32A(dc, line, int(end - line), &size);
            if (size.cx > client.right)
                report += " a line " + std::to_string(size.cx) + " wide in " + std::to_string(client.right);
            ++lines;
            line = *end ? end + 1 : end;
        }
        if (lines * metrics.tmHeight > client.bottom)
            report += " " + std::to_string(lines) + " lines in " + std::to_string(client.bottom);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        if (!report.empty())
            cut.push_back(text + report);
    }
    return cut;
}

// Controls of a dialog that meet another: a tool picture's reach is its armed frame. Palette pages
// lie over the tab control by design.
std::vector<std::string> MeetingControls(HWND dialog) {
    std::vector<std::pair<HWND, RECT>> controls;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(control, className, sizeof className);
        if (!IsWindowVisible(control) || !strcmp(className, "#32770") || !strcmp(className, WC_TABCONTROLA))
            continue;
        RECT rect = OuterRect(control);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY &&
            (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            InflateRect(&rect, ScaleToDpi(2, appState.dpi), ScaleToDpi(2, appState.dpi));
        controls.push_back({control, rect});
    }
    std::vector<std::string> meeting;
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = 0; j < i; ++j) {
            RECT common;
            if (IntersectRect(&common, &controls[i].second, &controls[j].second))
                meeting.push_back(std::to_string(GetDlgCtrlID(controls[i].first)) + " meets " +
                                  std::to_string(GetDlgCtrlID(controls[j].first)));
        }
    return meeting;
}

int WINAPI DesignDpi(HDC, int) {
    return DESIGN_DPI;
}

// Whatever the dialog font and the DPI (the test command runs this at four), every label holds its
// text and no control meets another or covers a tool picture's frame; again with the program's
// pixels at 96 DPI, which with the font of the 88-DPI run is Japanese Windows at 100 %.
TEST_F(ToolWindowTest, EveryLabelShowsItsWholeTextAndNoControlMeetsAnother) {
    const auto expectFitted = [](HWND dialog, const std::string& name) {
        EXPECT_EQ(CutOffLabels(dialog), std::vector<std::string>()) << name;
        EXPECT_EQ(MeetingControls(dialog), std::vector<std::string>()) << name;
    };
    for (const bool designPixels : {false, true}) {
        SCOPED_TRACE(designPixels ? "pixels at 96 DPI" : "pixels at the screen's DPI");
        if (designPixels) {
            systemCalls.deviceCaps = DesignDpi;
            Start(TestLibrary());
        }
        for (HWND window : {appState.tools.symbolWindow, appState.tools.viewWindow, appState.tools.listWindow}) {
            char title[64] = "";
            GetWindowTextA(window, title, sizeof title);
            expectFitted(window, title);
        }
        for (HWND page : appState.tools.palettePage)
            EXPECT_EQ(CutOffLabels(page), std::vector<std::string>());
        bool ran = false;
        RunAddDialog([&](HWND dialog) { expectFitted(dialog, "add dialog"), ran = true; });
        for (UINT command : {IDM_FORMAT_CANVAS_SIZE, IDM_HELP_ABOUT}) {
            RespondNext([&](HWND dialog) {
                expectFitted(dialog, std::to_string(command));
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            });
            Command(command);
        }
        EXPECT_TRUE(ran);
    }
}

// Windows 10/11 give a sizing frame invisible borders that the window's rectangle includes.
BOOL WINAPI FrameWithInvisibleBorders(HWND window, RECT* rect) {
    GetWindowRect(window, rect);
    if (GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME) {
        rect->left += 7;
        rect->right -= 7;
        rect->bottom -= 7;
    }
    return TRUE;
}

// As placed at start, then again where the system reports invisible borders: the windows meet by
// the frames the user sees.
TEST_F(ToolWindowTest, WindowsStartInTheirPlaces) {
    ExpectShown(true, true, false);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    for (const bool borders : {false, true}) {
        if (borders) {
            systemCalls.visibleFrame = FrameWithInvisibleBorders;
            ArrangeStartWindows(appState.topology, {screenWidth, int(WorkArea().bottom)});
            EXPECT_EQ(OuterRect(appState.topology).left, VisibleFrame(appState.topology).left - 7);
        }
        const RECT symbol = VisibleFrame(appState.tools.symbolWindow), view = VisibleFrame(appState.tools.viewWindow),
                   list = VisibleFrame(appState.tools.listWindow), topology = VisibleFrame(appState.topology);
        EXPECT_EQ(std::make_pair(symbol.left, symbol.top), std::make_pair(0L, 0L));
        EXPECT_EQ(std::make_pair(view.right, view.top), std::make_pair(LONG(screenWidth), 0L));
        // Directly under the view window, as wide.
        EXPECT_EQ(std::make_pair(list.left, list.right), std::make_pair(view.left, view.right));
        EXPECT_EQ(list.top, view.bottom);
        // The topology window fills the band between the two, 700 pixels high at 96 DPI.
        EXPECT_EQ(std::make_pair(topology.left, topology.right), std::make_pair(symbol.right, view.left));
        EXPECT_EQ(std::make_pair(topology.top, topology.bottom),
                  std::make_pair(0L, std::min<LONG>(BandHeight(appState.dpi), WorkArea().bottom)));
    }

    // Owned by the topology window, so they go with it.
    for (const ToolWindow& tool : ToolWindows())
        EXPECT_EQ(GetWindow(tool.window, GW_OWNER), appState.topology);
}

// Whatever a dialog unit measures (the test command runs this at three DPIs), the zoom controls lie
// under the thumbnail, which the program draws in fixed pixels, and inside the window.
TEST_F(ToolWindowTest, ViewWindowHoldsItsThumbnailAndZoomControlsApart) {
    HWND view = appState.tools.viewWindow;
    EXPECT_TRUE(GetWindowLongA(view, GWL_STYLE) & WS_CLIPCHILDREN) << "a thumbnail update must not paint over them";
    RECT client = {};
    GetClientRect(view, &client);
    const PixelRect thumb = ThumbnailRect(appState.dpi);
    EXPECT_GE(client.right, thumb.right + thumb.left);
    int controls = 0;
    for (HWND control = GetWindow(view, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT), ++controls) {
        RECT rect = OuterRect(control);
        MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&rect), 2);
        SCOPED_TRACE(GetDlgCtrlID(control));
        EXPECT_GE(rect.top, thumb.bottom);
        EXPECT_GE(rect.left, 0);
        EXPECT_LE(rect.right, client.right);
        EXPECT_LE(rect.bottom, client.bottom);
    }
    EXPECT_EQ(controls, 5);
}

// On a screen whose work area is shorter than the band the topology window ends where it ends,
// above the taskbar; otherwise it is as high as the band (700 pixels at 96 DPI).
TEST_F(ToolWindowTest, TopologyWindowEndsAboveTheTaskbar) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int band = std::min(BandHeight(appState.dpi), screenHeight);
    for (const int workAreaBottom : {580, band - 1, band, screenHeight}) {
        ArrangeStartWindows(appState.topology, {screenWidth, workAreaBottom});
        const RECT topology = OuterRect(appState.topology);
        EXPECT_EQ(topology.top, 0);
        EXPECT_EQ(topology.bottom, std::min(BandHeight(appState.dpi), workAreaBottom)) << workAreaBottom;
        EXPECT_EQ(topology.right, OuterRect(appState.tools.viewWindow).left);
    }
}

TEST_F(ToolWindowTest, EachViewCommandFlipsOneWindowAndItsCheckMark) {
    bool shown[] = {true, true, false};
    const UINT commands[] = {IDM_VIEW_LIST_WINDOW, IDM_VIEW_LIST_WINDOW, IDM_VIEW_VIEW_WINDOW,   IDM_VIEW_SYMBOL_WINDOW,
                             IDM_VIEW_LIST_WINDOW, IDM_VIEW_VIEW_WINDOW, IDM_VIEW_SYMBOL_WINDOW, IDM_VIEW_LIST_WINDOW};
    for (UINT command : commands) {
        SCOPED_TRACE(command);
        Command(command);
        const int index = command == IDM_VIEW_SYMBOL_WINDOW ? 0 : command == IDM_VIEW_VIEW_WINDOW ? 1 : 2;
        shown[index] = !shown[index];
        ExpectShown(shown[0], shown[1], shown[2]);
    }
}

TEST_F(ToolWindowTest, CloseBoxesHideWithoutDestroyingAndUncheck) {
    Command(IDM_VIEW_LIST_WINDOW);
    ExpectShown(true, true, true);
    SendMessageA(appState.tools.viewWindow, WM_CLOSE, 0, 0);
    ExpectShown(true, false, true);
    SendMessageA(appState.tools.listWindow, WM_CLOSE, 0, 0);
    ExpectShown(true, false, false);
    SendMessageA(appState.tools.symbolWindow, WM_CLOSE, 0, 0);
    ExpectShown(false, false, false);

    // A close reaching a window that is already hidden must not put the check mark out of step.
    SendMessageA(appState.tools.listWindow, WM_CLOSE, 0, 0);
    ExpectShown(false, false, false);

    Command(IDM_VIEW_VIEW_WINDOW);
    ExpectShown(false, true, false);
    Command(IDM_VIEW_SYMBOL_WINDOW);
    Command(IDM_VIEW_LIST_WINDOW);
    ExpectShown(true, true, true);
}

TEST_F(ToolWindowTest, WindowShownAgainComesBackWhereTheUserLeftIt) {
    Command(IDM_VIEW_LIST_WINDOW);
    const RECT view = OuterRect(appState.tools.viewWindow);
    const RECT list = OuterRect(appState.tools.listWindow);
    EXPECT_EQ(list.left, view.left);
    EXPECT_EQ(list.top, view.bottom);

    SetWindowPos(appState.tools.viewWindow, nullptr, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(appState.tools.viewWindow, WM_CLOSE, 0, 0);
    Command(IDM_VIEW_VIEW_WINDOW);
    const RECT moved = OuterRect(appState.tools.viewWindow);
    EXPECT_EQ(std::make_pair(moved.left, moved.top), std::make_pair(300L, 400L));

    SetWindowPos(appState.tools.listWindow, nullptr, 20, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(IDM_VIEW_LIST_WINDOW);
    Command(IDM_VIEW_LIST_WINDOW);
    EXPECT_EQ(OuterRect(appState.tools.listWindow).left, 20);
    EXPECT_EQ(OuterRect(appState.tools.listWindow).top, 500);
}

TEST_F(ToolWindowTest, SymbolWindowComesBackOnItsTab) {
    SelectTab(3);
    SendMessageA(appState.tools.symbolWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(appState.tools.symbolWindow));
    Command(IDM_VIEW_SYMBOL_WINDOW);
    EXPECT_TRUE(IsWindowVisible(appState.tools.symbolWindow));
    EXPECT_EQ(appState.tools.currentTab, 3);
    EXPECT_EQ(SendDlgItemMessageA(appState.tools.symbolWindow, IDC_CATEGORY_TABS, TCM_GETCURSEL, 0, 0), 3);
    EXPECT_TRUE(IsWindowVisible(appState.tools.palettePage[3]));
    EXPECT_FALSE(IsWindowVisible(appState.tools.palettePage[0]));
}

TEST_F(ToolWindowTest, ListWindowOffersItsChoicesAndKeepsThem) {
    HWND sort = GetDlgItem(appState.tools.listWindow, IDC_SORT_ORDER);
    HWND filter = GetDlgItem(appState.tools.listWindow, IDC_DISPLAY_FILTER);
    ASSERT_EQ(SendMessageA(sort, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ComboText(sort, 0), "作成順");
    EXPECT_EQ(ComboText(sort, 1), "名前順");
    EXPECT_EQ(SendMessageA(sort, CB_GETCURSEL, 0, 0), 0);
    const char* const filters[] = {"全て", "ルータ", "ハブ", "ホスト", "クラウド", "アザー"};
    ASSERT_EQ(SendMessageA(filter, CB_GETCOUNT, 0, 0), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ComboText(filter, i), filters[i]);
    EXPECT_EQ(SendMessageA(filter, CB_GETCURSEL, 0, 0), 0);
    char text[64] = "";
    GetWindowTextA(filter, text, sizeof text);
    EXPECT_STREQ(text, "全て");

    // The user's choices survive hiding; the search button does nothing.
    Command(IDM_VIEW_LIST_WINDOW);
    SendMessageA(sort, CB_SETCURSEL, 1, 0);
    SendMessageA(filter, CB_SETCURSEL, 4, 0);
    SendMessageA(appState.tools.listWindow, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(appState.tools.listWindow, IDC_SEARCH)));
    EXPECT_TRUE(SeenDialogs().empty());
    ExpectShown(true, true, true);
    SendMessageA(appState.tools.listWindow, WM_CLOSE, 0, 0);
    Command(IDM_VIEW_LIST_WINDOW);
    EXPECT_EQ(SendMessageA(sort, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(filter, CB_GETCURSEL, 0, 0), 4);
    ExpectShown(true, true, true);
}

}  // namespace

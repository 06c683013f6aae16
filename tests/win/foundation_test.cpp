// Start-up, the topology window, its menu, closing and the program as a separate process.
#include "harness.h"

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

std::string MenuText(HMENU menu, UINT item, UINT flags) {
    char text[128] = "";
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

bool Checked(UINT command) {
    return GetMenuState(GetMenu(appState.topology), command, MF_BYCOMMAND) & MF_CHECKED;
}

bool QuitPosted(WPARAM* code) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = message.wParam;
    return true;
}

using StartupTest = ProgramTest;

TEST_F(StartupTest, TopologyWindowHasItsTitleMenuAndScrollBars) {
    char title[128] = "";
    GetWindowTextA(appState.topology, title, sizeof title);
    EXPECT_STREQ(title, "Nexadraw [トポロジウィンドウ]");
    const LONG style = GetWindowLongA(appState.topology, GWL_STYLE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);

    HMENU menu = GetMenu(appState.topology);
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(MenuText(menu, 0, MF_BYPOSITION), "ファイル");
    EXPECT_EQ(MenuText(menu, 1, MF_BYPOSITION), "表示");
    EXPECT_EQ(MenuText(menu, 2, MF_BYPOSITION), "書式");
    EXPECT_EQ(MenuText(menu, 3, MF_BYPOSITION), "ヘルプ");

    HMENU file = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuItemID(file, 0), UINT(IDM_FILE_NEW));
    EXPECT_EQ(MenuText(file, 0, MF_BYPOSITION), "新規作成");
    EXPECT_EQ(MenuText(file, 1, MF_BYPOSITION), "名前をつけて保存");
    EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(MenuText(file, IDM_FILE_EXIT, MF_BYCOMMAND), "終了");

    EXPECT_EQ(MenuText(menu, IDM_VIEW_SYMBOL_WINDOW, MF_BYCOMMAND), "シンボル ウィンドウ");
    EXPECT_EQ(MenuText(menu, IDM_VIEW_VIEW_WINDOW, MF_BYCOMMAND), "ビュー ウィンドウ");
    EXPECT_EQ(MenuText(menu, IDM_VIEW_LIST_WINDOW, MF_BYCOMMAND), "リスト ウィンドウ");
    EXPECT_TRUE(Checked(IDM_VIEW_SYMBOL_WINDOW));
    EXPECT_TRUE(Checked(IDM_VIEW_VIEW_WINDOW));
    EXPECT_FALSE(Checked(IDM_VIEW_LIST_WINDOW));
    EXPECT_EQ(MenuText(menu, IDM_FORMAT_CANVAS_SIZE, MF_BYCOMMAND), "キャンバスサイズ");
    EXPECT_EQ(MenuText(menu, IDM_HELP_ABOUT, MF_BYCOMMAND), "ABOUT");
    EXPECT_EQ(MenuText(menu, IDM_HELP_GUIDE, MF_BYCOMMAND), "簡易解説");
}

TEST_F(StartupTest, LibraryRootIsTheCurrentDirectoryAtStart) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(appState.library.root, current);
}

TEST_F(StartupTest, CloseAnsweredNoKeepsEverything) {
    AnswerNextBox(IDNO);
    DiagramNode* before = appState.diagram.listHead;
    SendMessageA(appState.topology, WM_CLOSE, 0, 0);
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "確認");
    EXPECT_EQ(SeenDialogs()[0].text, "終了してもよろしいですか");
    EXPECT_TRUE(IsWindow(appState.topology));
    EXPECT_EQ(appState.diagram.listHead, before);
    WPARAM code;
    EXPECT_FALSE(QuitPosted(&code));
}

TEST_F(StartupTest, CloseAnsweredYesEndsWithExitCodeZeroAndReleasesTheDiagram) {
    // Two symbols with real pictures: closing must release each exactly once.
    const long before = LiveGdiObjects(GDI_IMAGE_LIST);
    for (int i = 0; i < 2; ++i) {
        SymbolItem* symbol = NewSymbolItem(appState.diagram);
        symbol->imageList = NewImageList(50, 50, ILC_COLOR32 | ILC_MASK, 4, 0);
        AppendItem(appState.diagram, symbol);
    }
    EXPECT_EQ(LiveGdiObjects(GDI_IMAGE_LIST), before + 2);
    const long memoryDCs = LiveGdiObjects(GDI_MEMORY_DC);

    AnswerNextBox(IDYES);
    SendMessageA(appState.topology, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(appState.topology));
    EXPECT_EQ(appState.diagram.listHead, nullptr);
    // The five category lists go with the palettes that own them.
    EXPECT_EQ(LiveGdiObjects(GDI_IMAGE_LIST), before - 5);
    EXPECT_EQ(LiveGdiObjects(GDI_MEMORY_DC), memoryDCs - 1) << "the back buffer";
    WPARAM code = 99;
    ASSERT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0u);
}

}  // namespace

// Start-up, the topology window, its menu, the About dialog and closing.
#include "harness.h"

#include <shellapi.h>

#include <algorithm>

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "platform/test_hooks.h"
#include "render/symbol_image.h"
#include "resources/resource.h"

namespace {

std::string ItemText(HWND dialog, int id) {
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool QuitPosted(WPARAM* code) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = message.wParam;
    return true;
}

using StartupTest = ProgramTest;

TEST_F(StartupTest, TopologyWindowHasItsTitleScrollBarsAndEveryCommandInItsMenu) {
    char title[128] = "";
    GetWindowTextA(appState.topology, title, sizeof title);
    EXPECT_STREQ(title, "Nexadraw [トポロジウィンドウ]");
    const LONG style = GetWindowLongA(appState.topology, GWL_STYLE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
    // The tests send these commands directly; a user can only reach them through the menu.
    HMENU menu = GetMenu(appState.topology);
    for (UINT command : {IDM_FILE_NEW, IDM_FILE_SAVE_AS, IDM_FILE_EXIT, IDM_VIEW_SYMBOL_WINDOW, IDM_VIEW_VIEW_WINDOW,
                         IDM_VIEW_LIST_WINDOW, IDM_FORMAT_CANVAS_SIZE, IDM_HELP_ABOUT, IDM_HELP_GUIDE})
        EXPECT_NE(GetMenuState(menu, command, MF_BYCOMMAND), UINT(-1)) << command;
}

TEST_F(StartupTest, AboutShowsItsTextsAndEndsWithOkEscOrTheCloseBox) {
    std::string caption, about, web, notice;
    bool clickable = false, endedByOk = false;
    RespondNext([&](HWND dialog) {
        char text[64] = "";
        GetWindowTextA(dialog, text, sizeof text);
        caption = text;
        about = ItemText(dialog, IDC_ABOUT_TEXT);
        web = ItemText(dialog, IDC_ABOUT_WEB);
        notice = ItemText(dialog, IDC_ABOUT_NOTICE);
        clickable = GetWindowLongA(GetDlgItem(dialog, IDC_ABOUT_WEB), GWL_STYLE) & SS_NOTIFY;
        endedByOk = EndsDialog(dialog, WM_COMMAND, IDOK);
        if (!endedByOk)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    Command(IDM_HELP_ABOUT);
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(about.rfind("プログラム名：Nexadraw\nバージョン：", 0), 0u) << about;
    EXPECT_NE(about.find("\nリリース者："), std::string::npos) << about;
    EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 3);
    EXPECT_EQ(about.back(), '\n');
    EXPECT_EQ(web.rfind("https://", 0), 0u) << web;
    EXPECT_EQ(web.find('\n'), std::string::npos);
    EXPECT_TRUE(clickable) << "the address must report clicks";
    EXPECT_EQ(notice.rfind("\n本プログラムは下記プログラムの派生プログラムです。\n　", 0), 0u) << notice;
    EXPECT_EQ(std::count(notice.begin(), notice.end(), '\n'), 5);
    EXPECT_NE(notice.find("」 *開発コード名："), std::string::npos) << notice;
    EXPECT_TRUE(endedByOk);

    bool endedByEsc = false;  // Esc closes it as OK does
    RespondNext([&](HWND dialog) { endedByEsc = EndsDialog(dialog, WM_COMMAND, IDCANCEL); });
    Command(IDM_HELP_ABOUT);
    EXPECT_TRUE(endedByEsc);

    bool endedByClose = false;
    RespondNext([&](HWND dialog) {
        endedByClose = EndsDialog(dialog, WM_CLOSE);
        if (!endedByClose)
            PressButton(dialog, IDOK);
    });
    Command(IDM_HELP_ABOUT);
    EXPECT_TRUE(endedByClose);
    EXPECT_EQ(SeenDialogs().size(), 3u);
    EXPECT_TRUE(IsWindowEnabled(appState.topology)) << "the owner works again";
}

// The address goes to the shell as it is shown; a shell that cannot open it is reported with what
// its own code means (not as a system error code) and the dialog stays open.
std::string openedAddress;
INT_PTR shellResult;
HINSTANCE WINAPI FakeShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT) {
    openedAddress = std::string(verb) + " " + file;
    SetLastError(ERROR_GEN_FAILURE);  // what the box must not read
    return reinterpret_cast<HINSTANCE>(shellResult);
}

TEST_F(StartupTest, AboutAddressOpensOrSaysWhyNot) {
    systemCalls.shellExecute = FakeShellExecute;
    const std::pair<INT_PTR, const char*> results[] = {
        {42, nullptr},
        {SE_ERR_NOASSOC, "Web アドレスを開くプログラムが関連付けられていません。既定のブラウザーを設定してください。"},
        {ERROR_FILE_NOT_FOUND, "開くものが見つかりません。"},
        {0, "メモリまたはリソースが不足しています。"},
        {SE_ERR_DDEBUSY, "Web アドレスを開くプログラムが応答しませんでした。"},
        {17, "原因は不明です。"},
    };
    for (const auto& [result, reason] : results) {
        SCOPED_TRACE(result);
        shellResult = result;
        ForgetSeenDialogs();
        std::string web;
        bool stayedOpen = false;
        RespondNext([&](HWND dialog) {
            web = ItemText(dialog, IDC_ABOUT_WEB);
            stayedOpen = !EndsDialog(dialog, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_WEB, STN_CLICKED));
            PressButton(dialog, IDOK);
        });
        Command(IDM_HELP_ABOUT);
        EXPECT_EQ(openedAddress, "open " + web);
        EXPECT_TRUE(stayedOpen);
        const std::vector<std::string> boxes = BoxTexts();
        if (!reason) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "エラー: Web アドレスを開けませんでした。\r\n\r\n" + std::string(reason) +
                                "\r\n(シェルのコード " + std::to_string(result) + ")");
    }
}

UINT WINAPI WesternCodePage() {
    return 1252;
}

// Under another code page every text would be garbled: one warning that reads correctly anyway,
// then the program runs as ever.
TEST_F(StartupTest, AnotherCodePageIsToldOnceAtStart) {
    systemCalls.activeCodePage = WesternCodePage;
    Start(TestLibrary());
    RestoreSystemCalls();
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "Nexadraw");
    EXPECT_EQ(SeenDialogs()[0].text.rfind("このプログラムは日本語のコード ページ (932) で動作します。", 0), 0u);
    EXPECT_NE(SeenDialogs()[0].text.find("This program needs the Japanese code page (932)"), std::string::npos);
    EXPECT_TRUE(IsWindowVisible(appState.topology));
}

TEST_F(StartupTest, LibraryRootIsTheCurrentDirectoryAtStart) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(appState.library.root, current);
}

TEST_F(StartupTest, CloseAnsweredNoKeepsEverything) {
    AnswerNextBox(IDNO);
    const SymbolItem* before = AppendSymbol(appState.session.diagram, {});
    SendMessageA(appState.topology, WM_CLOSE, 0, 0);
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "確認");
    EXPECT_EQ(SeenDialogs()[0].text, "終了してもよろしいですか");
    EXPECT_TRUE(IsWindow(appState.topology));
    EXPECT_EQ(FindSymbol(appState.session.diagram, before->id), before);
    WPARAM code;
    EXPECT_FALSE(QuitPosted(&code));
}

TEST_F(StartupTest, CloseAnsweredYesEndsWithExitCodeZeroAndReleasesTheDiagram) {
    // Two symbols sharing a picture: closing must release it with them.
    const long before = LiveGdiObjects(GDI_IMAGE_LIST);
    const long bitmaps = LiveGdiObjects(GDI_BITMAP);
    std::weak_ptr<const SymbolPicture> shared;
    {
        const std::shared_ptr<const SymbolPicture> picture = std::make_shared<SymbolPicture>();
        shared = picture;
        for (int i = 0; i < 2; ++i)
            AppendSymbol(appState.session.diagram, SymbolWithPicture(picture));
    }
    const long memoryDCs = LiveGdiObjects(GDI_MEMORY_DC);

    AnswerNextBox(IDYES);
    SendMessageA(appState.topology, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(appState.topology));
    EXPECT_TRUE(appState.session.diagram.items.empty());
    // The five category lists go with the palettes that own them.
    EXPECT_EQ(LiveGdiObjects(GDI_IMAGE_LIST), before - 5);
    EXPECT_TRUE(shared.expired()) << "released with the last symbol";
    EXPECT_EQ(LiveGdiObjects(GDI_BITMAP), bitmaps - 1) << "the back buffer";
    EXPECT_EQ(LiveGdiObjects(GDI_MEMORY_DC), memoryDCs - 1) << "the back buffer's";
    WPARAM code = 99;
    ASSERT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0u);
}

}  // namespace

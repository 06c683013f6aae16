// Adding symbols to the library and deleting them, through the symbol window's buttons.
#include "harness.h"
#include "library_files.h"

#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "canvas_helpers.h"
#include "core/edit_session.h"
#include "platform/files.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"
#include "windows/add_symbol_dialog.h"
#include "library/symbol_library.h"
#include "windows/symbol_window.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF, ORANGE = 0xFF8000, TEAL = 0x008080;

class SymbolEditTest : public ProgramTest {
  protected:
    SymbolEditTest() : ProgramTest(std::nullopt) {}
    // A bitmap outside the library, as the user would pick it.
    std::string Source(const std::string& name, const std::string& bytes) {
        CreateDirectoryA(folder.File("pictures").c_str(), nullptr);
        const std::string path = folder.File("pictures\\" + name);
        WriteFileBytes(path, bytes);
        return path;
    }
    static void Choose(const std::string& path, const std::string& title) {
        lstrcpynA(appState.addDialog.chosenPath, path.c_str(), sizeof appState.addDialog.chosenPath);
        lstrcpynA(appState.addDialog.chosenTitle, title.c_str(), sizeof appState.addDialog.chosenTitle);
    }
    // The add dialog with the chosen file and category, OK pressed.
    void Add(int category) {
        RunAddDialog([category](HWND dialog) {
            ChooseCategory(dialog, category);
            PressAddOk(dialog);
        });
    }
    void Delete(int category, int index, int answer = IDOK) {
        SelectTab(category);
        SelectPaletteItem(category, index);
        AnswerNextBox(answer);
        PressSymbolWindowButton(IDC_DELETE_SYMBOL);
    }
    std::vector<std::string> LibraryFiles() const { return FileNames(folder.File("Symbol")); }
};

// --- adding ---

TEST_F(SymbolEditTest, AddCopiesTheFileAppendsItsLineAndRebuildsEveryPalette) {
    // No Symbol folder yet.
    Start("0,\\Symbol\\r1.bmp\r\n");
    const std::string source = Source("router2.bmp", FramedBmp(TEAL));
    SelectTab(CATEGORY_CLOUD);
    SelectPaletteItem(CATEGORY_ROUTER, 0);
    const long bitmaps = LiveGdiObjects(GDI_BITMAP);

    std::string preselected;
    bool closedByItself = false;
    RunAddDialog([&](HWND dialog) {
        char text[64] = "";
        GetDlgItemTextA(dialog, IDC_ADD_CATEGORY, text, sizeof text);
        preselected = text;
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ADD_CATEGORY, CB_GETCOUNT, 0, 0), 5);
        // The real open dialog: type the path and confirm.
        RespondWithFileName(source);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_BROWSE, BN_CLICKED), 0);
        char shown[MAX_PATH] = "";
        GetDlgItemTextA(dialog, IDC_ADD_PATH, shown, sizeof shown);
        EXPECT_EQ(lstrcmpiA(shown, source.c_str()), 0) << shown;
        ChooseCategory(dialog, CATEGORY_HUB);
        PressAddOk(dialog);
        closedByItself = !IsWindowVisible(dialog);
    });

    EXPECT_EQ(preselected, "クラウド");
    EXPECT_TRUE(closedByItself);
    ASSERT_GE(SeenDialogs().size(), 2u);
    EXPECT_EQ(SeenDialogs()[0].caption, "シンボルの追加");
    EXPECT_EQ(SeenDialogs()[1].caption, "ファイルオープン");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_STREQ(appState.addDialog.chosenTitle, "router2.bmp");

    EXPECT_EQ(ReadFileBytes(folder.File("Symbol\\router2.bmp")), ReadFileBytes(source));
    EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\router2.bmp\r\n");
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), 1);
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{TEAL}));
    // Every palette was rebuilt (a rebuild drops the selection); the tab stayed.
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_ROUTER), -1);
    EXPECT_EQ(PaletteItemCount(CATEGORY_ROUTER), 1);
    EXPECT_EQ(appState.tools.currentTab, CATEGORY_CLOUD);
    EXPECT_EQ(SendDlgItemMessageA(appState.tools.symbolWindow, IDC_CATEGORY_TABS, TCM_GETCURSEL, 0, 0), CATEGORY_CLOUD);
    EXPECT_EQ(LiveGdiObjects(GDI_BITMAP), bitmaps);
}

TEST_F(SymbolEditTest, NewSymbolIsLastOfItsCategoryAndOkReusesThePreviousChoice) {
    Start("1,\\Symbol\\h1.bmp\r\n0,\\Symbol\\r1.bmp",
          {{"Symbol\\h1.bmp", FramedBmp(RED)}, {"Symbol\\r1.bmp", FramedBmp(BLUE)}});
    Choose(Source("h2.bmp", FramedBmp(GREEN)), "h2.bmp");
    Add(CATEGORY_HUB);
    // The old last record had no line end: the new one starts a line of its own.
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h1.bmp\r\n0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h2.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, GREEN}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), 2);

    // The dialog opens again showing the earlier choice, which OK adds.
    std::string shown = "?";
    RunAddDialog([&](HWND dialog) {
        char text[MAX_PATH] = "";
        GetDlgItemTextA(dialog, IDC_ADD_PATH, text, sizeof text);
        shown = text;
        ChooseCategory(dialog, CATEGORY_OTHER);
        PressAddOk(dialog);
    });
    EXPECT_EQ(shown, appState.addDialog.chosenPath);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"エラー: 同じ名前のファイルが既に存在しています。"});
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 2, 0, 0, 0}));
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h1.bmp\r\n0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h2.bmp\r\n");
    EXPECT_EQ(ReadFileBytes(folder.File("Symbol\\h2.bmp")), FramedBmp(GREEN));

    // A choice that typed text in the category field no longer matches is refused.
    Choose(Source("h3.bmp", FramedBmp(ORANGE)), "h3.bmp");
    ForgetSeenDialogs();
    RunAddDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_ADD_CATEGORY, "ルーター");
        PressAddOk(dialog);
    });
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(SeenDialogs().back().caption, "エラー");
    EXPECT_FALSE(FileExists(folder.File("Symbol\\h3.bmp")));
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 2, 0, 0, 0}));

    // Typing a category's exact name chooses it.
    ForgetSeenDialogs();
    RunAddDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_ADD_CATEGORY, "アザー");
        PressAddOk(dialog);
    });
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 2, 0, 0, 1}));
    EXPECT_EQ(CategoryPictures(CATEGORY_OTHER), (std::vector<unsigned>{ORANGE}));
}

// Start-up stops reading at a Ctrl-Z: an added symbol goes before it, so it is still there after a
// restart, and every byte after the Ctrl-Z stays.
TEST_F(SymbolEditTest, SymbolAddedBeforeACtrlZIsThereAtTheNextStart) {
    for (const std::string tail : {"\x1A",
                                   "\x1A"
                                   "0,\\Symbol\\r1.bmp\r\n"}) {
        SCOPED_TRACE(tail.size());
        RemoveTree(folder.File("Symbol"));
        Start("0,\\Symbol\\r1.bmp" + tail, {{"Symbol\\r1.bmp", FramedBmp(BLUE)}});
        Choose(Source("h2.bmp", FramedBmp(GREEN)), "h2.bmp");
        Add(CATEGORY_HUB);
        EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h2.bmp\r\n" + tail);
        Start(TestLibrary());
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 1, 0, 0, 0}));
        EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{GREEN}));
        EXPECT_TRUE(BoxTexts().empty());
    }
}

// Refused choices show a box and change nothing: not the folder, the catalogue or the palettes.
TEST_F(SymbolEditTest, AddRefusesWhatTheLibraryCannotHold) {
    Start("0,\\Symbol\\r1.bmp\r\n", {{"Symbol\\r1.bmp", FramedBmp(BLUE)}});
    struct Case {
        std::string name;
        std::string bytes;
        std::string says;
    };
    const std::string tooLarge = "選んだビットマップは大きすぎるため";
    const Case cases[] = {
        {"my router.bmp", FramedBmp(RED), "空白"},         {"truncated.bmp", TruncatedBmp(), "読み込めない"},
        {"header.bmp", HeaderOnlyBmp(), "読み込めない"},   {"offset.bmp", OffsetPastEndBmp(), "読み込めない"},
        {"notes.bmp", "just some text", "読み込めない"},   {"huge.bmp", HugeBmp(), tooLarge},
        {"compressed.bmp", CompressedHugeBmp(), tooLarge}, {"wide.bmp", FramedBmp(RED, 8193, 2), tooLarge},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.name);
        ForgetSeenDialogs();
        Choose(Source(refused.name, refused.bytes), refused.name);
        Add(CATEGORY_HOST);
        ASSERT_EQ(BoxTexts().size(), 1u);
        EXPECT_NE(BoxTexts()[0].find(refused.says), std::string::npos) << BoxTexts()[0];
        EXPECT_EQ(SeenDialogs().back().caption, "エラー");
        EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"r1.bmp"});
        EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n");
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 0, 0, 0, 0}));
        EXPECT_EQ(PaletteItemCount(CATEGORY_HOST), 0);
    }

    // Nothing chosen yet in this run: OK asks for a choice first.
    ForgetSeenDialogs();
    Choose("", "");
    Add(CATEGORY_HOST);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"エラー: 追加するビットマップ ファイルを「参照」で選んでください。"});
    EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n");
}

// A category at its limit, or with records that start-up left out, takes no more symbols: palette
// item k must stay the k-th record of its category.
TEST_F(SymbolEditTest, FullCategoryRefusesAnAdd) {
    std::string catalogue;
    for (int i = 0; i <= CATEGORY_IMAGE_LIMIT; ++i)
        catalogue += "1,\\Symbol\\h.bmp\r\n";
    Start(catalogue, {{"Symbol\\h.bmp", FramedBmp(RED)}});
    Choose(Source("new.bmp", FramedBmp(GREEN)), "new.bmp");
    for (const bool deleteFirst : {false, true}) {
        SCOPED_TRACE(deleteFirst);
        if (deleteFirst) {
            Delete(CATEGORY_HUB, 0);
            EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), CATEGORY_IMAGE_LIMIT - 1);
        }
        ForgetSeenDialogs();
        Add(CATEGORY_HUB);
        ASSERT_EQ(BoxTexts().size(), 1u);
        EXPECT_EQ(BoxTexts()[0], "エラー: 「ハブ」のシンボルは上限の 1000 個に達しているため、追加できません。");
        EXPECT_FALSE(FileExists(folder.File("Symbol\\new.bmp")));
    }
    ForgetSeenDialogs();
    Add(CATEGORY_ROUTER);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, CATEGORY_IMAGE_LIMIT - 1, 0, 0, 0}));
}

TEST_F(SymbolEditTest, CancelledOpenDialogKeepsTheEarlierChoice) {
    Start("");
    Choose(Source("first.bmp", FramedBmp(RED)), "first.bmp");
    const std::string before = appState.addDialog.chosenPath;
    std::string shown = "?";
    RunAddDialog([&](HWND dialog) {
        RespondNext([](HWND open) { PressButton(open, IDCANCEL); });
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_BROWSE, BN_CLICKED), 0);
        char text[MAX_PATH] = "";
        GetDlgItemTextA(dialog, IDC_ADD_PATH, text, sizeof text);
        shown = text;
    });
    EXPECT_EQ(shown, before);
    EXPECT_EQ(std::string(appState.addDialog.chosenPath), before);
    EXPECT_STREQ(appState.addDialog.chosenTitle, "first.bmp");
    EXPECT_TRUE(BoxTexts().empty());

    // A name longer than the 63 bytes the catalogue's title buffer holds is refused at once.
    const std::string longName = std::string(70, 'n') + ".bmp";
    const std::string longSource = Source(longName, FramedBmp(RED));
    RunAddDialog([&](HWND dialog) {
        RespondWithFileName(longSource);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_BROWSE, BN_CLICKED), 0);
        char text[MAX_PATH] = "";
        GetDlgItemTextA(dialog, IDC_ADD_PATH, text, sizeof text);
        shown = text;
    });
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(SeenDialogs().back().caption, "エラー");
    EXPECT_EQ(shown, before);
    EXPECT_EQ(std::string(appState.addDialog.chosenPath), before);
    EXPECT_STREQ(appState.addDialog.chosenTitle, "first.bmp");
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
}

// Names are code page 932: trail bytes 0x5C (表, ソ) are not folder separators.
TEST_F(SymbolEditTest, JapaneseNamesSurviveAddingRestartingAndDeleting) {
    Start("");
    const std::string name = "表示ソフト.bmp";
    Choose(Source(name, FramedBmp(GREEN)), name);
    Add(CATEGORY_OTHER);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(ReadFileBytes(Catalogue()), "4,\\Symbol\\" + name + "\r\n");
    EXPECT_EQ(LibraryFiles(), std::vector<std::string>{name});

    Start(TestLibrary());
    EXPECT_EQ(CategoryPictures(CATEGORY_OTHER), (std::vector<unsigned>{GREEN}));
    Delete(CATEGORY_OTHER, 0);
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
    EXPECT_TRUE(LibraryFiles().empty());
}

TEST_F(SymbolEditTest, CatalogueThatCannotBeWrittenUndoesTheCopy) {
    Start("0,\\Symbol\\r1.bmp", {{"Symbol\\r1.bmp", FramedBmp(BLUE)}});
    ASSERT_TRUE(SetFileAttributesA(Catalogue().c_str(), FILE_ATTRIBUTE_READONLY));
    // A read-only source gives a read-only copy, which must still be removable.
    const std::string source = Source("h1.bmp", FramedBmp(RED));
    ASSERT_TRUE(SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_READONLY));
    Choose(source, "h1.bmp");
    Add(CATEGORY_HUB);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"エラー: ファイル名が指定されていません。"});
    EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"r1.bmp"});
    EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp");
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 0, 0, 0, 0}));

    // Once the catalogue can be written again, the same file goes in.
    SetFileAttributesA(Catalogue().c_str(), FILE_ATTRIBUTE_NORMAL);
    ForgetSeenDialogs();
    Add(CATEGORY_HUB);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED}));
}

// A failed copy or record says why and leaves nothing behind, so that the same file can be added
// later.
TEST_F(SymbolEditTest, AddOnAFullDiskOrFromAFileInUseSaysWhyAndLeavesNothingBehind) {
    Start("0,\\Symbol\\r1.bmp\r\n", {{"Symbol\\r1.bmp", FramedBmp(BLUE)}});
    const std::string source = Source("h1.bmp", FramedBmp(RED));
    Choose(source, "h1.bmp");
    // The disk fills during the copy, or after it while the record is appended.
    for (auto fullDisk : {FullDiskWrite, FullDiskCatalogueWrite}) {
        ForgetSeenDialogs();
        systemCalls.writeFile = fullDisk;
        Add(CATEGORY_HUB);
        RestoreSystemCalls();
        ASSERT_EQ(BoxTexts().size(), 1u);
        EXPECT_EQ(BoxTexts()[0].rfind("エラー: シンボルを追加できませんでした。", 0), 0u) << BoxTexts()[0];
        EXPECT_NE(BoxTexts()[0].find("(エラー コード: 112)"), std::string::npos) << BoxTexts()[0];
        EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"r1.bmp"});
        EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n");
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 0, 0, 0, 0}));
        EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), 0);
    }

    ForgetSeenDialogs();
    {
        HeldOpenFile inUse(source);
        ASSERT_TRUE(inUse.ok());
        Add(CATEGORY_HUB);
    }
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(BoxTexts()[0].find("(エラー コード: 32)"), std::string::npos) << BoxTexts()[0];
    EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"r1.bmp"});

    ForgetSeenDialogs();
    Add(CATEGORY_HUB);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "r1.bmp"}));
    EXPECT_EQ(ReadFileBytes(folder.File("Symbol\\h1.bmp")), ReadFileBytes(source));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED}));
}

TEST_F(SymbolEditTest, AddRefusesATargetPathTooLongForTheCatalogue) {
    // A library folder deep enough that Symbol.txt fits but \Symbol\<name> does not.
    const std::string deep = MakeDeepFolder(folder.path(), 220);
    SetCurrentDirectoryA(deep.c_str());
    WriteFileBytes(deep + "\\Symbol.txt", "");
    Start(TestLibrary());
    const std::string title = "a-rather-long-name-for-a-symbol-file.bmp";
    ASSERT_GT(deep.size() + 8 + title.size(), 259u);
    Choose(Source("long.bmp", FramedBmp(RED)), title);
    Add(CATEGORY_ROUTER);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(SeenDialogs().back().caption, "エラー");
    EXPECT_EQ(ReadFileBytes(deep + "\\Symbol.txt"), "");
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 0, 0, 0, 0}));
    SetCurrentDirectoryA(folder.path().c_str());
}

// --- deleting ---

TEST_F(SymbolEditTest, DeleteRemovesTheRightLineAndFile) {
    Start("0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n1, \\Symbol\\h2.bmp\r\n",
          {{"Symbol\\r1.bmp", FramedBmp(BLUE)},
           {"Symbol\\h1.bmp", FramedBmp(RED)},
           {"Symbol\\h2.bmp", FramedBmp(GREEN)}});
    SelectPaletteItem(CATEGORY_ROUTER, 0);
    const long bitmaps = LiveGdiObjects(GDI_BITMAP);
    Delete(CATEGORY_HUB, 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"確認: 削除してもよろしいですか？"});
    EXPECT_EQ(ReadFileBytes(Catalogue()), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n");
    EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "r1.bmp"}));
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), 1);
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_HUB), -1);
    // The router palette was not touched: its selection is still there.
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_ROUTER), 0);
    EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{BLUE}));
    EXPECT_EQ(LiveGdiObjects(GDI_BITMAP), bitmaps);
}

// The disk fills while the shortened catalogue is written: the old one stays whole and in use.
TEST_F(SymbolEditTest, RewriteCutShortByAFullDiskMakesADeleteChangeNothing) {
    const std::string catalogue = "1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n0,\\Symbol\\r1.bmp\r\n";
    Start(catalogue, {{"Symbol\\h1.bmp", FramedBmp(RED)},
                      {"Symbol\\h2.bmp", FramedBmp(GREEN)},
                      {"Symbol\\r1.bmp", FramedBmp(BLUE)}});
    systemCalls.writeFile = FullDiskCatalogueWrite;
    Delete(CATEGORY_HUB, 0);
    RestoreSystemCalls();
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts()[1].rfind("エラー: シンボルを削除できませんでした。", 0), 0u) << BoxTexts()[1];
    EXPECT_NE(BoxTexts()[1].find("(エラー コード: 112)"), std::string::npos) << BoxTexts()[1];
    EXPECT_EQ(ReadFileBytes(Catalogue()), catalogue);
    EXPECT_EQ(FileNames(folder.path()), std::vector<std::string>{"Symbol.txt"}) << "no temporary file left";
    EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "h2.bmp", "r1.bmp"}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, GREEN}));
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_HUB), 0);

    // With room on the disk again the same delete goes through.
    ForgetSeenDialogs();
    Delete(CATEGORY_HUB, 0);
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h2.bmp\r\n0,\\Symbol\\r1.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{GREEN}));
}

TEST_F(SymbolEditTest, DeleteAsksFirstAndNeedsASelection) {
    Start("3,\\Symbol\\c1.bmp\r\n3,\\Symbol\\c2.bmp\r\n4,\\Symbol\\o1.bmp\r\n", {{"Symbol\\c1.bmp", FramedBmp(BLUE)},
                                                                                 {"Symbol\\c2.bmp", FramedBmp(RED)},
                                                                                 {"Symbol\\o1.bmp", FramedBmp(GREEN)}});
    const std::string catalogue = ReadFileBytes(Catalogue());
    SelectTab(CATEGORY_CLOUD);
    PressSymbolWindowButton(IDC_DELETE_SYMBOL);
    EXPECT_TRUE(SeenDialogs().empty());

    Delete(CATEGORY_CLOUD, 0, IDCANCEL);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"確認: 削除してもよろしいですか？"});
    EXPECT_EQ(ReadFileBytes(Catalogue()), catalogue);
    EXPECT_EQ(PaletteItemCount(CATEGORY_CLOUD), 2);
    EXPECT_EQ(LibraryFiles().size(), 3u);

    // The button acts on the visible page only: the selection on the other page stays.
    SelectPaletteItem(CATEGORY_OTHER, 0);
    Delete(CATEGORY_CLOUD, 1);
    EXPECT_EQ(ReadFileBytes(Catalogue()), "3,\\Symbol\\c1.bmp\r\n4,\\Symbol\\o1.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_CLOUD), (std::vector<unsigned>{BLUE}));
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_OTHER), 0);
}

TEST_F(SymbolEditTest, DeletingTheLastSymbolLeavesAnEmptyCatalogue) {
    Start("2,\\Symbol\\only.bmp\r\n", {{"Symbol\\only.bmp", FramedBmp(RED)}});
    Delete(CATEGORY_HOST, 0);
    EXPECT_TRUE(FileExists(Catalogue()));
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
    EXPECT_TRUE(LibraryFiles().empty());
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HOST), 0);
    EXPECT_EQ(ImageList_GetImageCount(appState.library.categories[CATEGORY_HOST].images.get()), 0);
}

TEST_F(SymbolEditTest, ReadOnlyCatalogueMakesADeleteChangeNothing) {
    Start("1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n",
          {{"Symbol\\h1.bmp", FramedBmp(RED)}, {"Symbol\\h2.bmp", FramedBmp(GREEN)}});
    ASSERT_TRUE(SetFileAttributesA(Catalogue().c_str(), FILE_ATTRIBUTE_READONLY));
    Delete(CATEGORY_HUB, 1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"確認: 削除してもよろしいですか？",
                                                    "エラー: ファイル名が指定されていません。"}));
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n");
    EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "h2.bmp"}));
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 2, 0, 0, 0}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, GREEN}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HUB), 2);
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_HUB), 1);
    // No temporary file left behind.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.File("*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

// Only the very record the palette shows may go; whatever stands in its place now is left alone.
TEST_F(SymbolEditTest, CatalogueChangedSinceStartMakesADeleteChangeNothing) {
    const std::string changes[] = {
        // Another copy of the program added a hub in front of the ones shown here.
        "1,\\Symbol\\h0.bmp\r\n1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n",
        // An editor removed the first hub and appended another: the count is the same.
        "1,\\Symbol\\h2.bmp\r\n1,\\Symbol\\h3.bmp\r\n",
        "",
    };
    for (const std::string& changed : changes) {
        SCOPED_TRACE(changed);
        Start("1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n", {{"Symbol\\h1.bmp", FramedBmp(RED)},
                                                               {"Symbol\\h2.bmp", FramedBmp(GREEN)},
                                                               {"Symbol\\h3.bmp", FramedBmp(BLUE)}});
        WriteFileBytes(Catalogue(), changed);
        Delete(CATEGORY_HUB, 0);
        ASSERT_EQ(BoxTexts().size(), 2u);
        EXPECT_EQ(BoxTexts()[1].rfind("エラー: ", 0), 0u) << BoxTexts()[1];
        EXPECT_EQ(ReadFileBytes(Catalogue()), changed);
        EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "h2.bmp", "h3.bmp"}));
        EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, GREEN}));
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 2, 0, 0, 0}));
        EndProgram();
    }
}

// Lines the reader cannot use as one record, odd spacing and line ends all survive a delete.
TEST_F(SymbolEditTest, DeleteChangesNoOtherByteOfTheCatalogue) {
    Start(
        "0,\\Symbol\\r1.bmp\r\n"
        "4,\\Symbol\\my file.bmp\r\n"
        "junk that is no record\n"
        "1, \\Symbol\\h1.bmp\r\n"
        "7,\\Symbol\\x.bmp 1,\\Symbol\\h2.bmp\r\n"
        "\r\n",
        {{"Symbol\\r1.bmp", FramedBmp(BLUE)},
         {"Symbol\\h1.bmp", FramedBmp(RED)},
         {"Symbol\\h2.bmp", FramedBmp(GREEN)}});
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, GREEN}));
    Delete(CATEGORY_HUB, 1);
    Delete(CATEGORY_ROUTER, 0);
    EXPECT_EQ(ReadFileBytes(Catalogue()),
              "4,\\Symbol\\my file.bmp\r\n"
              "junk that is no record\n"
              "1, \\Symbol\\h1.bmp\r\n"
              "7,\\Symbol\\x.bmp\r\n"
              "\r\n");
    EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"h1.bmp"});
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 1, 0, 0, 1}));
}

// A file still named by another record, under whatever spelling, stays until its last record goes.
TEST_F(SymbolEditTest, DeleteKeepsAFileThatAnotherSpellingStillNames) {
    WriteLibrary(folder.path(), {{"Symbol\\averylongname.bmp", FramedBmp(GREEN)}});
    char shortPath[MAX_PATH] = "";
    ASSERT_TRUE(GetShortPathNameA(folder.File("Symbol\\averylongname.bmp").c_str(), shortPath, sizeof shortPath));
    const std::string shortName = std::string(shortPath).substr(std::string(shortPath).find_last_of('\\') + 1);
    ASSERT_NE(shortName, "averylongname.bmp");
    Start("2,\\Symbol\\averylongname.bmp\r\n2,\\SYMBOL\\AveryLongName.BMP.\r\n2,\\Symbol\\" + shortName + "\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_HOST), (std::vector<unsigned>{GREEN, GREEN, GREEN}));
    for (int left = 3; left > 1; --left) {
        Delete(CATEGORY_HOST, 0);
        EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"averylongname.bmp"}) << left;
    }
    Delete(CATEGORY_HOST, 0);
    EXPECT_TRUE(LibraryFiles().empty());
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
}

// The record goes even when its picture cannot be removed (in use, read-only), and the user is told
// the file stayed and why: no fixed text of a code stands in for that explanation.
TEST_F(SymbolEditTest, ImageFileThatCannotBeRemovedIsReportedAfterItsRecordGoes) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "in use");
        Start("2,\\Symbol\\kept.bmp\r\n", {{"Symbol\\kept.bmp", FramedBmp(GREEN)}});
        const std::string file = folder.File("Symbol\\kept.bmp");
        {
            std::optional<HeldOpenFile> busy;
            if (readOnly)
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
            else
                busy.emplace(file);
            Delete(CATEGORY_HOST, 0);
        }
        EXPECT_EQ(ReadFileBytes(Catalogue()), "");
        EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"kept.bmp"});
        const std::vector<std::string> boxes = BoxTexts();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].rfind("エラー: シンボルはパレットとシンボル ファイル (Symbol.txt) から削除しましたが", 0),
                  0u)
            << boxes[1];
        EXPECT_NE(boxes[1].find(readOnly ? "(エラー コード: 5)" : "(エラー コード: 32)"), std::string::npos)
            << boxes[1];
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveTree(folder.File("Symbol"));
    }
}

// The armed tool keeps placing the picture that was picked, or is disarmed when that one goes.
TEST_F(SymbolEditTest, ArmedSymbolToolFollowsItsPictureThroughADelete) {
    Start("1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n1,\\Symbol\\h3.bmp\r\n", {{"Symbol\\h1.bmp", FramedBmp(RED)},
                                                                                 {"Symbol\\h2.bmp", FramedBmp(GREEN)},
                                                                                 {"Symbol\\h3.bmp", FramedBmp(BLUE)}});
    const long icons = LiveGdiObjects(GDI_ICON);
    SelectTab(CATEGORY_HUB);
    ClickPaletteItem(CATEGORY_HUB, 2);
    Delete(CATEGORY_HUB, 0);
    Click(100, 100);
    EXPECT_EQ(CanvasPixels().at(100, 100), BLUE);

    Delete(CATEGORY_HUB, 1);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::NONE);
    EXPECT_FALSE(appState.placementCursor.cursor);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons);
    Click(300, 300);
    EXPECT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "確認: 削除してもよろしいですか？"));
}

// Symbols of one library image share one picture: it stays while any of them is placed or can be
// brought back by undo, even once the image has left the library.
TEST_F(SymbolEditTest, PlacedSymbolsShareAPictureThatOutlivesItsLibraryImage) {
    Start("1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n",
          {{"Symbol\\h1.bmp", FramedBmp(RED)}, {"Symbol\\h2.bmp", FramedBmp(GREEN)}});
    SelectTab(CATEGORY_HUB);
    ClickPaletteItem(CATEGORY_HUB, 0);  // arms the tool with the item's picture
    const long objects = LiveGdiObjects();
    for (int x : {100, 200, 300})
        Click(x, 100);
    EXPECT_EQ(LiveGdiObjects(), objects) << "no GDI object for the picture";
    const std::vector<SymbolItem*> symbols = DiagramSymbols();
    ASSERT_EQ(symbols.size(), 3u);
    const std::weak_ptr<const SymbolPicture> red = symbols[0]->picture;
    EXPECT_EQ(red.lock(), appState.library.categories[CATEGORY_HUB].items[0].picture) << "one picture for the three";
    EXPECT_EQ(symbols[1]->picture, symbols[0]->picture);
    EXPECT_EQ(symbols[2]->picture, symbols[0]->picture);

    Delete(CATEGORY_HUB, 0);
    EXPECT_FALSE(red.expired());
    Pixels pixels = CanvasPixels();
    for (int x : {100, 200, 300})
        EXPECT_EQ(pixels.at(x, 100), RED) << x;

    SelectTool(TOOL_DELETE);
    Click(100, 100);
    Click(200, 100);
    Click(300, 100);
    EXPECT_FALSE(red.expired()) << "kept while undo can bring a symbol back";
    PressKey(appState.topology, 'Z', true);
    EXPECT_EQ(CanvasPixels().at(300, 100), RED) << "back with a picture its library image no longer has";

    ClickPaletteItem(CATEGORY_HUB, 0);
    Click(100, 300);
    Click(200, 300);
    EXPECT_EQ(CanvasPixels().at(200, 300), GREEN);
    const std::weak_ptr<const SymbolPicture> green = DiagramSymbols().back()->picture;
    Delete(CATEGORY_HUB, 0);
    AnswerNextBox(IDOK);
    Command(IDM_FILE_NEW);
    EXPECT_FALSE(red.expired() || green.expired()) << "New hands the symbols, with their pictures, to the history";
}

TEST_F(SymbolEditTest, DeleteAfterAMissingPictureRemovesTheRecordShown) {
    Start("1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\gone.bmp\r\n1,\\Symbol\\h3.bmp\r\n1,\\Symbol\\h4.bmp\r\n",
          {{"Symbol\\h1.bmp", FramedBmp(RED)},
           {"Symbol\\h3.bmp", FramedBmp(GREEN)},
           {"Symbol\\h4.bmp", FramedBmp(BLUE)}});
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, PLACEHOLDER, GREEN, BLUE}));
    Delete(CATEGORY_HUB, 2);
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\gone.bmp\r\n1,\\Symbol\\h4.bmp\r\n");
    EXPECT_EQ(LibraryFiles(), (std::vector<std::string>{"h1.bmp", "h4.bmp"}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, PLACEHOLDER, BLUE}));

    // The placeholder's own record can go too.
    Delete(CATEGORY_HUB, 1);
    EXPECT_EQ(ReadFileBytes(Catalogue()), "1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h4.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, BLUE}));
}

// Records the format cannot carry stay in the file as they were; files outside the Symbol folder,
// or still named by another record, are never deleted.
TEST_F(SymbolEditTest, DeleteKeepsWhatItDoesNotOwn) {
    Start(
        "0,\\pictures\\outside.bmp\r\n"
        "junk that is no record\r\n"
        "0,\\Symbol\\twice.bmp\r\n"
        "9,\\Symbol\\later.bmp\r\n"
        "0,\\Symbol\\twice.bmp\r\n",
        {{"pictures\\outside.bmp", FramedBmp(RED)}, {"Symbol\\twice.bmp", FramedBmp(GREEN)}});
    EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{RED, GREEN, GREEN}));
    Delete(CATEGORY_ROUTER, 0);
    EXPECT_TRUE(FileExists(folder.File("pictures\\outside.bmp")));
    Delete(CATEGORY_ROUTER, 0);
    EXPECT_EQ(LibraryFiles(), std::vector<std::string>{"twice.bmp"});
    EXPECT_EQ(ReadFileBytes(Catalogue()),
              "junk that is no record\r\n9,\\Symbol\\later.bmp\r\n0,\\Symbol\\twice.bmp\r\n");
    EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{GREEN}));
}

}  // namespace

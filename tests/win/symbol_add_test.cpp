// Adding symbols to the library through the symbol window's add dialog.
#include "canvas_helpers.h"

#include "platform/files.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF, ORANGE = 0xFF8000, TEAL = 0x008080;

// "参照" in the add dialog, and the path the dialog shows.
void Browse(HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_BROWSE, BN_CLICKED), 0);
}

std::string ShownPath(HWND dialog) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(dialog, IDC_ADD_PATH, text, sizeof text);
    return text;
}

TEST_F(LibraryTest, AddCopiesTheFileAppendsItsLineAndRebuildsEveryPalette) {
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
        Browse(dialog);
        const std::string shown = ShownPath(dialog);
        EXPECT_EQ(lstrcmpiA(shown.c_str(), source.c_str()), 0) << shown;
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

TEST_F(LibraryTest, NewSymbolIsLastOfItsCategoryAndOkReusesThePreviousChoice) {
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
        shown = ShownPath(dialog);
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
TEST_F(LibraryTest, SymbolAddedBeforeACtrlZIsThereAtTheNextStart) {
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
TEST_F(LibraryTest, AddRefusesWhatTheLibraryCannotHold) {
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
TEST_F(LibraryTest, FullCategoryRefusesAnAdd) {
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

TEST_F(LibraryTest, CancelledOpenDialogKeepsTheEarlierChoice) {
    Start("");
    Choose(Source("first.bmp", FramedBmp(RED)), "first.bmp");
    const std::string before = appState.addDialog.chosenPath;
    std::string shown = "?";
    RunAddDialog([&](HWND dialog) {
        RespondNext([](HWND open) { PressButton(open, IDCANCEL); });
        Browse(dialog);
        shown = ShownPath(dialog);
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
        Browse(dialog);
        shown = ShownPath(dialog);
    });
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(SeenDialogs().back().caption, "エラー");
    EXPECT_EQ(shown, before);
    EXPECT_EQ(std::string(appState.addDialog.chosenPath), before);
    EXPECT_STREQ(appState.addDialog.chosenTitle, "first.bmp");
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
}

// Names are code page 932: trail bytes 0x5C (表, ソ) are not folder separators.
TEST_F(LibraryTest, JapaneseNamesSurviveAddingRestartingAndDeleting) {
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

TEST_F(LibraryTest, CatalogueThatCannotBeWrittenUndoesTheCopy) {
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
TEST_F(LibraryTest, AddOnAFullDiskOrFromAFileInUseSaysWhyAndLeavesNothingBehind) {
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

TEST_F(LibraryTest, AddRefusesATargetPathTooLongForTheCatalogue) {
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

}  // namespace

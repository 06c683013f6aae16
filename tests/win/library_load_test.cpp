// The symbol library as start-up loads it: the catalogue, its records and what is told about them.
#include "canvas_helpers.h"

#include <algorithm>

#include "platform/alerts.h"
#include "platform/test_hooks.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF, ORANGE = 0xFF8000;

TEST_F(LibraryTest, MissingCatalogueIsCreatedEmptyWithoutAMessage) {
    Start(TestLibrary());
    EXPECT_TRUE(FileExists(folder.File("Symbol.txt")));
    EXPECT_EQ(ReadFileBytes(folder.File("Symbol.txt")), "");
    EXPECT_TRUE(SeenDialogs().empty());
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        ASSERT_TRUE(appState.library.categories[category].images.get());
        EXPECT_EQ(ImageList_GetImageCount(appState.library.categories[category].images.get()), 0);
        int width = 0, height = 0;
        ImageList_GetIconSize(appState.library.categories[category].images.get(), &width, &height);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(50, 50));
    }
    EXPECT_EQ(CategoryCounts(), std::vector<int>(5, 0));
    EXPECT_EQ(ItemCounts(), std::vector<int>(5, 0));
}

TEST_F(LibraryTest, RecordsGoToTheirCategoriesInFileOrder) {
    Start("0,\\Symbol\\a.bmp\r\n2,\\Symbol\\b.bmp\r\n0,\\Symbol\\c.bmp\r\n",
          {{"Symbol\\a.bmp", FramedBmp(RED)}, {"Symbol\\b.bmp", FramedBmp(GREEN)}, {"Symbol\\c.bmp", FramedBmp(BLUE)}});
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{2, 0, 1, 0, 0}));
    EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{RED, BLUE}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HOST), (std::vector<unsigned>{GREEN}));
    EXPECT_TRUE(CategoryPictures(CATEGORY_HUB).empty());
    EXPECT_EQ(ItemCounts(), (std::vector<int>{2, 0, 1, 0, 0}));

    // Item i shows image i, from the category's own list.
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    EXPECT_EQ(HIMAGELIST(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              appState.library.categories[CATEGORY_ROUTER].images.get());
    for (int i = 0; i < 2; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, i);
    }
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_ROUTER), -1);
    EXPECT_TRUE(SeenDialogs().empty());
}

TEST_F(LibraryTest, LineEndsBlankLinesAndSpacingDoNotMatter) {
    const std::vector<std::string> catalogues = {
        "0,\\Symbol\\a.bmp\n2,\\Symbol\\b.bmp\n0,\\Symbol\\c.bmp\n",
        "0,\\Symbol\\a.bmp\r\n\r\n\r\n2,\\Symbol\\b.bmp\r\n\n0,\\Symbol\\c.bmp",
        "  0,\\Symbol\\a.bmp \t\r\n2, \\Symbol\\b.bmp\r\n0,\\Symbol\\c.bmp\r\n\r\n",
        // CR-only line ends: a skipped record takes nothing after it along; Ctrl-Z ends the file.
        "0,\\Symbol\\a.bmp\r7,\\Symbol\\c.bmp\r2,\\Symbol\\b.bmp\rjunk\r0,\\Symbol\\c.bmp\r\x1A\r\n1,\\Symbol\\a.bmp",
    };
    WriteLibrary(
        folder.path(),
        {{"Symbol\\a.bmp", FramedBmp(RED)}, {"Symbol\\b.bmp", FramedBmp(GREEN)}, {"Symbol\\c.bmp", FramedBmp(BLUE)}});
    for (const std::string& catalogue : catalogues) {
        SCOPED_TRACE(catalogue);
        Start(catalogue);
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{2, 0, 1, 0, 0}));
        EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{RED, BLUE}));
        EXPECT_EQ(CategoryPictures(CATEGORY_HOST), (std::vector<unsigned>{GREEN}));
        EXPECT_EQ(SeenDialogs().size(), catalogue.find("junk") == std::string::npos ? 0u : 1u) << "skipped records";
        EndProgram();
    }
}

TEST_F(LibraryTest, CatalogueOverTheLimitShowsTheFirstThousandOfACategory) {
    std::string catalogue = "0,\\Symbol\\r.bmp\r\njunk\r\n";
    for (int i = 0; i < CATEGORY_IMAGE_LIMIT + 3; ++i)
        catalogue += i < CATEGORY_IMAGE_LIMIT ? "1,\\Symbol\\h.bmp\r\n" : "1,\\Symbol\\late.bmp\r\n";
    Start(catalogue, {{"Symbol\\r.bmp", FramedBmp(RED)},
                      {"Symbol\\h.bmp", FramedBmp(GREEN)},
                      {"Symbol\\late.bmp", FramedBmp(BLUE)}});
    EXPECT_EQ(ItemCounts(), (std::vector<int>{1, CATEGORY_IMAGE_LIMIT, 0, 0, 0}));
    const std::vector<unsigned> hubs = CategoryPictures(CATEGORY_HUB);
    EXPECT_EQ(std::count(hubs.begin(), hubs.end(), GREEN), CATEGORY_IMAGE_LIMIT);
    ASSERT_EQ(BoxTexts().size(), 1u) << "one message for both";
    EXPECT_NE(BoxTexts()[0].find("1 個の記述は使えないため"), std::string::npos) << BoxTexts()[0];
    EXPECT_NE(BoxTexts()[0].find("3 個を読み込みませんでした"), std::string::npos) << BoxTexts()[0];
    EXPECT_EQ(ReadFileBytes(Catalogue()), catalogue);
}

// Every record keeps its place: a picture that cannot be used shows the placeholder instead. So
// do pictures that would take seconds to decode, however small their file.
TEST_F(LibraryTest, UnusablePicturesTakeThePlaceholderAndKeepPositions) {
    // Ordinary large pictures show as themselves; only those beyond 8192 a side or 24 megapixels do not.
    std::string padded = FramedBmp(GREEN);
    padded.resize((8u << 20) + 1, '\0');
    WriteLibrary(folder.path(), {{"Symbol\\compressed.bmp", CompressedHugeBmp()},
                                 {"Symbol\\wide.bmp", FramedBmp(BLUE, 1025, 50)},
                                 {"Symbol\\padded.bmp", padded},
                                 {"Symbol\\widest.bmp", FramedBmp(RED, 8192, 2)},
                                 {"Symbol\\over.bmp", FramedBmp(RED, 8193, 2)},
                                 {"Symbol\\dense.bmp", CompressedHugeBmp(5000, 5100)}});
    Start(
        "1,\\Symbol\\h1.bmp\r\n"
        "1,\\Symbol\\gone.bmp\r\n"
        "0,\\Symbol\\truncated.bmp\r\n"
        "0,\\Symbol\\header.bmp\r\n"
        "1,\\Symbol\\h3.bmp\r\n"
        "0,\\Symbol\\offset.bmp\r\n"
        "0,\\Symbol\\huge.bmp\r\n"
        "0,\\Symbol\\empty.bmp\r\n"
        "0,\\Symbol\\text.bmp\r\n"
        "0,\\Symbol\\r1.bmp\r\n"
        "3,\\Symbol\\compressed.bmp 3,\\Symbol\\wide.bmp 3,\\Symbol\\padded.bmp 3,\\Symbol\\widest.bmp\r\n"
        "3,\\Symbol\\over.bmp 3,\\Symbol\\dense.bmp",
        {{"Symbol\\h1.bmp", FramedBmp(RED)},
         {"Symbol\\h3.bmp", FramedBmp(BLUE)},
         {"Symbol\\truncated.bmp", TruncatedBmp()},
         {"Symbol\\header.bmp", HeaderOnlyBmp()},
         {"Symbol\\offset.bmp", OffsetPastEndBmp()},
         {"Symbol\\huge.bmp", HugeBmp()},
         {"Symbol\\empty.bmp", ""},
         {"Symbol\\text.bmp", "not a picture\r\n"},
         {"Symbol\\r1.bmp", FramedBmp(ORANGE)}});
    EXPECT_TRUE(SeenDialogs().empty());
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{7, 3, 0, 6, 0}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), (std::vector<unsigned>{RED, PLACEHOLDER, BLUE}));
    EXPECT_EQ(CategoryPictures(CATEGORY_CLOUD),
              (std::vector<unsigned>{PLACEHOLDER, BLUE, GREEN, RED, PLACEHOLDER, PLACEHOLDER}));
    EXPECT_EQ(
        CategoryPictures(CATEGORY_ROUTER),
        (std::vector<unsigned>{PLACEHOLDER, PLACEHOLDER, PLACEHOLDER, PLACEHOLDER, PLACEHOLDER, PLACEHOLDER, ORANGE}));
    EXPECT_EQ(ItemCounts(), (std::vector<int>{7, 3, 0, 6, 0}));

    // A placeholder can be placed like any picture.
    SelectTab(CATEGORY_HUB);
    ClickPaletteItem(CATEGORY_HUB, 1);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HUB);
    EXPECT_EQ(appState.session.tool.image, 1);
    Click(100, 100);
    EXPECT_TRUE(SeenDialogs().empty());
    EXPECT_FALSE(appState.session.diagram.items.empty());
}

// Records the format cannot carry are skipped, told in one message after start-up (how many, the
// first one's line and why), and left in the file as they are.
TEST_F(LibraryTest, RecordsTheFormatCannotCarryAreSkippedAndTold) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"Symbol\\a.bmp", FramedBmp(RED)}, {"Symbol\\b.bmp", FramedBmp(GREEN)}, {"Symbol\\c.bmp", FramedBmp(BLUE)}};
    const std::string longPath = "\\Symbol\\" + std::string(300, 'x') + ".bmp";
    const std::string told = "エラー: シンボル ファイル (Symbol.txt) の ";
    const std::pair<std::string, std::string> kinds[] = {
        {"0\\Symbol\\b.bmp", "「種類の番号,\\Symbol\\ファイル名」の形になっていません。"},
        {"7,\\Symbol\\b.bmp", "種類の番号が 0 から 4 の範囲にありません。"},
        {"2," + longPath, "パスが長すぎます (プログラムを起動したフォルダを含めて 259 バイトまで)。"},
    };
    for (const auto& [record, why] : kinds) {
        const std::string catalogue = "0,\\Symbol\\a.bmp\r\n\r\n" + record + "\r\n2,\\Symbol\\c.bmp";
        Start(catalogue, files);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{told +
                                                       "1 個の記述は使えないため、読み込みませんでした。最初のもの"
                                                       "は 3 行目です: " +
                                                       why + "\r\nSymbol.txt は変更していません。"});
        EXPECT_EQ(CategoryCounts(), (std::vector<int>{1, 0, 1, 0, 0}));
        EXPECT_EQ(ReadFileBytes(Catalogue()), catalogue);
    }
    const std::string catalogue =
        "0,\\Symbol\\a.bmp\r\n"
        "x,\\Symbol\\b.bmp\r\n"
        "7,\\Symbol\\b.bmp\r\n"
        "-1,\\Symbol\\b.bmp\r\n"
        "99999999999999999999,\\Symbol\\b.bmp\r\n"
        ",,,,\r\n"
        "2," +
        longPath +
        "\r\n"
        "2,\\Symbol\\c.bmp\r\n"
        "3,\r\n";
    Start(catalogue, files);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(
        BoxTexts()[0].rfind(told + "7 個の記述は使えないため、読み込みませんでした。最初のものは 2 行目です: ", 0), 0u)
        << BoxTexts()[0];
    EXPECT_EQ(CategoryPictures(CATEGORY_ROUTER), (std::vector<unsigned>{RED}));
    EXPECT_EQ(CategoryPictures(CATEGORY_HOST), (std::vector<unsigned>{BLUE}));
    EXPECT_EQ(ReadFileBytes(Catalogue()), catalogue);
}

TEST_F(LibraryTest, CatalogueThatCannotBeOpenedIsReportedAndTheWindowStillComesUp) {
    ASSERT_TRUE(CreateDirectoryA(folder.File("Symbol.txt").c_str(), nullptr));
    Start(TestLibrary());
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "エラー");
    EXPECT_EQ(SeenDialogs()[0].text, "ファイル名が指定されていません。");
    EXPECT_TRUE(IsWindowVisible(appState.tools.symbolWindow));
    EXPECT_EQ(CategoryCounts(), std::vector<int>(5, 0));
    EXPECT_EQ(ItemCounts(), std::vector<int>(5, 0));
}

TEST_F(LibraryTest, FileErrorBoxesHaveTheirFixedTexts) {
    Start("");
    const std::pair<DWORD, const char*> known[] = {
        {2, "ファイル名が間違っています。"},
        {3, "存在しないディレクトリです。"},
        {5, "ファイル名が指定されていません。"},
        {21, "ドライブの準備ができていません。"},
        {80, "同じ名前のファイルが既に存在しています。"},
        {1235, "ドライブのアクセスに失敗しました。"},
    };
    for (const auto& [code, text] : known) {
        ForgetSeenDialogs();
        ShowFileError(appState.tools.symbolWindow, code);
        ASSERT_EQ(SeenDialogs().size(), 1u) << code;
        EXPECT_EQ(SeenDialogs()[0].caption, "エラー");
        EXPECT_EQ(SeenDialogs()[0].text, text);
    }
    // Other codes say what failed, why in the system's words, and the code; 0 is no failure.
    const std::pair<FileOperation, const char*> operations[] = {
        {FileOperation::ADD_SYMBOL, "シンボルを追加できませんでした。"},
        {FileOperation::DELETE_SYMBOL, "シンボルを削除できませんでした。"},
        {FileOperation::OPEN_CATALOGUE, "シンボル ファイル (Symbol.txt) を開けませんでした。"},
    };
    for (const auto& [operation, failed] : operations) {
        for (DWORD code : {32u, 112u, 183u}) {
            ForgetSeenDialogs();
            ShowFileError(appState.tools.symbolWindow, code, operation);
            ASSERT_EQ(SeenDialogs().size(), 1u) << code;
            const std::string& text = SeenDialogs()[0].text;
            EXPECT_EQ(SeenDialogs()[0].caption, "エラー");
            EXPECT_EQ(text.rfind(failed, 0), 0u) << text;
            EXPECT_NE(text.find("(エラー コード: " + std::to_string(code) + ")"), std::string::npos) << text;
        }
    }
    ForgetSeenDialogs();
    ShowFileError(appState.tools.symbolWindow, 0, FileOperation::ADD_SYMBOL);
    EXPECT_TRUE(SeenDialogs().empty());
}

TEST_F(LibraryTest, CatalogueInUseIsReportedWithItsCode) {
    ASSERT_TRUE(WriteFileBytes(folder.File("Symbol.txt"), "0,\\Symbol\\a.bmp\r\n"));
    HeldOpenFile inUse(folder.File("Symbol.txt"));
    ASSERT_TRUE(inUse.ok());
    Start(TestLibrary());
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].text.rfind("シンボル ファイル (Symbol.txt) を開けませんでした。", 0), 0u);
    EXPECT_NE(SeenDialogs()[0].text.find("(エラー コード: 32)"), std::string::npos) << SeenDialogs()[0].text;
    EXPECT_EQ(CategoryCounts(), std::vector<int>(5, 0));
}

// A start-up folder that cannot hold the library's paths: one message, empty palettes, adding and
// deleting refused, and no Symbol.txt read or written anywhere.
TEST_F(LibraryTest, FolderTooDeepForTheLibraryRunsWithoutOne) {
    // 284 bytes in code page 932 but 142 characters: the 260-byte buffer cannot take it.
    const std::wstring japanese = std::wstring(L"\\") + std::wstring(71, L'構') + std::wstring(71, L'表');
    wchar_t base[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, base);
    const std::wstring deepJapanese = base + japanese;
    ASSERT_TRUE(CreateDirectoryW(deepJapanese.c_str(), nullptr));
    // 250 bytes: the folder itself fits, Symbol.txt under it would not.
    const std::string deepAscii = MakeDeepFolder(folder.path(), 250);
    const std::string driveCatalogue = folder.path().substr(0, 3) + "Symbol.txt";
    DeleteFileA(driveCatalogue.c_str());  // what a program that looked there may have left
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(run == 0 ? SetCurrentDirectoryW(deepJapanese.c_str()) : SetCurrentDirectoryA(deepAscii.c_str()));
        Start(TestLibrary());
        SetCurrentDirectoryA(folder.path().c_str());
        EXPECT_STREQ(appState.library.root, "");
        ASSERT_EQ(SeenDialogs().size(), 1u);
        EXPECT_EQ(SeenDialogs()[0].text.rfind("プログラムを起動したフォルダのパスが長すぎるため", 0), 0u);
        EXPECT_EQ(ItemCounts(), std::vector<int>(5, 0));

        // Add says why it cannot; delete, with nothing to select, does nothing, as with a library.
        ForgetSeenDialogs();
        PressSymbolWindowButton(IDC_ADD_SYMBOL);
        PressSymbolWindowButton(IDC_DELETE_SYMBOL);
        ASSERT_EQ(SeenDialogs().size(), 1u);
        EXPECT_EQ(SeenDialogs()[0].text.rfind("シンボルを追加できませんでした。", 0), 0u) << SeenDialogs()[0].text;
        EndProgram();
    }
    const bool strayCatalogue = FileExists(driveCatalogue);
    DeleteFileA(driveCatalogue.c_str());
    EXPECT_FALSE(strayCatalogue) << "the library was looked for at the root of the drive";
    EXPECT_FALSE(FileExists(deepAscii + "\\Symbol.txt"));
    RemoveDirectoryW(deepJapanese.c_str());
}

}  // namespace

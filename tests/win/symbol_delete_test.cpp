// Deleting symbols from the library through the symbol window's delete button.
#include "canvas_helpers.h"

#include "platform/files.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF;

TEST_F(LibraryTest, DeleteRemovesTheRightLineAndFile) {
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
TEST_F(LibraryTest, RewriteCutShortByAFullDiskMakesADeleteChangeNothing) {
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

TEST_F(LibraryTest, DeleteAsksFirstAndNeedsASelection) {
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

TEST_F(LibraryTest, DeletingTheLastSymbolLeavesAnEmptyCatalogue) {
    Start("2,\\Symbol\\only.bmp\r\n", {{"Symbol\\only.bmp", FramedBmp(RED)}});
    Delete(CATEGORY_HOST, 0);
    EXPECT_TRUE(FileExists(Catalogue()));
    EXPECT_EQ(ReadFileBytes(Catalogue()), "");
    EXPECT_TRUE(LibraryFiles().empty());
    EXPECT_EQ(CategoryCounts(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(PaletteItemCount(CATEGORY_HOST), 0);
    EXPECT_EQ(ImageList_GetImageCount(appState.library.categories[CATEGORY_HOST].images.get()), 0);
}

TEST_F(LibraryTest, ReadOnlyCatalogueMakesADeleteChangeNothing) {
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
TEST_F(LibraryTest, CatalogueChangedSinceStartMakesADeleteChangeNothing) {
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
TEST_F(LibraryTest, DeleteChangesNoOtherByteOfTheCatalogue) {
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
TEST_F(LibraryTest, DeleteKeepsAFileThatAnotherSpellingStillNames) {
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
TEST_F(LibraryTest, ImageFileThatCannotBeRemovedIsReportedAfterItsRecordGoes) {
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
TEST_F(LibraryTest, ArmedSymbolToolFollowsItsPictureThroughADelete) {
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
TEST_F(LibraryTest, PlacedSymbolsShareAPictureThatOutlivesItsLibraryImage) {
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

    ArmTool(TOOL_DELETE);
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

TEST_F(LibraryTest, DeleteAfterAMissingPictureRemovesTheRecordShown) {
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
TEST_F(LibraryTest, DeleteKeepsWhatItDoesNotOwn) {
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

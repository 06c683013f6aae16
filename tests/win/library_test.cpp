// The symbol library as the program loads it, and the symbol window's palettes, tabs and pictures.
#include "canvas_helpers.h"

#include <algorithm>
#include <cstring>

#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "core/edit_session.h"
#include "platform/gdi_objects.h"
#include "platform/system_calls.h"
#include "resources/resource.h"
#include "library/symbol_library.h"
#include "library/library_pictures.h"
#include "platform/alerts.h"
#include "windows/symbol_window.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF, GREY = 0x808080, ORANGE = 0xFF8000;

// Each test writes its library into a fresh folder, then starts the program there.
class LibraryTest : public ProgramTest {
  protected:
    LibraryTest() : ProgramTest(std::nullopt) {}
    std::vector<int> ItemCounts() const {
        std::vector<int> counts;
        for (int category = 0; category < CATEGORY_COUNT; ++category)
            counts.push_back(PaletteItemCount(category));
        return counts;
    }
};

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

TEST_F(LibraryTest, LargeBitmapIsHeldAt50By50WithMagentaTransparent) {
    // 100 x 80: a magenta frame around a red left half and a blue right half.
    const std::string picture = BmpBytes(100, 80, [](int x, int y) {
        if (x < 20 || x >= 80 || y < 16 || y >= 64)
            return RGB_MAGENTA;
        return x < 50 ? RED : BLUE;
    });
    Start("4,\\Symbol\\wide.bmp\r\n", {{"Symbol\\wide.bmp", picture}});
    HIMAGELIST list = appState.library.categories[CATEGORY_OTHER].images.get();
    ASSERT_EQ(ImageList_GetImageCount(list), 1);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(50, 50));

    const Pixels pixels = DrawImage(list, 0, GREY);
    EXPECT_EQ(pixels.at(17, 25), RED);
    EXPECT_EQ(pixels.at(32, 25), BLUE);
    for (POINT frame : {POINT{2, 25}, POINT{47, 25}, POINT{25, 3}, POINT{25, 46}, POINT{0, 0}, POINT{49, 49}})
        EXPECT_EQ(pixels.at(frame.x, frame.y), GREY) << frame.x << "," << frame.y;
}

TEST_F(LibraryTest, PictureMadeFromTheBytesReadIsTheSystemLoadersPictureOfTheFile) {
    const auto speckled = [](int x, int y) {
        return unsigned((x * 37 + y * 11) % 256 << 16 | (x * y) % 256 << 8 | (x + 3 * y) % 256);
    };
    std::string blackAndWhite = PaletteBmp(1, 40, 40);
    blackAndWhite.replace(54, 8, std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));
    const std::vector<std::pair<std::string, std::string>> files = {
        {"square.bmp", BmpBytes(50, 50, speckled)},
        {"wide.bmp", BmpBytes(100, 80, speckled)},
        {"small.bmp", BmpBytes(20, 30, speckled)},
        {"mono.bmp", blackAndWhite},  // between others: the lists take it on its own
        {"palette8.bmp", PaletteBmp(8, 70, 45)},
        {"palette4.bmp", PaletteBmp(4, 50, 50)},
        {"palette1.bmp", PaletteBmp(1, 33, 61)},
        {"rle8.bmp", RunLengthBmp(8, RED)},
        {"rle4.bmp", RunLengthBmp(4, BLUE)},
    };
    // The catalogue's list must hold the same pictures, masked as the system loader's would be.
    HIMAGELIST reference = ImageList_Create(50, 50, ILC_COLOR32 | ILC_MASK, 4, 0);
    std::string catalogue;
    std::vector<std::pair<std::string, std::string>> library;
    for (const auto& [name, bytes] : files) {
        catalogue += "0,\\Symbol\\" + name + "\r\n";
        library.push_back({"Symbol\\" + name, bytes});
    }
    Start(catalogue, library);
    PictureReader reader;
    for (const auto& [name, bytes] : files) {
        const std::string path = folder.File("Symbol\\" + name);
        HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 50, 50, LR_LOADFROMFILE));
        const LibraryPicture made = reader.Read(path);
        ASSERT_TRUE(loaded) << name;
        ASSERT_EQ(made.status, PictureStatus::OK) << name;
        BITMAP loadedShape = {};
        GetObjectA(loaded, sizeof loadedShape, &loadedShape);
        EXPECT_EQ(bool(made.blackAndWhite), loadedShape.bmBitsPixel == 1) << name;
        const std::vector<unsigned> actual = made.blackAndWhite
                                                 ? ReadBitmapPixels(made.blackAndWhite.get()).rgb
                                                 : std::vector<unsigned>(made.pixels.begin(), made.pixels.end());
        EXPECT_TRUE(actual == ReadBitmapPixels(loaded).rgb) << name;
        ImageList_AddMasked(reference, loaded, RGB_MAGENTA);
        const int index = ImageList_GetImageCount(reference) - 1;
        HIMAGELIST list = appState.library.categories[0].images.get();
        EXPECT_TRUE(DrawImage(list, index, GREY).rgb == DrawImage(reference, index, GREY).rgb) << name;
        DeleteObject(loaded);
    }

    ImageList_Destroy(reference);

    // The system loader draws top-down files all black here; they show as the same picture stored
    // bottom-up does.
    ASSERT_TRUE(WriteFileBytes(folder.File("up.bmp"), PaletteBmp(8, 50, 50)));
    ASSERT_TRUE(WriteFileBytes(folder.File("down.bmp"), PaletteBmp(8, 50, -50)));
    const std::vector<uint32_t> up = reader.Read(folder.File("up.bmp")).pixels;
    const std::vector<uint32_t> down = reader.Read(folder.File("down.bmp")).pixels;
    ASSERT_EQ(down.size(), 2500u);
    ASSERT_EQ(up.size(), 2500u);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(down[y * 50 + x], up[(49 - y) * 50 + x]) << x << "," << y;
}

// Files that need stretching get the system loader's own picture (Windows does not document its
// stretch); files of symbol size are drawn from the bytes read.
std::vector<std::string> loaderRequests;
std::string loaderMarker;  // a file of another colour, whose picture the fake loader returns
HANDLE WINAPI MarkingLoader(HINSTANCE, LPCSTR path, UINT type, int width, int height, UINT flags) {
    loaderRequests.push_back(std::string(strrchr(path, '\\') + 1) + " " + std::to_string(width) + "x" +
                             std::to_string(height) + (flags == LR_LOADFROMFILE ? "" : " ?"));
    return LoadImageA(nullptr, loaderMarker.c_str(), type, width, height, flags);
}

TEST_F(LibraryTest, PicturesThatMustBeStretchedComeFromTheSystemLoader) {
    std::string blackAndWhite = PaletteBmp(1, 40, 40);
    blackAndWhite.replace(54, 8, std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));
    WriteLibrary(folder.path(), {{"marker.bmp", FramedBmp(ORANGE)}});
    loaderMarker = folder.File("marker.bmp");
    loaderRequests.clear();
    systemCalls.loadImage = MarkingLoader;
    Start(TestLibrary()
              .Symbol(CATEGORY_ROUTER, "exact.bmp", FramedBmp(RED))
              .Symbol(CATEGORY_ROUTER, "wide.bmp", FramedBmp(RED, 100, 80))
              .Symbol(CATEGORY_ROUTER, "small.bmp", FramedBmp(RED, 20, 30))
              .Symbol(CATEGORY_ROUTER, "mono.bmp", blackAndWhite)
              .Symbol(CATEGORY_ROUTER, "exact8.bmp", PaletteBmp(8, 50, 50)));
    RestoreSystemCalls();
    EXPECT_EQ(loaderRequests, (std::vector<std::string>{"wide.bmp 50x50", "small.bmp 50x50", "mono.bmp 50x50"}));
    const std::vector<unsigned> pictures = CategoryPictures(CATEGORY_ROUTER);
    ASSERT_EQ(pictures.size(), 5u);
    EXPECT_EQ(std::vector<unsigned>(pictures.begin(), pictures.begin() + 4),
              (std::vector<unsigned>{RED, ORANGE, ORANGE, ORANGE}));
    EXPECT_NE(pictures[4], ORANGE);
}

// Only magenta is transparent: a 32-bit file draws as the 24-bit file of the same colours, in the
// palette and on the canvas, whatever its fourth bytes hold (Wine's image lists take them for alpha).
TEST_F(LibraryTest, ThirtyTwoBitPicturesAreOpaqueWhateverTheirFourthByte) {
    TestLibrary library;
    std::vector<std::string> names;
    for (const POINT size : {POINT{50, 50}, POINT{100, 80}}) {
        const std::string shape = std::to_string(size.x) + "x" + std::to_string(size.y);
        library.Symbol(CATEGORY_ROUTER, "rgb" + shape + ".bmp", FramedBmp(BLUE, size.x, size.y));
        names.push_back("rgb" + shape);
        for (const uint8_t fourth : {0, 128, 255}) {
            const std::string name = "argb" + std::to_string(fourth) + "-" + shape;
            library.Symbol(CATEGORY_ROUTER, name + ".bmp", FramedBmp32(BLUE, size.x, size.y, fourth));
            names.push_back(name);
        }
    }
    Start(library);
    HIMAGELIST list = appState.library.categories[CATEGORY_ROUTER].images.get();
    for (int i = 0; i < int(names.size()); ++i) {
        PickSymbol(CATEGORY_ROUTER, i);
        Click(25 + 55 * (i % 4), 25 + 55 * (i / 4));
    }
    Repaint();
    const Pixels canvas = CanvasPixels();
    for (int i = 0; i < int(names.size()); ++i) {
        SCOPED_TRACE(names[i]);
        const int reference = i / 4 * 4;
        EXPECT_TRUE(DrawImage(list, i, GREY).rgb == DrawImage(list, reference, GREY).rgb);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                ASSERT_EQ(canvas.at(55 * (i % 4) + x, 55 * (i / 4) + y),
                          canvas.at(55 * (reference % 4) + x, 55 * (reference / 4) + y))
                    << x << "," << y;
    }
}

// Palette item k shows the k-th record's picture or the placeholder (or a blank), never another's.
void ExpectOwnPicturesOnly(const LibraryCategory& category, const std::vector<unsigned>& colours) {
    HIMAGELIST list = category.images.get();
    if (!list)
        return;
    ASSERT_EQ(ImageList_GetImageCount(list), int(category.items.size()));
    for (int k = 0; k < int(category.items.size()); ++k) {
        const unsigned centre = DrawImage(list, k, GREY).at(25, 25);
        EXPECT_TRUE(centre == colours[k] || std::find(colours.begin(), colours.end(), centre) == colours.end())
            << "item " << k << " shows " << std::hex << centre;
    }
}

// Windows makes bitmaps from a limited pool: a strip of pictures it will not make goes one picture
// at a time, and whatever cannot be made at all keeps its place without moving the others.
TEST_F(LibraryTest, EveryItemKeepsItsOwnPictureWhenBitmapsCannotBeMade) {
    std::string blackAndWhite = PaletteBmp(1, 50, 50);
    blackAndWhite.replace(54, 8, std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));
    TestLibrary library;
    std::vector<unsigned> colours;
    for (int i = 0; i < 70; ++i) {
        colours.push_back(0x010000u * unsigned(i + 1) + 0x40);
        if (i == 20)
            library.Symbol(CATEGORY_HUB, "mono.bmp", blackAndWhite);  // between two strips of its own
        else
            library.Symbol(CATEGORY_HUB, "h" + std::to_string(i) + ".bmp", FramedBmp(colours.back()));
    }
    library.WriteInto(folder.path());

    // At every point where the budget of GDI objects can run out.
    const long before = LiveGdiObjects();
    for (long budget = 0; budget < 16; ++budget) {
        SCOPED_TRACE(budget);
        SymbolLibrary library = {};
        lstrcpynA(library.root, folder.path().c_str(), MAX_PATH);
        LimitGdi(budget);
        LoadSymbolLibrary(GetModuleHandleA(nullptr), library);
        RestoreSystemCalls();
        ExpectOwnPicturesOnly(library.categories[CATEGORY_HUB], colours);
        ReleaseSymbolLibrary(library);
        EXPECT_EQ(LiveGdiObjects(), before);
    }

    // Strips wider than eight pictures are refused, single pictures are not.
    LimitGdi(-1, 8 * 50 * 50);
    Start(TestLibrary());
    RestoreSystemCalls();
    std::vector<unsigned> shown = colours;
    shown[20] = CategoryPictures(CATEGORY_HUB)[20];
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), shown);
    // A delete takes out the record and the picture the user picked.
    SelectTab(CATEGORY_HUB);
    SelectPaletteItem(CATEGORY_HUB, 40);
    AnswerNextBox(IDOK);
    PressSymbolWindowButton(IDC_DELETE_SYMBOL);
    shown.erase(shown.begin() + 40);
    EXPECT_EQ(CategoryPictures(CATEGORY_HUB), shown);
    EXPECT_EQ(ReadFileBytes(Catalogue()).find("h40.bmp"), std::string::npos);
    EXPECT_FALSE(FileExists(folder.File("Symbol\\h40.bmp")));
    EXPECT_TRUE(FileExists(folder.File("Symbol\\h41.bmp")));
}

// A catalogue too long to load shows the first records of each category up to the limit, says once
// how many it left out and leaves the file as it is.
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

TEST_F(LibraryTest, RunLengthEncodedPicturesLoad) {
    Start("3,\\Symbol\\rle8.bmp\r\n3,\\Symbol\\rle4.bmp\r\n",
          {{"Symbol\\rle8.bmp", RunLengthBmp(8, RED)}, {"Symbol\\rle4.bmp", RunLengthBmp(4, BLUE)}});
    EXPECT_EQ(CategoryPictures(CATEGORY_CLOUD), (std::vector<unsigned>{RED, BLUE}));
    // The frame is magenta, so transparent.
    EXPECT_EQ(DrawImage(appState.library.categories[CATEGORY_CLOUD].images.get(), 0, GREY).at(1, 25), GREY);
    EXPECT_EQ(DrawImage(appState.library.categories[CATEGORY_CLOUD].images.get(), 1, GREY).at(25, 48), GREY);
    EXPECT_TRUE(SeenDialogs().empty());
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

TEST_F(LibraryTest, WindowShowsFiveTabsWithTheRouterPageOnTop) {
    Start("0,\\Symbol\\a.bmp\r\n1,\\Symbol\\b.bmp\r\n",
          {{"Symbol\\a.bmp", FramedBmp(RED)}, {"Symbol\\b.bmp", FramedBmp(GREEN)}});
    HWND tabs = GetDlgItem(appState.tools.symbolWindow, IDC_CATEGORY_TABS);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    const char* const labels[] = {"ルータ", "ハブ", "ホスト", "クラウド", "アザー"};
    for (int tab = 0; tab < 5; ++tab) {
        char text[32] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, labels[tab]);
    }
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(appState.tools.currentTab, 0);

    // Every page covers the tab control's display area; only the router page shows.
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&area), 2);
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        RECT page;
        GetWindowRect(appState.tools.palettePage[category], &page);
        MapWindowPoints(nullptr, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&page), 2);
        EXPECT_TRUE(EqualRect(&page, &area)) << "page " << category;
        // Its list view fills it, so that no item lies beyond the visible part.
        RECT list;
        GetWindowRect(PaletteListOf(category), &list);
        MapWindowPoints(nullptr, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_TRUE(EqualRect(&list, &area)) << "list " << category;
        EXPECT_EQ(GetParent(appState.tools.palettePage[category]), appState.tools.symbolWindow);
        EXPECT_EQ(bool(IsWindowVisible(appState.tools.palettePage[category])), category == 0) << "page " << category;
    }

    // The router picture is what the screen shows at the first item.
    UpdateWindow(appState.tools.symbolWindow);
    RECT icon = {};
    icon.left = LVIR_ICON;
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
    const Pixels shown = ReadWindowPixels(list);
    EXPECT_EQ(shown.at((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2), RED);
}

TEST_F(LibraryTest, EveryItemOfALongPaletteCanBeScrolledIntoSight) {
    std::string catalogue;
    for (int i = 0; i < 9; ++i)
        catalogue += "0,\\Symbol\\r.bmp\r\n";
    Start(catalogue, {{"Symbol\\r.bmp", FramedBmp(RED)}});
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    RECT page;
    GetClientRect(appState.tools.palettePage[CATEGORY_ROUTER], &page);
    for (int index : {8, 0, 5}) {
        SendMessageA(list, LVM_ENSUREVISIBLE, index, FALSE);
        RECT icon = {};
        icon.left = LVIR_ICON;
        SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
        MapWindowPoints(list, appState.tools.palettePage[CATEGORY_ROUTER], reinterpret_cast<POINT*>(&icon), 2);
        RECT inside;
        IntersectRect(&inside, &icon, &page);
        EXPECT_TRUE(EqualRect(&inside, &icon))
            << "item " << index << " ends at " << icon.bottom << " of " << page.bottom;
    }
}

TEST_F(LibraryTest, ClickOnAHalfHiddenItemPicksThatItem) {
    std::string catalogue;
    for (int i = 0; i < 20; ++i)
        catalogue += "0,\\Symbol\\r.bmp\r\n";
    Start(catalogue, {{"Symbol\\r.bmp", FramedBmp(RED)}});
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    UpdateWindow(appState.tools.symbolWindow);
    RECT client;
    GetClientRect(list, &client);
    // The first item that the bottom edge of the list cuts through.
    int cut = -1;
    RECT icon = {};
    for (int index = 0; index < PaletteItemCount(CATEGORY_ROUTER) && cut < 0; ++index) {
        icon = {};
        icon.left = LVIR_ICON;
        SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
        if (icon.top < client.bottom - 4 && icon.bottom > client.bottom)
            cut = index;
    }
    ASSERT_GE(cut, 0);
    MouseClickPaletteAt(CATEGORY_ROUTER, {(icon.left + icon.right) / 2, client.bottom - 2});
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_ROUTER), cut);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_ROUTER);
    EXPECT_EQ(appState.session.tool.image, cut);

    // A click beside the items then changes nothing.
    const HCURSOR cursor = appState.placementCursor.cursor;
    MouseClickPaletteAt(CATEGORY_ROUTER, {client.right - 3, client.bottom - 3});
    EXPECT_EQ(appState.session.tool.image, cut);
    EXPECT_EQ(appState.placementCursor.cursor, cursor);
}

TEST_F(LibraryTest, TabChangeShowsOnlyThatPage) {
    Start("");
    for (int tab : {3, 1, 4, 0, 2}) {
        SelectTab(tab);
        EXPECT_EQ(appState.tools.currentTab, tab);
        for (int category = 0; category < CATEGORY_COUNT; ++category)
            EXPECT_EQ(bool(IsWindowVisible(appState.tools.palettePage[category])), category == tab);
    }
    // No selection: nothing changes.
    HWND tabs = GetDlgItem(appState.tools.symbolWindow, IDC_CATEGORY_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, WPARAM(-1), 0);
    NMHDR header = {tabs, IDC_CATEGORY_TABS, UINT(TCN_SELCHANGE)};
    SendMessageA(appState.tools.symbolWindow, WM_NOTIFY, IDC_CATEGORY_TABS, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(appState.tools.currentTab, 2);
    EXPECT_TRUE(IsWindowVisible(appState.tools.palettePage[2]));
}

TEST_F(LibraryTest, ClickOnAPaletteImagePicksItWithItsIconAsCursor) {
    Start("2,\\Symbol\\h1.bmp\r\n0,\\Symbol\\r1.bmp\r\n2,\\Symbol\\h2.bmp\r\n2,\\Symbol\\h3.bmp\r\n",
          {{"Symbol\\h1.bmp", FramedBmp(RED)},
           {"Symbol\\h2.bmp", FramedBmp(GREEN)},
           {"Symbol\\h3.bmp", FramedBmp(BLUE)},
           {"Symbol\\r1.bmp", FramedBmp(ORANGE)}});
    const long icons = LiveGdiObjects(GDI_ICON);
    SelectTab(CATEGORY_HOST);
    MouseClickPaletteItem(CATEGORY_HOST, 2);
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_HOST), 2);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.session.tool.image, 2);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL);
    ASSERT_TRUE(appState.placementCursor.cursor);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // The cursor is a picture of the image: its centre is blue.
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(appState.placementCursor.cursor, &info));
    const Pixels cursor = ReadBitmapPixels(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    ASSERT_EQ(cursor.width, 50);
    EXPECT_EQ(cursor.at(25, 25) & 0x0000FF, 0x0000FFu);

    // Picking again replaces the cursor, and the old icon is freed.
    ClickPaletteItem(CATEGORY_HOST, 0);
    EXPECT_EQ(appState.session.tool.image, 0);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // A click beside the items changes nothing.
    RECT client;
    GetClientRect(PaletteListOf(CATEGORY_HOST), &client);
    const HCURSOR before = appState.placementCursor.cursor;
    ClickPaletteAt(CATEGORY_HOST, {client.right - 3, client.bottom - 3});
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.session.tool.image, 0);
    EXPECT_EQ(appState.placementCursor.cursor, before);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // Changing tabs changes neither the tool nor the cursor.
    SelectTab(CATEGORY_ROUTER);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.placementCursor.cursor, before);
}

TEST_F(LibraryTest, ToolAndCablePicturesSelectTheirTools) {
    Start("0,\\Symbol\\r1.bmp\r\n", {{"Symbol\\r1.bmp", FramedBmp(ORANGE)}});
    const long icons = LiveGdiObjects(GDI_ICON);
    struct Picture {
        int id;
        int cableType;
    };
    const Picture cables[] = {{IDC_PICK_STRAIGHT, 1},  {IDC_PICK_CROSS, 2}, {IDC_PICK_SERIAL, 3}, {IDC_PICK_CONSOLE, 4},
                              {IDC_PICK_TELEPHONE, 5}, {IDC_PICK_MET, 6},   {IDC_PICK_OPTICAL, 7}};
    for (const Picture& picture : cables) {
        ClickPaletteItem(CATEGORY_ROUTER, 0);  // a symbol cursor that the cable tool must drop
        PressSymbolWindowButton(picture.id);
        EXPECT_EQ(appState.session.tool.kind, ToolKind::CABLE) << picture.id;
        EXPECT_EQ(appState.session.tool.cable, picture.cableType) << picture.id;
        EXPECT_FALSE(appState.placementCursor.cursor);
        EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons);
    }

    ClickPaletteItem(CATEGORY_ROUTER, 0);
    PressSymbolWindowButton(IDC_PICK_DELETE);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::DELETE_SYMBOL);
    EXPECT_EQ(appState.placementCursor.cursor, LoadCursorA(appState.instance, MAKEINTRESOURCEA(IDC_DELETE_CURSOR)));
    EXPECT_TRUE(appState.placementCursor.cursor);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons);

    const HCURSOR deleteCursor = appState.placementCursor.cursor;
    PressSymbolWindowButton(IDC_PICK_SELECT);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SELECT);
    EXPECT_FALSE(appState.placementCursor.cursor);
    // The shared delete cursor survives being replaced.
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(deleteCursor, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(LibraryTest, EverythingTheLibraryMadeIsReleasedAtTheEnd) {
    const long before = LiveGdiObjects();
    const long lists = LiveGdiObjects(GDI_IMAGE_LIST);
    Start("0,\\Symbol\\r1.bmp\r\n0,\\Symbol\\gone.bmp\r\n3,\\Symbol\\bad.bmp\r\n",
          {{"Symbol\\r1.bmp", FramedBmp(ORANGE)}, {"Symbol\\bad.bmp", TruncatedBmp()}});
    EXPECT_EQ(LiveGdiObjects(GDI_IMAGE_LIST), lists + 5);
    ClickPaletteItem(CATEGORY_ROUTER, 1);
    ClickPaletteItem(CATEGORY_ROUTER, 0);
    // The palettes only show the lists: one that goes leaves its list to the catalogue.
    DestroyWindow(PaletteListOf(CATEGORY_ROUTER));
    EXPECT_EQ(ImageList_GetImageCount(appState.library.categories[CATEGORY_ROUTER].images.get()), 2);
    EndProgram();
    EXPECT_EQ(LiveGdiObjects(), before);
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        EXPECT_FALSE(appState.library.categories[category].images.get());
}

}  // namespace

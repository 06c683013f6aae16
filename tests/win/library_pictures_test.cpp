// Library pictures as the palettes and the canvas get them, whatever the file and whatever the system lacks.
#include "canvas_helpers.h"

#include <algorithm>
#include <cstring>

#include "library/library_pictures.h"
#include "platform/test_hooks.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

constexpr unsigned RED = 0xFF0000, BLUE = 0x0000FF, GREY = 0x808080, ORANGE = 0xFF8000;

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
        HBITMAP loaded = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 50, 50, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
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
        // Pictures in colour go into the list at the screen's depth, as the program adds them.
        HBITMAP colour = made.blackAndWhite ? nullptr : static_cast<HBITMAP>(CopyImage(loaded, IMAGE_BITMAP, 0, 0, 0));
        ImageList_AddMasked(reference, colour ? colour : loaded, RGB_MAGENTA);
        DeleteObject(colour);
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
// Every picture comes as a DIB section, exact at any display depth.
HANDLE WINAPI MarkingLoader(HINSTANCE instance, LPCSTR path, UINT type, int width, int height, UINT flags) {
    if (IS_INTRESOURCE(path)) {
        loaderRequests.push_back(std::string("resource") + (flags == LR_CREATEDIBSECTION ? "" : " ?"));
        return LoadImageA(instance, path, type, width, height, flags);
    }
    loaderRequests.push_back(std::string(strrchr(path, '\\') + 1) + " " + std::to_string(width) + "x" +
                             std::to_string(height) + (flags == (LR_LOADFROMFILE | LR_CREATEDIBSECTION) ? "" : " ?"));
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
    EXPECT_EQ(loaderRequests,
              (std::vector<std::string>{"wide.bmp 50x50", "small.bmp 50x50", "mono.bmp 50x50", "resource"}));
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

TEST_F(LibraryTest, RunLengthEncodedPicturesLoad) {
    Start("3,\\Symbol\\rle8.bmp\r\n3,\\Symbol\\rle4.bmp\r\n",
          {{"Symbol\\rle8.bmp", RunLengthBmp(8, RED)}, {"Symbol\\rle4.bmp", RunLengthBmp(4, BLUE)}});
    EXPECT_EQ(CategoryPictures(CATEGORY_CLOUD), (std::vector<unsigned>{RED, BLUE}));
    // The frame is magenta, so transparent.
    EXPECT_EQ(DrawImage(appState.library.categories[CATEGORY_CLOUD].images.get(), 0, GREY).at(1, 25), GREY);
    EXPECT_EQ(DrawImage(appState.library.categories[CATEGORY_CLOUD].images.get(), 1, GREY).at(25, 48), GREY);
    EXPECT_TRUE(SeenDialogs().empty());
}

}  // namespace

#include "canvas_helpers.h"

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/catalog.h"

HIMAGELIST MakeTestImageList(const std::vector<unsigned>& colours) {
    HIMAGELIST list = ImageList_Create(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, 4, 0);
    BITMAPINFO info = TopDownInfo(SYMBOL_SIZE, SYMBOL_SIZE);
    for (unsigned colour : colours) {
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        unsigned* pixel = static_cast<unsigned*>(bits);
        for (int y = 0; y < SYMBOL_SIZE; ++y)
            for (int x = 0; x < SYMBOL_SIZE; ++x)
                pixel[y * SYMBOL_SIZE + x] = x < TEST_OPAQUE_WIDTH ? colour : 0xFF00FF;
        ImageList_AddMasked(list, bitmap, MASK_COLOUR);
        DeleteObject(bitmap);
    }
    return list;
}

DiagramNode* AddTestSymbol(HIMAGELIST list, int index, int x, int y) {
    SymbolItem* symbol = NewSymbolItem(appState.diagram);
    HDC dc = GetDC(appState.topology);
    const bool made = CreateSymbolImage(*symbol, dc, list, index);
    ReleaseDC(appState.topology, dc);
    EXPECT_TRUE(made);
    symbol->x = x;
    symbol->y = y;
    return AppendItem(appState.diagram, symbol);
}

DiagramNode* AddTestCable(ItemKind kind, const DiagramNode* first, const DiagramNode* second) {
    const SymbolItem& a = *AsSymbol(first);
    const SymbolItem& b = *AsSymbol(second);
    const CanvasPoint p = SymbolCentre(a), q = SymbolCentre(b);
    return AppendItem(appState.diagram, new CableItem{p.x, p.y, q.x, q.y, a.id, b.id}, kind);
}

DiagramNode* AddTestCableAt(ItemKind kind, int x1, int y1, int x2, int y2) {
    return AppendItem(appState.diagram, new CableItem{x1, y1, x2, y2, -1, -1}, kind);
}

std::vector<SymbolItem*> DiagramSymbols() {
    std::vector<SymbolItem*> symbols;
    ForEachNode(appState.diagram, [&](DiagramNode* node) {
        if (SymbolItem* symbol = AsSymbol(node))
            symbols.push_back(symbol);
    });
    return symbols;
}

void RouterPicturesTest::SetUp() {
    ProgramTest::SetUp();
    libraryPictures = appState.library.catalog.categoryImageList[CATEGORY_ROUTER].Release();
    appState.library.catalog.categoryImageList[CATEGORY_ROUTER].Reset(MakeTestImageList(colours));
}

void RouterPicturesTest::TearDown() {
    ImageList_Destroy(appState.library.catalog.categoryImageList[CATEGORY_ROUTER].Release());
    appState.library.catalog.categoryImageList[CATEGORY_ROUTER].Reset(libraryPictures);
    ProgramTest::TearDown();
}

void Repaint() {
    InvalidateRect(appState.topology, nullptr, FALSE);
    UpdateWindow(appState.topology);
}

Pixels CanvasPixels() {
    Repaint();
    return ReadBitmapPixels(appState.canvas.backBuffer.bitmap());
}

#include "canvas_helpers.h"

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/catalog.h"

DiagramNode* AddTestSymbol(int index, int x, int y) {
    SymbolItem* symbol = NewSymbolItem(appState.diagram);
    HDC dc = GetDC(appState.topology);
    SymbolPicture* picture = CatalogPicture(appState.library.catalog, dc, CATEGORY_ROUTER, index);
    ReleaseDC(appState.topology, dc);
    EXPECT_TRUE(picture);
    if (picture)
        GiveSymbolPicture(*symbol, picture);
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

TestLibrary RouterPictures(const std::vector<unsigned>& colours) {
    TestLibrary library;
    for (size_t i = 0; i < colours.size(); ++i)
        library.Symbol(CATEGORY_ROUTER, "r" + std::to_string(i) + ".bmp", StripedBmp(colours[i]));
    return library;
}

void Repaint() {
    InvalidateRect(appState.topology, nullptr, FALSE);
    UpdateWindow(appState.topology);
}

Pixels CanvasPixels() {
    Repaint();
    return ReadBitmapPixels(appState.canvas.backBuffer.bitmap());
}

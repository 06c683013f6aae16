#include "app/app_state.h"
#include "windows/editing.h"
#include "platform/gdi_objects.h"
#include "core/cable_geometry.h"
#include "render/canvas.h"
#include "render/draw_cable.h"
#include "render/symbol_image.h"
#include "core/view_math.h"
#include "windows/tool_windows.h"

BackBuffer backBuffer;
int32_t canvasWidth = DEFAULT_CANVAS_WIDTH;
int32_t canvasHeight = DEFAULT_CANVAS_HEIGHT;
float zoomFactor = 1.0f;
int32_t scrollX;
int32_t scrollY;

void ResetCanvasView() {
    canvasWidth = DEFAULT_CANVAS_WIDTH;
    canvasHeight = DEFAULT_CANVAS_HEIGHT;
    zoomFactor = 1.0f;
    scrollX = 0;
    scrollY = 0;
}

bool CreateBackBuffer(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return false;
    HDC dc = NewMemoryDC(windowDC.get());
    HBITMAP bitmap = dc ? NewCompatibleBitmap(windowDC.get(), width, height) : nullptr;
    if (!bitmap) {
        FreeMemoryDC(dc);
        return false;
    }
    SelectObject(dc, bitmap);
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    ReleaseBackBuffer();
    backBuffer = {dc, bitmap};
    return true;
}

void ReleaseBackBuffer() {
    // The device context goes first, so the bitmap is no longer selected when it is deleted.
    FreeMemoryDC(backBuffer.backBufferDC);
    FreeGdiObject(backBuffer.backBufferBitmap);
    backBuffer = {};
}

static void DrawSelectionFrame(HDC dc, const SymbolItem& symbol) {
    OwnedGdiObject pen(NewPen(PS_DOT, 0, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    // Rectangle leaves out the right and bottom edges: the frame runs one pixel outside the picture.
    Rectangle(dc, symbol.x - 1, symbol.y - 1, symbol.x + SYMBOL_SIZE + 1, symbol.y + SYMBOL_SIZE + 1);
}

void ComposeDiagram() {
    HDC dc = backBuffer.backBufferDC;
    if (!dc)
        return;
    BitBlt(dc, 0, 0, canvasWidth, canvasHeight, nullptr, 0, 0, WHITENESS);
    // All cables first, so that every symbol lies over every cable.
    ForEachNode(diagram, [dc](DiagramNode* node) {
        CableStyle style;
        if (const CableItem* cable = AsCable(node); cable && CableStyleFor(int16_t(node->kind), &style))
            DrawCable(*cable, dc, style.penStyle, style.colour, int16_t(node->kind));
    });
    ForEachNode(diagram, [dc](DiagramNode* node) {
        if (const SymbolItem* symbol = AsSymbol(node))
            DrawSymbol(*symbol, dc);
    });
    if (const SymbolItem* selected = AsSymbol(selectedNode))
        DrawSelectionFrame(dc, *selected);
}

void PresentCanvas(HDC target) {
    StretchBlt(target, -scrollX, -scrollY, ZoomedLength(canvasWidth, zoomFactor),
               ZoomedLength(canvasHeight, zoomFactor), backBuffer.backBufferDC, 0, 0, canvasWidth, canvasHeight,
               SRCCOPY);
}

void DrawThumbnail(HDC target) {
    StretchBlt(target, THUMBNAIL_X, THUMBNAIL_Y, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT, backBuffer.backBufferDC, 0, 0,
               canvasWidth, canvasHeight, SRCCOPY);
}

void PaintTopologyWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    ComposeDiagram();
    PresentCanvas(target);
    if (viewWindow) {
        WindowDC viewDC(viewWindow);
        DrawThumbnail(viewDC.get());
    }
    EndPaint(window, &paint);
}

CanvasPoint ClientToCanvas(int clientX, int clientY) {
    return {CanvasFromClient(clientX, scrollX, canvasWidth, ZoomedLength(canvasWidth, zoomFactor)),
            CanvasFromClient(clientY, scrollY, canvasHeight, ZoomedLength(canvasHeight, zoomFactor))};
}

#include "render/canvas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/bands.h"
#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "render/draw_cable.h"
#include "render/symbol_image.h"

// The frame runs one pixel outside the picture, dotted, drawn whole and clipped to each part, so a
// part shows the same dots a whole composition gives.
static void DrawSelectionFrame(HDC dc, const SymbolItem& symbol, const CanvasRect* parts, int partCount) {
    const CanvasRect frame = SymbolBox(symbol);
    OwnedPen pen(NewPen(PS_DOT, 0, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    for (int p = 0; p < partCount; ++p) {
        if (!RectsOverlap(parts[p], frame))
            continue;
        IntersectClipRect(dc, parts[p].left, parts[p].top, parts[p].right, parts[p].bottom);
        // Rectangle leaves out the right and bottom edges.
        Rectangle(dc, symbol.x - 1, symbol.y - 1, symbol.x + SYMBOL_SIZE + 1, symbol.y + SYMBOL_SIZE + 1);
        SelectClipRgn(dc, nullptr);
    }
}

static PixelTarget PixelsOf(const BackBuffer& canvas) {
    return {canvas.pixels(), canvas.width(), canvas.height()};
}

// White, then every cable, every symbol and the frames of the framed symbols, inside the parts, which do
// not overlap; with a damage, only the items that touch it.
static void Compose(BackBuffer& canvas,
                    const EditSession& session,
                    const CanvasRect* parts,
                    int partCount,
                    const CanvasDamage* damage) {
    HDC dc = canvas.dc();
    const PixelTarget target = PixelsOf(canvas);
    if (!dc || !target.pixels)
        return;
    GdiFlush();  // what the device context drew before lies under what is written now
    for (int p = 0; p < partCount; ++p) {
        const CanvasRect& part = parts[p];
        for (int32_t y = std::max(part.top, 0); y < std::min(part.bottom, target.height); ++y) {
            uint32_t* row = target.pixels + size_t(y) * size_t(target.width);
            std::fill(row + std::max(part.left, 0), row + std::min(part.right, target.width), 0xFFFFFFu);
        }
    }
    // All cables first, so that every symbol lies over every cable.
    ForEachCable(session.diagram, [&](const CableItem& cable) {
        if (!damage || CableTouches(*damage, cable))
            DrawCable(cable, target, parts, partCount);
    });
    ForEachSymbol(session.diagram, [&](const SymbolItem& symbol) {
        if (!damage || Touches(*damage, SymbolBox(symbol)))
            DrawSymbol(symbol, target, parts, partCount);
    });
    const FramedSymbols framed = FramedSymbolsOf(session);
    for (const int32_t id : {framed.selected, framed.pendingEnd})
        if (const SymbolItem* symbol = FindSymbol(session.diagram, id))
            DrawSelectionFrame(dc, *symbol, parts, partCount);
}

// The damaged rectangles placed on a target where the canvas (width x height) is shown stretched
// to shownWidth x shownHeight with its corner at originX, originY. Widened by two target pixels on
// every side: a stretch blends neighbouring canvas pixels into one target pixel.
static std::vector<RECT> ShownRects(const BackBuffer& canvas,
                                    const CanvasDamage& damage,
                                    int originX,
                                    int originY,
                                    int shownWidth,
                                    int shownHeight) {
    auto shownX = [&](int64_t x, bool up) {
        const int64_t scaled = x * shownWidth;
        return originX + (scaled / canvas.width()) + (up && scaled % canvas.width() ? 1 : 0);
    };
    auto shownY = [&](int64_t y, bool up) {
        const int64_t scaled = y * shownHeight;
        return originY + (scaled / canvas.height()) + (up && scaled % canvas.height() ? 1 : 0);
    };
    std::vector<RECT> rects;
    const CanvasRect* source = damage.everything ? &damage.bounds : damage.rects;
    const int count = damage.everything ? 1 : damage.count;
    for (int i = 0; i < count; ++i) {
        const CanvasRect& r = source[i];
        rects.push_back({LONG(shownX(r.left, false) - 2), LONG(shownY(r.top, false) - 2),
                         LONG(shownX(r.right, true) + 2), LONG(shownY(r.bottom, true) + 2)});
    }
    return rects;
}

void ComposeCanvas(BackBuffer& canvas, const EditSession& session, const CanvasDamage& damage) {
    const std::vector<CanvasRect> bands = DamageBands(damage);
    if (bands.empty())
        return;
    // Everything damaged: every item is drawn, none need be checked against the damage.
    Compose(canvas, session, bands.data(), int(bands.size()), damage.everything ? nullptr : &damage);
}

HRGN NewShownDamageRegion(const BackBuffer& canvas, const CanvasDamage& damage, const CanvasView& view) {
    if (!HasDamage(damage) || !canvas)
        return nullptr;
    const std::vector<RECT> rects =
        ShownRects(canvas, damage, -view.scrollX, -view.scrollY, ZoomedLength(canvas.width(), view.zoomFactor),
                   ZoomedLength(canvas.height(), view.zoomFactor));
    return NewRegion(rects.data(), int(rects.size()));
}

void PresentCanvas(HDC target, const BackBuffer& canvas, const CanvasView& view) {
    StretchBlt(target, -view.scrollX, -view.scrollY, ZoomedLength(canvas.width(), view.zoomFactor),
               ZoomedLength(canvas.height(), view.zoomFactor), canvas.dc(), 0, 0, canvas.width(), canvas.height(),
               SRCCOPY);
}

void DrawThumbnail(HDC target, const BackBuffer& canvas, const PixelRect& thumbnail) {
    if (!canvas)
        return;
    StretchBlt(target, thumbnail.left, thumbnail.top, thumbnail.right - thumbnail.left,
               thumbnail.bottom - thumbnail.top, canvas.dc(), 0, 0, canvas.width(), canvas.height(), SRCCOPY);
}

void DrawThumbnailDamage(HDC target, const BackBuffer& canvas, const CanvasDamage& damage, const PixelRect& thumbnail) {
    if (!HasDamage(damage))
        return;
    if (damage.everything) {
        DrawThumbnail(target, canvas, thumbnail);
        return;
    }
    // The same whole stretch, clipped: the same pixels at a fraction of the cost. A stretch costs
    // the box around its clip, so each piece gets its own.
    const std::vector<RECT> shown = ShownRects(canvas, damage, thumbnail.left, thumbnail.top,
                                               thumbnail.right - thumbnail.left, thumbnail.bottom - thumbnail.top);
    for (const RECT& piece : DisjointBands(shown.data(), shown.size())) {
        const int saved = SaveDC(target);
        IntersectClipRect(target, piece.left, piece.top, piece.right, piece.bottom);
        DrawThumbnail(target, canvas, thumbnail);
        RestoreDC(target, saved);
    }
}

bool ReplaceBackBuffer(BackBuffer& canvas, CanvasDamage& damage, HWND window, int32_t width, int32_t height) {
    BackBuffer made = BackBuffer::Make(window, width, height);
    if (!made)
        return false;
    canvas = std::move(made);
    ResetDamage(damage, width, height);
    return true;
}

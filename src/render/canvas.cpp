#include "render/canvas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "render/draw_cable.h"
#include "render/symbol_image.h"

static void DrawSelectionFrame(HDC dc, const SymbolItem& symbol) {
    OwnedPen pen(NewPen(PS_DOT, 0, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    // Rectangle leaves out the right and bottom edges: the frame runs one pixel outside the picture.
    Rectangle(dc, symbol.x - 1, symbol.y - 1, symbol.x + SYMBOL_SIZE + 1, symbol.y + SYMBOL_SIZE + 1);
}

static PixelTarget PixelsOf(const Canvas& canvas) {
    return {canvas.backBuffer.pixels(), canvas.backBuffer.width(), canvas.backBuffer.height()};
}

// White, then every cable, every symbol and the selected symbol's frame, inside
// the parts; with a damage, only the items that touch it. The device context must be clipped to
// the parts.
static void Compose(Canvas& canvas,
                    const DiagramList& diagram,
                    int32_t selectedId,
                    const CanvasRect* parts,
                    int partCount,
                    const CanvasDamage* damage) {
    HDC dc = canvas.backBuffer.dc();
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
    ForEachCable(diagram, [&](const CableItem& cable) {
        if (!damage || CableTouches(*damage, cable))
            DrawCable(cable, target, parts, partCount);
    });
    ForEachSymbol(diagram, [&](const SymbolItem& symbol) {
        if (!damage || Touches(*damage, SymbolBox(symbol)))
            DrawSymbol(symbol, target, parts, partCount);
    });
    const SymbolItem* symbol = FindSymbol(diagram, selectedId);
    if (symbol && (!damage || Touches(*damage, SymbolBox(*symbol))))
        DrawSelectionFrame(dc, *symbol);
}

void ComposeDiagram(Canvas& canvas, const DiagramList& diagram, int32_t selectedId) {
    const CanvasRect whole = {0, 0, canvas.Width(), canvas.Height()};
    Compose(canvas, diagram, selectedId, &whole, 1, nullptr);
}

// The damaged rectangles placed on a target where the canvas (width x height) is shown stretched
// to shownWidth x shownHeight with its corner at originX, originY. Widened by two target pixels on
// every side: a stretch blends neighbouring canvas pixels into one target pixel.
static std::vector<RECT> ShownRects(const Canvas& canvas, int originX, int originY, int shownWidth, int shownHeight) {
    auto shownX = [&](int64_t x, bool up) {
        const int64_t scaled = x * shownWidth;
        return originX + (scaled / canvas.Width()) + (up && scaled % canvas.Width() ? 1 : 0);
    };
    auto shownY = [&](int64_t y, bool up) {
        const int64_t scaled = y * shownHeight;
        return originY + (scaled / canvas.Height()) + (up && scaled % canvas.Height() ? 1 : 0);
    };
    const CanvasDamage& damage = canvas.damage;
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

// The rectangles a region is made of, in its own coordinates; none when they cannot be read.
static std::vector<RECT> RegionRects(HRGN region) {
    std::vector<RECT> rects;
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> data(size);
    if (!size || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size)
        return rects;
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* each = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    rects.assign(each, each + header->nCount);
    return rects;
}

void ComposeDamage(Canvas& canvas, const DiagramList& diagram, int32_t selectedId) {
    const CanvasDamage& damage = canvas.damage;
    HDC dc = canvas.backBuffer.dc();
    if (!dc || !HasDamage(damage))
        return;
    // Exactly the damage: what is cleared here is what gets drawn again.
    std::vector<RECT> rects;
    for (int i = 0; i < damage.count; ++i)
        rects.push_back({damage.rects[i].left, damage.rects[i].top, damage.rects[i].right, damage.rects[i].bottom});
    OwnedRegion clip(damage.everything ? nullptr : NewRegion(rects.data(), int(rects.size())));
    if (!clip) {
        ComposeDiagram(canvas, diagram, selectedId);
        return;
    }
    // Only what touches the damage is drawn, in the usual order; the clip keeps every pixel
    // outside it as it was, and inside it the same as a whole composition.
    SelectClipRgn(dc, clip.get());
    // The region's own rectangles do not overlap, unlike the damage's: nothing is drawn twice.
    std::vector<CanvasRect> parts;
    for (const RECT& part : RegionRects(clip.get()))
        parts.push_back({part.left, part.top, part.right, part.bottom});
    if (parts.empty())
        Compose(canvas, diagram, selectedId, damage.rects, damage.count, &damage);
    else
        Compose(canvas, diagram, selectedId, parts.data(), int(parts.size()), &damage);
    SelectClipRgn(dc, nullptr);
}

HRGN NewShownDamageRegion(const Canvas& canvas, const CanvasView& view) {
    if (!HasDamage(canvas.damage) || !canvas.backBuffer)
        return nullptr;
    const std::vector<RECT> rects =
        ShownRects(canvas, -view.scrollX, -view.scrollY, ZoomedLength(canvas.Width(), view.zoomFactor),
                   ZoomedLength(canvas.Height(), view.zoomFactor));
    return NewRegion(rects.data(), int(rects.size()));
}

void PresentCanvas(HDC target, const Canvas& canvas, const CanvasView& view) {
    StretchBlt(target, -view.scrollX, -view.scrollY, ZoomedLength(canvas.Width(), view.zoomFactor),
               ZoomedLength(canvas.Height(), view.zoomFactor), canvas.backBuffer.dc(), 0, 0, canvas.Width(),
               canvas.Height(), SRCCOPY);
}

void DrawThumbnail(HDC target, const Canvas& canvas) {
    if (!canvas.backBuffer)
        return;
    StretchBlt(target, THUMBNAIL.left, THUMBNAIL.top, THUMBNAIL.right - THUMBNAIL.left,
               THUMBNAIL.bottom - THUMBNAIL.top, canvas.backBuffer.dc(), 0, 0, canvas.Width(), canvas.Height(),
               SRCCOPY);
}

void DrawThumbnailDamage(HDC target, const Canvas& canvas) {
    if (!HasDamage(canvas.damage))
        return;
    if (canvas.damage.everything) {
        DrawThumbnail(target, canvas);
        return;
    }
    // The same whole stretch as ever, clipped: the same pixels at a fraction of the cost. A
    // stretch costs the box around its clip, so each piece of the region gets its own.
    const std::vector<RECT> rects = ShownRects(canvas, THUMBNAIL.left, THUMBNAIL.top, THUMBNAIL.right - THUMBNAIL.left,
                                               THUMBNAIL.bottom - THUMBNAIL.top);
    OwnedRegion region(NewRegion(rects.data(), int(rects.size())));
    const std::vector<RECT> pieces = region ? RegionRects(region.get()) : std::vector<RECT>{};
    if (pieces.empty()) {
        DrawThumbnail(target, canvas);
        return;
    }
    for (const RECT& piece : pieces) {
        const int saved = SaveDC(target);
        IntersectClipRect(target, piece.left, piece.top, piece.right, piece.bottom);
        DrawThumbnail(target, canvas);
        RestoreDC(target, saved);
    }
}

bool CreateBackBuffer(Canvas& canvas, HWND window, int32_t width, int32_t height) {
    BackBuffer made = BackBuffer::Make(window, width, height);
    if (!made)
        return false;
    canvas.backBuffer = std::move(made);
    ResetDamage(canvas.damage, width, height);
    return true;
}

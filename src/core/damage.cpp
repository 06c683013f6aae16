#include "core/damage.h"

#include <algorithm>
#include <cstdlib>

#include "core/bands.h"
#include "core/cable_geometry.h"

namespace {

int32_t Clamp32(int64_t value) {
    return int32_t(std::min<int64_t>(std::max<int64_t>(value, INT32_MIN), INT32_MAX));
}

CanvasRect Around(const CanvasRect& a, const CanvasRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool Contains(const CanvasRect& outer, const CanvasRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// How far a cable's pixels may lie from the straight line between its ends.
int64_t CableMargin(CableType type, const CableStyle& style) {
    int64_t margin = style.width + 2;  // half the width each side, the round ends, rounding
    if (type == CABLE_CROSS)
        margin += 1;  // the copies shifted by a pixel
    if (type == CABLE_SERIAL)
        margin += int64_t(SERIAL_ARM) + 3;  // the bend about the middle, its rounding
    return margin;
}

}  // namespace

CanvasRect BoxBetween(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t margin) {
    return {Clamp32(std::min(x1, x2) - margin), Clamp32(std::min(y1, y2) - margin),
            Clamp32(std::max(x1, x2) + margin + 1), Clamp32(std::max(y1, y2) + margin + 1)};
}

void ResetDamage(CanvasDamage& damage, int32_t canvasWidth, int32_t canvasHeight) {
    damage.canvasWidth = canvasWidth;
    damage.canvasHeight = canvasHeight;
    DamageEverything(damage);
}

void DamageEverything(CanvasDamage& damage) {
    damage.everything = true;
    damage.count = 0;
    damage.bounds = {0, 0, damage.canvasWidth, damage.canvasHeight};
}

void ClearDamage(CanvasDamage& damage) {
    damage.everything = false;
    damage.count = 0;
    damage.bounds = {};
}

bool HasDamage(const CanvasDamage& damage) {
    return damage.everything || damage.count > 0;
}

void AddDamage(CanvasDamage& damage, CanvasRect rect) {
    if (damage.everything)
        return;
    rect = {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, damage.canvasWidth),
            std::min(rect.bottom, damage.canvasHeight)};
    if (IsEmptyRect(rect))
        return;
    for (int i = 0; i < damage.count; ++i)
        if (Contains(damage.rects[i], rect))
            return;
    damage.bounds = damage.count == 0 ? rect : Around(damage.bounds, rect);
    if (damage.count == MAX_DAMAGE_RECTS) {
        damage.rects[0] = damage.bounds;
        damage.count = 1;
        return;
    }
    damage.rects[damage.count++] = rect;
}

CanvasRect SymbolBox(const SymbolItem& symbol) {
    // The frame is drawn one pixel outside the picture.
    CanvasRect box =
        BoxBetween(symbol.x, symbol.y, int64_t(symbol.x) + SYMBOL_SIZE - 1, int64_t(symbol.y) + SYMBOL_SIZE - 1, 1);
    if (const SymbolSize& label = symbol.label.size; label.width > 0 && label.height > 0) {
        const CanvasRect below =
            BoxBetween(symbol.x, int64_t(symbol.y) + SYMBOL_SIZE, int64_t(symbol.x) + label.width - 1,
                       int64_t(symbol.y) + SYMBOL_SIZE + label.height - 1, 0);
        box = {box.left, box.top, std::max(box.right, below.right), std::max(box.bottom, below.bottom)};
    }
    return box;
}

void AddSymbolDamage(CanvasDamage& damage, const SymbolItem& symbol) {
    AddDamage(damage, SymbolBox(symbol));
}

int CableBoxes(const CableItem& cable, CanvasRect* boxes) {
    CableStyle style;
    if (!CableStyleFor(cable.type, &style))
        return 0;
    const int64_t margin = CableMargin(cable.type, style);
    const int64_t dx = int64_t(cable.x2) - cable.x1;
    const int64_t dy = int64_t(cable.y2) - cable.y1;
    const int64_t length = std::max(std::llabs(dx), std::llabs(dy));
    const int64_t pieces = std::min<int64_t>(length / 64 + 1, MAX_CABLE_BOXES);
    // Each piece's ends are within a pixel of the line; the margin covers that.
    int64_t fromX = cable.x1, fromY = cable.y1;
    for (int64_t i = 1; i <= pieces; ++i) {
        const int64_t toX = cable.x1 + dx * i / pieces, toY = cable.y1 + dy * i / pieces;
        boxes[i - 1] = BoxBetween(fromX, fromY, toX, toY, margin);
        fromX = toX;
        fromY = toY;
    }
    return int(pieces);
}

void AddCableDamage(CanvasDamage& damage, const CableItem& cable) {
    CanvasRect boxes[MAX_CABLE_BOXES];
    const int count = CableBoxes(cable, boxes);
    for (int i = 0; i < count; ++i)
        AddDamage(damage, boxes[i]);
}

std::vector<CanvasRect> DamageBands(const CanvasDamage& damage) {
    if (damage.everything)
        return IsEmptyRect(damage.bounds) ? std::vector<CanvasRect>{} : std::vector<CanvasRect>{damage.bounds};
    return DisjointBands(damage.rects, size_t(damage.count));
}

bool Touches(const CanvasDamage& damage, const CanvasRect& rect) {
    if (damage.everything)
        return RectsOverlap(rect, damage.bounds);
    if (damage.count == 0 || !RectsOverlap(rect, damage.bounds))
        return false;
    for (int i = 0; i < damage.count; ++i)
        if (RectsOverlap(rect, damage.rects[i]))
            return true;
    return false;
}

bool CableTouches(const CanvasDamage& damage, const CableItem& cable) {
    CableStyle style;
    if (!HasDamage(damage) || !CableStyleFor(cable.type, &style))
        return false;
    // Most cables are far from a small change: one box around the whole cable rules them out.
    const int64_t margin = CableMargin(cable.type, style);
    if (!RectsOverlap(BoxBetween(cable.x1, cable.y1, cable.x2, cable.y2, margin), damage.bounds))
        return false;
    CanvasRect boxes[MAX_CABLE_BOXES];
    const int count = CableBoxes(cable, boxes);
    for (int i = 0; i < count; ++i)
        if (Touches(damage, boxes[i]))
            return true;
    return false;
}

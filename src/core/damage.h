// The parts of the canvas whose picture no longer matches the diagram: what the next paint must
// compose again. Edits add to it; a paint composes it and starts afresh. Needs no window.
#pragma once
#include <cstdint>
#include <vector>

#include "core/diagram_list.h"

// Canvas pixels left <= x < right, top <= y < bottom.
struct CanvasRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

inline bool IsEmptyRect(const CanvasRect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

inline bool RectsOverlap(const CanvasRect& a, const CanvasRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The box around the pixels between two points, widened by margin on every side and cut to what
// the coordinates can hold.
CanvasRect BoxBetween(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t margin);

// More boxes than this are merged into the one box around them all: still correct, only larger.
constexpr int MAX_DAMAGE_RECTS = 96;

struct CanvasDamage {
    int32_t canvasWidth = 0;  // rects are cut to the canvas
    int32_t canvasHeight = 0;
    bool everything = false;
    int count = 0;
    CanvasRect bounds = {};  // around every rect; empty when there are none
    CanvasRect rects[MAX_DAMAGE_RECTS];
};

// A new canvas: all of it needs composing.
void ResetDamage(CanvasDamage& damage, int32_t canvasWidth, int32_t canvasHeight);
void DamageEverything(CanvasDamage& damage);
// After a paint: nothing left to compose.
void ClearDamage(CanvasDamage& damage);
bool HasDamage(const CanvasDamage& damage);

void AddDamage(CanvasDamage& damage, CanvasRect rect);
// A symbol's picture with the ring its selection frame takes, and its label.
CanvasRect SymbolBox(const SymbolItem& symbol);
void AddSymbolDamage(CanvasDamage& damage, const SymbolItem& symbol);
void AddCableDamage(CanvasDamage& damage, const CableItem& cable);

// The damage as disjoint rectangles in bands from top to bottom, a band's rectangles left to right
// with its top and bottom: every damaged pixel lies in exactly one, so a paint fills and draws each
// pixel once. The whole canvas when everything is damaged.
std::vector<CanvasRect> DamageBands(const CanvasDamage& damage);

bool Touches(const CanvasDamage& damage, const CanvasRect& rect);
bool CableTouches(const CanvasDamage& damage, const CableItem& cable);

// Boxes that together hold every pixel the cable paints: a few along its length, so that a long
// diagonal cable does not claim the whole rectangle between its ends. Returns how many were
// written (at most MAX_CABLE_BOXES; none for an unknown type).
constexpr int MAX_CABLE_BOXES = 16;
int CableBoxes(const CableItem& cable, CanvasRect* boxes);

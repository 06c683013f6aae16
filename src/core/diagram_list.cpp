#include "core/diagram_list.h"

#include <new>

bool HitTest(const SymbolItem& symbol, int32_t px, int32_t py) {
    // Both bounds are inclusive: the sensitive area is one pixel larger than the picture.
    // 64-bit sums keep symbols dragged near the 32-bit limits from wrapping.
    return px >= symbol.x && int64_t(px) <= int64_t(symbol.x) + symbol.size.width && py >= symbol.y &&
           int64_t(py) <= int64_t(symbol.y) + symbol.size.height;
}

CanvasPoint SymbolCentre(const SymbolItem& symbol) {
    return {symbol.x + SYMBOL_HALF, symbol.y + SYMBOL_HALF};
}

SymbolItem* AppendSymbol(DiagramList& list, SymbolItem symbol) {
    symbol.id = list.nextSymbolId;
    try {
        list.items.emplace_back(std::move(symbol));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    try {
        list.symbolsById.emplace(list.nextSymbolId, std::prev(list.items.end()));
    } catch (const std::bad_alloc&) {
        list.items.pop_back();
        return nullptr;
    }
    ++list.nextSymbolId;
    return &std::get<SymbolItem>(list.items.back());
}

CableItem* AppendCable(DiagramList& list, const CableItem& cable) {
    if (!IsCableType(cable.type))
        return nullptr;
    try {
        list.items.emplace_back(cable);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return &std::get<CableItem>(list.items.back());
}

SymbolItem* FindSymbol(const DiagramList& list, int32_t id) {
    const auto found = list.symbolsById.find(id);
    return found == list.symbolsById.end() ? nullptr : &std::get<SymbolItem>(*found->second);
}

SymbolItem* FindSymbolAt(DiagramList& list, int32_t px, int32_t py) {
    for (auto item = list.items.rbegin(); item != list.items.rend(); ++item) {
        SymbolItem* symbol = std::get_if<SymbolItem>(&*item);
        if (symbol && HitTest(*symbol, px, py))
            return symbol;
    }
    return nullptr;
}

bool RemoveSymbol(DiagramList& list, int32_t id) {
    const auto found = list.symbolsById.find(id);
    if (found == list.symbolsById.end())
        return false;
    list.items.erase(found->second);
    list.symbolsById.erase(found);
    return true;
}

void ClearDiagram(DiagramList& list) {
    list.items.clear();
    list.symbolsById.clear();
}

bool ReattachCable(CableItem& cable, const SymbolItem& symbol) {
    const CanvasPoint centre = SymbolCentre(symbol);
    const bool first = cable.firstSymbolId == symbol.id;
    const bool second = cable.secondSymbolId == symbol.id;
    if (first) {
        cable.x1 = centre.x;
        cable.y1 = centre.y;
    }
    if (second) {
        cable.x2 = centre.x;
        cable.y2 = centre.y;
    }
    return first || second;
}

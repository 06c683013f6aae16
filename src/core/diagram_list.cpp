#include "core/diagram_list.h"

#include <new>
#include <utility>

bool HitTest(const SymbolItem& symbol, int32_t px, int32_t py) {
    // Both bounds are inclusive: the sensitive area is one pixel larger than the picture.
    // 64-bit sums keep symbols dragged near the 32-bit limits from wrapping.
    return px >= symbol.x && int64_t(px) <= int64_t(symbol.x) + symbol.size.width && py >= symbol.y &&
           int64_t(py) <= int64_t(symbol.y) + symbol.size.height;
}

CanvasPoint SymbolCentre(const SymbolItem& symbol) {
    return {symbol.x + SYMBOL_HALF, symbol.y + SYMBOL_HALF};
}

SymbolLabel LabelOf(std::string text, std::shared_ptr<const LabelPixels> pixels) {
    const SymbolSize size = pixels ? SymbolSize{pixels->width, pixels->height} : SymbolSize{0, 0};
    return {std::move(text), std::move(pixels), size};
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

// Joins the cable to the symbol's own list when the symbol is in the diagram; false when memory runs
// out.
static bool JoinCable(DiagramList& list, int32_t symbolId, CableItem* cable) {
    if (!list.symbolsById.count(symbolId))
        return true;
    try {
        list.cablesBySymbol[symbolId].push_back(cable);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

CableItem* AppendCable(DiagramList& list, const CableItem& cable) {
    if (!IsCableType(cable.type))
        return nullptr;
    try {
        list.items.emplace_back(cable);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    CableItem* added = &std::get<CableItem>(list.items.back());
    const int32_t first = cable.firstSymbolId, second = cable.secondSymbolId;
    if (!JoinCable(list, first, added)) {
        list.items.pop_back();
        return nullptr;
    }
    if (second != first && !JoinCable(list, second, added)) {
        if (list.symbolsById.count(first))
            list.cablesBySymbol[first].pop_back();
        list.items.pop_back();
        return nullptr;
    }
    return added;
}

SymbolItem* FindSymbol(const DiagramList& list, int32_t id) {
    const auto found = list.symbolsById.find(id);
    return found == list.symbolsById.end() ? nullptr : &std::get<SymbolItem>(*found->second);
}

const std::vector<CableItem*>& CablesOf(const DiagramList& list, int32_t id) {
    static const std::vector<CableItem*> NONE;
    const auto found = list.cablesBySymbol.find(id);
    return found == list.cablesBySymbol.end() ? NONE : found->second;
}

SymbolItem* FindSymbolAt(DiagramList& list, int32_t px, int32_t py) {
    for (auto item = list.items.rbegin(); item != list.items.rend(); ++item) {
        SymbolItem* symbol = std::get_if<SymbolItem>(&*item);
        if (symbol && HitTest(*symbol, px, py))
            return symbol;
    }
    return nullptr;
}

DetachedSymbol TakeOutSymbol(DiagramList& list, int32_t id) {
    DetachedSymbol detached;
    const auto found = list.symbolsById.find(id);
    if (found == list.symbolsById.end())
        return detached;
    detached.before = std::next(found->second);
    detached.node.splice(detached.node.end(), list.items, found->second);
    list.symbolsById.erase(found);
    if (const auto cables = list.cablesBySymbol.find(id); cables != list.cablesBySymbol.end()) {
        detached.cables = std::move(cables->second);
        list.cablesBySymbol.erase(cables);
    }
    return detached;
}

void PutBackSymbol(DiagramList& list, DetachedSymbol& symbol) {
    if (symbol.node.empty())
        return;
    const auto node = symbol.node.begin();
    const int32_t id = std::get<SymbolItem>(*node).id;
    list.items.splice(symbol.before, symbol.node);
    list.symbolsById[id] = node;
    if (!symbol.cables.empty())
        list.cablesBySymbol[id] = std::move(symbol.cables);
    symbol.cables.clear();
}

// Takes the cable out of its symbols' lists (searched from the end: a cable made last comes last).
static void LeaveCableLists(DiagramList& list, const CableItem* cable) {
    for (const int32_t id : {cable->firstSymbolId, cable->secondSymbolId}) {
        const auto found = list.cablesBySymbol.find(id);
        if (found == list.cablesBySymbol.end())
            continue;
        std::vector<CableItem*>& cables = found->second;
        for (auto at = cables.rbegin(); at != cables.rend(); ++at)
            if (*at == cable) {
                cables.erase(std::next(at).base());
                break;
            }
        if (cables.empty())
            list.cablesBySymbol.erase(found);
    }
}

DetachedCable TakeOutCable(DiagramList& list, const CableItem* cable) {
    DetachedCable detached;
    // From the end: undoing a new cable finds it at once.
    for (auto at = list.items.rbegin(); cable && at != list.items.rend(); ++at) {
        if (std::get_if<CableItem>(&*at) != cable)
            continue;
        LeaveCableLists(list, cable);
        const auto node = std::prev(at.base());
        detached.before = std::next(node);
        detached.node.splice(detached.node.end(), list.items, node);
        break;
    }
    return detached;
}

void PutBackCable(DiagramList& list, DetachedCable& cable) {
    if (cable.node.empty())
        return;
    CableItem* item = &std::get<CableItem>(cable.node.front());
    list.items.splice(cable.before, cable.node);
    const int32_t first = item->firstSymbolId, second = item->secondSymbolId;
    if (list.symbolsById.count(first))
        list.cablesBySymbol[first].push_back(item);
    if (second != first && list.symbolsById.count(second))
        list.cablesBySymbol[second].push_back(item);
}

DetachedDiagram TakeOutAll(DiagramList& list) {
    DetachedDiagram detached;
    detached.items.swap(list.items);
    detached.symbolsById.swap(list.symbolsById);
    detached.cablesBySymbol.swap(list.cablesBySymbol);
    return detached;
}

void PutBackAll(DiagramList& list, DetachedDiagram& diagram) {
    list.items.swap(diagram.items);
    list.symbolsById.swap(diagram.symbolsById);
    list.cablesBySymbol.swap(diagram.cablesBySymbol);
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

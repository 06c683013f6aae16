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

SymbolItem* AsSymbol(const DiagramNode* node) {
    return node && node->next && node->kind == KIND_SYMBOL ? static_cast<SymbolItem*>(node->item) : nullptr;
}

CableItem* AsCable(const DiagramNode* node) {
    return node && node->next && IsCableKind(node->kind) ? static_cast<CableItem*>(node->item) : nullptr;
}

bool InitList(DiagramList& list) {
    DiagramNode* sentinel = new (std::nothrow) DiagramNode{nullptr, 0, nullptr, nullptr};
    list.listHead = sentinel;
    list.listTail = sentinel;
    return sentinel != nullptr;
}

static DiagramNode* AppendNode(DiagramList& list, void* item, ItemKind kind) {
    if (!list.listTail)
        return nullptr;
    DiagramNode* sentinel = new (std::nothrow) DiagramNode{nullptr, 0, nullptr, nullptr};
    if (!sentinel)
        return nullptr;
    // The old sentinel takes the item; the new node becomes the sentinel.
    DiagramNode* node = list.listTail;
    node->item = item;
    node->kind = kind;
    node->next = sentinel;
    sentinel->prev = node;
    list.listTail = sentinel;
    return node;
}

DiagramNode* AppendItem(DiagramList& list, SymbolItem* symbol) {
    DiagramNode* node = AppendNode(list, symbol, KIND_SYMBOL);
    if (node)
        symbol->id = list.nextSymbolId++;
    return node;
}

DiagramNode* AppendItem(DiagramList& list, CableItem* cable, ItemKind kind) {
    return IsCableKind(kind) ? AppendNode(list, cable, kind) : nullptr;
}

static void ReleaseItem(const DiagramList& list, DiagramNode* node) {
    if (node->kind == KIND_SYMBOL)
        FreeSymbolItem(list, static_cast<SymbolItem*>(node->item));
    else if (IsCableKind(node->kind))
        delete static_cast<CableItem*>(node->item);
}

void RemoveNode(DiagramList& list, DiagramNode* node) {
    if (!node || !node->next)
        return;  // the sentinel stays
    DiagramNode* successor = node->next;
    if (!node->prev) {
        successor->prev = nullptr;
        list.listHead = successor;
    } else {
        node->prev->next = successor;
        successor->prev = node->prev;
    }
    ReleaseItem(list, node);
    delete node;
}

void ClearList(DiagramList& list) {
    DiagramNode* node = list.listHead;
    while (node) {
        DiagramNode* next = node->next;
        if (next)
            ReleaseItem(list, node);
        delete node;
        node = next;
    }
    list.listHead = nullptr;
    list.listTail = nullptr;
}

DiagramNode* FindSymbolAt(const DiagramList& list, int32_t px, int32_t py) {
    if (!list.listTail)
        return nullptr;
    for (DiagramNode* node = list.listTail->prev; node; node = node->prev) {
        const SymbolItem* symbol = AsSymbol(node);
        if (symbol && HitTest(*symbol, px, py))
            return node;
    }
    return nullptr;
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

SymbolItem* NewSymbolItem() {
    SymbolItem* symbol = new (std::nothrow) SymbolItem{};
    if (symbol)
        symbol->id = -1;
    return symbol;
}

void FreeSymbolItem(const DiagramList& list, SymbolItem* symbol) {
    if (!symbol)
        return;
    if (symbol->picture && list.releasePicture)
        list.releasePicture(symbol->picture);
    delete symbol;
}

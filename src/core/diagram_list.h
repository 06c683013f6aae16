// The diagram: a doubly linked list of placed symbols and cables in creation order,
// ending in a permanent empty sentinel node. Needs no window.
#pragma once
#include <cstdint>

constexpr int32_t SYMBOL_SIZE = 50;
constexpr int32_t SYMBOL_HALF = 25;

// A node's kind: 1 to 7 is a cable of that CableType, KIND_SYMBOL a placed symbol.
using ItemKind = int32_t;
constexpr ItemKind KIND_SYMBOL = 10;

enum CableType : int32_t {
    CABLE_STRAIGHT = 1,
    CABLE_CROSS = 2,
    CABLE_SERIAL = 3,
    CABLE_CONSOLE = 4,
    CABLE_TELEPHONE = 5,
    CABLE_MET = 6,
    CABLE_OPTICAL = 7,
};

inline bool IsCableKind(ItemKind kind) {
    return kind >= CABLE_STRAIGHT && kind <= CABLE_OPTICAL;
}

struct CanvasPoint {
    int32_t x;
    int32_t y;
};

// A symbol's picture belongs to the windowing layer; the list only carries the handle
// and hands it back for release when the symbol goes.
using PictureHandle = void*;

// The size of a symbol's picture, which the hit test needs.
struct SymbolSize {
    int32_t width;
    int32_t height;
};

struct SymbolItem {
    int32_t id;
    PictureHandle picture;
    SymbolSize size;
    int32_t x;  // top-left corner on the canvas
    int32_t y;
};

bool HitTest(const SymbolItem& symbol, int32_t px, int32_t py);
CanvasPoint SymbolCentre(const SymbolItem& symbol);

// A cable stores its end points; they follow its symbols only when a symbol is dragged.
struct CableItem {
    int32_t x1;
    int32_t y1;
    int32_t x2;
    int32_t y2;
    int32_t firstSymbolId;
    int32_t secondSymbolId;
};

struct DiagramNode {
    void* item;  // SymbolItem or CableItem, owned by the node; nothing in the sentinel
    ItemKind kind;
    DiagramNode* prev;
    DiagramNode* next;  // null only at the sentinel
};

SymbolItem* AsSymbol(const DiagramNode* node);  // null unless the node holds a symbol
CableItem* AsCable(const DiagramNode* node);    // null unless the node holds a cable

using ReleasePictureFn = void (*)(PictureHandle picture);

struct DiagramList {
    DiagramNode* listHead = nullptr;
    DiagramNode* listTail = nullptr;  // the sentinel
    ReleasePictureFn releasePicture = nullptr;
    // Ids are unique for the whole run: clearing the list never resets the counter.
    int32_t nextSymbolId = 0;
};

// Fresh empty list (one sentinel). False when the sentinel cannot be allocated.
bool InitList(DiagramList& list);

// Appends in front of the sentinel and takes ownership of the item; a symbol gets the next id then,
// so a symbol that is never placed uses none. On a failed allocation it returns null and the
// caller keeps the item.
DiagramNode* AppendItem(DiagramList& list, SymbolItem* symbol);
DiagramNode* AppendItem(DiagramList& list, CableItem* cable, ItemKind kind);

// Unlinks and releases a node that is not the sentinel, with its item and picture.
void RemoveNode(DiagramList& list, DiagramNode* node);

// Releases every node; afterwards there is no list until InitList runs again.
void ClearList(DiagramList& list);

// Topmost symbol under the point (the last one appended wins), or null.
DiagramNode* FindSymbolAt(const DiagramList& list, int32_t px, int32_t py);

// Moves the ends of the cable that are joined to the symbol onto its centre; false when neither is.
bool ReattachCable(CableItem& cable, const SymbolItem& symbol);

// New symbol record without an id (appending gives it one) and no picture yet; null if out of memory.
SymbolItem* NewSymbolItem();
void FreeSymbolItem(const DiagramList& list, SymbolItem* symbol);

// Calls visit(node) for every node but the sentinel, in list order.
template <class Visit>
void ForEachNode(const DiagramList& list, Visit visit) {
    for (DiagramNode* node = list.listHead; node && node->next; node = node->next)
        visit(node);
}

// The diagram: the placed symbols and the cables between them, in creation order, owned by the
// list. Other code refers to a symbol by its id, so a deleted symbol is never reached through a
// stale pointer. Needs no window.
#pragma once
#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

constexpr int32_t SYMBOL_SIZE = 50;
constexpr int32_t SYMBOL_HALF = 25;

enum CableType : int32_t {
    CABLE_STRAIGHT = 1,
    CABLE_CROSS = 2,
    CABLE_SERIAL = 3,
    CABLE_CONSOLE = 4,
    CABLE_TELEPHONE = 5,
    CABLE_MET = 6,
    CABLE_OPTICAL = 7,
};

inline bool IsCableType(int32_t type) {
    return type >= CABLE_STRAIGHT && type <= CABLE_OPTICAL;
}

struct CanvasPoint {
    int32_t x;
    int32_t y;
};

// A library picture ready for drawing (render's); the diagram only shares it with the library
// item it came from and every other symbol placed from that item.
struct SymbolPicture;

// The size of a symbol's picture, which the hit test needs.
struct SymbolSize {
    int32_t width;
    int32_t height;
};

// A label as the label font draws it, made once when the label is set: one bit a pixel, set for ink,
// rows from its top-left corner, the first pixel of a byte in its highest bit. A few hundred bytes a
// label keeps the diagram's items close together in memory, which every paint walks.
struct LabelPixels {
    int32_t width;
    int32_t height;
    int32_t stride;  // bytes a row
    std::vector<uint8_t> ink;
};
constexpr size_t LABEL_LIMIT = 127;  // bytes of code page 932, line breaks ("\r\n") included

// A symbol's label: its text and the pixels made of it. The size lies beside the pixels because
// every paint tests every symbol's box against the damage.
struct SymbolLabel {
    std::string text;  // lines parted by "\r\n"; empty for none
    std::shared_ptr<const LabelPixels> pixels;
    SymbolSize size;  // of the pixels; {0, 0} without them
};
SymbolLabel LabelOf(std::string text, std::shared_ptr<const LabelPixels> pixels);

struct SymbolItem {
    int32_t id;  // given when the symbol joins the diagram
    std::shared_ptr<const SymbolPicture> picture;
    SymbolSize size;
    int32_t x;  // top-left corner on the canvas
    int32_t y;
    SymbolLabel label;  // drawn below the picture
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
    CableType type;
};

using DiagramItem = std::variant<SymbolItem, CableItem>;

struct DiagramList {
    // Later items are drawn over earlier ones (every cable under every symbol).
    std::list<DiagramItem> items;
    std::unordered_map<int32_t, std::list<DiagramItem>::iterator> symbolsById;
    // The cables joined to each symbol in the diagram, so that moving one costs its own cables.
    std::unordered_map<int32_t, std::vector<CableItem*>> cablesBySymbol;
    // Ids are unique for the whole run: clearing the diagram never resets the counter.
    int32_t nextSymbolId = 0;
};

// Appends a symbol with the next id; a cable of an unknown type is refused. Null (and nothing
// changed) when memory runs out.
SymbolItem* AppendSymbol(DiagramList& list, SymbolItem symbol);
CableItem* AppendCable(DiagramList& list, const CableItem& cable);

// The symbol of this id, or null.
SymbolItem* FindSymbol(const DiagramList& list, int32_t id);
// The cables joined to the symbol of this id, in creation order; none once it has gone.
const std::vector<CableItem*>& CablesOf(const DiagramList& list, int32_t id);
// Topmost symbol under the point (the last one appended wins), or null.
SymbolItem* FindSymbolAt(DiagramList& list, int32_t px, int32_t py);

// Items taken out of the diagram keep their nodes, so that when they go back every pointer and
// iterator to them, and to the items around them, is as before. Putting back is for the diagram as
// it was right after the taking out.
struct DetachedSymbol {
    std::list<DiagramItem> node;  // empty: nothing was taken
    std::list<DiagramItem>::iterator before;
    std::vector<CableItem*> cables;  // joined to it, which stay in the diagram
};
// The symbol of this id out of the diagram, with its place and its cables' list.
DetachedSymbol TakeOutSymbol(DiagramList& list, int32_t id);
void PutBackSymbol(DiagramList& list, DetachedSymbol& symbol);
// A cable out of the diagram, from its place, and back there (while the diagram is as it was right
// after the taking out).
struct DetachedCable {
    std::list<DiagramItem> node;  // empty: nothing was taken
    std::list<DiagramItem>::iterator before;
};
DetachedCable TakeOutCable(DiagramList& list, const CableItem* cable);
void PutBackCable(DiagramList& list, DetachedCable& cable);
// Every item with its indexes; putting them back needs an empty diagram.
struct DetachedDiagram {
    std::list<DiagramItem> items;
    std::unordered_map<int32_t, std::list<DiagramItem>::iterator> symbolsById;
    std::unordered_map<int32_t, std::vector<CableItem*>> cablesBySymbol;
};
DetachedDiagram TakeOutAll(DiagramList& list);
void PutBackAll(DiagramList& list, DetachedDiagram& diagram);

// Moves the ends of the cable that are joined to the symbol onto its centre; false when neither is.
bool ReattachCable(CableItem& cable, const SymbolItem& symbol);

// visit(symbol) or visit(cable) for every item of that kind, in list order; the items are const
// when the list is.
template <class List, class Visit>
void ForEachSymbol(List& list, Visit visit) {
    for (auto& item : list.items)
        if (auto* symbol = std::get_if<SymbolItem>(&item))
            visit(*symbol);
}
template <class List, class Visit>
void ForEachCable(List& list, Visit visit) {
    for (auto& item : list.items)
        if (auto* cable = std::get_if<CableItem>(&item))
            visit(*cable);
}

#include "diagram_support.h"

bool RemoveSymbol(DiagramList& list, int32_t id) {
    return !TakeOutSymbol(list, id).node.empty();
}

void ClearDiagram(DiagramList& list) {
    TakeOutAll(list);
}

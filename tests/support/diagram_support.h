// Changes to a diagram that tests and the benchmark make directly, outside the history.
#pragma once
#include <cstdint>

#include "core/diagram_list.h"

// Removes the symbol of this id (its cables stay); false when there is none.
bool RemoveSymbol(DiagramList& list, int32_t id);
// Removes every item; ids go on counting.
void ClearDiagram(DiagramList& list);

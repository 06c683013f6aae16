#pragma once
#include <cstdint>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "render/pixel_target.h"

// Draws one cable into the parts of the target given, pixel by pixel; the look follows from its
// type, unknown types draw nothing. Whatever the device context of the picture drew before must
// have been flushed.
void DrawCable(const CableItem& cable, const PixelTarget& target, const CanvasRect* parts, int partCount);

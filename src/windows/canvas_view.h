// How the topology window shows the canvas: the session's damage painted where it shows, the scroll
// bars and the view they scroll.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/diagram_list.h"
#include "core/view_math.h"

// What the edits damaged is composed again, and the thumbnail shows it.
void ComposePendingDamage();
// Asks for a paint of what the edits changed, where it shows in the topology window. A change
// scrolled out of sight is composed at once: no paint would come for it, and the thumbnail shows it.
void ShowCanvasDamage();

// Closes the label field, if open, keeping its text or dropping it, and shows the label it leaves.
void EndLabelEdit(bool keep);

// The scroll bars follow the zoomed canvas and the client area, positions pulled back into range.
void UpdateScrollRanges();
// A new zoom or canvas size: new scroll ranges, and the whole window shown again.
void ShowNewView();

// A scroll bar's request (SB_HORZ or SB_VERT), a distance in window pixels, or a position: the
// picture moves at once. A label being edited is kept first.
void ScrollByRequest(int bar, ScrollRequest request);
void ScrollBy(int bar, int32_t distance);
// Scrolls so that the canvas point lies in the middle of the window, as far as the ranges allow.
void CentreCanvasOn(CanvasPoint point);

// Composing diagrams directly, without the palettes: symbols of solid test colours and cables.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "core/diagram_list.h"
#include "harness.h"
#include "library_files.h"

// A symbol of router palette item `index`, sharing its picture as placing one does, appended to the
// diagram.
DiagramNode* AddTestSymbol(int index, int x, int y);
DiagramNode* AddTestCable(ItemKind kind, const DiagramNode* first, const DiagramNode* second);
DiagramNode* AddTestCableAt(ItemKind kind, int x1, int y1, int x2, int y2);

// The diagram's symbols in list order.
std::vector<SymbolItem*> DiagramSymbols();

// A library whose router category holds StripedBmp pictures of the colours, in order.
TestLibrary RouterPictures(const std::vector<unsigned>& colours);

// Paints the topology window now and returns the back buffer's pixels.
void Repaint();
Pixels CanvasPixels();

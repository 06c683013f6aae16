// Composing diagrams directly, without the palettes: symbols of solid test colours and cables.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "core/diagram_list.h"
#include "harness.h"

// An image list of 50 x 50 pictures, one per colour (0x00RRGGBB): the picture is the colour,
// except its right 10 columns, which are magenta (transparent).
HIMAGELIST MakeTestImageList(const std::vector<unsigned>& colours);
constexpr int TEST_OPAQUE_WIDTH = 40;

// A symbol made from image `index` of the list, as placing one does, appended to the diagram.
DiagramNode* AddTestSymbol(HIMAGELIST list, int index, int x, int y);
DiagramNode* AddTestCable(ItemKind kind, const DiagramNode* first, const DiagramNode* second);
DiagramNode* AddTestCableAt(ItemKind kind, int x1, int y1, int x2, int y2);

// The diagram's symbols in list order.
std::vector<SymbolItem*> DiagramSymbols();

// A program test whose router category shows solid test pictures instead of the library's.
class RouterPicturesTest : public ProgramTest {
protected:
    explicit RouterPicturesTest(std::vector<unsigned> colours) : colours(std::move(colours)) {}
    void SetUp() override;
    void TearDown() override;

private:
    std::vector<unsigned> colours;
    HIMAGELIST libraryPictures = nullptr;
};

// Paints the topology window now and returns the back buffer's pixels.
void Repaint();
Pixels CanvasPixels();

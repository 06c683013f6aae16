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
SymbolItem* AddTestSymbol(int index, int x, int y);
CableItem* AddTestCable(CableType type, const SymbolItem* first, const SymbolItem* second);
CableItem* AddTestCableAt(CableType type, int x1, int y1, int x2, int y2);

// Picks router palette item `picture` and clicks the canvas there: a symbol centred on the point.
SymbolItem* PlaceRouterAt(int x, int y, int picture = 0);

// The diagram's symbols and cables in list order, and the framed symbol (null for none).
std::vector<SymbolItem*> DiagramSymbols();
std::vector<CableItem*> DiagramCables();
SymbolItem* SelectedSymbol();

// A library whose router category holds StripedBmp pictures of the colours, in order.
TestLibrary RouterPictures(const std::vector<unsigned>& colours);

// Paints the topology window now and returns the back buffer's pixels.
void Repaint();
Pixels CanvasPixels();

// A zoom button of the view window, pressed; the zoom label and the track bar's position.
void PressZoom(int id);
std::string ZoomLabel();
int ThumbPosition();

// Resizes the topology window until its client area has the size asked for.
void SetClientSize(int width, int height);

// Runs the canvas size dialog with the given texts and presses "変更反映", then "閉じる";
// a refusal box is answered with OK.
void ApplyCanvasSizeTexts(const char* width, const char* height, bool refused = false);

// A black top-down 32-bit picture to draw into and read back.
class Target {
  public:
    Target(int width, int height) {
        BITMAPINFO info = TopDownPixelInfo(width, height);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, BLACKNESS);
    }
    ~Target() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    Pixels Read() { return ReadBitmapPixels(bitmap_); }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Files for test symbol libraries: bitmaps of known colours, broken bitmaps, catalogue texts.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

constexpr unsigned RGB_MAGENTA = 0xFF00FF;

// A 24-bit bottom-up BMP file; colour(x, y) gives 0x00RRGGBB, y counting from the top.
std::string BmpBytes(int width, int height, const std::function<unsigned(int x, int y)>& colour);

// A picture of one colour with a magenta frame of a tenth of its size (transparent when loaded).
std::string FramedBmp(unsigned colour, int width = 50, int height = 50);

// FramedBmp's picture as a 32-bit file whose fourth byte is `fourth` in every pixel.
std::string FramedBmp32(unsigned colour, int width, int height, uint8_t fourth);

// A 50 x 50 picture of one colour but for its right 10 columns, which are magenta (transparent).
std::string StripedBmp(unsigned colour);
constexpr int STRIPED_OPAQUE_WIDTH = 40;

// FramedBmp's picture, 50 x 50, run-length encoded at 8 or 4 bits (runs, absolute runs, line ends).
std::string RunLengthBmp(int bits, unsigned colour);

// An uncompressed file of 1, 4 or 8 bits whose pixels run through the whole colour table, bottom-up
// (or top-down for a negative height).
std::string PaletteBmp(int bits, int width, int height);

// Broken files that crash the system's bitmap loader unless they are refused first.
std::string TruncatedBmp();      // pixel rows cut short
std::string HeaderOnlyBmp();     // the 54 header bytes and nothing else
std::string OffsetPastEndBmp();  // pixel offset beyond the end of the file
std::string HugeBmp();           // 32000 x 32000 claimed by a small file
// A sound file that would take seconds to decode: 16384 x 16384 (or the size given) claimed by a
// run-length stream of 1 KB.
std::string CompressedHugeBmp(int width = 16384, int height = 16384);

// The image drawn with its mask onto a 50 x 50 square of the background colour.
Pixels DrawImage(HIMAGELIST list, int index, unsigned background);
// True when image index of the list is the program's placeholder picture.
bool IsPlaceholderImage(HIMAGELIST list, int index);

// The symbol window as a user works it.
HWND PaletteListOf(int category);
int PaletteItemCount(int category);
int SelectedPaletteItem(int category);  // -1 when none
void SelectPaletteItem(int category, int index);
void SelectTab(int category);                     // a click on the tab
void ClickPaletteAt(int category, POINT client);  // selection and NM_CLICK, as the list view makes them
void ClickPaletteItem(int category, int index);
// Through the input queue, as a user clicks.
void MouseClickPaletteAt(int category, POINT client);
void MouseClickPaletteItem(int category, int index);
void PressSymbolWindowButton(int id);  // buttons and pictures alike

std::vector<int> CategoryCounts();  // records per category, as loaded

// Centre colours of a category's images, in order; PLACEHOLDER for the placeholder picture.
constexpr unsigned PLACEHOLDER = 0xFFFFFFFF;
std::vector<unsigned> CategoryPictures(int category);

// Runs the add dialog; steps act on it, then it is cancelled if still open. Within steps the dialog
// is visible until it ends.
void RunAddDialog(const std::function<void(HWND dialog)>& steps);
void ChooseCategory(HWND addDialog, int category);
void PressAddOk(HWND addDialog);  // synchronous: boxes it raises are answered inside

// Each test writes its library into a fresh folder, then starts the program there.
class LibraryTest : public ProgramTest {
  protected:
    LibraryTest() : ProgramTest(std::nullopt) {}
    std::vector<int> ItemCounts() const;  // palette items per category
    // A bitmap outside the library, as the user would pick it.
    std::string Source(const std::string& name, const std::string& bytes);
    static void Choose(const std::string& path, const std::string& title);  // as "参照" would
    // The add dialog with the chosen file and category, OK pressed.
    void Add(int category);
    // The item picked on its tab, "シンボルの削除" pressed and the question answered.
    void Delete(int category, int index, int answer = IDOK);
    std::vector<std::string> LibraryFiles() const;  // in the Symbol folder
};

#include "library_files.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "bmp_files.h"
#include "harness.h"
#include "library/symbol_library.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/palette_page.h"

static std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

static std::string PictureFile(BmpShape shape, const std::function<unsigned(int x, int y)>& value) {
    shape.pixels = PackRows(shape.width, shape.height, shape.bits, value);
    return Text(BuildBmp(shape));
}

std::string BmpBytes(int width, int height, const std::function<unsigned(int x, int y)>& colour) {
    BmpShape shape;
    shape.width = width;
    shape.height = height;
    return PictureFile(shape, colour);
}

static bool InFrame(int x, int y, int width, int height) {
    return x < width / 10 || x >= width - width / 10 || y < height / 10 || y >= height - height / 10;
}

std::string FramedBmp(unsigned colour, int width, int height) {
    return BmpBytes(width, height, [=](int x, int y) { return InFrame(x, y, width, height) ? RGB_MAGENTA : colour; });
}

std::string FramedBmp32(unsigned colour, int width, int height, uint8_t fourth) {
    BmpShape shape;
    shape.width = width;
    shape.height = height;
    shape.bits = 32;
    return PictureFile(shape, [=](int x, int y) {
        return (InFrame(x, y, width, height) ? RGB_MAGENTA : colour) | unsigned(fourth) << 24;
    });
}

std::string StripedBmp(unsigned colour) {
    return BmpBytes(50, 50, [=](int x, int) { return x < STRIPED_OPAQUE_WIDTH ? colour : RGB_MAGENTA; });
}

// A table of 2^bits entries: the first ones as given (0x00RRGGBB), the rest zero.
static std::vector<uint8_t> ColourTable(int bits, const std::vector<unsigned>& colours) {
    std::vector<uint8_t> table(size_t(4) << bits, 0);
    for (size_t i = 0; i < colours.size(); ++i)
        PutField(table, 4 * i, colours[i], 4);
    return table;
}

std::string RunLengthBmp(int bits, unsigned colour) {
    // Colour 0 is magenta, colour 1 the picture's; at 4 bits a byte holds two pixels.
    const uint8_t both = bits == 8 ? 1 : 0x11, frame = 0;
    std::vector<uint8_t> stream;
    for (int y = 0; y < 50; ++y) {
        if (y < 5 || y >= 45) {
            stream.insert(stream.end(), {50, frame});
        } else {
            // The left frame as an absolute run of 5 pixels, padded to a whole word.
            stream.insert(stream.end(), {0, 5});
            stream.insert(stream.end(), bits == 8 ? 6 : 4, frame);
            stream.insert(stream.end(), {40, both, 5, frame});
        }
        stream.insert(stream.end(), {0, 0});
    }
    stream.insert(stream.end(), {0, 1});
    BmpShape shape;
    shape.bits = uint16_t(bits);
    shape.compression = bits == 8 ? 1 : 2;
    shape.table = ColourTable(bits, {RGB_MAGENTA, colour});
    shape.pixels = stream;
    return Text(BuildBmp(shape));
}

std::string PaletteBmp(int bits, int width, int height) {
    const int entries = 1 << bits;
    std::vector<unsigned> colours;
    for (int i = 0; i < entries; ++i)
        colours.push_back(unsigned(255 - i * 255 / (entries - 1)) << 16 | unsigned(i * 97 & 0xFF) << 8 |
                          unsigned(i * 255 / (entries - 1)));
    BmpShape shape;
    shape.width = width;
    shape.height = height;
    shape.bits = uint16_t(bits);
    shape.table = ColourTable(bits, colours);
    // The same rows as stored whichever way they run: a top-down file shows the picture upside down.
    shape.pixels = PackRows(width, -abs(height), shape.bits, [=](int x, int y) { return (x * 7 + y * 3) % entries; });
    return Text(BuildBmp(shape));
}

std::string TruncatedBmp() {
    const std::string whole = FramedBmp(0x336699, 40, 40);
    return whole.substr(0, whole.size() / 2);
}

std::string HeaderOnlyBmp() {
    return FramedBmp(0x336699, 40, 40).substr(0, 54);
}

std::string OffsetPastEndBmp() {
    std::string bytes = FramedBmp(0x336699, 40, 40);
    PutField(bytes, 10, bytes.size() + 4096, 4);
    return bytes;
}

std::string HugeBmp() {
    std::string bytes = FramedBmp(0x336699, 40, 40);
    PutField(bytes, 18, 32000, 4);
    PutField(bytes, 22, 32000, 4);
    return bytes;
}

std::string CompressedHugeBmp(int width, int height) {
    std::string bytes = RunLengthBmp(8, 0x336699);
    PutField(bytes, 18, uint32_t(width), 4);
    PutField(bytes, 22, uint32_t(height), 4);
    return bytes;
}

Pixels DrawImage(HIMAGELIST list, int index, unsigned background) {
    BITMAPINFO info = TopDownPixelInfo(50, 50);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int i = 0; i < 50 * 50; ++i)
        static_cast<uint32_t*>(bits)[i] = background;
    ImageList_Draw(list, index, memory, 0, 0, ILD_NORMAL);
    SelectObject(memory, old);
    Pixels pixels = ReadBitmapPixels(bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

bool IsPlaceholderImage(HIMAGELIST list, int index) {
    HIMAGELIST reference = ImageList_Create(50, 50, ILC_COLOR32 | ILC_MASK, 1, 0);
    HBITMAP placeholder = static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MISSING_SYMBOL), IMAGE_BITMAP, 50, 50, LR_CREATEDIBSECTION));
    ImageList_AddMasked(reference, placeholder, RGB(255, 0, 255));
    DeleteObject(placeholder);
    const Pixels drawn = DrawImage(reference, 0, 0x00FF00);
    const bool blank = std::count(drawn.rgb.begin(), drawn.rgb.end(), 0x00FF00u) == long(drawn.rgb.size());
    const bool same = !blank && DrawImage(list, index, 0x00FF00).rgb == drawn.rgb;
    ImageList_Destroy(reference);
    return same;
}

HWND PaletteListOf(int category) {
    return PaletteList(appState.tools.palettePage[category]);
}

int PaletteItemCount(int category) {
    return int(SendMessageA(PaletteListOf(category), LVM_GETITEMCOUNT, 0, 0));
}

int SelectedPaletteItem(int category) {
    return int(SendMessageA(PaletteListOf(category), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void SelectPaletteItem(int category, int index) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(PaletteListOf(category), LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void SelectTab(int category) {
    HWND tabs = GetDlgItem(appState.tools.symbolWindow, IDC_CATEGORY_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, category, 0);
    NMHDR header = {tabs, IDC_CATEGORY_TABS, UINT(TCN_SELCHANGE)};
    SendMessageA(appState.tools.symbolWindow, WM_NOTIFY, IDC_CATEGORY_TABS, reinterpret_cast<LPARAM>(&header));
}

// As the list view handles a click: it selects the item under the point (none beside the items),
// then reports the click.
void ClickPaletteAt(int category, POINT client) {
    HWND list = PaletteListOf(category);
    LVHITTESTINFO hit = {};
    hit.pt = client;
    const int index = int(SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    LVITEMA none = {};
    none.stateMask = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
    if (index >= 0 && (hit.flags & LVHT_ONITEM))
        SelectPaletteItem(category, index);
    NMHDR header = {list, UINT_PTR(GetDlgCtrlID(list)), UINT(NM_CLICK)};
    SendMessageA(appState.tools.palettePage[category], WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

static POINT IconCentre(HWND list, int index) {
    RECT icon = {};
    icon.left = LVIR_ICON;
    SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
    return {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
}

void ClickPaletteItem(int category, int index) {
    ClickPaletteAt(category, IconCentre(PaletteListOf(category), index));
}

// On top and painted, so that its items stand where the mouse will find them.
static void RaiseSymbolWindow() {
    SetWindowPos(appState.tools.symbolWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(appState.tools.symbolWindow);
}

void MouseClickPaletteAt(int category, POINT client) {
    HWND list = PaletteListOf(category);
    RaiseSymbolWindow();
    ClientToScreen(list, &client);
    SetCursorPos(client.x, client.y);
    PumpMessages(50);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    PumpMessages(300);
}

void MouseClickPaletteItem(int category, int index) {
    RaiseSymbolWindow();
    MouseClickPaletteAt(category, IconCentre(PaletteListOf(category), index));
}

void PressSymbolWindowButton(int id) {
    SendMessageA(appState.tools.symbolWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(appState.tools.symbolWindow, id)));
}

std::vector<int> CategoryCounts() {
    std::vector<int> counts;
    for (const LibraryCategory& category : appState.library.categories)
        counts.push_back(int(category.items.size()));
    return counts;
}

std::vector<unsigned> CategoryPictures(int category) {
    std::vector<unsigned> pictures;
    HIMAGELIST list = appState.library.categories[category].images.get();
    for (int i = 0; i < ImageList_GetImageCount(list); ++i)
        pictures.push_back(IsPlaceholderImage(list, i) ? PLACEHOLDER : DrawImage(list, i, 0x00FF00).at(25, 25));
    return pictures;
}

void RunAddDialog(const std::function<void(HWND dialog)>& steps) {
    RespondNext([steps](HWND dialog) {
        // The responder can run before the dialog manager first shows the dialog (it does so when
        // its loop goes idle). Shown now, the dialog is hidden afterwards only if it has ended.
        ShowWindow(dialog, SW_SHOWNORMAL);
        steps(dialog);
        if (IsWindowVisible(dialog))
            PressButton(dialog, IDC_ADD_CANCEL);
    });
    PressSymbolWindowButton(IDC_ADD_SYMBOL);
}

void ChooseCategory(HWND addDialog, int category) {
    SendDlgItemMessageA(addDialog, IDC_ADD_CATEGORY, CB_SETCURSEL, category, 0);
}

void PressAddOk(HWND addDialog) {
    SendMessageA(addDialog, WM_COMMAND, MAKEWPARAM(IDC_ADD_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(addDialog, IDC_ADD_OK)));
}

std::vector<int> LibraryTest::ItemCounts() const {
    std::vector<int> counts;
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        counts.push_back(PaletteItemCount(category));
    return counts;
}

std::string LibraryTest::Source(const std::string& name, const std::string& bytes) {
    CreateDirectoryA(folder.File("pictures").c_str(), nullptr);
    const std::string path = folder.File("pictures\\" + name);
    WriteFileBytes(path, bytes);
    return path;
}

void LibraryTest::Choose(const std::string& path, const std::string& title) {
    lstrcpynA(appState.addDialog.chosenPath, path.c_str(), sizeof appState.addDialog.chosenPath);
    lstrcpynA(appState.addDialog.chosenTitle, title.c_str(), sizeof appState.addDialog.chosenTitle);
}

void LibraryTest::Add(int category) {
    RunAddDialog([category](HWND dialog) {
        ChooseCategory(dialog, category);
        PressAddOk(dialog);
    });
}

void LibraryTest::Delete(int category, int index, int answer) {
    SelectTab(category);
    SelectPaletteItem(category, index);
    AnswerNextBox(answer);
    PressSymbolWindowButton(IDC_DELETE_SYMBOL);
}

std::vector<std::string> LibraryTest::LibraryFiles() const {
    return FileNames(folder.File("Symbol"));
}

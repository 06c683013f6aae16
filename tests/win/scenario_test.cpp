// A whole session with the shipped library, driven through the real windows: pick a router,
// place three, join them, drag one, zoom in and out, and save the picture.
#include "canvas_helpers.h"

#include <commctrl.h>

#include <cstring>

#include "app/app_state.h"
#include "app/tool_windows.h"
#include "export/bmp_export.h"
#include "export/bmp_layout.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "symbols/symbol_window.h"

namespace {

constexpr unsigned SERIAL_TEAL = 0x006464, OPTICAL_RED = 0xFF0000;

// The shipped library is copied beside the test program by the build.
std::string ShippedLibrary() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\')) + "\\library";
}

Pixels DecodeFile(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    Pixels pixels;
    std::vector<uint32_t> rgb;
    if (DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &pixels.width, &pixels.height, &rgb))
        pixels.rgb.assign(rgb.begin(), rgb.end());
    return pixels;
}

class ShippedLibraryTest : public ProgramTest {
protected:
    void PrepareLibrary(TempFolder& folder) override {
        const std::string source = ShippedLibrary();
        ASSERT_TRUE(CopyFileA((source + "\\Symbol.txt").c_str(), folder.File("Symbol.txt").c_str(), FALSE));
        CreateDirectoryA(folder.File("Symbol").c_str(), nullptr);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((source + "\\Symbol\\*.bmp").c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        do {
            CopyFileA((source + "\\Symbol\\" + found.cFileName).c_str(),
                      folder.File(std::string("Symbol\\") + found.cFileName).c_str(), FALSE);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
};

// A click on palette item `index` of the visible page, as the mouse makes it.
void ClickPaletteItem(int category, int listViewId, int index) {
    HWND page = palettePage[category];
    HWND list = GetDlgItem(page, listViewId);
    RECT item = {};
    item.left = LVIR_ICON;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)));
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &centre);
    SetCursorPos(centre.x, centre.y);
    LVITEMA selected = {};  // the list view selects the item under the click before it reports it
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&selected));
    NMHDR notice = {list, UINT_PTR(listViewId), UINT(NM_CLICK)};
    SendMessageA(page, WM_NOTIFY, listViewId, reinterpret_cast<LPARAM>(&notice));
}

void SymbolWindowCommand(int id) {
    SendMessageA(symbolWindow, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), 0);
}

// The opaque pixels of the picture appear with their top-left corner at (x, y).
void ExpectPicture(const Pixels& pixels, const Pixels& picture, int x, int y) {
    int differences = 0, opaque = 0;
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            if (picture.at(px, py) == 0xFF00FF)
                continue;
            ++opaque;
            differences += pixels.at(x + px, y + py) != picture.at(px, py);
        }
    }
    EXPECT_GT(opaque, 500);
    EXPECT_EQ(differences, 0) << "picture at (" << x << ", " << y << ")";
}

int CountColour(const Pixels& pixels, unsigned colour, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += pixels.at(x, y) == colour;
    return count;
}

TEST_F(ShippedLibraryTest, PlaceJoinDragZoomAndSave) {
    ClickPaletteItem(0, IDC_PALETTE_ROUTER, 0);
    Click(100, 100);
    Click(300, 100);
    Click(200, 300);
    SymbolWindowCommand(IDC_PICK_SERIAL);
    Click(100, 100);
    Click(300, 100);
    SymbolWindowCommand(IDC_PICK_OPTICAL);
    Click(300, 100);
    Click(200, 300);
    SymbolWindowCommand(IDC_PICK_SELECT);
    MouseDown(200, 300);
    MouseMove(210, 310);
    MouseMove(220, 320);
    MouseUp(220, 320);
    SendMessageA(viewWindow, WM_COMMAND, IDC_ZOOM_IN, 0);
    EXPECT_EQ(zoomFactor, 2.0f);
    UpdateWindow(topologyWindow);
    SendMessageA(viewWindow, WM_COMMAND, IDC_ZOOM_OUT, 0);
    EXPECT_EQ(zoomFactor, 1.0f);

    const std::string saved = folder.File("topology.bmp");
    RespondWithFileName(saved);
    UpdateWindow(topologyWindow);
    SendMessageA(topologyWindow, WM_COMMAND, IDM_FILE_SAVE_AS, 0);

    const Pixels file = DecodeFile(saved);
    ASSERT_EQ(file.width, 500);
    ASSERT_EQ(file.height, 400);
    const Pixels router = DecodeFile(ShippedLibrary() + "\\Symbol\\router1.bmp");
    ExpectPicture(file, router, 75, 75);
    ExpectPicture(file, router, 275, 75);
    ExpectPicture(file, router, 195, 295);
    EXPECT_GT(CountColour(file, SERIAL_TEAL, 130, 90, 270, 110), 100) << "serial cable between the top two";
    EXPECT_GT(CountColour(file, OPTICAL_RED, 230, 150, 290, 270), 100) << "optical cable to the dragged symbol";
    EXPECT_EQ(CountColour(file, OPTICAL_RED, 170, 150, 215, 270), 0) << "not to where it was before the drag";
    EXPECT_GT(CountColour(file, RGB_BLACK, 194, 294, 195, 346), 10) << "the dragged symbol stays selected";
    EXPECT_TRUE(file.rgb == ReadBitmapPixels(backBuffer.backBufferBitmap).rgb);
}

}  // namespace

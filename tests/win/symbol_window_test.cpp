// The symbol window: its tabs and palettes, a click on a picture, and the tool and cable pictures.
#include "canvas_helpers.h"

#include "windows/app_state.h"
#include "core/edit_session.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00C000, BLUE = 0x0000FF, ORANGE = 0xFF8000;

TEST_F(LibraryTest, WindowShowsFiveTabsWithTheRouterPageOnTop) {
    Start("0,\\Symbol\\a.bmp\r\n1,\\Symbol\\b.bmp\r\n",
          {{"Symbol\\a.bmp", FramedBmp(RED)}, {"Symbol\\b.bmp", FramedBmp(GREEN)}});
    HWND tabs = GetDlgItem(appState.tools.symbolWindow, IDC_CATEGORY_TABS);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    const char* const labels[] = {"ルータ", "ハブ", "ホスト", "クラウド", "アザー"};
    for (int tab = 0; tab < 5; ++tab) {
        char text[32] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, labels[tab]);
    }
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(appState.tools.currentTab, 0);

    // Every page covers the tab control's display area; only the router page shows.
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&area), 2);
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        RECT page;
        GetWindowRect(appState.tools.palettePage[category], &page);
        MapWindowPoints(nullptr, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&page), 2);
        EXPECT_TRUE(EqualRect(&page, &area)) << "page " << category;
        // Its list view fills it, so that no item lies beyond the visible part.
        RECT list;
        GetWindowRect(PaletteListOf(category), &list);
        MapWindowPoints(nullptr, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_TRUE(EqualRect(&list, &area)) << "list " << category;
        EXPECT_EQ(GetParent(appState.tools.palettePage[category]), appState.tools.symbolWindow);
        EXPECT_EQ(bool(IsWindowVisible(appState.tools.palettePage[category])), category == 0) << "page " << category;
    }

    // The router picture is what the screen shows at the first item.
    UpdateWindow(appState.tools.symbolWindow);
    RECT icon = {};
    icon.left = LVIR_ICON;
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
    const Pixels shown = ReadWindowPixels(list);
    EXPECT_EQ(shown.at((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2), RED);
}

TEST_F(LibraryTest, EveryItemOfALongPaletteCanBeScrolledIntoSight) {
    std::string catalogue;
    for (int i = 0; i < 9; ++i)
        catalogue += "0,\\Symbol\\r.bmp\r\n";
    Start(catalogue, {{"Symbol\\r.bmp", FramedBmp(RED)}});
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    RECT page;
    GetClientRect(appState.tools.palettePage[CATEGORY_ROUTER], &page);
    for (int index : {8, 0, 5}) {
        SendMessageA(list, LVM_ENSUREVISIBLE, index, FALSE);
        RECT icon = {};
        icon.left = LVIR_ICON;
        SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
        MapWindowPoints(list, appState.tools.palettePage[CATEGORY_ROUTER], reinterpret_cast<POINT*>(&icon), 2);
        RECT inside;
        IntersectRect(&inside, &icon, &page);
        EXPECT_TRUE(EqualRect(&inside, &icon))
            << "item " << index << " ends at " << icon.bottom << " of " << page.bottom;
    }
}

TEST_F(LibraryTest, ClickOnAHalfHiddenItemPicksThatItem) {
    std::string catalogue;
    for (int i = 0; i < 20; ++i)
        catalogue += "0,\\Symbol\\r.bmp\r\n";
    Start(catalogue, {{"Symbol\\r.bmp", FramedBmp(RED)}});
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    UpdateWindow(appState.tools.symbolWindow);
    RECT client;
    GetClientRect(list, &client);
    // The first item that the bottom edge of the list cuts through.
    int cut = -1;
    RECT icon = {};
    for (int index = 0; index < PaletteItemCount(CATEGORY_ROUTER) && cut < 0; ++index) {
        icon = {};
        icon.left = LVIR_ICON;
        SendMessageA(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
        if (icon.top < client.bottom - 4 && icon.bottom > client.bottom)
            cut = index;
    }
    ASSERT_GE(cut, 0);
    MouseClickPaletteAt(CATEGORY_ROUTER, {(icon.left + icon.right) / 2, client.bottom - 2});
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_ROUTER), cut);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_ROUTER);
    EXPECT_EQ(appState.session.tool.image, cut);

    // A click beside the items then changes nothing.
    const HCURSOR cursor = appState.placementCursor.cursor;
    MouseClickPaletteAt(CATEGORY_ROUTER, {client.right - 3, client.bottom - 3});
    EXPECT_EQ(appState.session.tool.image, cut);
    EXPECT_EQ(appState.placementCursor.cursor, cursor);
}

TEST_F(LibraryTest, TabChangeShowsOnlyThatPage) {
    Start("");
    for (int tab : {3, 1, 4, 0, 2}) {
        SelectTab(tab);
        EXPECT_EQ(appState.tools.currentTab, tab);
        for (int category = 0; category < CATEGORY_COUNT; ++category)
            EXPECT_EQ(bool(IsWindowVisible(appState.tools.palettePage[category])), category == tab);
    }
    // No selection: nothing changes.
    HWND tabs = GetDlgItem(appState.tools.symbolWindow, IDC_CATEGORY_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, WPARAM(-1), 0);
    NMHDR header = {tabs, IDC_CATEGORY_TABS, UINT(TCN_SELCHANGE)};
    SendMessageA(appState.tools.symbolWindow, WM_NOTIFY, IDC_CATEGORY_TABS, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(appState.tools.currentTab, 2);
    EXPECT_TRUE(IsWindowVisible(appState.tools.palettePage[2]));
}

TEST_F(LibraryTest, ClickOnAPaletteImagePicksItWithItsIconAsCursor) {
    Start("2,\\Symbol\\h1.bmp\r\n0,\\Symbol\\r1.bmp\r\n2,\\Symbol\\h2.bmp\r\n2,\\Symbol\\h3.bmp\r\n",
          {{"Symbol\\h1.bmp", FramedBmp(RED)},
           {"Symbol\\h2.bmp", FramedBmp(GREEN)},
           {"Symbol\\h3.bmp", FramedBmp(BLUE)},
           {"Symbol\\r1.bmp", FramedBmp(ORANGE)}});
    const long icons = LiveGdiObjects(GDI_ICON);
    SelectTab(CATEGORY_HOST);
    MouseClickPaletteItem(CATEGORY_HOST, 2);
    EXPECT_EQ(SelectedPaletteItem(CATEGORY_HOST), 2);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.session.tool.image, 2);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL);
    ASSERT_TRUE(appState.placementCursor.cursor);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // The cursor is a picture of the image: its centre is blue.
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(appState.placementCursor.cursor, &info));
    const Pixels cursor = ReadBitmapPixels(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    ASSERT_EQ(cursor.width, 50);
    EXPECT_EQ(cursor.at(25, 25) & 0x0000FF, 0x0000FFu);

    // Picking again replaces the cursor, and the old icon is freed.
    ClickPaletteItem(CATEGORY_HOST, 0);
    EXPECT_EQ(appState.session.tool.image, 0);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // A click beside the items changes nothing.
    RECT client;
    GetClientRect(PaletteListOf(CATEGORY_HOST), &client);
    const HCURSOR before = appState.placementCursor.cursor;
    ClickPaletteAt(CATEGORY_HOST, {client.right - 3, client.bottom - 3});
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.session.tool.image, 0);
    EXPECT_EQ(appState.placementCursor.cursor, before);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons + 1);

    // Changing tabs changes neither the tool nor the cursor.
    SelectTab(CATEGORY_ROUTER);
    EXPECT_EQ(appState.session.tool.category, CATEGORY_HOST);
    EXPECT_EQ(appState.placementCursor.cursor, before);
}

TEST_F(LibraryTest, ToolAndCablePicturesSelectTheirTools) {
    Start("0,\\Symbol\\r1.bmp\r\n", {{"Symbol\\r1.bmp", FramedBmp(ORANGE)}});
    const long icons = LiveGdiObjects(GDI_ICON);
    struct Picture {
        int id;
        int cableType;
    };
    const Picture cables[] = {{IDC_PICK_STRAIGHT, 1},  {IDC_PICK_CROSS, 2}, {IDC_PICK_SERIAL, 3}, {IDC_PICK_CONSOLE, 4},
                              {IDC_PICK_TELEPHONE, 5}, {IDC_PICK_MET, 6},   {IDC_PICK_OPTICAL, 7}};
    for (const Picture& picture : cables) {
        ClickPaletteItem(CATEGORY_ROUTER, 0);  // a symbol cursor that the cable tool must drop
        PressSymbolWindowButton(picture.id);
        EXPECT_EQ(appState.session.tool.kind, ToolKind::CABLE) << picture.id;
        EXPECT_EQ(appState.session.tool.cable, picture.cableType) << picture.id;
        EXPECT_FALSE(appState.placementCursor.cursor);
        EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons);
    }

    ClickPaletteItem(CATEGORY_ROUTER, 0);
    PressSymbolWindowButton(IDC_PICK_DELETE);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::DELETE_SYMBOL);
    EXPECT_EQ(appState.placementCursor.cursor, LoadCursorA(appState.instance, MAKEINTRESOURCEA(IDC_DELETE_CURSOR)));
    EXPECT_TRUE(appState.placementCursor.cursor);
    EXPECT_EQ(LiveGdiObjects(GDI_ICON), icons);

    const HCURSOR deleteCursor = appState.placementCursor.cursor;
    PressSymbolWindowButton(IDC_PICK_SELECT);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SELECT);
    EXPECT_FALSE(appState.placementCursor.cursor);
    // The shared delete cursor survives being replaced.
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(deleteCursor, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(LibraryTest, EverythingTheLibraryMadeIsReleasedAtTheEnd) {
    const long before = LiveGdiObjects();
    const long lists = LiveGdiObjects(GDI_IMAGE_LIST);
    Start("0,\\Symbol\\r1.bmp\r\n0,\\Symbol\\gone.bmp\r\n3,\\Symbol\\bad.bmp\r\n",
          {{"Symbol\\r1.bmp", FramedBmp(ORANGE)}, {"Symbol\\bad.bmp", TruncatedBmp()}});
    EXPECT_EQ(LiveGdiObjects(GDI_IMAGE_LIST), lists + 5);
    ClickPaletteItem(CATEGORY_ROUTER, 1);
    ClickPaletteItem(CATEGORY_ROUTER, 0);
    // The palettes only show the lists: one that goes leaves its list to the catalogue.
    DestroyWindow(PaletteListOf(CATEGORY_ROUTER));
    EXPECT_EQ(ImageList_GetImageCount(appState.library.categories[CATEGORY_ROUTER].images.get()), 2);
    EndProgram();
    EXPECT_EQ(LiveGdiObjects(), before);
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        EXPECT_FALSE(appState.library.categories[category].images.get());
}

}  // namespace

// Reaching the limits: a picture that cannot be made, and long editing sessions that must not
// leave GDI objects or memory behind.
#include "canvas_helpers.h"

#include <psapi.h>

#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"
#include "library/symbol_library.h"

namespace {

// Committed private memory. Wine reports PrivateUsage as 0 but keeps PagefileUsage, the same
// figure on Windows, up to date.
size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

class ScaleTest : public ProgramTest {
  protected:
    ScaleTest() : ProgramTest(RouterPictures({0xFF0000, 0x00FF00})) {}
    void SetUp() override {
        ProgramTest::SetUp();
        PickSymbol(CATEGORY_ROUTER, 0);
    }
};

TEST_F(ScaleTest, SymbolWhosePictureCannotBeMadeIsNotPlaced) {
    Click(100, 100);
    Repaint();
    const long objects = LiveGdiObjects();
    // A picture made once serves every later symbol of its image without a new object.
    LimitGdi(0);
    Click(300, 300);
    RestoreSystemCalls();
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(LiveGdiObjects(), objects);
    // Every step of making the picture of another image (a scratch picture and its device
    // context), when the tool is armed or tried again at a click, can be the one that fails.
    for (long budget = 0; budget < 2; ++budget) {
        ForgetSeenDialogs();
        LimitGdi(budget);
        PickSymbol(CATEGORY_ROUTER, 1);
        AnswerNextBox(IDOK);
        Click(200, 200);
        RestoreSystemCalls();
        EXPECT_EQ(DiagramSymbols().size(), 2u) << "budget " << budget;
        // The cursor's icon of the picked item could not be made either; the earlier one went.
        EXPECT_EQ(LiveGdiObjects() + 1 - LiveGdiObjects(GDI_ICON), objects) << "nothing half-made is kept";
        ASSERT_EQ(SeenDialogs().size(), 1u) << "one clear message for one failed click";
        EXPECT_EQ(SeenDialogs()[0].caption, "エラー");
    }
    Repaint();  // the diagram still paints
    EXPECT_EQ(CanvasPixels().at(80, 80), 0xFF0000u);
    Click(200, 200);
    ASSERT_EQ(DiagramSymbols().size(), 3u) << "placing works again once pictures can be made";
    EXPECT_EQ(DiagramSymbols()[2]->id, DiagramSymbols()[1]->id + 1) << "failed placements used no id";
}

TEST_F(ScaleTest, LongSessionsLeaveNoObjectsOrMemoryBehind) {
    auto cycle = [](int* operations) {
        PickSymbol(CATEGORY_ROUTER, 0);
        for (int i = 0; i < 20; ++i, ++*operations) {
            Click(30 + i * 20, 40 + (i % 5) * 60);
            UpdateWindow(appState.topology);
        }
        ArmTool(TOOL_CABLE, 1 + *operations % 7);
        for (int i = 0; i < 10; ++i, ++*operations) {
            Click(30 + i * 20, 40 + (i % 5) * 60);
            Click(30 + (i + 5) * 20, 40 + ((i + 5) % 5) * 60);
            UpdateWindow(appState.topology);
        }
        ArmTool(TOOL_SELECT, 0);
        MouseDown(30, 40);
        for (int i = 0; i < 20; ++i, ++*operations) {
            MouseMove(30 + i, 40 + i);
            UpdateWindow(appState.topology);
        }
        MouseUp(50, 60);
        ArmTool(TOOL_DELETE, 0);
        for (int i = 0; i < 10; ++i, ++*operations) {
            Click(30 + i * 40, 40 + ((i * 2) % 5) * 60);
            UpdateWindow(appState.topology);
        }
        AnswerNextBox(IDOK);
        SendMessageA(appState.topology, WM_COMMAND, IDM_FILE_NEW, 0);
        UpdateWindow(appState.topology);
        ++*operations;
    };
    int operations = 0;
    cycle(&operations);  // the first cycle makes what the program keeps for the rest of the run
    cycle(&operations);
    const long objects = LiveGdiObjects();
    const SymbolPicture* picture = appState.library.categories[CATEGORY_ROUTER].items[0].picture.get();
    const size_t memory = PrivateBytes();
    while (operations < 10000)
        cycle(&operations);
    EXPECT_EQ(LiveGdiObjects(), objects);
    EXPECT_EQ(appState.library.categories[CATEGORY_ROUTER].items[0].picture.get(), picture) << "made once";
    EXPECT_LT(PrivateBytes(), memory + 1024 * 1024) << "grew from " << memory << " to " << PrivateBytes();
}

}  // namespace

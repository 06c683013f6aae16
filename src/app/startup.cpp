#include "app/startup.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "windows/topology_window.h"
#include "render/symbol_image.h"
#include "resources/resource.h"

HINSTANCE appInstance;
HWND topologyWindow;
char libraryRoot[MAX_PATH];
DiagramList diagram;

static bool RegisterTopologyClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = TopologyWindowProc;
    windowClass.hInstance = appInstance;
    windowClass.hIconSm = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_TOPOLOGY_MENU);
    windowClass.lpszClassName = TOPOLOGY_CLASS;
    return RegisterClassExA(&windowClass) != 0;
}

bool StartApplication(HINSTANCE instance, int showCommand) {
    diagram = DiagramList{};
    diagram.releasePicture = ReleaseSymbolPicture;
    InitList(diagram);
    libraryRoot[0] = '\0';
    GetCurrentDirectoryA(MAX_PATH, libraryRoot);
    appInstance = instance;

    // The tool windows made during WM_CREATE use the tab, list view and track bar classes.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    if (!RegisterTopologyClass())
        return false;
    topologyWindow = CreateWindowExA(0, TOPOLOGY_CLASS, "Nexadraw [トポロジウィンドウ]",
                                     WS_MAXIMIZE | WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, CW_USEDEFAULT,
                                     CW_USEDEFAULT, nullptr, nullptr, appInstance, nullptr);
    if (!topologyWindow)
        return false;
    ShowWindow(topologyWindow, showCommand);
    UpdateWindow(topologyWindow);
    return true;
}

int RunMessageLoop() {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0)
            return static_cast<int>(message.wParam);
        if (result == -1) {
            MessageBoxA(nullptr, "GetMessageエラー", "Error", MB_OK);
            return 1;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

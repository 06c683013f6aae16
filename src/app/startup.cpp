#include "app/startup.h"

#include <commctrl.h>

#include <algorithm>

#include "windows/app_state.h"
#include "windows/topology_window.h"
#include "resources/resource.h"
#include "library/symbol_files.h"
#include "library/symbol_library.h"
#include "windows/symbol_window.h"
#include "platform/alerts.h"
#include "platform/screen.h"
#include "platform/test_hooks.h"

AppState appState;

constexpr UINT PROGRAM_CODE_PAGE = 932;  // every text and path of the program

static bool RegisterTopologyClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;  // a double-click opens a label
    windowClass.lpfnWndProc = TopologyWindowProc;
    windowClass.hInstance = appState.instance;
    windowClass.hIconSm = LoadIconA(appState.instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    // The class owns its brush: the system deletes it with the class.
    windowClass.hbrBackground = CreateSolidBrush(RGB(128, 128, 128));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_TOPOLOGY_MENU);
    windowClass.lpszClassName = TOPOLOGY_CLASS;
    if (RegisterClassExA(&windowClass))
        return true;
    DeleteObject(windowClass.hbrBackground);
    return false;
}

// Its WM_CREATE makes the tool windows and the back buffer; null when the class or window cannot be made.
static HWND CreateTopologyWindow() {
    if (!RegisterTopologyClass())
        return nullptr;
    return CreateWindowExA(0, TOPOLOGY_CLASS, LoadText(IDS_TOPOLOGY_TITLE).c_str(),
                           WS_MAXIMIZE | WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN, 0, 0,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, appState.instance, nullptr);
}

// The current directory, or empty (no library) when it cannot hold the library's paths: too deep
// for the buffer (the call then writes nothing and returns the length it needs), or so deep that
// Symbol.txt or a picture in the Symbol folder would not fit. An empty root never falls back to
// another folder.
static void FindLibraryRoot() {
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, appState.library.root);
    const size_t longestTail = std::max(sizeof CATALOGUE_NAME, sizeof SYMBOL_FOLDER + 1) - 1;  // + a 1-byte name
    if (length == 0 || length >= MAX_PATH || length + longestTail > PATH_LIMIT)
        appState.library.root[0] = '\0';
}

bool StartApplication(HINSTANCE instance, int showCommand) {
    FindLibraryRoot();
    appState.instance = instance;
    appState.dpi = ScreenDpi();
    appState.historyKeys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_HISTORY_KEYS));

    // The tool windows made during WM_CREATE use the tab, list view and track bar classes.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    if (systemCalls.activeCodePage() != PROGRAM_CODE_PAGE)
        ShowCodePageWarning();
    // The library lives until the topology window goes, after the palettes that show it.
    const LibraryLoad library = LoadSymbolLibrary(instance, appState.library);
    appState.topology = CreateTopologyWindow();
    if (!appState.topology) {
        ReleaseSymbolLibrary(appState.library);
        return false;
    }
    ShowWindow(appState.topology, showCommand);
    UpdateWindow(appState.topology);
    ShowLibraryLoadResult(appState.topology, library);
    return true;
}

ComApartment::ComApartment()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (initialised_)
        CoUninitialize();
}

static bool IsTextField(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0;
}

bool TranslateProgramMessage(MSG& message) {
    if (appState.historyKeys && appState.topology && !IsTextField(message.hwnd) &&
        TranslateAcceleratorA(appState.topology, appState.historyKeys, &message))
        return true;
    for (HWND tool : {appState.tools.symbolWindow, appState.tools.viewWindow, appState.tools.listWindow})
        if (tool && IsDialogMessageA(tool, &message))
            return true;
    return false;
}

int RunMessageLoop() {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0)
            return static_cast<int>(message.wParam);
        if (result == -1) {
            Alert(nullptr, AlertKind::PLAIN_ERROR_BOX, IDS_GETMESSAGE_FAILED);
            return 1;
        }
        if (TranslateProgramMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

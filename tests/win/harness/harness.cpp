#include "harness.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <sstream>

#include "windows/change_notice.h"
#include "windows/palette_page.h"
#include "windows/app_state.h"
#include "app/startup.h"
#include "windows/topology_window.h"

namespace {

HHOOK cbtHook;
std::deque<Responder> responders;
std::vector<SeenDialog> seen;
std::vector<std::pair<HWND, Responder>> scheduled;

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

void Dismiss(HWND dialog) {
    for (int id : {IDNO, IDCANCEL, IDOK}) {
        if (GetDlgItem(dialog, id)) {
            PressButton(dialog, id);
            return;
        }
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

void CALLBACK RunScheduled(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto pending = std::move(scheduled);
    scheduled.clear();
    for (auto& [dialog, responder] : pending) {
        if (IsWindow(dialog))
            responder(dialog);
    }
}

// A modal window is a top-level dialog whose owner is disabled while it runs; the tool windows
// are dialogs too, but their owner stays enabled.
bool IsModalDialog(HWND window) {
    if (ClassName(window) != "#32770" || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        return false;
    HWND owner = GetWindow(window, GW_OWNER);
    return !owner || !IsWindowEnabled(owner);
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        bool known = false;
        for (auto& entry : scheduled)
            known = known || entry.first == window;
        if (!known && IsModalDialog(window) && !GetPropA(window, "harness.seen")) {
            SetPropA(window, "harness.seen", reinterpret_cast<HANDLE>(1));
            char text[1024] = "";
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // a message box's message
            seen.push_back({WindowText(window), text});
            Responder responder = Dismiss;
            if (!responders.empty()) {
                responder = std::move(responders.front());
                responders.pop_front();
            }
            scheduled.emplace_back(window, std::move(responder));
            SetTimer(nullptr, 0, 0, RunScheduled);
        }
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

void EnsureHook() {
    if (!cbtHook)
        cbtHook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

}  // namespace

void RespondNext(Responder responder) {
    EnsureHook();
    responders.push_back(std::move(responder));
}

void AnswerNextBox(int button) {
    RespondNext([button](HWND dialog) { PressButton(dialog, button); });
}

const std::vector<SeenDialog>& SeenDialogs() {
    return seen;
}

void ForgetSeenDialogs() {
    seen.clear();
}

std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const SeenDialog& box : seen) {
        if (!box.text.empty())
            texts.push_back(box.caption + ": " + box.text);
    }
    return texts;
}

size_t PendingResponders() {
    return responders.size();
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void RespondWithFileName(const std::string& name) {
    RespondNext([name](HWND dialog) {
        SetDlgItemTextA(dialog, FILE_NAME_FIELD, name.c_str());
        PressButton(dialog, IDOK);
    });
}

bool EndsDialog(HWND dialog, UINT message, WPARAM wParam) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    SendMessageA(dialog, message, wParam, 0);
    return !IsWindowVisible(dialog);
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    do {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                continue;  // the program posts it when its window goes; the tests carry on
            if (TranslateProgramMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

TempFolder::TempFolder() {
    char base[MAX_PATH], previous[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    GetCurrentDirectoryA(MAX_PATH, previous);
    previous_ = previous;
    static unsigned counter;
    std::ostringstream name;
    name << base << "nexadraw-" << GetCurrentProcessId() << "-" << GetTickCount() << "-" << counter++;
    path_ = name.str();
    CreateDirectoryA(path_.c_str(), nullptr);
    SetCurrentDirectoryA(path_.c_str());
}

TempFolder::~TempFolder() {
    SetCurrentDirectoryA(previous_.c_str());
    RemoveTree(path_);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

void WriteLibrary(const std::string& folder, const std::vector<std::pair<std::string, std::string>>& files) {
    for (const auto& [name, bytes] : files) {
        const size_t slash = name.find_last_of('\\');
        if (slash != std::string::npos)
            CreateDirectoryA((folder + "\\" + name.substr(0, slash)).c_str(), nullptr);
        WriteFileBytes(folder + "\\" + name, bytes);
    }
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string MakeDeepFolder(const std::string& base, size_t length) {
    std::string deep = base;
    while (deep.size() < length) {
        const size_t left = length - deep.size();
        deep += "\\" + std::string(left >= 43 ? 40 : left - 1, 'd');
        EXPECT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    return deep;
}

static const SystemCalls realSystemCalls = systemCalls;

void RestoreSystemCalls() {
    systemCalls = realSystemCalls;
}

namespace {

long gdiBudget = -1;
long largestBitmap = -1;

// Whether one more object may be made, and spends it.
bool Spend() {
    if (gdiBudget == 0)
        return false;
    if (gdiBudget > 0)
        --gdiBudget;
    return true;
}

bool Fits(int64_t width, int64_t height) {
    return largestBitmap < 0 || std::abs(width * height) <= largestBitmap;
}

// A creation through the real call while the budget lasts, as at the quota.
template <class Call>
struct Limited;
template <class Result, class... Args>
struct Limited<Result(WINAPI*)(Args...)> {
    template <Result (WINAPI* SystemCalls::*call)(Args...)>
    static Result WINAPI Make(Args... args) {
        return Spend() ? (realSystemCalls.*call)(args...) : Result();
    }
};
#define LIMITED(call) Limited<decltype(SystemCalls::call)>::Make<&SystemCalls::call>

// Bitmaps also fail past the largest size.
HBITMAP WINAPI
LimitedDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
    *bits = nullptr;
    return Fits(info->bmiHeader.biWidth, info->bmiHeader.biHeight)
               ? LIMITED(createDIBSection)(dc, info, usage, bits, section, offset)
               : nullptr;
}
HANDLE WINAPI LimitedImage(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    return Fits(width, height) ? LIMITED(loadImage)(instance, name, type, width, height, flags) : nullptr;
}

}  // namespace

void LimitGdi(long budget, long largestBitmapPixels) {
    gdiBudget = budget;
    largestBitmap = largestBitmapPixels;
    systemCalls.createPen = LIMITED(createPen);
    systemCalls.createFont = LIMITED(createFont);
    systemCalls.createCompatibleDC = LIMITED(createCompatibleDC);
    systemCalls.createDIBSection = LimitedDIBSection;
    systemCalls.createBitmap = LIMITED(createBitmap);
    systemCalls.loadImage = LimitedImage;
    systemCalls.extCreateRegion = LIMITED(extCreateRegion);
    systemCalls.imageListCreate = LIMITED(imageListCreate);
    systemCalls.imageListGetIcon = LIMITED(imageListGetIcon);
}

BOOL WINAPI FullDiskWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    static bool failNext;
    if (failNext || size < 2) {
        failNext = false;
        SetLastError(ERROR_DISK_FULL);
        *written = 0;
        return FALSE;
    }
    failNext = true;
    return WriteFile(file, data, size / 2, written, overlapped);
}

BOOL WINAPI FullDiskCatalogueWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    char path[MAX_PATH * 2] = "";
    GetFinalPathNameByHandleA(file, path, sizeof path, 0);
    const std::string name = path;
    const bool picture = name.size() > 4 && lstrcmpiA(name.substr(name.size() - 4).c_str(), ".bmp") == 0;
    return (picture ? WriteFile : FullDiskWrite)(file, data, size, written, overlapped);
}

HeldOpenFile::HeldOpenFile(const std::string& path)
    : handle_(CreateFileA(path.c_str(),
                          GENERIC_READ | GENERIC_WRITE,
                          0,
                          nullptr,
                          OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {}

HeldOpenFile::~HeldOpenFile() {
    if (ok())
        CloseHandle(handle_);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

void StartProgram() {
    EnsureHook();
    ASSERT_TRUE(StartApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
    PumpMessages();
}

void EndProgram() {
    if (appState.topology && IsWindow(appState.topology))
        DestroyWindow(appState.topology);
    PumpMessages(10);
    UnregisterClassA(TOPOLOGY_CLASS, GetModuleHandleA(nullptr));
    appState.topology = nullptr;
}

TestLibrary& TestLibrary::Catalogue(std::string text) {
    catalogue = std::move(text);
    return *this;
}

TestLibrary& TestLibrary::File(std::string name, std::string bytes) {
    files.emplace_back(std::move(name), std::move(bytes));
    return *this;
}

TestLibrary& TestLibrary::Symbol(int category, const std::string& name, std::string bytes) {
    catalogue = catalogue.value_or("") + std::to_string(category) + ",\\Symbol\\" + name + "\r\n";
    return File("Symbol\\" + name, std::move(bytes));
}

void TestLibrary::WriteInto(const std::string& folder) const {
    if (catalogue)
        WriteFileBytes(folder + "\\Symbol.txt", *catalogue);
    WriteLibrary(folder, files);
}

void ProgramTest::SetUp() {
    if (library_)
        Start(*library_);
}

void ProgramTest::Start(const TestLibrary& library) {
    EndProgram();
    library.WriteInto(folder.path());
    appState.addDialog.chosenPath[0] = '\0';
    appState.addDialog.chosenTitle[0] = '\0';
    ForgetSeenDialogs();
    StartProgram();
}

void ProgramTest::Start(const std::string& catalogue, const std::vector<std::pair<std::string, std::string>>& files) {
    Start(TestLibrary{catalogue, files});
}

void ProgramTest::TearDown() {
    RestoreSystemCalls();
    EndProgram();
    EXPECT_EQ(PendingResponders(), 0u) << "a queued answer was never used";
}

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

void MouseDown(int x, int y) {
    SendMessageA(appState.topology, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
}

void MouseMove(int x, int y, WPARAM keys) {
    SendMessageA(appState.topology, WM_MOUSEMOVE, keys, PointParam(x, y));
}

void MouseUp(int x, int y) {
    SendMessageA(appState.topology, WM_LBUTTONUP, 0, PointParam(x, y));
}

void PressKey(HWND window, WPARAM key, bool control, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SetFocus(window);
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PumpMessages();
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void Click(int x, int y) {
    MouseDown(x, y);
    MouseUp(x, y);
}

void DoubleClick(int x, int y) {
    Click(x, y);
    SendMessageA(appState.topology, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(x, y));
    MouseUp(x, y);
}

void Command(UINT id) {
    SendMessageA(appState.topology, WM_COMMAND, id, 0);
}

bool MenuChecked(UINT command) {
    return GetMenuState(GetMenu(appState.topology), command, MF_BYCOMMAND) & MF_CHECKED;
}

void PickSymbol(int category, int image) {
    ArmPaletteSymbol(category, image);
}

void ArmTool(int tool, int cableType) {
    ArmTool(appState.session, tool, cableType);
    NotifyChange(CHANGED_TOOL);
}

Pixels ReadBitmapPixels(HBITMAP bitmap) {
    Pixels pixels;
    BITMAP description = {};
    if (!GetObjectA(bitmap, sizeof description, &description))
        return pixels;
    pixels.width = description.bmWidth;
    pixels.height = description.bmHeight;
    BITMAPINFO info = TopDownPixelInfo(pixels.width, pixels.height);
    pixels.rgb.resize(size_t(pixels.width) * pixels.height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, pixels.height, pixels.rgb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (unsigned& value : pixels.rgb)
        value &= 0xFFFFFF;
    return pixels;
}

Pixels ReadWindowPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC windowDC = GetDC(window);
    HDC memory = CreateCompatibleDC(windowDC);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, windowDC, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    Pixels pixels = ReadBitmapPixels(bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowDC);
    return pixels;
}

RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

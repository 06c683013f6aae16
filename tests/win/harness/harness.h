// Drives the real program in-process: starts the topology window as start-up does, answers message
// boxes and modal dialogs, sends mouse messages and reads pixels back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/gdi_objects.h"
#include "platform/test_hooks.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A message box or modal dialog that appeared, with the text of its message (if a message box).
struct SeenDialog {
    std::string caption;
    std::string text;
};

// Modal windows are answered in order by queued responders, run from a timer inside the modal loop.
// A window with no responder is dismissed (No, Cancel or close) and still recorded.
using Responder = std::function<void(HWND dialog)>;
void RespondNext(Responder responder);
void AnswerNextBox(int button);  // IDYES, IDNO, IDOK, IDCANCEL
const std::vector<SeenDialog>& SeenDialogs();
void ForgetSeenDialogs();
std::vector<std::string> BoxTexts();  // "caption: text" of each message box seen
size_t PendingResponders();
void PressButton(HWND dialog, int id);  // a click on a push button, posted
// Answers the next modal window, a common file dialog, by typing the name and confirming it.
void RespondWithFileName(const std::string& name);
constexpr int FILE_NAME_FIELD = 0x47c;  // the file name box of the common file dialogs
// For use inside a responder: sends the message to the dialog and tells whether that ended it (the
// dialog is shown first, as the dialog manager would once idle; an ended dialog is hidden).
bool EndsDialog(HWND dialog, UINT message, WPARAM wParam = 0);

// Processes pending messages for a short while.
void PumpMessages(DWORD milliseconds = 30);

// A fresh folder made the current directory, removed again at the end of the scope.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
    std::string previous_;
};

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Writes name -> bytes under the folder, creating the folder of a name that has one.
void WriteLibrary(const std::string& folder, const std::vector<std::pair<std::string, std::string>>& files);
// The names of the files (not folders) in a folder, sorted.
std::vector<std::string> FileNames(const std::string& folder);
// Makes folders of 40-byte names under base until the path is exactly `length` bytes long.
std::string MakeDeepFolder(const std::string& base, size_t length);
// Tests replace fields of the system calls record (platform/test_hooks.h); the real calls are put
// back at the end of every test, or earlier by this.
void RestoreSystemCalls();
// Windows' limits on GDI, through the system calls: after `budget` more objects every creation
// fails, as at the quota, and bitmaps of more than `largestBitmap` pixels fail, as from a full pool;
// -1 means no limit.
void LimitGdi(long budget, long largestBitmap = -1);
// For systemCalls.writeFile: writes the first half of what is asked, then fails as a full disk does (112).
BOOL WINAPI FullDiskWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// The same for every file but pictures (.bmp): the catalogue fails, copies of pictures succeed.
BOOL WINAPI FullDiskCatalogueWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// Opens a file as another program would hold it: no sharing at all. Closed at the end of the scope.
class HeldOpenFile {
  public:
    explicit HeldOpenFile(const std::string& path);
    ~HeldOpenFile();
    HeldOpenFile(const HeldOpenFile&) = delete;
    HeldOpenFile& operator=(const HeldOpenFile&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void RemoveTree(const std::string& path);

// Starts the program in the current directory as WinMain does; ends it as a confirmed close does.
void StartProgram();
void EndProgram();

// What the program finds in its folder at start: Symbol.txt (none unless given: start-up makes an
// empty one) and files by name relative to the folder. Built by chained calls, e.g.
// TestLibrary().Symbol(CATEGORY_HUB, "h1.bmp", FramedBmp(RED)).
struct TestLibrary {
    std::optional<std::string> catalogue;
    std::vector<std::pair<std::string, std::string>> files;

    TestLibrary& Catalogue(std::string text);
    TestLibrary& File(std::string name, std::string bytes);
    // A record of the category for a picture in the Symbol folder.
    TestLibrary& Symbol(int category, const std::string& name, std::string bytes);
    void WriteInto(const std::string& folder) const;
};

// The one fixture of the window tests: the program running in a temporary folder that holds the
// library given, started by SetUp; with no library given, each test starts it by Start.
class ProgramTest : public ::testing::Test {
  protected:
    explicit ProgramTest(std::optional<TestLibrary> library = TestLibrary()) : library_(std::move(library)) {}
    void SetUp() override;
    void TearDown() override;
    // Ends a running program, writes the library into the folder and starts the program there.
    void Start(const TestLibrary& library);
    void Start(const std::string& catalogue, const std::vector<std::pair<std::string, std::string>>& files = {});
    std::string Catalogue() const { return folder.File("Symbol.txt"); }
    TempFolder folder;

  private:
    std::optional<TestLibrary> library_;
};

// Mouse messages to the topology window's client area.
LPARAM PointParam(int x, int y);
void MouseDown(int x, int y);
void MouseMove(int x, int y, WPARAM keys = MK_LBUTTON);
void MouseUp(int x, int y);
void Click(int x, int y);
// A click, then the second press of a double-click.
void DoubleClick(int x, int y);
// A key message to the window, given the focus, through the message loop; Ctrl and Shift held as
// asked.
void PressKey(HWND window, WPARAM key, bool control = false, bool shift = false);
// Commands to the topology window, as its menu sends them, and tools armed as the symbol window arms them.
void Command(UINT id);
bool MenuChecked(UINT command);
void PickSymbol(int category, int image);
void ArmTool(int tool, int cableType = 0);

// Pixels of a bitmap as 0x00RRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned> rgb;
    unsigned at(int x, int y) const { return rgb[size_t(y) * width + x]; }
};
Pixels ReadBitmapPixels(HBITMAP bitmap);
Pixels ReadWindowPixels(HWND window);  // client area, as drawn
// A window's rectangle on the screen, and the part of the screen the taskbar leaves free.
RECT OuterRect(HWND window);
RECT WorkArea();

constexpr unsigned RGB_WHITE = 0xFFFFFF;
constexpr unsigned RGB_BLACK = 0x000000;

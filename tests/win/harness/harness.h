// Drives the real program in-process: starts the topology window as start-up does, answers message
// boxes and modal dialogs, sends mouse messages and reads pixels back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
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
size_t PendingResponders();
void PressButton(HWND dialog, int id);  // a click on a push button, posted
// Answers the next modal window, a common file dialog, by typing the name and confirming it.
void RespondWithFileName(const std::string& name);
constexpr int FILE_NAME_FIELD = 0x47c;  // the file name box of the common file dialogs

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
// For writeFileCall: writes the first half of what is asked, then fails as a full disk does (112).
BOOL WINAPI FullDiskWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
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

// Test fixture: a temporary library folder with the program running in it.
class ProgramTest : public ::testing::Test {
protected:
    // Files to put into the library before start (name relative to the folder, contents).
    virtual void PrepareLibrary(TempFolder&) {}
    void SetUp() override;
    void TearDown() override;
    TempFolder folder;
};

// Mouse messages to the topology window's client area.
LPARAM PointParam(int x, int y);
void MouseDown(int x, int y);
void MouseMove(int x, int y, WPARAM keys = MK_LBUTTON);
void MouseUp(int x, int y);
void Click(int x, int y);

// Pixels of a bitmap as 0x00RRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned> rgb;
    unsigned at(int x, int y) const { return rgb[size_t(y) * width + x]; }
};
Pixels ReadBitmapPixels(HBITMAP bitmap);
// Describes a 32-bit device-independent bitmap, top row first.
BITMAPINFO TopDownInfo(int width, int height);
Pixels ReadWindowPixels(HWND window);  // client area, as drawn

constexpr unsigned RGB_WHITE = 0xFFFFFF;
constexpr unsigned RGB_BLACK = 0x000000;

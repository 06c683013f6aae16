// The real nexadraw.exe, started as a user would, driven from outside its process.
#include "harness.h"

namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\')) + "\\nexadraw.exe";
}

struct Search {
    DWORD process;
    std::string className;
    std::string title;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "", title[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    if (process == search.process && IsWindowVisible(window) && (search.className.empty() || search.className == name) &&
        (search.title.empty() || search.title == title)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD process, const std::string& className, const std::string& title) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        Search search{process, className, title, nullptr};
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

class ProgramProcess {
public:
    explicit ProgramProcess(const std::string& folder) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramPath() + "\"";
        started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                                  &info_);
    }
    ~ProgramProcess() {
        if (!started_)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    bool started() const { return started_; }
    DWORD id() const { return info_.dwProcessId; }
    bool Ended(DWORD milliseconds) const { return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

TEST(ProgramProcessTest, StartsWithoutALibraryAsksBeforeClosingAndEndsWithZero) {
    TempFolder folder;  // no Symbol.txt in it
    ProgramProcess program(folder.path());
    ASSERT_TRUE(program.started());
    HWND window = WaitForWindow(program.id(), "topology_window", "Nexadraw [トポロジウィンドウ]");
    ASSERT_TRUE(window) << "the topology window did not appear";

    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND question = WaitForWindow(program.id(), "#32770", "確認");
    ASSERT_TRUE(question);
    char text[128] = "";
    GetDlgItemTextA(question, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "終了してもよろしいですか");
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_FALSE(program.Ended(500)) << "No must keep the program running";
    EXPECT_TRUE(IsWindow(window));

    PostMessageA(window, WM_CLOSE, 0, 0);
    question = WaitForWindow(program.id(), "#32770", "確認");
    ASSERT_TRUE(question);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(program.Ended(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace

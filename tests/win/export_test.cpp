// Saving the canvas as a BMP file: the save dialog, the file's bytes, and failures that must
// never cost the user an existing file.
#include "bmp_files.h"
#include "canvas_helpers.h"

#include <algorithm>
#include <cstring>

#include "windows/app_state.h"
#include "core/edit_session.h"
#include "windows/menu_commands.h"
#include "core/bmp_layout.h"
#include "export/bmp_export.h"
#include "platform/files.h"
#include "render/canvas.h"
#include "resources/resource.h"

namespace {

uint32_t U32(const std::string& bytes, size_t offset) {
    uint32_t value;
    memcpy(&value, bytes.data() + offset, 4);
    return value;
}

class ExportTest : public ProgramTest {
  protected:
    ExportTest() : ProgramTest(RouterPictures({0xFF0000, 0x00FF00})) {}
    void SetUp() override {
        ProgramTest::SetUp();
        appState.saveFileName[0] = '\0';
    }
    // Exports straight to a name, as Save As does once the dialog confirmed it.
    std::string Export(const std::string& name) {
        const std::string path = folder.File(name);
        strcpy(appState.saveFileName, path.c_str());
        Repaint();
        ExportCanvas(appState.topology);
        return ReadFileBytes(path);
    }
    // The files beside the export but the library's catalogue.
    std::vector<std::string> FolderFiles(const std::string& where = "") {
        std::vector<std::string> names = FileNames(where.empty() ? folder.path() : where);
        names.erase(std::remove(names.begin(), names.end(), "Symbol.txt"), names.end());
        return names;
    }
};

// The save dialog as Windows answers a typed name of 300 characters: the name when the buffer
// holds it, else a failure (FNERR_BUFFERTOOSMALL). Wine's own dialog overruns a buffer of its own.
BOOL WINAPI TypeLongName(LPOPENFILENAMEA request) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::string name = std::string(current) + "\\" + std::string(299 - strlen(current), 'n');
    if (request->nMaxFile <= name.size())
        return FALSE;
    strcpy(request->lpstrFile, name.c_str());
    return TRUE;
}

TEST_F(ExportTest, SaveAsThroughTheDialogWritesTheDefaultCanvas) {
    const std::string typed = folder.File("diagram");  // no extension: "bmp" is added
    RespondWithFileName(typed);
    SendMessageA(appState.topology, WM_COMMAND, IDM_FILE_SAVE_AS, 0);
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "ファイルを保存");
    EXPECT_EQ(std::string(appState.saveFileName), typed + ".bmp");

    const std::string bytes = ReadFileBytes(typed + ".bmp");
    ASSERT_EQ(bytes.size(), 600054u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(U32(bytes, 2), 600054u);
    EXPECT_EQ(U32(bytes, 6), 0u);
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 14), 40u);
    EXPECT_EQ(U32(bytes, 18), 500u);
    EXPECT_EQ(U32(bytes, 22), 400u);
    EXPECT_EQ(U32(bytes, 26), 1u | (24u << 16));  // planes, bits per pixel
    EXPECT_EQ(U32(bytes, 30), 0u);
    EXPECT_EQ(U32(bytes, 34), 600000u);
    for (size_t offset = 38; offset < 54; offset += 4)
        EXPECT_EQ(U32(bytes, offset), 0u) << offset;
    EXPECT_EQ(bytes.find_first_not_of('\xFF', 54), std::string::npos)
        << "an empty appState.session.diagram is all white";

    // The next Save As offers the same name; Cancel writes nothing and says nothing.
    RespondNext([&](HWND dialog) {
        char offered[MAX_PATH] = "";
        GetDlgItemTextA(dialog, FILE_NAME_FIELD, offered, MAX_PATH);
        EXPECT_NE(std::string(offered).find("diagram"), std::string::npos);
        PressButton(dialog, IDCANCEL);
    });
    AddTestSymbol(0, 10, 10);
    SendMessageA(appState.topology, WM_COMMAND, IDM_FILE_SAVE_AS, 0);
    EXPECT_EQ(SeenDialogs().size(), 2u);
    EXPECT_EQ(ReadFileBytes(typed + ".bmp"), bytes);

    // A name longer than a path may be is refused with a message; the program and its diagram go on.
    systemCalls.saveDialog = TypeLongName;
    SendMessageA(appState.topology, WM_COMMAND, IDM_FILE_SAVE_AS, 0);
    RestoreSystemCalls();
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0].rfind("Error: ファイル名 (フォルダを含む) が長すぎるため", 0), 0u) << BoxTexts()[0];
    EXPECT_EQ(std::string(appState.saveFileName), typed + ".bmp");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"diagram.bmp"});
    EXPECT_EQ(DiagramSymbols().size(), 1u);
}

TEST_F(ExportTest, RowsAreBottomUpPaddedAndIndependentOfZoomAndScroll) {
    ASSERT_TRUE(ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, 501, 300));
    AddTestSymbol(0, 0, 0);    // red in the top-left corner
    AddTestSymbol(1, 0, 250);  // green in the bottom-left corner
    appState.session.selectedId = AddTestSymbol(0, 300, 100)->id;
    const std::string bytes = Export("a.bmp");
    ASSERT_EQ(bytes.size(), 54u + 1504u * 300u);
    EXPECT_EQ(U32(bytes, 34), 1504u * 300u);
    for (int row = 0; row < 300; ++row)
        ASSERT_EQ(bytes[54 + row * 1504 + 1503], '\0') << "row " << row;
    // The first row in the file is the canvas's bottom row.
    EXPECT_EQ(bytes.substr(54, 3), std::string("\x00\xFF\x00", 3));
    EXPECT_EQ(bytes.substr(54 + 299 * 1504, 3), std::string("\x00\x00\xFF", 3));

    // The file holds exactly the composed picture, selection frame included.
    int32_t width = 0, height = 0;
    std::vector<uint32_t> decoded;
    ASSERT_TRUE(DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &width, &height, &decoded));
    const Pixels canvas = ReadBitmapPixels(appState.canvas.bitmap());
    ASSERT_EQ(decoded.size(), canvas.rgb.size());
    EXPECT_TRUE(decoded == std::vector<uint32_t>(canvas.rgb.begin(), canvas.rgb.end()));
    EXPECT_EQ(canvas.at(299, 120), RGB_BLACK);

    appState.view = {2.0f, 37, 11};
    EXPECT_EQ(Export("b.bmp"), bytes);
}

TEST_F(ExportTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(WriteFileBytes(folder.File("kept.bmp"), "old picture"));
    systemCalls.writeFile = FullDiskWrite;
    Export("kept.bmp");
    EXPECT_EQ(ReadFileBytes(folder.File("kept.bmp")), "old picture");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"kept.bmp"});
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "Error");
    EXPECT_EQ(SeenDialogs()[0].text.rfind("ビットマップ ファイルを保存できませんでした。", 0), 0u)
        << SeenDialogs()[0].text;
    EXPECT_NE(SeenDialogs()[0].text.find("(エラー コード: 112)"), std::string::npos) << SeenDialogs()[0].text;

    RestoreSystemCalls();  // the disk has room again
    EXPECT_EQ(Export("kept.bmp").size(), 600054u);
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"kept.bmp"});
}

// Moves and removals that fail as while a scanner holds the file for a moment: `failures` times
// (-1: always) with the given error. Counts the tries of the move.
int moveFailures, deleteFailures, moveTries;
DWORD moveError;
BOOL WINAPI BrieflyLockedMove(LPCSTR from, LPCSTR to, DWORD flags) {
    ++moveTries;
    if (moveFailures == 0)
        return MoveFileExA(from, to, flags);
    moveFailures -= moveFailures > 0;
    SetLastError(moveError);
    return FALSE;
}
BOOL WINAPI BrieflyLockedDelete(LPCSTR path) {
    if (deleteFailures == 0)
        return DeleteFileA(path);
    --deleteFailures;
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
}

// The finished file waits out a lock of up to about a second; past that, or on another error, the
// old file stays and the temporary file goes, even when it is itself held for a moment.
TEST_F(ExportTest, ReplacingWaitsOutABriefLockAndLeavesNothingBehind) {
    struct Case {
        int failures;
        DWORD error;
        bool saved;
    };
    const Case cases[] = {
        {3, ERROR_SHARING_VIOLATION, true},   {2, ERROR_ACCESS_DENIED, true},     {1, ERROR_LOCK_VIOLATION, true},
        {-1, ERROR_SHARING_VIOLATION, false}, {-1, ERROR_NOT_SAME_DEVICE, false},  // no lock: no second try
    };
    systemCalls.moveFile = BrieflyLockedMove;
    systemCalls.deleteFile = BrieflyLockedDelete;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.failures << " x " << c.error);
        ASSERT_TRUE(WriteFileBytes(folder.File("kept.bmp"), "old"));
        ForgetSeenDialogs();
        moveFailures = c.failures;
        moveError = c.error;
        moveTries = 0;
        deleteFailures = 2;
        const std::string bytes = Export("kept.bmp");
        EXPECT_EQ(FolderFiles(), std::vector<std::string>{"kept.bmp"});
        if (c.saved) {
            EXPECT_EQ(bytes.size(), 600054u);
            EXPECT_EQ(moveTries, c.failures + 1);
            EXPECT_TRUE(SeenDialogs().empty());
            continue;
        }
        EXPECT_EQ(bytes, "old");
        ASSERT_EQ(SeenDialogs().size(), 1u);
        EXPECT_NE(SeenDialogs()[0].text.find("(エラー コード: " + std::to_string(c.error) + ")"), std::string::npos);
        if (c.error == ERROR_SHARING_VIOLATION)
            EXPECT_GT(moveTries, 1) << "a lock is waited out";
        else
            EXPECT_EQ(moveTries, 1);
    }
}

TEST_F(ExportTest, UnwritableTargetsShowTheCreateFileErrorAndChangeNothing) {
    ASSERT_TRUE(WriteFileBytes(folder.File("locked.bmp"), "read-only picture"));
    SetFileAttributesA(folder.File("locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    Export("locked.bmp");
    EXPECT_EQ(ReadFileBytes(folder.File("locked.bmp")), "read-only picture");

    ASSERT_TRUE(WriteFileBytes(folder.File("hidden.bmp"), "hidden picture"));
    SetFileAttributesA(folder.File("hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Export("hidden.bmp");
    EXPECT_EQ(ReadFileBytes(folder.File("hidden.bmp")), "hidden picture");
    ASSERT_TRUE(WriteFileBytes(folder.File("open.bmp"), "picture in use"));
    {
        HeldOpenFile inUse(folder.File("open.bmp"));
        ASSERT_TRUE(inUse.ok());
        Export("open.bmp");
    }
    EXPECT_EQ(ReadFileBytes(folder.File("open.bmp")), "picture in use");

    Export("no such folder\\x.bmp");
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"hidden.bmp", "locked.bmp", "open.bmp"}));
    ASSERT_EQ(SeenDialogs().size(), 4u);
    for (const SeenDialog& box : SeenDialogs()) {
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.text, "Error CreaeFile");
    }
    SetFileAttributesA(folder.File("locked.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(folder.File("hidden.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Remembers the file that the export writes to, then writes.
std::string writtenFile;
BOOL WINAPI RecordingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    char path[MAX_PATH * 2] = "";
    GetFinalPathNameByHandleA(file, path, sizeof path, 0);
    writtenFile = path;
    return WriteFile(file, data, size, written, overlapped);
}

// The temporary file is made beside the target whatever the folder: Japanese names whose second
// byte is a backslash, and folders too deep for the system's temporary names.
TEST_F(ExportTest, TargetsInJapaneseAndDeepFoldersAreWritten) {
    ASSERT_TRUE(CreateDirectoryA(folder.File("表").c_str(), nullptr));
    systemCalls.writeFile = RecordingWrite;
    EXPECT_EQ(Export("表\\ネットワーク構成図.bmp").size(), 600054u);
    RestoreSystemCalls();
    EXPECT_NE(writtenFile.find("\\表\\~"), std::string::npos) << writtenFile;
    EXPECT_EQ(FolderFiles(folder.File("表")), std::vector<std::string>{"ネットワーク構成図.bmp"});

    // 251 bytes of folders and a 5-byte name: the path fits, a 14-byte temporary name would not.
    const std::string deep = MakeDeepFolder(folder.path(), 251);
    const std::string target = deep.substr(folder.path().size() + 1) + "\\a.bmp";
    ASSERT_TRUE(WriteFileBytes(folder.File(target), "old"));
    EXPECT_EQ(Export(target).size(), 600054u);
    EXPECT_TRUE(SeenDialogs().empty());
    EXPECT_EQ(FolderFiles(deep), std::vector<std::string>{"a.bmp"});
}

TEST_F(ExportTest, CanvasTooLargeForTheFileFormatIsRefused) {
    ASSERT_TRUE(WriteFileBytes(folder.File("big.bmp"), "old"));
    // 40000 x 40000 x 3 bytes do not fit in 32 bits; refused before a pixel is read.
    const uint32_t pixel = 0;
    EXPECT_EQ(WriteCanvasBmp(&pixel, 40000, 40000, folder.File("big.bmp").c_str()).stage, ExportStage::TOO_LARGE);
    EXPECT_EQ(ReadFileBytes(folder.File("big.bmp")), "old");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"big.bmp"});
}

}  // namespace

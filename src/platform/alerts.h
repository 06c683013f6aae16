// Every message box the program shows, and the texts of the resource script it shows in them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// A string resource in the program's code page, and one with its %-fields filled (printf's rules).
std::string LoadText(UINT textId);
std::string FormatText(UINT textId, ...);
// A file dialog's filter: its "|" become the NULs that part its strings.
std::string LoadFilterText(UINT textId);

// The boxes users know by their captions.
enum class AlertKind {
    ERROR_BOX,           // "エラー" with the error icon
    PLAIN_ERROR_BOX,     // "Error", no icon: the boxes of Save As and of the message loop
    NOTICE_BOX,          // "Message", OK only
    OK_CANCEL_QUESTION,  // "確認" with the question icon
    YES_NO_QUESTION,
};

// The alert: a text of the resource script, or one made of several, in a box of the kind. True when
// the user chose OK or Yes.
bool Alert(HWND owner, AlertKind kind, UINT textId);
bool Alert(HWND owner, AlertKind kind, const std::string& text);

// Which operation failed, named in the message for codes without a fixed text; in the order of
// their texts (IDS_FAILED_FIRST + operation).
enum class FileOperation {
    FILE_ACCESS,
    OPEN_CATALOGUE,
    ADD_SYMBOL,
    DELETE_SYMBOL,
    REMOVE_IMAGE_FILE,
    EXPORT,
    OPEN_WEB_ADDRESS,
};

// The message for a failed file operation: the fixed text users know for a code, else what failed,
// the system's description of the code and the code itself.
std::string FileErrorMessage(DWORD code, FileOperation operation);
// That message in an error box, for every non-zero code.
void ShowFileError(HWND owner, DWORD code, FileOperation operation = FileOperation::FILE_ACCESS);

// The shell could not open the web address: what failed and what its code (ShellExecuteA's result,
// 0 to 32) means, in an error box.
void ShowWebAddressError(HWND owner, int shellCode);

// Why an operation on the library cannot be done when start-up found no usable folder for it.
void ShowNoLibraryError(HWND owner, FileOperation operation);

// Every text of the program is code page 932; under any other ANSI code page it comes out garbled.
// Says so in UTF-16, which reads correctly whatever the code page, in Japanese and in English.
void ShowCodePageWarning();

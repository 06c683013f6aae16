// Every message box the program shows, with the captions users know. The texts of failed file
// operations come from core/file_errors; these add the system's description of a code.
#pragma once
#include <windows.h>

#include <string>

#include "core/file_errors.h"

// "エラー" with the error icon.
void ShowError(HWND owner, const char* text);
// Caption "Error", no icon: the boxes of Save As and of the message loop.
void ShowPlainError(HWND owner, const char* text);
// A plain notice with its own caption, OK only.
void ShowNotice(HWND owner, const char* text, const char* caption);

// "確認" boxes; true when the user chose OK or Yes.
bool ConfirmOkCancel(HWND owner, const char* text);
bool ConfirmYesNo(HWND owner, const char* text);

// The message for a failed file operation: the fixed text of a known code, else what failed, the
// system's description of the code and the code itself.
std::string FileErrorMessage(DWORD code, FileOperation operation);
// That message in an error box, for every non-zero code.
void ShowFileError(HWND owner, DWORD code, FileOperation operation = FileOperation::FILE_ACCESS);

// Why an operation on the library cannot be done when start-up found no usable folder for it.
void ShowNoLibraryError(HWND owner, FileOperation operation);

// Every text of the program is code page 932; under any other ANSI code page it comes out garbled.
// Says so in UTF-16, which reads correctly whatever the code page, in Japanese and in English.
void ShowCodePageWarning();

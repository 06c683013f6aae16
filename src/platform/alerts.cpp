#include "platform/alerts.h"

#include <shellapi.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "resources/resource.h"

static HINSTANCE Resources() {
    return GetModuleHandleA(nullptr);
}

std::string LoadText(UINT textId) {
    // The ANSI call converts the resource's UTF-16 to the code page; a text of up to 4,096 bytes.
    std::vector<char> text(4097, '\0');
    const int length = LoadStringA(Resources(), textId, text.data(), int(text.size()));
    return std::string(text.data(), size_t(length > 0 ? length : 0));
}

std::string FormatText(UINT textId, ...) {
    const std::string format = LoadText(textId);
    va_list arguments;
    va_start(arguments, textId);
    std::vector<char> text(format.size() + 1024, '\0');
    std::vsnprintf(text.data(), text.size(), format.c_str(), arguments);
    va_end(arguments);
    return text.data();
}

std::string LoadFilterText(UINT textId) {
    std::string filter = LoadText(textId);
    for (char& ch : filter)
        if (ch == '|')
            ch = '\0';
    return filter;
}

bool Alert(HWND owner, AlertKind kind, UINT textId) {
    return Alert(owner, kind, LoadText(textId));
}

bool Alert(HWND owner, AlertKind kind, const std::string& text) {
    UINT caption = IDS_CAPTION_ERROR, style = MB_OK | MB_ICONERROR;
    switch (kind) {
        case AlertKind::ERROR_BOX:
            break;
        case AlertKind::PLAIN_ERROR_BOX:
            caption = IDS_CAPTION_PLAIN_ERROR;
            style = MB_OK;
            break;
        case AlertKind::NOTICE_BOX:
            caption = IDS_CAPTION_NOTICE;
            style = MB_OK;
            break;
        case AlertKind::OK_CANCEL_QUESTION:
            caption = IDS_CAPTION_CONFIRM;
            style = MB_OKCANCEL | MB_ICONQUESTION;
            break;
        case AlertKind::YES_NO_QUESTION:
            caption = IDS_CAPTION_CONFIRM;
            style = MB_YESNO | MB_ICONQUESTION;
            break;
    }
    const int answer = MessageBoxA(owner, text.c_str(), LoadText(caption).c_str(), style);
    return answer == IDOK || answer == IDYES;
}

// The fixed texts users know for system error codes: file not found, path not found, access
// denied, not ready, file exists, request aborted.
struct FixedText {
    DWORD code;
    UINT textId;
};
static const FixedText FIXED_TEXTS[] = {
    {ERROR_FILE_NOT_FOUND, IDS_FILE_NOT_FOUND}, {ERROR_PATH_NOT_FOUND, IDS_PATH_NOT_FOUND},
    {ERROR_ACCESS_DENIED, IDS_ACCESS_DENIED},   {ERROR_NOT_READY, IDS_NOT_READY},
    {ERROR_FILE_EXISTS, IDS_FILE_EXISTS},       {ERROR_REQUEST_ABORTED, IDS_REQUEST_ABORTED},
};

static UINT FailedOperationText(FileOperation operation) {
    return IDS_FAILED_FIRST + UINT(operation);
}

std::string FileErrorMessage(DWORD code, FileOperation operation) {
    // A picture left behind by a delete that went ahead, or an address the shell could not open: the
    // fixed texts speak of library files and would mislead.
    if (operation != FileOperation::REMOVE_IMAGE_FILE && operation != FileOperation::OPEN_WEB_ADDRESS)
        for (const FixedText& fixed : FIXED_TEXTS)
            if (fixed.code == code)
                return LoadText(fixed.textId);
    std::string text = LoadText(FailedOperationText(operation));
    char* reason = nullptr;
    if (FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&reason), 0, nullptr) &&
        reason) {
        std::string line = reason;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            text += "\r\n\r\n" + line;
    }
    if (reason)
        LocalFree(reason);
    return text + "\r\n" + FormatText(IDS_ERROR_CODE, static_cast<unsigned long>(code));
}

void ShowFileError(HWND owner, DWORD code, FileOperation operation) {
    if (code != 0)
        Alert(owner, AlertKind::ERROR_BOX, FileErrorMessage(code, operation));
}

// The shell's own codes, which are not system error codes: 31 would read "device not functioning".
struct ShellText {
    int code;
    UINT textId;
};
static const ShellText SHELL_TEXTS[] = {
    {0, IDS_SHELL_OUT_OF_RESOURCES},
    {ERROR_FILE_NOT_FOUND, IDS_SHELL_FILE_NOT_FOUND},
    {ERROR_PATH_NOT_FOUND, IDS_SHELL_PATH_NOT_FOUND},
    {SE_ERR_ACCESSDENIED, IDS_SHELL_ACCESS_DENIED},
    {SE_ERR_OOM, IDS_SHELL_OUT_OF_MEMORY},
    {ERROR_BAD_FORMAT, IDS_SHELL_BAD_FORMAT},
    {SE_ERR_SHARE, IDS_SHELL_SHARING},
    {SE_ERR_ASSOCINCOMPLETE, IDS_SHELL_ASSOCIATION_INCOMPLETE},
    {SE_ERR_DDETIMEOUT, IDS_SHELL_DDE},
    {SE_ERR_DDEFAIL, IDS_SHELL_DDE},
    {SE_ERR_DDEBUSY, IDS_SHELL_DDE},
    {SE_ERR_NOASSOC, IDS_SHELL_NO_ASSOCIATION},
    {SE_ERR_DLLNOTFOUND, IDS_SHELL_DLL_NOT_FOUND},
};

void ShowWebAddressError(HWND owner, int shellCode) {
    UINT reason = IDS_SHELL_UNKNOWN;
    for (const ShellText& text : SHELL_TEXTS)
        if (text.code == shellCode)
            reason = text.textId;
    Alert(owner, AlertKind::ERROR_BOX,
          LoadText(FailedOperationText(FileOperation::OPEN_WEB_ADDRESS)) + "\r\n\r\n" + LoadText(reason) + "\r\n" +
              FormatText(IDS_SHELL_CODE, shellCode));
}

void ShowNoLibraryError(HWND owner, FileOperation operation) {
    Alert(owner, AlertKind::ERROR_BOX,
          LoadText(FailedOperationText(operation)) + "\r\n\r\n" + LoadText(IDS_NO_LIBRARY_FOR_OPERATION));
}

// The wide call gives the resource's own UTF-16, which no code page can garble.
static std::wstring LoadWideText(UINT textId) {
    std::vector<wchar_t> text(4097, L'\0');
    const int length = LoadStringW(Resources(), textId, text.data(), int(text.size()));
    return std::wstring(text.data(), size_t(length > 0 ? length : 0));
}

void ShowCodePageWarning() {
    MessageBoxW(nullptr, LoadWideText(IDS_CODE_PAGE_WARNING).c_str(), LoadWideText(IDS_CAPTION_PROGRAM).c_str(),
                MB_OK | MB_ICONWARNING);
}

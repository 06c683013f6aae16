#include "platform/message_box.h"

void ShowError(HWND owner, const char* text) {
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONERROR);
}

void ShowPlainError(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Error", MB_OK);
}

void ShowNotice(HWND owner, const char* text, const char* caption) {
    MessageBoxA(owner, text, caption, MB_OK);
}

bool ConfirmOkCancel(HWND owner, const char* text) {
    return MessageBoxA(owner, text, "確認", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

bool ConfirmYesNo(HWND owner, const char* text) {
    return MessageBoxA(owner, text, "確認", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::string FileErrorMessage(DWORD code, FileOperation operation) {
    if (const char* fixed = FixedFileErrorText(code, operation))
        return fixed;
    std::string text = FailedOperationText(operation);
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
    return text + "\r\n(エラー コード: " + std::to_string(code) + ")";
}

void ShowFileError(HWND owner, DWORD code, FileOperation operation) {
    if (code != 0)
        ShowError(owner, FileErrorMessage(code, operation).c_str());
}

void ShowCodePageWarning() {
    MessageBoxW(nullptr,
                L"このプログラムは日本語のコード ページ (932) で動作します。現在のシステムの設定では、画面の文字や"
                L"日本語のファイル名が正しく扱えません。Windows の「地域」の設定で、Unicode 対応でないプログラムの"
                L"言語を日本語にしてください (「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」はオフ)。"
                L"\r\n\r\nThis program needs the Japanese code page (932); with the current system settings its "
                L"text and Japanese file names come out garbled.",
                L"Nexadraw", MB_OK | MB_ICONWARNING);
}

void ShowNoLibraryError(HWND owner, FileOperation operation) {
    const std::string text =
        std::string(FailedOperationText(operation)) +
        "\r\n\r\nプログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリを使用できません。";
    ShowError(owner, text.c_str());
}

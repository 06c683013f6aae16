#include "core/file_errors.h"

struct FileErrorText {
    uint32_t code;
    const char* text;
};

// System error codes: file not found, path not found, access denied, not ready, file exists,
// request aborted. Access denied is shown with this text too, whatever it seems to say.
static const FileErrorText FILE_ERROR_TEXTS[] = {
    {2, "ファイル名が間違っています。"},
    {3, "存在しないディレクトリです。"},
    {5, "ファイル名が指定されていません。"},
    {21, "ドライブの準備ができていません。"},
    {80, "同じ名前のファイルが既に存在しています。"},
    {1235, "ドライブのアクセスに失敗しました。"},
};

const char* FixedFileErrorText(uint32_t code, FileOperation operation) {
    // A picture left behind by a delete that went ahead, or an address the shell could not open: the
    // table's texts speak of library files and would mislead.
    if (operation == FileOperation::REMOVE_IMAGE_FILE || operation == FileOperation::OPEN_WEB_ADDRESS)
        return nullptr;
    for (const FileErrorText& entry : FILE_ERROR_TEXTS) {
        if (entry.code == code)
            return entry.text;
    }
    return nullptr;
}

const char* FailedOperationText(FileOperation operation) {
    switch (operation) {
        case FileOperation::OPEN_CATALOGUE:
            return "シンボル ファイル (Symbol.txt) を開けませんでした。";
        case FileOperation::ADD_SYMBOL:
            return "シンボルを追加できませんでした。";
        case FileOperation::DELETE_SYMBOL:
            return "シンボルを削除できませんでした。";
        case FileOperation::REMOVE_IMAGE_FILE:
            return "シンボルはパレットとシンボル ファイル (Symbol.txt) から削除しましたが、Symbol "
                   "フォルダの画像ファイルは削除できずに残っています。";
        case FileOperation::EXPORT:
            return "ビットマップ ファイルを保存できませんでした。";
        case FileOperation::OPEN_WEB_ADDRESS:
            return "Web アドレスを開けませんでした。";
        case FileOperation::FILE_ACCESS:
            break;
    }
    return "ファイルの操作に失敗しました。";
}

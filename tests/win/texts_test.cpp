// The program's texts come from its resource script: each must reach the program as the very bytes
// of code page 932 that the program showed before, whatever conversion lies between.
#include "harness.h"

#include "platform/alerts.h"
#include "resources/resource.h"

namespace {

TEST(TextsTest, EveryTextIsTheProgramsOwnByteForByte) {
    const std::pair<UINT, const char*> texts[] = {
        {IDS_CAPTION_ERROR, "エラー"},
        {IDS_CAPTION_PLAIN_ERROR, "Error"},
        {IDS_CAPTION_NOTICE, "Message"},
        {IDS_CAPTION_CONFIRM, "確認"},
        {IDS_CAPTION_PROGRAM, "Nexadraw"},
        {IDS_TOPOLOGY_TITLE, "Nexadraw [トポロジウィンドウ]"},
        {IDS_CATEGORY_FIRST, "ルータ"},
        {IDS_CATEGORY_FIRST + 1, "ハブ"},
        {IDS_CATEGORY_FIRST + 2, "ホスト"},
        {IDS_CATEGORY_FIRST + 3, "クラウド"},
        {IDS_CATEGORY_FIRST + 4, "アザー"},
        {IDS_SORT_CREATION, "作成順"},
        {IDS_SORT_NAME, "名前順"},
        {IDS_FILTER_ALL, "全て"},
        {IDS_FILE_NOT_FOUND, "ファイル名が間違っています。"},
        {IDS_PATH_NOT_FOUND, "存在しないディレクトリです。"},
        {IDS_ACCESS_DENIED, "ファイル名が指定されていません。"},
        {IDS_NOT_READY, "ドライブの準備ができていません。"},
        {IDS_FILE_EXISTS, "同じ名前のファイルが既に存在しています。"},
        {IDS_REQUEST_ABORTED, "ドライブのアクセスに失敗しました。"},
        {IDS_FAILED_FIRST, "ファイルの操作に失敗しました。"},
        {IDS_FAILED_FIRST + 1, "シンボル ファイル (Symbol.txt) を開けませんでした。"},
        {IDS_FAILED_FIRST + 2, "シンボルを追加できませんでした。"},
        {IDS_FAILED_FIRST + 3, "シンボルを削除できませんでした。"},
        {IDS_FAILED_FIRST + 4,
         "シンボルはパレットとシンボル ファイル (Symbol.txt) から削除しましたが、Symbol "
         "フォルダの画像ファイルは削除できずに残っています。"},
        {IDS_FAILED_FIRST + 5, "ビットマップ ファイルを保存できませんでした。"},
        {IDS_FAILED_FIRST + 6, "Web アドレスを開けませんでした。"},
        {IDS_NO_LIBRARY_FOR_OPERATION,
         "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリを使用できません。"},
        {IDS_NO_LIBRARY_AT_START,
         "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリ (Symbol.txt と Symbol "
         "フォルダ) を使用できません。シンボルなしで続けます。\r\nシンボルを使うには、パスの短いフォルダから"
         "起動し直してください。"},
        {IDS_GETMESSAGE_FAILED, "GetMessageエラー"},
        {IDS_CONFIRM_EXIT, "終了してもよろしいですか"},
        {IDS_NEW_DISCARDS, "作業中の設計を破棄します"},
        {IDS_PLACE_FAILED, "シンボルの画像を作成できないため、配置できませんでした。"},
        {IDS_CONFIRM_DELETE, "削除してもよろしいですか？"},
        {IDS_CATALOGUE_CHANGED,
         "シンボル ファイルの内容がパレットと一致しないため、削除できません。プログラムを起動し直してください。"},
        {IDS_FAULT_NOT_A_RECORD, "「種類の番号,\\Symbol\\ファイル名」の形になっていません。"},
        {IDS_FAULT_CATEGORY, "種類の番号が 0 から 4 の範囲にありません。"},
        {IDS_FAULT_PATH_TOO_LONG, "パスが長すぎます (プログラムを起動したフォルダを含めて 259 バイトまで)。"},
        {IDS_CATALOGUE_UNCHANGED, "Symbol.txt は変更していません。"},
        {IDS_OPEN_TITLE, "ファイルオープン"},
        {IDS_CHOSEN_PATH_TOO_LONG, "選んだファイルのパスが長すぎるため、追加できません。"},
        {IDS_CHOSEN_NAME_TOO_LONG,
         "ファイル名が長すぎるため、追加できません。ファイル名は 63 バイトまでにしてください。"},
        {IDS_PICTURE_TOO_LARGE,
         "選んだビットマップは大きすぎるため、追加できません。シンボルにできるのは縦横 8192 "
         "ピクセルまで、合わせて 8192 × 3072 ピクセルまでのビットマップです。"},
        {IDS_PICTURE_NOT_MADE, "シンボルの画像を作成できないため、追加できませんでした。"},
        {IDS_NOT_A_BITMAP, "選んだファイルはビットマップとして読み込めないため、追加できません。"},
        {IDS_NAME_HAS_BLANKS,
         "ファイル名に空白を含むファイルは追加できません。ファイル名を変えてから選び直してください。"},
        {IDS_SYMBOL_FOLDER_TOO_DEEP, "シンボルを保存するフォルダのパスが長すぎるため、追加できません。"},
        {IDS_CHOOSE_FILE_FIRST, "追加するビットマップ ファイルを「参照」で選んでください。"},
        {IDS_CHOOSE_LISTED_CATEGORY, "追加シンボル種類は一覧の中から選んでください。"},
        {IDS_SAVE_TITLE, "ファイルを保存"},
        {IDS_SAVE_NAME_TOO_LONG,
         "ファイル名 (フォルダを含む) が長すぎるため、保存できません。259 バイトまでにしてください。"},
        {IDS_EXPORT_NO_PICTURE, "キャンバスの画像がないため、保存できませんでした。"},
        {IDS_EXPORT_TOO_LARGE, "キャンバスが大きすぎるため、保存できませんでした。"},
        {IDS_EXPORT_NO_MEMORY, "メモリが足りないため、保存できませんでした。"},
        {IDS_EXPORT_NOT_CREATED, "Error CreaeFile"},
        {IDS_CANVAS_SIZE_INVALID, "キャンバスの幅と高さには 1 から 16384 までの整数を入力してください。"},
        {IDS_CANVAS_NOT_MADE, "この大きさのキャンバスを作成できませんでした。キャンバスは元の大きさのままです。"},
        {IDS_ABOUT_WEB_ADDRESS, "https://nexadraw.example.org/"},
        {IDS_ABOUT_NOTICE,
         "\n本プログラムは下記プログラムの派生プログラムです。\n　Nexadraw "
         "試作工房にて制作\n　開発チームによる社内向け試作品\n"
         "　「Nexadraw 試作版」 *開発コード名：ひな形\n"},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(LoadText(id), text) << id;

    // Texts with fields, as filled in; filters with the NULs that part their strings.
    EXPECT_EQ(FormatText(IDS_ERROR_CODE, 112ul), "(エラー コード: 112)");
    EXPECT_EQ(FormatText(IDS_CATEGORY_FULL, "ハブ", 1000),
              "「ハブ」のシンボルは上限の 1000 個に達しているため、追加できません。");
    EXPECT_EQ(FormatText(IDS_RECORDS_UNUSABLE, 7, 2u, "x"),
              "シンボル ファイル (Symbol.txt) の 7 個の記述は使えないため、読み込みませんでした。最初のものは 2 "
              "行目です: x\r\n");
    EXPECT_EQ(FormatText(IDS_RECORDS_LEFT_OUT, 3, 1000),
              "シンボル ファイル (Symbol.txt) のシンボルが多すぎるため、3 "
              "個を読み込みませんでした。パレットに表示できるのは種類ごとに "
              "1000 個までです。");
    EXPECT_EQ(FormatText(IDS_ABOUT_TEXT, "1.0.0"),
              "プログラム名：Nexadraw\nバージョン：1.0.0\nリリース者：Nexadraw 開発チーム\n");
    EXPECT_EQ(LoadFilterText(IDS_SAVE_FILTER), std::string("BMP files(*.bmp)\0*.bmp;\0All Files(*.*)\0*.*\0", 43));
    EXPECT_EQ(LoadFilterText(IDS_OPEN_FILTER), std::string("ビットマップ形式 (*.bmp)\0*.bmp\0", 31));
}

}  // namespace

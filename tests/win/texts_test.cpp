// The program's texts come from its resource script: each must reach the program as the very bytes
// of code page 932 that the program showed before, whatever conversion lies between. The texts the
// behaviour tests check whole (captions, names, fixed error texts, the questions) are not repeated.
#include "harness.h"

#include "platform/alerts.h"
#include "resources/resource.h"

namespace {

TEST(TextsTest, EveryTextIsTheProgramsOwnByteForByte) {
    const std::pair<UINT, const char*> texts[] = {
        {IDS_FAILED_FIRST, "ファイルの操作に失敗しました。"},
        {IDS_FAILED_FIRST + 4,
         "シンボルはパレットとシンボル ファイル (Symbol.txt) から削除しましたが、Symbol "
         "フォルダの画像ファイルは削除できずに残っています。"},
        {IDS_NO_LIBRARY_FOR_OPERATION,
         "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリを使用できません。"},
        {IDS_NO_LIBRARY_AT_START,
         "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリ (Symbol.txt と Symbol "
         "フォルダ) を使用できません。シンボルなしで続けます。\r\nシンボルを使うには、パスの短いフォルダから"
         "起動し直してください。"},
        {IDS_GETMESSAGE_FAILED, "GetMessageエラー"},
        {IDS_PLACE_FAILED, "シンボルの画像を作成できないため、配置できませんでした。"},
        {IDS_CATALOGUE_CHANGED,
         "シンボル ファイルの内容がパレットと一致しないため、削除できません。プログラムを起動し直してください。"},
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
        {IDS_CHOOSE_LISTED_CATEGORY, "追加シンボル種類は一覧の中から選んでください。"},
        {IDS_SAVE_NAME_TOO_LONG,
         "ファイル名 (フォルダを含む) が長すぎるため、保存できません。259 バイトまでにしてください。"},
        {IDS_EXPORT_NO_PICTURE, "キャンバスの画像がないため、保存できませんでした。"},
        {IDS_EXPORT_TOO_LARGE, "キャンバスが大きすぎるため、保存できませんでした。"},
        {IDS_EXPORT_NO_MEMORY, "メモリが足りないため、保存できませんでした。"},
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

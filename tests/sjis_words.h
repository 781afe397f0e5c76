// Japanese words of the program's texts as Shift-JIS bytes, written in hex so that test data does
// not depend on the compiler's character sets. Macros, so that they join other literals:
// SJ_TAVLO " - " is the start of every note title.
#pragma once

// The program's name.
#define SJ_TAVLO "\x83\x5e\x83\x94\x83\x8d" // タヴロ

// Date units, as stamps and clocks print them.
#define SJ_YEAR "\x94\x4e"   // 年
#define SJ_MONTH "\x8c\x8e"  // 月
#define SJ_DAY "\x93\xfa"    // 日
#define SJ_HOUR "\x8e\x9e"   // 時
#define SJ_MINUTE "\x95\xaa" // 分
#define SJ_SECOND "\x95\x62" // 秒
// A day of the week (Sunday is SJ_DAY, Monday SJ_MONTH).
#define SJ_SATURDAY "\x93\x79" // 土

// Settings sections and keys.
#define SJ_CREATION "\x8d\xec\x90\xac\x95\xfb\x96\x40"                        // 作成方法
#define SJ_ARRANGEMENT "\x90\xae\x97\xf1\x95\xfb\x96\x40"                     // 整列方法
#define SJ_OTHERS "\x82\xbb\x82\xcc\x91\xbc"                                  // その他
#define SJ_CREATION_PLACE "\x8d\xec\x90\xac\x88\xca\x92\x75"                  // 作成位置
#define SJ_PLACE "\x88\xca\x92\x75"                                           // 位置
#define SJ_SPACING "\x8a\xd4\x8a\x75"                                         // 間隔
#define SJ_SORT_ORDER "\x83\x5c\x81\x5b\x83\x67\x8f\x87"                      // ソート順
#define SJ_SORT_KEY "\x83\x5c\x81\x5b\x83\x67\x95\xfb\x96\x40"                // ソート方法
#define SJ_BACKGROUND "\x94\x77\x8c\x69"                                      // 背景
#define SJ_OPEN_FIRST "\x82\x50\x96\x87\x96\xda\x82\xf0\x8a\x4a\x82\xad"      // １枚目を開く
#define SJ_DISPLAY_MODE "\x95\x5c\x8e\xa6\x83\x82\x81\x5b\x83\x68"            // 表示モード
#define SJ_TASKBAR "\x83\x5e\x83\x58\x83\x4e\x83\x6f\x81\x5b\x95\x5c\x8e\xa6" // タスクバー表示
#define SJ_BACK_COLOR "\x94\x77\x8c\x69\x90\x46"                              // 背景色
#define SJ_FONT "\x83\x74\x83\x48\x83\x93\x83\x67"                            // フォント
#define SJ_WRAP "\x90\xdc\x82\xe8\x95\xd4\x82\xb5"                            // 折り返し
#define SJ_DIRECTION "\x95\xfb\x8c\xfc"                                       // 方向
#define SJ_ARRANGE_AT_ONCE "\x82\xb7\x82\xae\x90\xae\x97\xf1"                 // すぐ整列
#define SJ_FROM_FIRST "\x82\x50\x96\x87\x96\xda"                              // １枚目
#define SJ_LOG "\x83\x8d\x83\x4f"                                             // ログ
#define SJ_IME "\x82\x68\x82\x6c\x82\x64"                                     // ＩＭＥ

// Dialog captions.
#define SJ_HISTORY "\x97\x9a\x97\xf0"                                                // 履歴
#define SJ_MEMO_INPUT "\x83\x81\x83\x82\x93\xfc\x97\xcd"                             // メモ入力
#define SJ_PROPERTIES "\x83\x5e\x83\x94\x83\x8d\x82\xcc\xcc\xdf\xdb\xca\xdf\xc3\xa8" // タヴロのﾌﾟﾛﾊﾟﾃｨ
#define SJ_ABOUT "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1"                // ﾊﾞｰｼﾞｮﾝ情報
#define SJ_DEFAULTS "\x83\x66\x83\x74\x83\x48\x83\x8b\x83\x67\x90\xdd\x92\xe8" // デフォルト設定
#define SJ_FILE_FORMAT "\x83\x74\x83\x40\x83\x43\x83\x8b\x8c\x60\x8e\xae"      // ファイル形式
#define SJ_CSV_COLUMNS "CSV\x8f\x6f\x97\xcd\x8d\x80\x96\xda"                   // CSV出力項目
#define SJ_EXIT_CONFIRM "\x8f\x49\x97\xb9\x8a\x6d\x94\x46"                     // 終了確認
#define SJ_EXPORT_ERROR "\x83\x5e\x83\x94\x83\x8d \xb4\xd7\xb0"                // タヴロ ｴﾗｰ

// Messages.
#define SJ_NOTE_LIMIT                                                                                        \
    " \x82\xb1\x82\xea\x88\xc8\x8f\xe3 "                                                                     \
    "\x83\x5e\x83\x94\x83\x8d\x82\xcd\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1 (^_^;; " // " これ以上
                                                                                       // タヴロは開けません
                                                                                       // (^_^;; "
#define SJ_EXPORT_FAILED                                                                                     \
    " \"\x83\x74\x83\x40\x83\x43\x83\x8b\x8f\x6f\x97\xcd\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5"    \
    "\x82\xbd." // " "ファイル出力に失敗しました."
#define SJ_HELP_NOT_FOUND                                                                                    \
    "\x83\x77\x83\x8b\x83\x76\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82"   \
    "\xdc"                                                                                                   \
    "\x82\xb9\x82\xf1." // "ヘルプファイルが見つかりません."
#define SJ_HELP_UNREADABLE                                                                                   \
    "\x82\xb1\x82\xcc\x83\x77\x83\x8b\x83\x76\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x8a\x4a\x82\xaf\x82"   \
    "\xdc"                                                                                                   \
    "\x82\xb9\x82\xf1." // "このヘルプファイルを開けません."
#define SJ_LOG_UNOPENED                                                                                      \
    " \x83\x8d\x83\x4f\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1" // "
                                                                                                        // ログファイルを開けません"

#include "planlib/editor/block_catalog.h"

#include <map>

#include "planlib/engine/block_kinds.h"

namespace qb {

namespace {

struct CatalogRow {
  std::string_view category;
  std::string_view sentence;
};

// By tag: the category and the sentence after the display name.
const std::map<std::string_view, CatalogRow>& CatalogRows() {
  static const std::map<std::string_view, CatalogRow> rows = {
      {"CONDITION", {"条件", "条件に一致した場合に、配下の操作ブロックを実行します。条件は複数設定できます。"}},
      {"LINE_ADD", {"行追加", "現在行の前または後ろに、指定した文字列の行を追加します。"}},
      {"LINE_DELETE", {"行削除", "現在行を削除して、次の行の処理に移ります。"}},
      {"LINE_NEXT", {"次行へ移る", "現在行の処理を終えて、次の行の処理に移ります。"}},
      {"CHANGE", {"置換", "指定した文字列を、別の文字列に置換します。"}},
      {"CHANGE_PATTERN", {"置換", "連続する空白の置換や、半角・全角の変換などを行います。"}},
      {"CHANGE_FILE", {"置換", "ファイルに設定した検索文字列と置換文字列の組で置換します。"}},
      {"INSERT", {"挿入", "指定した位置に文字列を挿入します。"}},
      {"DELETE_POSI", {"削除", "指定した位置の文字列を削除します。"}},
      {"DELETE_PATTERN", {"削除", "前方・後方・全ての空白などを削除します。"}},
      {"CUTTING", {"切り出し", "文字列の一部を切り出して、配下の操作ブロックで処理します。"}},
      {"LOOP", {"ループ", "配下の操作ブロックを指定した回数だけ繰り返し実行します。"}},
      {"LOOPOUT", {"ループ", "実行中のループを抜けます。"}},
      {"PLAN_HENSU_SET", {"プラン変数", "プラン変数（作業用）に文字列を設定します。"}},
      {"PLAN_COUNTER_SET", {"プラン変数", "プラン変数（カウンター）に数値を代入・加算・減算します。"}},
      {"ESCAPE", {"その他", "プランの実行をキャンセルします。"}},
      {"SLEEP", {"その他", "プランの実行を指定した時間だけ一時停止します。"}},
      {"COMMENT", {"その他", "配下の操作ブロックの要約を記述します。配下をコメント扱いにもできます。"}},
      {"ACTWIN_COPY", {"作業中ウィンドウ", "作業中ウィンドウで選択されている文字列をコピーします。"}},
      {"ACTWIN_CUT", {"作業中ウィンドウ", "作業中ウィンドウで選択されている文字列を切り取ります。"}},
      {"ACTWIN_PASTE", {"作業中ウィンドウ", "作業中ウィンドウに文字列を貼り付けます。"}},
      {"ACTWIN_DSP", {"作業中ウィンドウ", "作業中ウィンドウをアクティブにします。"}},
      {"IN_CLIPBOARD", {"クリップボード", "クリップボードの文字列を取得します。"}},
      {"OUT_CLIPBOARD", {"クリップボード", "クリップボードに文字列を出力します。"}},
      {"DSP_STRING", {"表示", "文字列を画面に表示します。"}},
      {"MSG_VERIFY", {"表示", "メッセージを表示して確認します。"}},
      {"MSG_INFO", {"表示", "メッセージを一定時間通知します。"}},
      {"MSG_VERIFY_PLAN", {"表示", "プランを実行するかどうかを確認します。プランの先頭に置きます。"}},
      {"MSG_INFO_PLAN", {"表示", "プランの実行の完了を通知します。プランの最後に置きます。"}},
      {"DSP_SELECT", {"表示", "ボタンの選択画面を表示して、選ばれたボタンを結果に設定します。"}},
      {"FILE_STARTING", {"起動", "ファイルを関連付けられたアプリケーションで開きます。"}},
      {"APL_STARTING", {"起動", "アプリケーションを起動します。"}},
      {"WEB_STARTING", {"起動", "指定したアドレスのWebページを表示します。"}},
      {"FOLDER_STARTING", {"起動", "フォルダを開きます。"}},
      {"LINE", {"行単位操作", "文字列を１行ずつ、配下の操作ブロックで処理します。"}},
      {"DIVISION_LINE", {"行全体操作", "各行を指定した文字数毎に分割します。"}},
      {"SORT_LINE", {"行全体操作", "行を並び替えます。"}},
      {"SAME_DELETE_LINE", {"行全体操作", "重複する行を削除します。"}},
      {"INSERT_FILE", {"ファイル／フォルダ", "ファイルの内容を読み込みます。"}},
      {"CREATE_FILE", {"ファイル／フォルダ", "空のファイルを作成します。"}},
      {"OUT_FILE_ADD", {"ファイル／フォルダ", "ファイルの末尾に文字列を追記します。"}},
      {"OUT_FILE_WRITE", {"ファイル／フォルダ", "文字列をファイルに出力します。"}},
      {"CREATE_FOLDER", {"ファイル／フォルダ", "フォルダを作成します。"}},
      {"OUT_STACK", {"スタックタブ", "スタックタブに文字列を出力します。"}},
      {"CLR_STACK", {"スタックタブ", "スタックタブのグループを初期化します。"}},
  };
  return rows;
}

std::vector<CatalogEntry> MakeCatalog() {
  std::vector<CatalogEntry> catalog;
  for (const BlockKind& kind : BlockKinds()) {
    auto found = CatalogRows().find(kind.tag);
    if (found == CatalogRows().end()) continue;  // a kind without a row is not offered
    catalog.push_back({kind.tag, found->second.category,
                       "【" + std::string(kind.displayName) + "】　" + std::string(found->second.sentence)});
  }
  return catalog;
}

}  // namespace

const std::vector<std::string_view>& BlockCategories() {
  static const std::vector<std::string_view> categories = {
      "条件",     "行追加",   "行削除",           "次行へ移る", "置換",       "挿入",       "削除",
      "切り出し", "ループ",   "プラン変数",       "その他",     "作業中ウィンドウ", "クリップボード", "表示",
      "起動",     "行単位操作", "行全体操作", "ファイル／フォルダ", "スタックタブ"};
  return categories;
}

const std::vector<CatalogEntry>& BlockCatalog() {
  static const std::vector<CatalogEntry> catalog = MakeCatalog();
  return catalog;
}

std::vector<const CatalogEntry*> BlocksOfCategory(std::string_view category) {
  std::vector<const CatalogEntry*> entries;
  for (const CatalogEntry& entry : BlockCatalog()) {
    if (entry.category == category) entries.push_back(&entry);
  }
  return entries;
}

const CatalogEntry* FindCatalogEntry(std::string_view tag) {
  for (const CatalogEntry& entry : BlockCatalog()) {
    if (entry.tag == tag) return &entry;
  }
  return nullptr;
}

}  // namespace qb

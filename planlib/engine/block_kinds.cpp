#include "planlib/engine/block_kinds.h"

namespace qb {

namespace {

const std::vector<std::string_view> kMsgInfoElements = {
    "KIND_INFO", "DSP_TIME", "MSG", "TXCOLOR_R", "TXCOLOR_G", "TXCOLOR_B",
    "BKCOLOR_R", "BKCOLOR_G", "BKCOLOR_B"};

std::vector<BlockKind> MakeBlockKinds() {
  return {
      {"A001", "単純挿入", "CInsert", "INSERT", {"KIND_ADR", "KIND_IMS", "IDX_IN", "DATAIN"}},
      {"B001", "文字指定置換", "CCHANGE", "CHANGE",
       {"KIND_FIND", "KIND_ADR", "IDX_CN", "KIND_KMS", "KIND_TMS", "KIND_ALPHABET", "DATASR",
        "DATATK"}},
      {"B002", "パターン置換", "CChangePattern", "CHANGE_PATTERN", {"KIND_PATTERN"}},
      {"B003", "パターンファイル置換", "CChangeFile", "CHANGE_FILE",
       {"KIND_FIND", "KIND_ADR", "IDX_CN", "KIND_ALPHABET", "FILE_PATH"}},
      {"C001", "位置指定削除", "CDeletePosi", "DELETE_POSI",
       {"KIND_ADR", "IDX_START", "LEN", "ZEN_NOTCUT"}},
      {"C002", "パターン削除", "CDeletePattern", "DELETE_PATTERN", {"KIND_PATTERN"}},
      {"D001", "切り出し", "CCutting", "CUTTING",
       {"KIND_CUT_S", "KIND_KMS_S", "KIND_ALPHABET_S", "DATA_S", "IDX_CN_S", "KIND_CUT_E",
        "KIND_KMS_E", "KIND_ALPHABET_E", "DATA_E", "IDX_CN_E", "LEN"},
       true},
      {"E001", "条件", "CCondition", "CONDITION", {"ALL_NOT", "OPERATION"}, true},
      {"F001", "行分割", "CDivisionLine", "DIVISION_LINE", {"KIND_KETA", "LEN"}},
      {"F002", "行並び替え", "CSortLine", "SORT_LINE", {"KIND_KETA", "KIND_SORT", "IDX_START"}},
      {"F003", "同一行削除", "CSameDeleteLine", "SAME_DELETE_LINE", {"KIND_ADR"}},
      {"G001", "行単位", "CLine", "LINE", {}, true},
      {"G002", "次行へ移る", "CLineNext", "LINE_NEXT", {}},
      {"G003", "現在行削除", "CLineDelete", "LINE_DELETE", {}},
      {"G004", "行追加", "CLineAdd", "LINE_ADD", {"KIND_ADR", "DATAIN"}},
      {"H001", "ファイル読み込み", "CInsertFile", "INSERT_FILE",
       {"KIND_ADR", "KIND_INFILE", "IDX_START", "IDX_END", "FILE_PATH"}},
      {"H002", "ファイルの作成", "CCreateFile", "CREATE_FILE", {"FILE_PATH", "FILE_CHECK"}},
      {"H003", "ファイル追記出力", "COutFileAdd", "OUT_FILE_ADD",
       {"KIND_IN", "FILE_PATH", "DATAIN"}},
      {"H004", "ファイル出力", "COutFileWrite", "OUT_FILE_WRITE",
       {"KIND_IN", "KIND_FILENAME", "FILE_PATH", "DATAIN", "FILE_CHECK"}},
      {"I001", "フォルダの作成", "CCreateFolder", "CREATE_FOLDER", {"FOLDER"}},
      {"J001", "ファイルを開く", "CFileStarting", "FILE_STARTING",
       {"KIND_STARTING", "KIND_IN", "FILE_PATH"}},
      {"J002", "アプリケーション起動", "CAplStarting", "APL_STARTING",
       {"KIND_STARTING", "KIND_IN", "APL_PATH", "APL_HIKISU"}},
      {"J003", "Webの表示", "CWebStarting", "WEB_STARTING", {"KIND_STARTING", "KIND_IN", "DATAURL"}},
      {"J004", "フォルダを開く", "CFolderStarting", "FOLDER_STARTING",
       {"KIND_STARTING", "KIND_IN", "FOLDER"}},
      {"K001", "文字列表示", "CDspString", "DSP_STRING",
       {"KIND_IN", "MIDASHI", "DATAIN", "KIND_VALID", "CANCEL_DSP"}},
      {"K002", "メッセージ確認", "CMsgVerify", "MSG_VERIFY", {"KIND_IN", "KIND_VERIFY", "MSG"}},
      {"K003", "メッセージ通知", "CMsgInfo", "MSG_INFO", kMsgInfoElements},
      {"K004", "プラン実行確認", "CMsgVerifyPlan", "MSG_VERIFY_PLAN", {"KIND_VERIFY", "MSG"}},
      {"K005", "プラン終了通知", "CMsgInfoPlan", "MSG_INFO_PLAN", kMsgInfoElements},
      {"K006", "選択画面", "CDspSelect", "DSP_SELECT",
       {"MIDASHI", "BTN_COUNT", "BTN_NAME01", "BTN_NAME02", "BTN_NAME03", "BTN_NAME04",
        "BTN_NAME05", "BTN_NAME06", "BTN_NAME07", "BTN_NAME08", "BTN_NAME09", "BTN_NAME10",
        "BTN_NAME11", "BTN_NAME12"}},
      {"L001", "クリップボード入力", "InClipBoard", "IN_CLIPBOARD", {"KIND_GETERR"}},
      {"L002", "クリップボード出力", "COutClipBoard", "OUT_CLIPBOARD", {"KIND_IN", "DATAIN"}},
      {"M001", "作業中ウィンドウからコピー", "ActWinCopy", "ACTWIN_COPY", {"KIND_GETERR"}},
      {"M002", "作業中ウィンドウから切り取り", "ActWinCut", "ACTWIN_CUT", {"KIND_GETERR"}},
      {"M003", "作業中ウィンドウへの貼り付け", "CActWinPaste", "ACTWIN_PASTE",
       {"KIND_IN", "DATAIN"}},
      {"M004", "作業中ウィンドウをアクティブ", "CActWinDsp", "ACTWIN_DSP", {}},
      {"N001", "プラン変数（作業用）設定", "CPlanHensuSet", "PLAN_HENSU_SET",
       {"KIND_IN", "KIND_PLANHENSU", "KIND_ADR", "KIND_IMS", "DATAIN", "MIDASHI", "IN_HISU"}},
      {"N002", "プラン変数（カウンター）設定", "CPlanCounterSet", "PLAN_COUNTER_SET",
       {"KIND_PLANHENSU", "KIND_AITE", "KIND_ENZAN", "DATANUM"}},
      {"O001", "プランキャンセル", "CEscape", "ESCAPE", {}},
      {"O002", "指定時間停止", "CSleep", "SLEEP", {"STOP_TIME"}},
      {"O003", "要約", "CComment", "COMMENT", {"DATAIN", "COMMENT_FLG"}, true},
      {"P001", "ループ", "CLoop", "LOOP", {"LOOP_COUNT"}, true},
      {"P002", "ループ脱出", "CLoopOut", "LOOPOUT", {}},
      {"Q001", "スタックタブ出力", "COutStack", "OUT_STACK",
       {"KIND_IN", "STACK_GROUP", "MAX64K", "DATAIN"}},
      {"Q002", "スタックタブ初期化", "CClrStack", "CLR_STACK", {"STACK_GROUP"}},
  };
}

}  // namespace

const std::vector<BlockKind>& BlockKinds() {
  static const std::vector<BlockKind> kinds = MakeBlockKinds();
  return kinds;
}

const std::vector<HeaderKind>& HeaderKinds() {
  static const std::vector<HeaderKind> kinds = {
      {"PLAN_NAME", "【プラン名】"},          {"PLAN_GAIYO", "【プラン概要】"},
      {"PLAN_HOSOKU", "【プラン補足】"},      {"PLAN_GVL", "【互換バージョン】"},
      {"PLAN_LOCK_ID", "【ロックID】"},       {"PLAN_CREATE_ID", "【作成者ID】"},
      {"PLAN_CREATE_DATE", "【作成日時】"},   {"PLAN_UPDATE_ID", "【更新者ID】"},
      {"PLAN_UPDATE_DATE", "【更新日時】"},   {"PLAN_YOBI1", "【予備１】"},
      {"PLAN_YOBI2", "【予備２】"},
  };
  return kinds;
}

const std::vector<ConditionKind>& ConditionKinds() {
  static const std::vector<ConditionKind> kinds = {
      {1, "CONDITION_K1", "文字列判定",
       {"KIND_FIND", "KIND_ADR", "KIND_COND", "IDX_CN", "KIND_KMS", "KIND_ALPHABET", "DATASR"}},
      {2, "CONDITION_K2", "サイズ判定", {"KIND_KETA", "KIND_COND", "DATANUM"}},
      {3, "CONDITION_K3", "行位置判定", {"KIND_COND", "DATANUM"}},
      {4, "CONDITION_K4", "ファイル存在判定", {"KIND_COND", "FILE_PATH"}},
      {5, "CONDITION_K5", "フォルダ存在判定", {"KIND_COND", "FOLDER"}},
      {6, "CONDITION_K6", "プラン文字列変数判定",
       {"KIND_FIND", "KIND_PLANHENSU", "KIND_ADR", "KIND_COND", "IDX_CN", "KIND_KMS",
        "KIND_ALPHABET", "DATASR"}},
      {7, "CONDITION_K7", "プラン数値変数判定", {"KIND_PLANHENSU", "KIND_COND", "DATANUM"}},
  };
  return kinds;
}

const BlockKind* FindBlockKind(std::string_view tagName) {
  for (const BlockKind& kind : BlockKinds()) {
    if (kind.tag == tagName) return &kind;
  }
  return nullptr;
}

const HeaderKind* FindHeaderKind(std::string_view tagName) {
  for (const HeaderKind& kind : HeaderKinds()) {
    if (kind.tag == tagName) return &kind;
  }
  return nullptr;
}

const ConditionKind* FindConditionKind(int number) {
  if (number < 1 || number > 7) return nullptr;
  return &ConditionKinds()[number - 1];
}

}  // namespace qb

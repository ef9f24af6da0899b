// Control ids of the plan editor's windows (the Windows tests and the end-to-end driver find the
// controls by them).
#pragma once

namespace qb::editor_dialog_ids {

// A block's or a condition's settings dialog. Field n (in element order, shown or not) has its
// label at kFieldFirst + n * kFieldStride, its control one above and its browse button two above.
inline constexpr int kFieldFirst = 2000;
inline constexpr int kFieldStride = 4;
inline constexpr int kFieldControl = 1;
inline constexpr int kFieldBrowse = 2;
inline constexpr int kFormSummary = 1900;  // the block's summary in the confirmation dialog
inline constexpr int kFormDescriptionLabel = 1901;
inline constexpr int kFormDescription = 1902;  // "説明"
inline constexpr int kConditionList = 1910;
inline constexpr int kConditionAdd = 1911;
inline constexpr int kConditionChange = 1912;
inline constexpr int kConditionDelete = 1913;

// "条件種類選択"
inline constexpr int kConditionKindHeading = 1920;
inline constexpr int kConditionKindList = 1921;

// "操作ブロック選択", "階層指定", "基本パターン選択", "オプション設定"
inline constexpr int kChoiceHeading = 1930;
inline constexpr int kChoiceList = 1931;
inline constexpr int kBlockCategories = 1932;
inline constexpr int kBlockSummary = 1933;
inline constexpr int kLockOption = 1934;

// The editor window.
inline constexpr int kNameCaption = 1000;
inline constexpr int kName = 1001;
inline constexpr int kSummaryCaption = 1002;
inline constexpr int kSummary = 1003;
inline constexpr int kHint = 1004;
inline constexpr int kBlockList = 1005;
inline constexpr int kHelp = 1006;
inline constexpr int kOptions = 1007;
inline constexpr int kAddBlock = 1008;
inline constexpr int kPatterns = 1009;
// The row menu, in its order: 上に追加, 下に追加, 変更, 切り取り, コピー, 上に貼り付け, 下に貼り付け, 削除.
inline constexpr int kRowMenuFirst = 1100;
// The text fields' menu: 切り取り, コピー, 貼り付け, 元に戻す, すべて選択, 削除; the plan variables follow.
inline constexpr int kTextMenuFirst = 1120;
inline constexpr int kVariableFirst = 1200;

inline constexpr int FieldControl(int field) { return kFieldFirst + field * kFieldStride + kFieldControl; }
inline constexpr int FieldBrowse(int field) { return kFieldFirst + field * kFieldStride + kFieldBrowse; }

}  // namespace qb::editor_dialog_ids

// The plan editor's own texts: refusals, questions and internal error reports.
#pragma once
#include <string_view>

namespace qb::editor_text {

inline constexpr std::string_view kReservedWord = "<@@ は予約語のため入力禁止です　";
inline constexpr std::string_view kTooManyBlocks = "操作ブロックの最大数（100）を越えます　";
inline constexpr std::string_view kTooDeep =
    "もっとも深い階層のレベルを越えるため貼り付けできません。　";
inline constexpr std::string_view kDeleteQuestion =
    "操作ブロックを削除します。配下を持つ場合は全て削除されます。\n\nよろしいですか。\n\n";
inline constexpr std::string_view kCancelQuestion = "プラン編集を取り消します。　\n\nよろしいですか？\n";

inline constexpr std::string_view kNoBlocks = "操作ブロックが存在しません。\n\n";
inline constexpr std::string_view kNoName = "プラン名が入力されていません。\n\n";
inline constexpr std::string_view kNameWithSeparator = "プラン名に「:::」は入力できません。\n\n";
inline constexpr std::string_view kChildlessQuestion =
    "【行単位】、【条件】、【切り出し】、【ループ】の操作ブロックが設定されていますが、配下に操作ブロックが"
    "存在しません。\nこれらは配下に操作ブロックを持たないと意味をなしません。\n\n保存しますか？\n";
inline constexpr std::string_view kTooLarge =
    "プランのサイズが最大の500KBを越えました。保存できません。　";
inline constexpr std::string_view kLockedByOther = "プランはロックされているため保存できません。　";
inline constexpr std::string_view kSaveFailed = "プラン解析中にエラーが発生しました（OnOK）　";

inline constexpr std::string_view kInsertFailed = "プラン解析中にエラーが発生しました（m_BlockInsert1）　";
inline constexpr std::string_view kReAnalyzeFailed =
    "プラン解析中にエラーが発生しました（CPlanMain::m_ReAnalyze(1)）　";
inline constexpr std::string_view kOpenFailed =
    "プラン解析中にエラーが発生しました（CPlanMain::m_ReAnalyze(2)）　";
inline constexpr std::string_view kUpdateFailed = "プラン解析中にエラーが発生しました（m_BlockUpdate）　";
inline constexpr std::string_view kUpdateTagFailed =
    "開始タグの取得時にエラーが発生しました（m_BlockUpdate）　";
inline constexpr std::string_view kPatternBuildFailed =
    "プラン構築中にエラーが発生しました（OnPatternBtn）　";
inline constexpr std::string_view kPatternParseFailed =
    "プラン解析中にエラーが発生しました（OnPatternBtn）　";

inline constexpr std::string_view kHelpFile = "QlbxPlan.chm";
inline constexpr std::string_view kHelpMissing = "プランヘルプが見つかりません　";
inline constexpr std::string_view kEditorCaptionSuffix = " [プラン編集]";

}  // namespace qb::editor_text

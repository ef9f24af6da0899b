#include "planlib/editor/basic_patterns.h"

#include "planlib/editor/block_writer.h"
#include "planlib/editor/editor_messages.h"

namespace qb {

namespace {

// Copies the working window's selection when the plan was given no text.
std::string CopyWhenNoText() {
  std::string sizeIsZero =
      WriteCondition(*FindConditionKind(2), {{"KIND_KETA", "1"}, {"KIND_COND", "1"}, {"DATANUM", "0"}});
  std::string copy = WriteBlock("ACTWIN_COPY", {{"KIND_GETERR", "2"}});
  std::string condition = WriteBlock("CONDITION", {{"ALL_NOT", "0"}, {"OPERATION", "1"}}, sizeIsZero);
  return condition.insert(condition.size() - std::string_view("<@@/CONDITION>").size(), copy);
}

std::string PasteWorkingText() { return WriteBlock("ACTWIN_PASTE", {{"KIND_IN", "1"}}); }
std::string EmptyLine() { return WriteBlock("LINE", {}); }

// The clipboard is kept in <$作業用20> around the copy and paste of the selection.
std::string KeepClipboard() {
  return WriteBlock("IN_CLIPBOARD", {{"KIND_GETERR", "1"}}) +
         WriteBlock("PLAN_HENSU_SET", {{"KIND_IN", "1"}, {"KIND_PLANHENSU", "120"}, {"KIND_ADR", "3"},
                                       {"KIND_IMS", "1"}, {"IN_HISU", "1"}});
}
std::string RestoreClipboard() {
  return WriteBlock("OUT_CLIPBOARD", {{"KIND_IN", "2"}, {"DATAIN", "<$作業用20>"}});
}

std::vector<BasicPattern> MakePatterns() {
  // Nothing selected hands an empty text on (KIND_GETERR 1): a cancel there would leave the
  // emptied clipboard without restoring it.
  std::string copySelection = WriteBlock("ACTWIN_COPY", {{"KIND_GETERR", "1"}});
  return {
      {"プラン呼び出し専用", CopyWhenNoText() + PasteWorkingText()},
      {"プラン呼び出し専用（行単位）", CopyWhenNoText() + EmptyLine() + PasteWorkingText()},
      {"ホットキー呼び出し専用（置換）",
       KeepClipboard() + copySelection + EmptyLine() + PasteWorkingText() + RestoreClipboard()},
  };
}

}  // namespace

const std::vector<BasicPattern>& BasicPatterns() {
  static const std::vector<BasicPattern> patterns = MakePatterns();
  return patterns;
}

EditResult ApplyBasicPattern(PlanEditModel& model, std::size_t pattern) {
  if (pattern >= BasicPatterns().size()) return EditResult::Refused(editor_text::kPatternBuildFailed);
  return model.replaceBlocks(BasicPatterns()[pattern].blocks);
}

}  // namespace qb

#include "planlib/engine/plan_runner.h"

#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_block.h"
#include "planlib/engine/plan_container.h"
#include "planlib/engine/plan_limits.h"

namespace qb {

namespace {

class ContainerChildren : public ChildSequence {
 public:
  ContainerChildren(CPlanRunner& runner, std::size_t first, std::size_t end)
      : runner_(runner), first_(first), end_(end) {}
  int run(std::string& text) override { return runner_.runSequence(first_, end_, text); }
  bool canLeaveLoop() const override { return runner_.childrenCanLeaveLoop(first_ - 1); }

 private:
  CPlanRunner& runner_;
  std::size_t first_;
  std::size_t end_;
};

// The result of a control block; 0 for the others.
int ControlResult(std::string_view tag) {
  if (tag == "LINE_DELETE") return plan_result::kLineDeleted;
  if (tag == "LINE_NEXT") return plan_result::kNextLine;
  if (tag == "ESCAPE") return plan_result::kCancel;
  if (tag == "LOOPOUT") return plan_result::kLeaveLoop;
  return 0;
}

constexpr std::string_view kUnknownBlock = "操作ブロック解析中にエラーが発生しました（CPlanRunner::m_Run）　";

}  // namespace

int CPlanRunner::m_Run(const CPlanMain& plan, const PlanRunSettings& settings, std::string& text) {
  std::optional<std::string> name = plan.m_HeaderValue("<@@PLAN_NAME>");
  if (!name) {
    world_.ui.showMessage("プラン解析中にエラーが発生しました　", MessageIcon::kExclamation);
    return plan_result::kError;
  }
  variables_.reset({*name, settings.dataHome, settings.actWinName});
  stop_.store(false);
  BlockContext context(world_, variables_, stop_);
  plan_ = &plan;
  context_ = &context;
  resolveRows(plan);
  int result = runSequence(0, rows_.size(), text);
  rows_.clear();
  plan_ = nullptr;
  context_ = nullptr;
  return result;
}

void CPlanRunner::resolveRows(const CPlanMain& plan) {
  rows_.clear();
  rows_.resize(plan.m_Blocks().size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const PlanRow& row = plan.m_Blocks()[i];
    std::string_view tag = RowTagName(row);
    RunRow& resolved = rows_[i];
    resolved.descendants = static_cast<std::size_t>(row.descendants);
    resolved.control = ControlResult(tag);
    resolved.kind = FindBlockKind(tag);
    resolved.container = FindContainer(tag);
    resolved.block = FindSimpleBlock(tag);
  }
  // From the last row back: a row's children can leave a loop when one of them is a LOOPOUT, or
  // is a container other than LOOP whose own children can.
  for (std::size_t i = rows_.size(); i-- > 0;) {
    for (std::size_t child = i + 1; child <= i + rows_[i].descendants; child += 1 + rows_[child].descendants) {
      const RunRow& row = rows_[child];
      bool loop = RowTagName(plan.m_Blocks()[child]) == "LOOP";
      if (row.control == plan_result::kLeaveLoop || (!loop && row.childrenCanLeaveLoop)) {
        rows_[i].childrenCanLeaveLoop = true;
      }
    }
  }
}

namespace {

// Puts back the text whose characters <$文字数> counts when a block sequence ends: the text of a
// nested sequence (a line, a cut-out piece) may not outlive it.
class CharCountScope {
 public:
  explicit CharCountScope(PlanVariables& variables)
      : variables_(variables), saved_(variables.charCountSource()) {}
  ~CharCountScope() { variables_.restoreCharCountSource(saved_); }
  CharCountScope(const CharCountScope&) = delete;
  CharCountScope& operator=(const CharCountScope&) = delete;

 private:
  PlanVariables& variables_;
  PlanVariables::CharCountSource saved_;
};

}  // namespace

int CPlanRunner::runSequence(std::size_t first, std::size_t end, std::string& text) {
  CharCountScope charCount(variables_);
  long executed = 0;
  for (std::size_t index = first; index < end && index < rows_.size();) {
    if (++executed > kBlocksPerSequence) return plan_result::kGoOn;
    if (world_.host != nullptr) world_.host->pumpMessages();
    if (stop_.load()) return plan_result::kCancel;
    if (text.size() > kRunValueBytes) return context_->valueLimitExceeded();
    variables_.countCharactersOf(text);
    variables_.setNumber(var::kByteCount, static_cast<int>(text.size()));
    int result = runRow(index, text);
    if (result != plan_result::kGoOn) return result;
    index += 1 + rows_[index].descendants;
  }
  return plan_result::kGoOn;
}

int CPlanRunner::runRow(std::size_t index, std::string& text) {
  RunRow& row = rows_[index];
  if (row.control != 0) {
    if (row.control == plan_result::kLineDeleted) text.clear();
    return row.control;
  }
  if (row.kind == nullptr) return context_->error(kUnknownBlock);
  BlockSettings settings(plan_->m_Blocks()[index].value, row.kind->className, &row.elements);
  try {
    if (row.container != nullptr) {
      std::size_t firstChild = index + 1;
      ContainerChildren children(*this, firstChild, firstChild + row.descendants);
      return row.container->m_Run(*context_, settings, children, text);
    }
    if (row.block == nullptr) return context_->error(kUnknownBlock);
    int result = row.block->m_Run(*context_, settings, text);
    return (result == plan_result::kCancel || result == plan_result::kError) ? result
                                                                            : plan_result::kGoOn;
  } catch (const PlanValueLimitReached&) {
    return context_->valueLimitExceeded();
  }
}

}  // namespace qb

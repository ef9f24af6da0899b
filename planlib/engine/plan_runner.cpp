#include "planlib/engine/plan_runner.h"

#include "base/sjis.h"
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

 private:
  CPlanRunner& runner_;
  std::size_t first_;
  std::size_t end_;
};

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
  int result = runSequence(0, plan.m_Blocks().size(), text);
  plan_ = nullptr;
  context_ = nullptr;
  return result;
}

int CPlanRunner::runSequence(std::size_t first, std::size_t end, std::string& text) {
  const std::vector<PlanRow>& rows = plan_->m_Blocks();
  long executed = 0;
  for (std::size_t index = first; index < end && index < rows.size();) {
    if (++executed > kBlocksPerSequence) return plan_result::kGoOn;
    if (world_.host != nullptr) world_.host->pumpMessages();
    if (stop_.load()) return plan_result::kCancel;
    if (text.size() > kRunValueBytes) return context_->valueLimitExceeded();
    variables_.setNumber(var::kCharCount, static_cast<int>(SjisCharCount(text)));
    variables_.setNumber(var::kByteCount, static_cast<int>(text.size()));
    int result = runRow(index, text);
    if (result != plan_result::kGoOn) return result;
    index += 1 + static_cast<std::size_t>(rows[index].descendants);
  }
  return plan_result::kGoOn;
}

int CPlanRunner::runRow(std::size_t index, std::string& text) {
  const PlanRow& row = plan_->m_Blocks()[index];
  std::string_view tag = RowTagName(row);
  if (tag == "LINE_DELETE") {
    text.clear();
    return plan_result::kLineDeleted;
  }
  if (tag == "LINE_NEXT") return plan_result::kNextLine;
  if (tag == "ESCAPE") return plan_result::kCancel;
  if (tag == "LOOPOUT") return plan_result::kLeaveLoop;

  const BlockKind* kind = FindBlockKind(tag);
  if (kind == nullptr) {
    return context_->error("操作ブロック解析中にエラーが発生しました（CPlanRunner::m_Run）　");
  }
  BlockSettings settings(row.value, kind->className);
  if (const PlanContainer* container = FindContainer(tag)) {
    std::size_t firstChild = index + 1;
    ContainerChildren children(*this, firstChild,
                               firstChild + static_cast<std::size_t>(row.descendants));
    return container->m_Run(*context_, settings, children, text);
  }
  const PlanBlock* block = FindSimpleBlock(tag);
  if (block == nullptr) {
    return context_->error("操作ブロック解析中にエラーが発生しました（CPlanRunner::m_Run）　");
  }
  int result = block->m_Run(*context_, settings, text);
  return (result == plan_result::kCancel || result == plan_result::kError) ? result
                                                                          : plan_result::kGoOn;
}

}  // namespace qb

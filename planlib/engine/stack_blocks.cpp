// スタックタブ出力, スタックタブ初期化: texts for the host's stack tab.
#include <algorithm>
#include <cstdio>

#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr std::size_t kStackBytes64K = 65536;
constexpr int kBeforeOutput = 10;

std::string GroupNumber(int group) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", group);
  return number;
}

}  // namespace

int COutStack::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int source = settings.number("KIND_IN");
  int group = settings.number("STACK_GROUP");
  int max64k = settings.number("MAX64K");
  std::string data = settings.text("DATAIN");
  if (!settings.ok()) return settings.fail(context);
  if (context.world().host == nullptr) return BlockUnavailable(context, "スタックタブ出力");
  if (!context.wait(kBeforeOutput)) return plan_result::kCancel;
  std::string output = SourceText(context, source, text, data);
  output.resize(std::min(output.size(), max64k == 1 ? kStackBytes64K : kRunValueBytes));
  SendHostCommand(context, "0927Plan_OutStack:::" + GroupNumber(group) + ":::" +
                               context.variables().planName() + ":::" + output);
  return plan_result::kGoOn;
}

int CClrStack::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  int group = settings.number("STACK_GROUP");
  if (!settings.ok()) return settings.fail(context);
  if (context.world().host == nullptr) return BlockUnavailable(context, "スタックタブ初期化");
  SendHostCommand(context, "0927Plan_ClrStack:::" + GroupNumber(group));
  return plan_result::kGoOn;
}

}  // namespace qb

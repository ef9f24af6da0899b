// クリップボード入力, クリップボード出力.
#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_clipboard.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr std::string_view kInName = "クリップボード入力";
constexpr std::string_view kOutName = "クリップボード出力";
constexpr int kAfterWriteWait = 200;

}  // namespace

int InClipBoard::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int onNoText = settings.number("KIND_GETERR");
  if (!settings.ok()) return settings.fail(context);
  Clipboard* clipboard = context.world().clipboard;
  if (clipboard == nullptr) return BlockUnavailable(context, kInName);
  std::optional<std::string> content;
  int read = PlanClipboard(context, *clipboard, kInName).read(content);
  if (read != plan_result::kGoOn) return read;
  text = content.value_or(std::string());
  if (!content && onNoText == 2) {
    ShowNotice(context, CancelNotice("クリップボードに文字列が無いため\r\nプランをキャンセルします"));
    return plan_result::kCancel;
  }
  return plan_result::kGoOn;
}

int COutClipBoard::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int source = settings.number("KIND_IN");
  std::string data = settings.text("DATAIN");
  if (!settings.ok()) return settings.fail(context);
  Clipboard* clipboard = context.world().clipboard;
  if (clipboard == nullptr) return BlockUnavailable(context, kOutName);
  std::string output = SourceText(context, source, text, data);
  HotKeysSuspended suspended(context);
  int written = PlanClipboard(context, *clipboard, kOutName).write(output);
  if (written != plan_result::kGoOn) return written;
  return GoOnUnlessStopped(context.wait(kAfterWriteWait));
}

}  // namespace qb

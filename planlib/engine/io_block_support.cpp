#include "planlib/engine/io_block_support.h"

namespace qb {
namespace {

constexpr int kDialogWait = 100;
constexpr int kDialogDelay = 500;

}  // namespace

int BlockUnavailable(BlockContext& context, std::string_view displayName) {
  return context.error(BlockLabel(displayName) +
                       "\n\nこの操作ブロックは、この実行環境では使用できません。　");
}

void SendHostCommand(BlockContext& context, std::string_view command) {
  if (PlanHost* host = context.world().host) host->sendCommand(command);
}

HotKeysSuspended::HotKeysSuspended(BlockContext& context) : context_(context) {
  SendHostCommand(context_, "0927Plan_HotKeyStop");
}

HotKeysSuspended::~HotKeysSuspended() { SendHostCommand(context_, "0927Plan_HotKeyStart"); }

bool WaitBeforeDialog(BlockContext& context) {
  int wait = kDialogWait + (context.world().dialogDelay ? kDialogDelay : 0);
  return context.wait(wait);
}

bool WaitAfterDialog(BlockContext& context) { return context.wait(kDialogWait); }

bool ShowNotice(BlockContext& context, const PlanNotice& notice) {
  PlanDialogs* dialogs = context.world().dialogs;
  if (dialogs == nullptr) {
    if (!notice.text.empty()) context.world().ui.showMessage(notice.text, MessageIcon::kInformation);
    return !context.stopRequested();
  }
  std::unique_ptr<PlanNoticeWindow> window = dialogs->openNotice(notice);
  return context.wait(notice.milliseconds);
}

std::string SourceText(BlockContext& context, int source, const std::string& text,
                       std::string_view setting) {
  return source == 1 ? text : context.substitute(setting);
}

}  // namespace qb

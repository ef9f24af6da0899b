// 作業中ウィンドウからコピー / 切り取り / への貼り付け / をアクティブ: synthetic keystrokes into
// the working window, which the host brings to the front.
#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_clipboard.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr int kVkC = 0x43;
constexpr int kVkX = 0x58;
constexpr int kBeforeKeys = 50;
constexpr int kBetweenKeys = 20;
constexpr int kAfterCopyKeys = 150;
constexpr int kAfterPasteKeys = 300;
constexpr int kReadRetryWait = 170;
constexpr int kWaitedReads = 4;
constexpr int kMaxReads = 100;

bool CanDriveWorkingWindow(BlockContext& context) {
  const PlanWorld& world = context.world();
  return world.host != nullptr && world.clipboard != nullptr && world.keyboard != nullptr;
}

// Ctrl + key with the waits between the events; false when the stop flag cut a wait short (the
// keys are released all the same).
bool PressWithControl(BlockContext& context, int key, int waitAfter) {
  Keyboard& keyboard = *context.world().keyboard;
  if (!context.wait(kBeforeKeys)) return false;
  keyboard.keyDown(kVkControl);
  bool waited = context.wait(kBetweenKeys);
  if (waited) keyboard.keyDown(key);
  waited = waited && context.wait(kBetweenKeys);
  if (waited) keyboard.keyUp(key);
  waited = waited && context.wait(kBetweenKeys);
  keyboard.keyUp(kVkControl);
  return waited && context.wait(waitAfter);
}

int CopyFromWorkingWindow(BlockContext& context, BlockSettings& settings, std::string& text,
                          std::string_view displayName, int key) {
  int onNoText = settings.number("KIND_GETERR");
  if (!settings.ok()) return settings.fail(context);
  if (!CanDriveWorkingWindow(context)) return BlockUnavailable(context, displayName);
  text.clear();
  HotKeysSuspended suspended(context);
  SendHostCommand(context, "0927Plan_ActWin");
  PlanClipboard clipboard(context, *context.world().clipboard, displayName);
  if (int cleared = clipboard.write(""); cleared != plan_result::kGoOn) return cleared;
  if (!PressWithControl(context, key, kAfterCopyKeys)) return plan_result::kCancel;
  for (int read = 1; read <= kMaxReads; ++read) {
    std::optional<std::string> content;
    if (int result = clipboard.read(content); result != plan_result::kGoOn) return result;
    if (content) {
      text = std::move(*content);
      return plan_result::kGoOn;
    }
    if (read <= kWaitedReads) {
      if (!context.wait(kReadRetryWait)) return plan_result::kCancel;
    } else if (onNoText == 2) {
      ShowNotice(context, CancelNotice("文字列が選択されていません\r\nプランをキャンセルします"));
      return plan_result::kCancel;
    }
  }
  return plan_result::kGoOn;
}

}  // namespace

int ActWinCopy::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  return CopyFromWorkingWindow(context, settings, text, "作業中ウィンドウからコピー", kVkC);
}

int ActWinCut::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  return CopyFromWorkingWindow(context, settings, text, "作業中ウィンドウから切り取り", kVkX);
}

int CActWinPaste::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  constexpr std::string_view kName = "作業中ウィンドウへの貼り付け";
  int source = settings.number("KIND_IN");
  std::string data = settings.text("DATAIN");
  if (!settings.ok()) return settings.fail(context);
  if (!CanDriveWorkingWindow(context)) return BlockUnavailable(context, kName);
  std::string output = SourceText(context, source, text, data);
  HotKeysSuspended suspended(context);
  SendHostCommand(context, "0927Plan_ActWin");
  int written = PlanClipboard(context, *context.world().clipboard, kName).write(output);
  if (written != plan_result::kGoOn) return written;
  return GoOnUnlessStopped(PressWithControl(context, kVkV, kAfterPasteKeys));
}

int CActWinDsp::m_Run(BlockContext& context, BlockSettings&, std::string&) const {
  if (context.world().host == nullptr) return BlockUnavailable(context, "作業中ウィンドウをアクティブ");
  SendHostCommand(context, "0927Plan_ActWin");
  return plan_result::kGoOn;
}

}  // namespace qb

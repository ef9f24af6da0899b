// What the blocks that reach outside the working text share: the host's commands, the waits
// around the run-time windows, notices, and the source text of a block.
#pragma once
#include <string>
#include <string_view>

#include "planlib/engine/block_context.h"

namespace qb {

// "【操作ブロック[name]実行】\n\nこの操作ブロックは、この実行環境では使用できません。　"; -1.
int BlockUnavailable(BlockContext& context, std::string_view displayName);

// Sends a command to the host, when there is one.
void SendHostCommand(BlockContext& context, std::string_view command);

// The host's hotkeys and clipboard capture stand aside while a block drives the keyboard or the
// clipboard: "0927Plan_HotKeyStop" now, "0927Plan_HotKeyStart" when the block ends, whatever
// its path.
class HotKeysSuspended {
 public:
  explicit HotKeysSuspended(BlockContext& context);
  ~HotKeysSuspended();
  HotKeysSuspended(const HotKeysSuspended&) = delete;
  HotKeysSuspended& operator=(const HotKeysSuspended&) = delete;

 private:
  BlockContext& context_;
};

// 100 ms before each run-time window, 500 ms more when the host asks for it; 100 ms after it.
// False when the stop flag ended the wait.
bool WaitBeforeDialog(BlockContext& context);
bool WaitAfterDialog(BlockContext& context);

// Shows a notice for its time and waits for it. Without a notice window a non-empty text becomes
// an information box. False when the stop flag ended the wait.
bool ShowNotice(BlockContext& context, const PlanNotice& notice);

// The text a block works with: the working text for source 1, else the setting substituted.
std::string SourceText(BlockContext& context, int source, const std::string& text,
                       std::string_view setting);

// The wait result of a block: 0 (go on), or 103 when the stop flag cut it short.
inline int GoOnUnlessStopped(bool waited) { return waited ? 0 : 103; }

}  // namespace qb

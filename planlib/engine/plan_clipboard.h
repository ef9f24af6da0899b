// The clipboard as plan blocks use it: opening with five tries, writing a text, reading the text
// (cut to the value limit). Failures show the block's label with their message.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "planlib/engine/block_context.h"

namespace qb {

class PlanClipboard {
 public:
  // `displayName` names the block in the messages.
  PlanClipboard(BlockContext& context, Clipboard& clipboard, std::string_view displayName);

  // 0 when written; -1 after the message; 103 when the stop flag ended a retry wait.
  int write(std::string_view text);
  // 0 with the text, or with nothing when there is no text (an empty text counts as none);
  // -1 after the open-failure message; 103 when the stop flag ended a retry wait.
  int read(std::optional<std::string>& text);

 private:
  int open();
  int fail(std::string_view message);

  BlockContext& context_;
  Clipboard& clipboard_;
  std::string_view displayName_;
};

}  // namespace qb

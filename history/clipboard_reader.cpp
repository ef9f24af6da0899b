#include "history/clipboard_reader.h"

#include <array>

#include "base/text_limits.h"

namespace qb {
namespace {

constexpr std::array<int, 4> kRetryWaits = {300, 500, 600, 700};

bool OpenWithRetries(Clipboard& clipboard, Clock& clock, Ui& ui, ClipboardTries tries) {
  if (clipboard.open()) return true;
  if (tries == ClipboardTries::kSingle) return false;
  for (int wait : kRetryWaits) {
    clock.pumpWait(wait);
    if (clipboard.open()) return true;
  }
  ui.showMessage(
      "クリップボードが開けません(5回ﾘﾄﾗｲ)。\n他のアプリケーションが占有している可能性があります。　",
      MessageIcon::kExclamation);
  return false;
}

}  // namespace

ClipboardText ReadClipboardText(Clipboard& clipboard, Clock& clock, Ui& ui, ClipboardTries tries) {
  ClipboardText result;
  if (!OpenWithRetries(clipboard, clock, ui, tries)) return result;
  if (clipboard.hasText()) {
    if (std::optional<std::string> text = clipboard.getText()) {
      result.fullLength = text->size();
      if (text->size() > kMaxValueBytes) text->resize(kMaxValueBytes);
      result.text = std::move(*text);
    }
  }
  clipboard.close();
  return result;
}

}  // namespace qb

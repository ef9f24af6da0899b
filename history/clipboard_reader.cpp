#include "history/clipboard_reader.h"

#include <array>

#include "base/sjis.h"
#include "base/text_limits.h"

namespace qb {
namespace {

constexpr std::array<int, 4> kReadRetryWaits = {300, 500, 600, 700};
constexpr std::array<int, 4> kWriteRetryWaits = {100, 400, 500, 600};

bool OpenWithRetries(Clipboard& clipboard, Clock& clock, Ui& ui, ClipboardTries tries,
                     const std::array<int, 4>& waits) {
  if (clipboard.open()) return true;
  if (tries == ClipboardTries::kSingle) return false;
  for (int wait : waits) {
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
  // The format is known without opening: an image held by its owner costs no waits and no
  // warning.
  if (!clipboard.hasText()) return result;
  if (!OpenWithRetries(clipboard, clock, ui, tries, kReadRetryWaits)) return result;
  result.isPrivate = clipboard.isPrivate();
  if (!result.isPrivate) {
    if (std::optional<std::string> text = clipboard.getText()) {
      result.fullLength = text->size();
      if (text->size() > kMaxValueBytes) {
        text->resize(WholeCharacterPrefix(*text, kMaxValueBytes).size());
      }
      result.text = std::move(*text);
    }
  }
  clipboard.close();
  return result;
}

bool OpenClipboardForWrite(Clipboard& clipboard, Clock& clock, Ui& ui) {
  return OpenWithRetries(clipboard, clock, ui, ClipboardTries::kFive, kWriteRetryWaits);
}

}  // namespace qb

#include "history/clipboard_reader.h"

#include <array>
#include <cstdint>

#include "base/sjis.h"
#include "base/text_limits.h"
#include "history/exact_companion.h"

namespace qb {
namespace {

constexpr std::array<int, 4> kReadRetryWaits = {300, 500, 600, 700};
constexpr std::array<int, 4> kWriteRetryWaits = {100, 400, 500, 600};
constexpr int kImmediateTries = 200;
constexpr std::uint64_t kImmediateMilliseconds = 10;

// Another clipboard listener reading the same change (under Wine the system's own clipboard
// manager) holds the clipboard for a moment: an open refused at first is tried again at once,
// without waiting, for up to 10 ms. Only a clipboard held longer meets the waits.
bool OpenWithoutWaiting(Clipboard& clipboard, Clock& clock) {
  if (clipboard.open()) return true;
  const std::uint64_t start = clock.milliseconds();
  for (int attempt = 0; attempt < kImmediateTries; ++attempt) {
    if (clipboard.open()) return true;
    if (clock.milliseconds() - start >= kImmediateMilliseconds) break;
  }
  return false;
}

bool OpenWithRetries(Clipboard& clipboard, Clock& clock, Ui& ui, ClipboardTries tries,
                     const std::array<int, 4>& waits) {
  if (OpenWithoutWaiting(clipboard, clock)) return true;
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
      if (result.fullLength <= kMaxValueBytes) {
        result.exact = clipboard.getExactText();
        if (result.exact.size() > kMaxExactBytes) result.exact.clear();
      }
    }
  }
  clipboard.close();
  return result;
}

bool OpenClipboardForWrite(Clipboard& clipboard, Clock& clock, Ui& ui) {
  return OpenWithRetries(clipboard, clock, ui, ClipboardTries::kFive, kWriteRetryWaits);
}

}  // namespace qb

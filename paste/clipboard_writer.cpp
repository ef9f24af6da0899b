#include "paste/clipboard_writer.h"

namespace qb {

int PutTextOnClipboard(std::string_view text, Clipboard& clipboard, Clock& clock, Ui& ui,
                       PasteHost& host) {
  host.rememberOwnText(text);
  if (clock.milliseconds() - host.lastPlacementMilliseconds() < kPlacementGuardMilliseconds) {
    clock.pumpWait(100);
  }
  static const int kRetryWaits[] = {100, 400, 500, 600};
  bool opened = clipboard.open();
  for (int wait : kRetryWaits) {
    if (opened) break;
    clock.pumpWait(wait);
    opened = clipboard.open();
  }
  if (!opened) {
    ui.showMessage("クリップボードが開けません(5回ﾘﾄﾗｲ)。\n他のアプリケーションが占有している可能性があります。　",
                   MessageIcon::kExclamation);
    return -1;
  }
  if (!clipboard.empty()) {
    clipboard.close();
    ui.showMessage("クリップボードを空にできません", MessageIcon::kStop);
    return -1;
  }
  if (!clipboard.setText(text)) {
    clipboard.close();
    ui.showMessage("クリップボードにデータをセットできません", MessageIcon::kStop);
    return -1;
  }
  clipboard.close();
  return 0;
}

}  // namespace qb

// Puts a value on the clipboard for a paste or copy, so that its change notice is not taken
// into the History again.
#pragma once
#include <string_view>

#include "paste/paste_host.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kPlacementGuardMilliseconds = 250;

// 0, or -1 after the message. Opening is retried after 100, 400, 500 and 600 ms.
int PutTextOnClipboard(std::string_view text, Clipboard& clipboard, Clock& clock, Ui& ui,
                       PasteHost& host);

}  // namespace qb

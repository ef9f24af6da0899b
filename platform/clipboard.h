// The system clipboard. Texts are Shift-JIS; change notices reach the capture controller as
// calls, not through this port.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // One try; false while another program holds the clipboard.
  virtual bool open() = 0;
  virtual void close() = 0;
  // True when the content has a text format; the clipboard need not be open (nor openable).
  virtual bool hasText() = 0;
  // The calls below need the clipboard open.
  // Empty when there is no text.
  virtual std::optional<std::string> getText() = 0;
  virtual bool empty() = 0;
  virtual bool setText(std::string_view text) = 0;
  // True when the owner of the content asked clipboard tools to leave it alone: one of the
  // formats "ExcludeClipboardContentFromMonitorProcessing" or "Clipboard Viewer Ignore" is on the
  // clipboard, or "CanIncludeInClipboardHistory" holds the DWORD 0 (passwords and the like).
  virtual bool isPrivate() = 0;
};

}  // namespace qb

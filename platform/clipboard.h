// The system clipboard. Texts are Shift-JIS; a text that code page 932 cannot hold also comes
// in its exact form, UTF-8 bytes the core keeps without converting. Change notices reach the
// capture controller as calls, not through this port.
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
  // The text in UTF-8 when code page 932 cannot hold it (getText() then gives its
  // code-page-932 form, with "?" for what it cannot hold); empty when getText() is exact.
  virtual std::string getExactText() = 0;
  virtual bool empty() = 0;
  virtual bool setText(std::string_view text) = 0;
  // Puts a text whose exact form is `exact` (UTF-8) as Unicode text; `text` is its
  // code-page-932 form, which readers that ask for Shift-JIS get.
  virtual bool setExactText(std::string_view text, std::string_view exact) = 0;
  // True when the owner of the content asked clipboard tools to leave it alone: one of the
  // formats "ExcludeClipboardContentFromMonitorProcessing" or "Clipboard Viewer Ignore" is on the
  // clipboard, or "CanIncludeInClipboardHistory" holds the DWORD 0 (passwords and the like).
  virtual bool isPrivate() = 0;
};

}  // namespace qb

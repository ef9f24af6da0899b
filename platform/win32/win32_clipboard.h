// The system clipboard through the W API: texts travel as CF_UNICODETEXT and are converted with
// code page 932.
#pragma once
#include <windows.h>

#include "platform/clipboard.h"

namespace qb {

class Win32Clipboard : public Clipboard {
 public:
  // The clipboard is opened on behalf of `owner` (may be null).
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}

  bool open() override;
  void close() override;
  bool hasText() override;
  std::optional<std::string> getText() override;
  std::string getExactText() override;
  bool isPrivate() override;
  bool empty() override;
  bool setText(std::string_view text) override;
  bool setExactText(std::string_view text, std::string_view exact) override;

 private:
  HWND owner_;
};

}  // namespace qb

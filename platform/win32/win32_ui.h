// Modal message boxes through MessageBoxW, with the program's caption and an owner window.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/ui.h"

namespace qb {

// The MessageBoxW style for an icon and a set of buttons.
UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons);
// The answer for what MessageBoxW returned (0 when the box could not be shown: "No" for a
// question, so that nothing is done without a yes).
MessageAnswer AnswerFromMessageBox(int result, MessageButtons buttons);

class Win32Ui : public Ui {
 public:
  // `caption` is Shift-JIS ("Quillbox").
  explicit Win32Ui(std::string caption, HWND owner = nullptr);

  void setOwner(HWND owner) { owner_ = owner; }
  // Called with true when the program becomes busy and with false when it is no longer.
  void setBusyChangedHook(std::function<void(bool)> hook) { busyChangedHook_ = std::move(hook); }

 protected:
  MessageAnswer presentMessage(std::string_view text, MessageIcon icon,
                               MessageButtons buttons) override;
  void onBusyChanged(bool busy) override;

 private:
  std::wstring caption_;
  HWND owner_;
  std::function<void(bool)> busyChangedHook_;
};

}  // namespace qb

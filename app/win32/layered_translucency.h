// The translucency entry points through the system's layered-window calls: the layered style
// on or off ("SetWindowLong_Dll") and the opacity ("SetLayeredWin_Dll").
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "app/shell/translucency.h"

namespace qb {

class LayeredTranslucency : public Translucency {
 public:
  // Finds the two calls in user32; the message of the first one missing, else nothing. On
  // systems before Windows XP nothing is looked up and the calls do nothing.
  std::optional<std::string> load(const WindowsVersion& version);

  void setLayered(WindowId window, bool layered) override;
  void setOpacity(WindowId window, int alpha) override;

 private:
  using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  bool loaded_ = false;
  SetLayeredAttributes setAttributes_ = nullptr;
};

}  // namespace qb

// The window link: the main window takes a share of the work area at the right or the bottom
// and the working window fills the rest; unlinking puts the main window back where it was.
#pragma once
#include <optional>

#include "paste/paste_settings.h"
#include "platform/desktop.h"
#include "platform/ui.h"

namespace qb {

inline constexpr char kLinkRightCommand[] = "Quillboxを右側に配置します";
inline constexpr char kLinkBottomCommand[] = "Quillboxを下部に配置します";

enum class LinkSide { kRight, kBottom };

class WindowLink {
 public:
  WindowLink(Desktop& desktop, Ui& ui, WindowId mainWindow);

  // 0, or -1 after the refusal message.
  int link(LinkSide side, WindowId workingWindow, const PasteSettings& settings);
  // Puts the main window back to its kept rectangle; nothing when not linked.
  void unlink();

  bool linked() const { return linkedTo_ != 0; }
  WindowId linkedWindow() const { return linkedTo_; }
  std::optional<ScreenRect> keptRect() const { return kept_; }

 private:
  Desktop& desktop_;
  Ui& ui_;
  WindowId main_;
  WindowId linkedTo_ = 0;
  std::optional<ScreenRect> kept_;
};

}  // namespace qb

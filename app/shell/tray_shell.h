// The notification-area icon as the shell sees it: one icon (id 1) of the frame window, whose
// mouse messages arrive as the frame's message 1124 (WM_USER + 100) with the mouse message in
// lParam. The Win32 view implements `TrayShell` with Shell_NotifyIconW (NIM_ADD / NIM_MODIFY /
// NIM_DELETE, flags message + icon + tip) and loads the icon resource by its number.
#pragma once
#include <cstdint>
#include <string>

namespace qb {

namespace tray_icon {
inline constexpr int kIconId = 1;
inline constexpr std::uint32_t kCallbackMessage = 0x0400 + 100;  // WM_USER + 100 = 1124
}  // namespace tray_icon

// Icon resources of the tray icon.
namespace tray_image {
inline constexpr int kNormal = 229;
inline constexpr int kLanPublish = 230;
inline constexpr int kCaptureFlash = 260;
inline constexpr int kCaptureFlashLanPublish = 261;
}  // namespace tray_image

struct TrayIconState {
  int image = tray_image::kNormal;  // icon resource number
  std::string tip;                  // Shift-JIS
  bool operator==(const TrayIconState&) const = default;
};

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Each call is one request to the shell; false when the shell refused it.
  virtual bool add(const TrayIconState& state) = 0;
  virtual bool modify(const TrayIconState& state) = 0;
  virtual bool remove() = 0;
};

}  // namespace qb

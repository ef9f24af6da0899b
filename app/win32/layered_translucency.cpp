#include "app/win32/layered_translucency.h"

namespace qb {

std::optional<std::string> LayeredTranslucency::load(const WindowsVersion& version) {
  if (!UsesTranslucencyLibrary(version)) return std::nullopt;
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return std::string(kTranslucencyLibraryLoadError);
  if (!GetProcAddress(user32, "SetWindowLongW")) return std::string(kSetLayeredStyleEntryError);
  setAttributes_ = reinterpret_cast<SetLayeredAttributes>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
  if (!setAttributes_) return std::string(kSetOpacityEntryError);
  loaded_ = true;
  return std::nullopt;
}

void LayeredTranslucency::setLayered(WindowId window, bool layered) {
  if (!loaded_) return;
  HWND handle = reinterpret_cast<HWND>(window);
  LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  style = layered ? (style | WS_EX_LAYERED) : (style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  SetWindowLongPtrW(handle, GWL_EXSTYLE, style);
}

void LayeredTranslucency::setOpacity(WindowId window, int alpha) {
  if (!loaded_) return;
  setAttributes_(reinterpret_cast<HWND>(window), 0,
                 static_cast<BYTE>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha), LWA_ALPHA);
}

}  // namespace qb

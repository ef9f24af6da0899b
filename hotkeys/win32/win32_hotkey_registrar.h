// System hotkeys registered for one window: WM_HOTKEY arrives there with the identifier.
#pragma once
#include <windows.h>

#include "hotkeys/hotkey_registrar.h"

namespace qb {

class Win32HotkeyRegistrar : public HotkeyRegistrar {
 public:
  explicit Win32HotkeyRegistrar(HWND window) : window_(window) {}
  bool add(int id, unsigned modifiers, int key) override {
    return RegisterHotKey(window_, id, modifiers, static_cast<UINT>(key)) != FALSE;
  }
  void remove(int id) override { UnregisterHotKey(window_, id); }

 private:
  HWND window_;
};

}  // namespace qb

// The system's hotkey registration for the main window: a registered combination sends the
// window the hotkey message with its identifier.
#pragma once

namespace qb {

class HotkeyRegistrar {
 public:
  virtual ~HotkeyRegistrar() = default;
  // Registers `key` with the modifier flags (hotkey_modifier) under `id`; false when refused,
  // usually because another program holds the combination.
  virtual bool add(int id, unsigned modifiers, int key) = 0;
  virtual void remove(int id) = 0;
};

}  // namespace qb

#include "hotkeys/hotkey_keys.h"

#include <array>

namespace qb {
namespace {

constexpr int kF1 = 0x70;
constexpr int kF24 = 0x87;

constexpr std::array<int, 36> MakeOfferedKeys() {
  std::array<int, 36> keys{};
  for (int i = 0; i < 10; ++i) keys[static_cast<std::size_t>(i)] = '0' + i;
  for (int i = 0; i < 26; ++i) keys[static_cast<std::size_t>(10 + i)] = 'A' + i;
  return keys;
}
constexpr std::array<int, 36> kOfferedKeys = MakeOfferedKeys();

const char* ModifierText(int key) {
  switch (key) {
    case hotkey_key::kShift: return "Shift+";
    case hotkey_key::kCtrl: return "Ctrl+";
    case hotkey_key::kAlt: return "Alt+";
    default: return "";
  }
}

}  // namespace

unsigned ModifierFlag(int key) {
  switch (key) {
    case hotkey_key::kShift: return hotkey_modifier::kShift;
    case hotkey_key::kCtrl: return hotkey_modifier::kCtrl;
    case hotkey_key::kAlt: return hotkey_modifier::kAlt;
    default: return 0;
  }
}

unsigned ModifierFlags(std::span<const int> modifiers) {
  unsigned flags = 0;
  for (int key : modifiers) flags |= ModifierFlag(key);
  return flags;
}

std::string KeyText(int virtualKey) {
  if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
    return std::string(1, static_cast<char>(virtualKey));
  }
  if (virtualKey >= kF1 && virtualKey <= kF24) return "F" + std::to_string(virtualKey - kF1 + 1);
  return std::to_string(virtualKey);
}

std::string HotkeyText(std::span<const int> modifiers, int key) {
  std::string text;
  for (int modifier : modifiers) text += ModifierText(modifier);
  return text + KeyText(key);
}

std::span<const int> OfferedKeys() { return kOfferedKeys; }

}  // namespace qb

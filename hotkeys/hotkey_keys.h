// Keys of the hotkeys as the settings hold them: virtual-key codes of the modifiers and their
// sides, the modifier flags a registration takes, and the text form users read in messages.
#pragma once
#include <span>
#include <string>

namespace qb {

namespace hotkey_key {
inline constexpr int kShift = 16;
inline constexpr int kCtrl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kLeftShift = 160;
inline constexpr int kRightShift = 161;
inline constexpr int kLeftCtrl = 162;
inline constexpr int kRightCtrl = 163;
}  // namespace hotkey_key

// The flags of a system hotkey registration.
namespace hotkey_modifier {
inline constexpr unsigned kAlt = 1;
inline constexpr unsigned kCtrl = 2;
inline constexpr unsigned kShift = 4;
}  // namespace hotkey_modifier

// 16 → Shift, 17 → Ctrl, 18 → Alt; any other key (0: none) adds nothing.
unsigned ModifierFlag(int key);
unsigned ModifierFlags(std::span<const int> modifiers);

// The key as a user reads it: "A".."Z", "0".."9", "F1".."F24"; other keys by their number.
std::string KeyText(int virtualKey);

// "Shift+", "Ctrl+" or "Alt+" for each modifier in the given order (0 skipped), then the key:
// "Ctrl+Alt+P".
std::string HotkeyText(std::span<const int> modifiers, int key);

// The keys the dialogs offer: the digits 0-9 and the letters A-Z.
std::span<const int> OfferedKeys();

}  // namespace qb

#include "hotkeys/fake/fake_hotkey_registrar.h"

namespace qb {

bool FakeHotkeyRegistrar::add(int id, unsigned modifiers, int key) {
  const std::string what = std::to_string(id) + " " + std::to_string(modifiers) + " " +
                           std::to_string(key);
  bool held = taken_.count({modifiers, key}) > 0 || registered_.count(id) > 0;
  for (const auto& [other, combination] : registered_) {
    held = held || combination == std::make_pair(modifiers, key);
  }
  if (held) {
    log_.push_back("refused " + what);
    return false;
  }
  registered_[id] = {modifiers, key};
  log_.push_back("add " + what);
  return true;
}

void FakeHotkeyRegistrar::remove(int id) {
  registered_.erase(id);
  log_.push_back("remove " + std::to_string(id));
}

}  // namespace qb

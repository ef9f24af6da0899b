// A hotkey registrar for tests: combinations other programs hold are refused; every call is
// recorded.
#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hotkeys/hotkey_registrar.h"

namespace qb {

class FakeHotkeyRegistrar : public HotkeyRegistrar {
 public:
  bool add(int id, unsigned modifiers, int key) override;
  void remove(int id) override;

  // Another program holds this combination.
  void holdElsewhere(unsigned modifiers, int key) { taken_.insert({modifiers, key}); }
  // id -> (modifiers, key) of what is registered now.
  const std::map<int, std::pair<unsigned, int>>& registered() const { return registered_; }
  // "add <id> <modifiers> <key>", "refused <id> ..." and "remove <id>", in order.
  const std::vector<std::string>& log() const { return log_; }

 private:
  std::set<std::pair<unsigned, int>> taken_;
  std::map<int, std::pair<unsigned, int>> registered_;
  std::vector<std::string> log_;
};

}  // namespace qb

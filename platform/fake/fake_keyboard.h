// A keyboard for tests: key and button states the test sets (now or at a virtual time), and a
// record of every synthetic event with its virtual time. With a clipboard attached, V pressed
// while Ctrl is down also records the clipboard text it would paste.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/keyboard.h"

namespace qb {

struct KeyEvent {
  std::uint64_t time = 0;
  int virtualKey = 0;
  bool down = false;
  bool operator==(const KeyEvent&) const = default;
};

class FakeKeyboard : public Keyboard {
 public:
  explicit FakeKeyboard(FakeClock& clock, FakeClipboard* clipboard = nullptr);

  bool isDown(int virtualKey) override;
  void keyDown(int virtualKey) override;
  void keyUp(int virtualKey) override;

  // What the user holds.
  void hold(int virtualKey, bool down);
  // From virtual time `at` on (through the clock's schedule).
  void holdAt(std::uint64_t at, int virtualKey, bool down);

  const std::vector<KeyEvent>& events() const { return events_; }
  // "<ms> paste <text>", "<ms> down <vk>", "<ms> up <vk>", in order.
  const std::vector<std::string>& log() const { return log_; }
  // The texts pasted by Ctrl+V, in order.
  std::vector<std::string> pastes() const;

 private:
  FakeClock& clock_;
  FakeClipboard* clipboard_;
  std::set<int> held_;      // physical state set by the test
  std::set<int> pressed_;   // synthetic state
  std::vector<KeyEvent> events_;
  std::vector<std::string> log_;
  std::vector<std::string> pastes_;
};

}  // namespace qb

#include "platform/fake/fake_keyboard.h"

namespace qb {

FakeKeyboard::FakeKeyboard(FakeClock& clock, FakeClipboard* clipboard)
    : clock_(clock), clipboard_(clipboard) {}

bool FakeKeyboard::isDown(int virtualKey) {
  return held_.count(virtualKey) != 0 || pressed_.count(virtualKey) != 0;
}

void FakeKeyboard::keyDown(int virtualKey) {
  const std::uint64_t now = clock_.milliseconds();
  events_.push_back({now, virtualKey, true});
  log_.push_back(std::to_string(now) + " down " + std::to_string(virtualKey));
  if (virtualKey == kVkV && isDown(kVkControl) && clipboard_ != nullptr) {
    const std::string text = clipboard_->currentText().value_or("");
    pastes_.push_back(text);
    log_.push_back(std::to_string(now) + " paste " + text);
  }
  pressed_.insert(virtualKey);
}

void FakeKeyboard::keyUp(int virtualKey) {
  const std::uint64_t now = clock_.milliseconds();
  events_.push_back({now, virtualKey, false});
  log_.push_back(std::to_string(now) + " up " + std::to_string(virtualKey));
  pressed_.erase(virtualKey);
}

void FakeKeyboard::hold(int virtualKey, bool down) {
  if (down) {
    held_.insert(virtualKey);
  } else {
    held_.erase(virtualKey);
  }
}

void FakeKeyboard::holdAt(std::uint64_t at, int virtualKey, bool down) {
  clock_.scheduleAt(at, [this, virtualKey, down] { hold(virtualKey, down); });
}

std::vector<std::string> FakeKeyboard::pastes() const { return pastes_; }

}  // namespace qb

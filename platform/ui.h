// Modal message boxes and the busy state held while one is open.
#pragma once
#include <atomic>
#include <string>
#include <string_view>

namespace qb {

enum class MessageIcon { kNone, kStop, kExclamation, kInformation, kQuestion };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

class Ui {
 public:
  virtual ~Ui() = default;

  // Shows a modal box; the program counts as busy while it is open.
  MessageAnswer showMessage(std::string_view text, MessageIcon icon,
                            MessageButtons buttons = MessageButtons::kOk) {
    BusyScope busy(*this);
    return presentMessage(text, icon, buttons);
  }

  // While busy the program does not capture the clipboard and the plan popup menu is stopped.
  bool isBusy() const { return busyDepth_.load() > 0; }

  // Holds the busy state for a modal dialog or box.
  class BusyScope {
   public:
    explicit BusyScope(Ui& ui) : ui_(ui) { ui_.enterBusy(); }
    ~BusyScope() { ui_.leaveBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    Ui& ui_;
  };

 protected:
  virtual MessageAnswer presentMessage(std::string_view text, MessageIcon icon,
                                       MessageButtons buttons) = 0;
  // Called when the busy state starts and ends (depth 0 -> 1 and 1 -> 0).
  virtual void onBusyChanged(bool /*busy*/) {}

 private:
  void enterBusy() {
    if (busyDepth_.fetch_add(1) == 0) onBusyChanged(true);
  }
  void leaveBusy() {
    if (busyDepth_.fetch_sub(1) == 1) onBusyChanged(false);
  }
  std::atomic<int> busyDepth_{0};
};

}  // namespace qb

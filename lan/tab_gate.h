// The tab a link's threads call. The window thread attaches and detaches it; a link thread holds
// a Use for the length of its call, and a detach waits (dispatching window messages) until every
// call in progress has returned, so that a tab once detached may be destroyed.
#pragma once
#include <atomic>
#include <mutex>

#include "platform/clock.h"

namespace qb {

template <class Tab>
class TabGate {
 public:
  class Use {
   public:
    Use() = default;
    Use(Use&& other) noexcept : gate_(other.gate_), tab_(other.tab_) {
      other.gate_ = nullptr;
      other.tab_ = nullptr;
    }
    Use& operator=(Use&&) = delete;
    ~Use() {
      if (gate_ != nullptr) gate_->users_.fetch_sub(1);
    }
    explicit operator bool() const { return tab_ != nullptr; }
    Tab* operator->() const { return tab_; }
    Tab& operator*() const { return *tab_; }
    Tab* get() const { return tab_; }

   private:
    friend class TabGate;
    Use(TabGate* gate, Tab* tab) : gate_(gate), tab_(tab) {}
    TabGate* gate_ = nullptr;
    Tab* tab_ = nullptr;
  };

  // The attached tab for one call, or an empty Use while there is none.
  Use Enter() {
    std::lock_guard lock(mutex_);
    if (tab_ == nullptr) return {};
    users_.fetch_add(1);
    return Use(this, tab_);
  }

  bool Attached() const {
    std::lock_guard lock(mutex_);
    return tab_ != nullptr;
  }

  // Replaces the tab; the one attached before is detached first (see Detach).
  void Attach(Tab* tab, Clock& clock) {
    Detach(clock);
    std::lock_guard lock(mutex_);
    tab_ = tab;
  }

  // No new call reaches the tab; returns once the calls in progress have returned.
  void Detach(Clock& clock) {
    {
      std::lock_guard lock(mutex_);
      tab_ = nullptr;
    }
    while (users_.load() > 0) clock.pumpWait(kWaitMilliseconds);
  }

 private:
  static constexpr int kWaitMilliseconds = 10;

  mutable std::mutex mutex_;
  Tab* tab_ = nullptr;
  std::atomic<int> users_{0};
};

}  // namespace qb

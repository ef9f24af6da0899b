// Whether a plan may be changed by this user, from the plan's lock ID and the user's ID.
#pragma once
#include <string>
#include <string_view>

namespace qb {

enum class LockState {
  Unlocked = 1,         // empty lock ID
  LockedByOther = 2,    // another user's ID: the plan can be viewed but not saved
  LockedByUser = 3,     // this user's ID
};

class PlanLock {
 public:
  PlanLock(std::string_view lockId, std::string_view userId);

  LockState state() const { return state_; }
  // The option "このプランを他のユーザーが変更できないようにロックする": shown checked in state 3.
  bool lockOption() const { return state_ == LockState::LockedByUser; }
  // Only the plan's own user may change it: false (nothing changes) in state 2.
  bool lockOptionAvailable() const { return state_ != LockState::LockedByOther; }
  // Toggles between states 1 and 3; false in state 2.
  bool setLockOption(bool locked);
  // The lock ID written on save: empty in state 1, the user ID in state 3, kept in state 2.
  std::string lockIdToWrite() const;

 private:
  LockState state_;
  std::string lockId_;
  std::string userId_;
};

}  // namespace qb

#include "planlib/editor/plan_lock.h"

namespace qb {

PlanLock::PlanLock(std::string_view lockId, std::string_view userId)
    : lockId_(lockId), userId_(userId) {
  if (lockId.empty()) {
    state_ = LockState::Unlocked;
  } else {
    state_ = lockId == userId ? LockState::LockedByUser : LockState::LockedByOther;
  }
}

bool PlanLock::setLockOption(bool locked) {
  if (!lockOptionAvailable()) return false;
  state_ = locked ? LockState::LockedByUser : LockState::Unlocked;
  return true;
}

std::string PlanLock::lockIdToWrite() const {
  switch (state_) {
    case LockState::Unlocked:
      return {};
    case LockState::LockedByUser:
      return userId_;
    case LockState::LockedByOther:
      break;
  }
  return lockId_;
}

}  // namespace qb

// The dialog of the five multi hotkeys ("マルチホットキーの設定..."): each row's enable box,
// combination, key, tab, group, link and double-tap timing, and the checks on OK.
#pragma once
#include <optional>
#include <string>

#include "hotkeys/hotkey_registration.h"
#include "hotkeys/multi_hotkey.h"
#include "platform/ui.h"

namespace qb {

inline constexpr const char* kTimingCaption = "   ﾀｲﾐﾝｸﾞ：";
inline constexpr const char* kTimingExplanation =
    " ２回連打が有効となる間隔を指定します \r\n 値が小さいほど誤ってQuillboxを呼び出すことを減らせます ";
inline constexpr const char* kHotkeyHint =
    " 他のｱﾌﾟﾘｹｰｼｮﾝのﾎｯﾄｷｰやｼｮｰﾄｶｯﾄｷｰと重複しないように設定します ";
inline constexpr int kMinimumTiming = 10;
inline constexpr int kMaximumTiming = 1000;
inline constexpr const char* kTimingRangeMessage = "ﾀｲﾐﾝｸﾞは10～1000の範囲で指定してください　";

class MultiHotkeyDialogModel {
 public:
  enum class Result { kStayOpen, kUnchanged, kSaved };

  // The rows as the settings hold them now; `registration` checks new pairs before OK takes them.
  MultiHotkeyDialogModel(const MultiHotkeys& current, HotkeyRegistration& registration, Ui& ui);

  const MultiHotkey& row(int n) const { return rows_[static_cast<std::size_t>(n)]; }
  MultiHotkey& row(int n) { return rows_[static_cast<std::size_t>(n)]; }
  const MultiHotkeys& rows() const { return rows_; }

  // The combination by its index in MultiHotkeyCombinations(); -1 clears it.
  void setCombination(int n, int index);
  int combination(int n) const;
  // Whether the row's key, tab and group choices apply (a double tap has no key).
  bool usesKey(int n) const;
  bool usesTiming(int n) const;

  // The checks in order, each with its message; the first failure keeps the dialog open.
  // Saved: the rows are in `rows()` for the caller to store and register again.
  Result ok();

 private:
  bool check();
  bool checkPairs();
  bool checkTimings();
  bool checkRegistrations();
  bool refuse(const char* message);

  MultiHotkeys original_;
  MultiHotkeys rows_;
  HotkeyRegistration& registration_;
  Ui& ui_;
};

}  // namespace qb

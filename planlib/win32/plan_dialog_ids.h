// Control ids of the plan's run-time windows (the end-to-end driver uses them too), and the
// captions by which the windows are found.
#pragma once

namespace qb::plan_dialog_ids {

inline constexpr int kHeading = 1001;
inline constexpr int kInputEdit = 1002;
inline constexpr int kInputChooser = 1003;   // "参照..."
inline constexpr int kDisplayText = 1004;
inline constexpr int kDisplaySuppress = 1005;  // "これ以降は表示しない"
inline constexpr int kSelectFirstButton = 1100;  // button n is kSelectFirstButton + n - 1
inline constexpr int kHiddenText = 1200;
// The display window's "プラン実行のキャンセル" is IDCANCEL, its OK IDOK; the input window's
// OK and cancel buttons are IDOK and IDCANCEL, and so is the selection window's cancel button.

}  // namespace qb::plan_dialog_ids

// The windows of the hotkey dialogs over their portable models. Each is modal on `owner`, in the
// font face `font` (empty: the default dialog face), and keeps the program busy while open.
#pragma once
#include <windows.h>

#include <string>

#include "hotkeys/multi_hotkey_dialog_model.h"
#include "hotkeys/plan_hotkey_models.h"

namespace qb {

// Control identifiers (the tests find the controls by them).
namespace hotkey_dialog_ids {
// The multi hotkey dialog: row n's controls are kRowFirst + 10 n + the field.
inline constexpr int kRowFirst = 3000;
inline constexpr int kRowEnabled = 0;
inline constexpr int kRowCombination = 1;
inline constexpr int kRowKey = 2;
inline constexpr int kRowTab = 3;
inline constexpr int kRowGroup = 4;
inline constexpr int kRowLink = 5;
inline constexpr int kRowTiming = 6;
inline constexpr int RowControl(int row, int field) { return kRowFirst + 10 * row + field; }
// "プランホットキー一覧の表示"
inline constexpr int kPlanListView = 3200;
inline constexpr int kPlanListChange = 3201;
inline constexpr int kPlanListDelete = 3202;
// The keys of one plan.
inline constexpr int kPlanEditName = 3300;
inline constexpr int kPlanEditModifiers = 3301;
inline constexpr int kPlanEditKey = 3302;
}  // namespace hotkey_dialog_ids

// The five multi hotkeys; true when OK saved changed rows (in model.rows()).
bool RunMultiHotkeyDialog(HWND owner, Ui& ui, const std::wstring& font,
                          MultiHotkeyDialogModel& model, const GroupNames& names);


// "プランホットキー一覧の表示"; true when a change or delete altered the plan hotkeys.
bool RunPlanHotkeyListDialog(HWND owner, Ui& ui, const std::wstring& font,
                             PlanHotkeyListModel& model);

// The keys of one plan; true when OK assigned them.
bool RunPlanHotkeyEditDialog(HWND owner, Ui& ui, const std::wstring& font,
                             PlanHotkeyEditModel& model);

}  // namespace qb

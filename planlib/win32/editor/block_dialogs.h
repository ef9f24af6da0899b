// The settings dialogs of the plan editor's blocks, built from the block's form: one dialog for
// every kind (the small confirmation for the kinds without settings), and the condition block's
// list with its "条件種類選択".
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "planlib/editor/block_dialog_model.h"
#include "platform/ui.h"

namespace qb {

// Shows the block's dialog; on OK the block text the model wrote, else nothing.
std::optional<std::string> RunBlockDialog(HWND owner, Ui& ui, const std::wstring& fontFace,
                                          BlockDialogModel& model);

// "条件種類選択": the chosen kind's number (CONDITION_Kn), or nothing on cancel.
std::optional<int> RunConditionKindDialog(HWND owner, Ui& ui, const std::wstring& fontFace);

}  // namespace qb

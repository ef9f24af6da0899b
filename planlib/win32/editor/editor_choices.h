// The editor's small choice dialogs: "操作ブロック選択", "階層指定", "基本パターン選択" and
// "オプション設定".
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "planlib/editor/plan_lock.h"
#include "platform/ui.h"

namespace qb {

// The chosen block kind's tag.
std::optional<std::string> RunBlockChoiceDialog(HWND owner, Ui& ui, const std::wstring& font);
// One of `depths`; the depth of the selected row is marked.
std::optional<int> RunDepthDialog(HWND owner, Ui& ui, const std::wstring& font, const std::vector<int>& depths,
                                  int rowDepth);
// The index of the chosen basic pattern.
std::optional<std::size_t> RunPatternDialog(HWND owner, Ui& ui, const std::wstring& font);
// The lock option; true when OK was pressed.
bool RunEditorOptionsDialog(HWND owner, Ui& ui, const std::wstring& font, PlanLock& lock);

}  // namespace qb

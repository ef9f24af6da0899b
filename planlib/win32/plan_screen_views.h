// The thin windows over the run-time screen models: each runs modally, owned by the hidden plan
// window, and hands the user's answers to its model.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "planlib/engine/plan_ports.h"

namespace qb {

void RunPlanInputView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanInputModel& model);
void RunPlanDisplayView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanDisplayModel& model);
void RunPlanSelectView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanSelectModel& model);

// The topmost notice window, shown without taking the activation; its title (not shown) is
// "プラン実行［メッセージ通知］".
std::unique_ptr<PlanNoticeWindow> OpenPlanNoticeWindow(const PlanNotice& notice,
                                                       const std::wstring& fontFace);

}  // namespace qb

#include "planlib/screens/plan_screens.h"

#include "base/sjis.h"

namespace qb {

PlanNotice CancelNotice(std::string_view text) {
  return PlanNotice{std::string(text), 2000, {0, 64, 0}, {230, 235, 116}};
}

std::string ShortenForDisplay(std::string_view text, std::size_t bytes) {
  if (text.size() <= bytes) return std::string(text);
  std::size_t cut = IsSjisTrailPosition(text, bytes) ? bytes + 1 : bytes;
  return std::string(text.substr(0, cut)) + "...";
}

bool ConfirmPlanCancel(Ui& ui) {
  return ui.showMessage("プランの実行をキャンセルします。　\nよろしいですか？", MessageIcon::kQuestion,
                        MessageButtons::kYesNo) == MessageAnswer::kYes;
}

PlanInputModel::PlanInputModel(Ui& ui, std::string heading, PlanInputKind kind, bool required,
                               std::string value)
    : ui_(ui), heading_(std::move(heading)), kind_(kind), required_(required),
      value_(std::move(value)) {}

bool PlanInputModel::offersChooser() const {
  return kind_ == PlanInputKind::kOpenFile || kind_ == PlanInputKind::kSaveFile ||
         kind_ == PlanInputKind::kFolder;
}

bool PlanInputModel::ok(std::string entry) {
  if (required_ && entry.empty()) {
    ui_.showMessage("入力必須です。　", MessageIcon::kExclamation);
    return false;
  }
  value_ = std::move(entry);
  answer_ = ScreenAnswer::kOk;
  return true;
}

bool PlanInputModel::cancel() {
  if (!ConfirmPlanCancel(ui_)) return false;
  answer_ = ScreenAnswer::kCancelPlan;
  return true;
}

PlanDisplayModel::PlanDisplayModel(Ui& ui, std::string heading, std::string text,
                                   bool offerSuppress)
    : ui_(ui), heading_(std::move(heading)), text_(std::move(text)),
      offerSuppress_(offerSuppress) {}

bool PlanDisplayModel::cancel() {
  if (!ConfirmPlanCancel(ui_)) return false;
  answer_ = ScreenAnswer::kCancelPlan;
  return true;
}

PlanSelectModel::PlanSelectModel(Ui& ui, std::string heading, std::vector<std::string> buttons)
    : ui_(ui), heading_(std::move(heading)), buttons_(std::move(buttons)) {}

bool PlanSelectModel::choose(int button) {
  if (button < 1 || button > static_cast<int>(buttons_.size())) return false;
  chosen_ = button;
  answer_ = ScreenAnswer::kOk;
  return true;
}

bool PlanSelectModel::cancel() {
  if (!ConfirmPlanCancel(ui_)) return false;
  answer_ = ScreenAnswer::kCancelPlan;
  return true;
}

}  // namespace qb

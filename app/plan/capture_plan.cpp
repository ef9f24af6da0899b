#include "app/plan/capture_plan.h"

#include "base/byte_shift.h"
#include "base/records.h"
#include "history/store_folders.h"

namespace qb {
namespace {

constexpr int kCapturePlanGroup = 1;

// A stored file name: no folder part, so that the setting cannot name a file elsewhere.
bool PlainFileName(std::string_view name) {
  return !name.empty() && name.find_first_of("\\/:") == std::string_view::npos && name != "." &&
         name != "..";
}

}  // namespace

PlanRecord SplitPlanRecord(std::string_view record) {
  std::vector<std::string> fields = SplitFields(record, 6);
  fields.resize(6);
  return {fields[0], fields[1], fields[2], fields[5]};
}

CapturePlan::CapturePlan(FileSystem& files, Ui& ui, PlanRequests& plans, std::string dataHome,
                         std::function<std::string()> workingWindowTitle)
    : files_(files), ui_(ui), plans_(plans), dataHome_(std::move(dataHome)),
      workingWindowTitle_(std::move(workingWindowTitle)) {}

void CapturePlan::onCapture(std::string_view planFileName, std::string_view text) {
  if (plans_.mode() != PlanMode::kIdle) {
    ++skipped_;
    return;
  }
  m_PlanRrCallGo(planFileName, text);
}

int CapturePlan::m_PlanRrCallGo(std::string_view planFileName, std::string_view text) {
  const std::string path = PlanGroupFolder(dataHome_, kCapturePlanGroup) + "\\" + std::string(planFileName);
  FileResult<std::string> content = PlainFileName(planFileName)
                                        ? files_.readWhole(path)
                                        : FileResult<std::string>::failure({FileCause::kBadPath, 0});
  if (!content.ok()) {
    ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(m_PlanRrCallGo)。\n"
                    "履歴取得時呼び出しのプランが存在しない可能性があります。　　\n\n( " + path + " )",
                    MessageIcon::kExclamation);
    return -1;
  }
  PlanRecord record = SplitPlanRecord(ShiftBytesDown(*content.value));
  PlanRunRequest request{std::move(record.planText), std::move(record.version), std::string(text),
                         workingWindowTitle_ ? workingWindowTitle_() : std::string(), false};
  if (!plans_.requestRun(std::move(request))) ++skipped_;
  return 0;
}

}  // namespace qb

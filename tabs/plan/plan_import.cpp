#include "tabs/plan/plan_import.h"

#include <string>

#include "base/byte_shift.h"
#include "base/text_limits.h"
#include "history/file_helpers.h"
#include "planlib/engine/plan_main.h"

namespace qb {
namespace {

constexpr std::string_view kNameTag = "<@@PLAN_NAME>";

std::string InPath(std::string_view message, std::string_view path) {
  return std::string(message) + "\n( " + std::string(path) + " )";
}

// The record a file holds: a plan item file when undoing the byte shift gives a record with a
// plan text, else the file read as a plan text.
PlanItem RecordOf(const std::string& content) {
  PlanItem record;
  if (SplitPlanItem(ShiftBytesDown(content), record) &&
      record.text.find(kNameTag) != std::string::npos) {
    return record;
  }
  record = PlanItem{};
  record.text = content;
  return record;
}

}  // namespace

int ReadPlanFile(FileSystem& fs, Ui& ui, std::string_view path, PlanItem& record) {
  std::string content;
  std::string error;
  if (ReadWholeFile(fs, path, content, error) != 0) {
    ui.showMessage(InPath("プランファイルの読み込みに失敗しました。　\n" + error, path),
                   MessageIcon::kStop);
    return -1;
  }
  PlanItem read = RecordOf(content);
  if (read.text.size() > kMaxValueBytes || read.text.find(kNameTag) == std::string::npos) {
    ui.showMessage(InPath("プランのファイルではないため取り込めません。　", path),
                   MessageIcon::kExclamation);
    return -1;
  }
  CPlanMain plan;
  if (plan.m_Analyze(read.text) != 0) {
    ui.showMessage(InPath("プラン解析中にエラーが発生しました　", path), MessageIcon::kExclamation);
    return -1;
  }
  std::string name = plan.m_HeaderValue(std::string(kNameTag)).value_or("");
  // The item record separates its fields by ":::": a name holding it, or ending in a colon that
  // would run into the separator, would not read back as it was stored.
  if (name.empty() || name.find(":::") != std::string::npos || name.back() == ':') {
    ui.showMessage(InPath("プラン名が正しくないため取り込めません。　", path),
                   MessageIcon::kExclamation);
    return -1;
  }
  std::string version = read.version;
  if (version.empty()) version = plan.m_HeaderValue("<@@PLAN_GVL>").value_or("");
  if (version.empty()) version = std::string(kPlanInterfaceVersion);
  if (version.find(':') != std::string::npos) {
    ui.showMessage(InPath("プランのファイルではないため取り込めません。　", path),
                   MessageIcon::kExclamation);
    return -1;
  }
  if (version > kPlanInterfaceVersion) {
    ui.showMessage("上位のバージョンで作成/保存されたプランのため操作できません　",
                   MessageIcon::kExclamation);
    return -1;
  }
  record = PlanItem{};
  record.name = std::move(name);
  record.version = std::move(version);
  record.text = std::move(read.text);
  return 0;
}

}  // namespace qb

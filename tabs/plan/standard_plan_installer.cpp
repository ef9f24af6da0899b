#include "tabs/plan/standard_plan_installer.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "base/text_limits.h"
#include "tabs/plan/plan_list.h"

namespace qb {
namespace {

constexpr std::size_t kRecordBuffer = 512000;
constexpr int kMostRecords = 100;

struct SetFacts {
  const char* exportName;
  const char* notFound;
  const char* noExport;
  const char* interrupted;
  const char* question;
};

const SetFacts& FactsOf(StandardPlanSet set) {
  static const SetFacts kFacts[] = {
      {"m_GetPlanDataRireki", "PLANDATA.DLL  LOAD ERROR_1", "PLANDATA.DLL LOAD ERROR_2",
       "「プラン呼び出し専用」グループの標準プラン格納が中断されました。　",
       "「プラン呼び出し専用」グループの標準プラン（９個：V3.00追加分）を格納します。　\n\n"
       "よろしいですか？　"},
      {"m_GetPlanDataHotKey", "PLANDATA.DLL  LOAD ERROR_3", "PLANDATA.DLL LOAD ERROR_4",
       "「ホットキー呼び出し専用」グループの標準プラン格納が中断されました。　",
       "「ホットキー呼び出し専用」グループの標準プラン（３個：V3.00追加分）を格納します。　\n\n"
       "よろしいですか？　"},
      {"m_GetPlanDataHotKey2", "PLANDATA.DLL  LOAD ERROR_5", "PLANDATA.DLL LOAD ERROR_6",
       "「ホットキー呼び出し専用」グループの標準プラン格納が中断されました。　",
       "「ホットキー呼び出し専用」グループの標準プラン（３３個：V3.10追加分）を格納します。　\n\n"
       "よろしいですか？　"},
  };
  return kFacts[static_cast<int>(set)];
}

constexpr const char* kGroupThreeQuestion =
    "プラングループ３に標準プランを追加します。　\nまた、グループ名が「ホットキー呼び出し専用」に"
    "変更されます。　\n\nグループ名の変更と、標準プランの格納を行いますか？　";

std::string TooManyMessage(int count) {
  char text[512];
  std::snprintf(text, sizeof text,
                "標準プランを%d件追加しようとしましたが、プランの最大格納数を超えるため格納できません。"
                "　\n空きを作って環境設定の補助から再度格納してください。　",
                count);
  return text;
}

// Every record of a set; false when one of them is no plan record.
bool ReadSet(PlanDataExport get, std::vector<PlanItem>& records) {
  std::vector<char> buffer(kRecordBuffer + 1, '\0');
  for (int index = 0; index < kMostRecords; ++index) {
    int end = 1;
    get(index, &end, buffer.data());
    if (end != 0) return true;
    PlanItem record;
    if (!SplitPlanItem(std::string_view(buffer.data(), strnlen(buffer.data(), kRecordBuffer)),
                         record)) {
      return false;
    }
    records.push_back(std::move(record));
  }
  return true;
}

}  // namespace

int GroupOfSet(StandardPlanSet set) {
  return set == StandardPlanSet::kRireki ? kPlanCallGroup : kHotkeyPlanGroup;
}

StandardPlanInstaller::StandardPlanInstaller(PlanDataLibrary& library, PlanStore& store, Ui& ui,
                                             Clock& clock)
    : library_(library), store_(store), ui_(ui), clock_(clock) {}

// Creation times one second apart, in the order of the set, each later than any given before:
// the set keeps its order in the group (newest first), also after another set.
DateTime StandardPlanInstaller::nextCreated(int remaining) {
  DateTime created = AddMilliseconds(clock_.localNow(), -1000LL * remaining);
  created.millisecond = 0;
  if (lastCreated_ && !(*lastCreated_ < created)) created = AddMilliseconds(*lastCreated_, 1000);
  lastCreated_ = created;
  return created;
}

int StandardPlanInstaller::install(StandardPlanSet set, bool skipPresent) {
  const SetFacts& facts = FactsOf(set);
  const int group = GroupOfSet(set);
  std::unique_ptr<PlanDataModule> module = library_.load();
  if (!module) {
    ui_.showMessage(facts.notFound, MessageIcon::kStop);
    return -1;
  }
  PlanDataExport get = module->find(facts.exportName);
  if (!get) {
    ui_.showMessage(facts.noExport, MessageIcon::kStop);
    return -1;
  }
  std::vector<PlanItem> records;
  if (!ReadSet(get, records)) {
    ui_.showMessage(facts.interrupted, MessageIcon::kStop);
    return -1;
  }
  if (skipPresent) {
    std::set<std::string> present;
    for (const PlanFileInfo& plan : store_.list(group)) present.insert(plan.name);
    std::erase_if(records, [&](const PlanItem& record) { return present.count(record.name); });
  }
  if (records.empty()) return 0;
  const int count = static_cast<int>(records.size());
  if (store_.count(group) + count > kPlanGroupMaximum) {
    ui_.showMessage(TooManyMessage(count), MessageIcon::kExclamation);
    return -1;
  }
  std::vector<std::string> stored;
  for (std::size_t i = 0; i < records.size(); ++i) {
    FileError failure;
    std::optional<std::string> name =
        store_.add(group, records[i], nextCreated(count - 1 - static_cast<int>(i)), failure);
    if (!name) {
      // What this set stored goes again, so that a later installation does not double it.
      for (const std::string& file : stored) store_.remove(group, file);
      ui_.showMessage(facts.interrupted, MessageIcon::kStop);
      if (groupChanged && !stored.empty()) groupChanged(group);
      return -1;
    }
    stored.push_back(*name);
  }
  if (groupChanged) groupChanged(group);
  return 0;
}

int StandardPlanInstaller::reinstall(StandardPlanSet set) {
  if (ui_.showMessage(FactsOf(set).question, MessageIcon::kQuestion, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    return 1;
  }
  return install(set);
}

void StandardPlanInstaller::installWhenDue(EnvironmentSettings& environment) {
  const VersionState& version = environment.version;
  if (version.createdNew || (version.upgraded && version.previousVersion < "V3.00")) {
    for (StandardPlanSet set :
         {StandardPlanSet::kRireki, StandardPlanSet::kHotKey, StandardPlanSet::kHotKey2}) {
      install(set, /*skipPresent=*/true);
    }
    return;
  }
  if (!version.upgraded || !(version.previousVersion < "V3.10")) return;
  if (ui_.showMessage(kGroupThreeQuestion, MessageIcon::kQuestion, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    ui_.showMessage("標準プランは環境設定の補助からでも格納できます。　", MessageIcon::kInformation);
    return;
  }
  environment.PlanDir_Ar[kHotkeyPlanGroup] = "ホットキー呼び出し専用";
  install(StandardPlanSet::kHotKey2, /*skipPresent=*/true);
}

}  // namespace qb

#include "settings/settings_sheet_model.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "app/settings/settings_key_tables.h"
#include "base/numbers.h"

namespace qb {
namespace {

constexpr const char* kCommaRemoved =
    "保存場所の名称に ','(カンマ)は使用できません。\nカンマは除去されます。";
constexpr int kLowestUserPort = 1024;
constexpr int kHighestUserPort = 65535;
constexpr int kDefaultPublishPort = 27089;
constexpr int kDefaultSharePort = 27079;
// A shortcut key of this value or below is no letter: not set.
constexpr int kNoShortcutKey = 64;

std::string Numbered(const char* pattern, int index) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, index);
  return text;
}

std::string Value(const BoundKeyList& keys, std::string_view key) {
  const BoundKey* bound = keys.find(key);
  return bound ? FormatFieldValue(bound->field) : std::string();
}

}  // namespace

SettingsSheetModel::SettingsSheetModel(const Settings& live, Ui& ui)
    : live_(live),
      working_(live),
      ui_(ui),
      environmentKeys_(BindKeyTable(EnvironmentKeyTable(), working_.environment, ScreenSize{})),
      relatedKeys_(BindKeyTable(RelatedFileKeyTable(), working_.relatedFiles, ScreenSize{})),
      liveEnvironmentKeys_(BindKeyTable(EnvironmentKeyTable(), live_.environment, ScreenSize{})) {}

const BoundKeyList& SettingsSheetModel::keys(SettingsFileId file) const {
  return file == SettingsFileId::kRelatedFiles ? relatedKeys_ : environmentKeys_;
}

std::string SettingsSheetModel::text(SettingsFileId file, std::string_view key) const {
  return Value(keys(file), key);
}

bool SettingsSheetModel::setText(SettingsFileId file, std::string_view key, std::string_view text) {
  const BoundKey* bound = keys(file).find(key);
  if (!bound) return false;
  ReadFieldValue(bound->field, text, bound->limit);
  return true;
}

std::int32_t SettingsSheetModel::number(std::string_view key) const {
  return static_cast<std::int32_t>(ParseLeadingInt(Value(environmentKeys_, key)));
}

std::int32_t SettingsSheetModel::liveNumber(std::string_view key) const {
  return static_cast<std::int32_t>(ParseLeadingInt(Value(liveEnvironmentKeys_, key)));
}

int SettingsSheetModel::validate() {
  using namespace settings_page;
  if (!validateCommon()) return kCommon;
  if (!validateDisplay()) return kDisplay;
  if (!validateKeys()) return kKeys;
  if (!validateHistory()) return kHistory;
  if (!validateGroupNames("CLIPDIR_AR%d=")) return kSave;
  if (!validatePublish()) return kPublish;
  if (int refused = validatePorts(); refused >= 0) return refused;
  if (!validateGroupNames("PlanDir_Ar%02d=")) return kPlan;
  if (!validateGroupNames("StackDir_Ar%02d=")) return kStack;
  return -1;
}

bool SettingsSheetModel::validateCommon() {
  if (!changed("CommonUserFlg=")) return true;
  ui_.showMessage(number("CommonUserFlg=") == 1
                      ? "ユーザ共通の領域を使用します。\nQuillboxの再起動後に有効になります。"
                      : "ユーザ固有の領域を使用します。\nQuillboxの再起動後に有効になります。",
                  MessageIcon::kInformation);
  return true;
}

bool SettingsSheetModel::validateDisplay() {
  if (changed("Layered_SelectWin_Flg=") && number("Layered_SelectWin_Flg=") == 1) {
    ui_.showMessage("半透明化によって負荷がかかるコンピュータもあります。\nその場合はオフにしてください。\n"
                    "透明化はWindowsXP、Vistaのみ有効です。",
                    MessageIcon::kInformation);
  }
  if (working_.environment.FontName != live_.environment.FontName) {
    ui_.showMessage("この設定は次回起動時に全てのタブが有効になります　", MessageIcon::kInformation);
  }
  return true;
}

bool SettingsSheetModel::validateKeys() {
  std::set<std::int32_t> seen;
  for (int index : {0, 1, 2, 5, 6, 7, 8, 9, 10}) {
    const std::int32_t key = number(Numbered("SHORTCUTKEY%d=", index));
    if (key <= kNoShortcutKey) continue;
    if (!seen.insert(key).second) {
      ui_.showMessage("ショートカットキーが重複しています", MessageIcon::kExclamation);
      return false;
    }
  }
  return true;
}

bool SettingsSheetModel::validateHistory() {
  if (changed("AutoSave=") && number("AutoSave=") == 1) {
    ui_.showMessage("コピー操作の履歴が保存されますので、コンピュータを他者と共有する環境では\n"
                    "自動保存しないことをお勧めします。",
                    MessageIcon::kInformation);
  }
  if (changed("MaxFile=")) {
    ui_.showMessage("この変更は次回起動時に有効となります。\nまた、履歴はすべて初期化されます。",
                    MessageIcon::kInformation);
  }
  return true;
}

bool SettingsSheetModel::validateGroupNames(const char* pattern) {
  bool noticed = false;
  for (int group = 0; group < 10; ++group) {
    const BoundKey* bound = environmentKeys_.find(Numbered(pattern, group));
    auto* name = bound ? std::get_if<std::string*>(&bound->field) : nullptr;
    if (!name || (*name)->find(',') == std::string::npos) continue;
    if (!noticed) ui_.showMessage(kCommaRemoved, MessageIcon::kInformation);
    noticed = true;
    (*name)->erase(std::remove((*name)->begin(), (*name)->end(), ','), (*name)->end());
  }
  return true;
}

bool SettingsSheetModel::validatePublish() {
  const EnvironmentSettings& environment = working_.environment;
  if (environment.Open_MyName.find(":::") != std::string::npos) {
    ui_.showMessage("':::' は入力できません", MessageIcon::kExclamation);
    return false;
  }
  if (environment.Open_Enable == 1 && environment.MyIp.empty()) {
    ui_.showMessage("IPアドレスが指定されていません。\n\n公開機能はIPアドレスの指定が必須です（LAN機能が必要）。\n"
                    "この機能を使用しない場合は「有効にする」のチェックをはずしてください。　",
                    MessageIcon::kExclamation);
    return false;
  }
  if (changed("OpenSave=") && environment.OpenSave == 1) {
    ui_.showMessage("起動時からクリップボードの値が同じ公開グループに公開されます。\n\n"
                    "ネットワークを他者と共有している場合には注意してください。\n"
                    "起動時に公開したくない場合はオフにしてください。",
                    MessageIcon::kInformation);
  }
  return true;
}

// The user ports of both links (each checked where the link uses it, on its own page), then the
// two links' ports against each other; the page that refused, or -1.
int SettingsSheetModel::validatePorts() {
  const EnvironmentSettings& environment = working_.environment;
  const bool publishUserPort = environment.Lan_Port_Flg == 0;
  const bool shareUserPort = environment.CommLan_Port_Flg == 0;
  struct UserPort {
    bool used;
    std::int32_t port;
    int page;
  };
  for (const UserPort& user : {UserPort{publishUserPort, environment.Lan_UserPort, settings_page::kPublish},
                               UserPort{shareUserPort, environment.CommLan_UserPort, settings_page::kShare}}) {
    if (user.used && (user.port < kLowestUserPort || user.port > kHighestUserPort)) {
      ui_.showMessage("ポート番号は1024～65535の範囲で指定してください", MessageIcon::kExclamation);
      return user.page;
    }
  }
  const int publishPort = publishUserPort ? environment.Lan_UserPort : kDefaultPublishPort;
  const int sharePort = shareUserPort ? environment.CommLan_UserPort : kDefaultSharePort;
  if (publishPort == sharePort) {
    ui_.showMessage("ポート番号が公開機能と共有機能で同じ値が指定されています。　\n別々の値を指定してください。",
                    MessageIcon::kExclamation);
    return settings_page::kShare;
  }
  return -1;
}

std::vector<std::string> SettingsSheetModel::commit(Settings& live) const {
  std::vector<std::string> changedKeys;
  const BoundKeyList before = BindKeyTable(EnvironmentKeyTable(), live.environment, ScreenSize{});
  const BoundKeyList beforeRelated = BindKeyTable(RelatedFileKeyTable(), live.relatedFiles, ScreenSize{});
  for (const auto* pair : {&before, &beforeRelated}) {
    const BoundKeyList& now = pair == &before ? environmentKeys_ : relatedKeys_;
    for (const BoundKey& key : pair->keys()) {
      if (Value(now, key.key) != FormatFieldValue(key.field)) changedKeys.push_back(key.key);
    }
  }
  live.environment = working_.environment;
  live.relatedFiles = working_.relatedFiles;
  return changedKeys;
}

}  // namespace qb

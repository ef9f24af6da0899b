#include "app/settings/settings_files.h"

#include "app/settings/settings_key_tables.h"

namespace qb {
namespace {

constexpr SettingsFileTexts kEnvironmentTexts{
    kEnvironmentFileName, "環境設定ファイルの読み込みに失敗しました",
    "環境設定ファイルの書き込みに失敗しました", "環境設定ﾌｧｲﾙに書き込み不整合=["};
constexpr SettingsFileTexts kRelatedFilesTexts{
    kRelatedFilesFileName, "関連ファイル環境設定ファイルの読み込みに失敗しました",
    "関連ファイル環境設定ファイルの書き込みに失敗しました",
    "関連ﾌｧｲﾙ環境設定ﾌｧｲﾙに書き込み不整合=["};
constexpr SettingsFileTexts kPlanHotkeysTexts{
    kPlanHotkeysFileName, "プラン環境設定ファイルの読み込みに失敗しました",
    "プラン環境設定ファイルの書き込みに失敗しました", "ﾌﾟﾗﾝ環境設定ﾌｧｲﾙに書き込み不整合=["};

template <class S>
BoundKeyList BindWithDefaults(const KeyTable<S>& table, S& settings, ScreenSize screen) {
  BoundKeyList keys = BindKeyTable(table, settings, screen);
  keys.assignDefaults();
  return keys;
}

}  // namespace

SettingsFiles::SettingsFiles(FileSystem& fs, Ui& ui, SystemInfo& system,
                             std::string_view dataHome, CloseRequest requestClose)
    : environment_(fs, ui, requestClose, std::string(dataHome) + std::string(kEnvironmentFileName),
                   kEnvironmentTexts,
                   BindWithDefaults(EnvironmentKeyTable(), settings_.environment,
                                    system.screenSize()),
                   settings_.environment.version),
      relatedFiles_(fs, ui, requestClose,
                    std::string(dataHome) + std::string(kRelatedFilesFileName), kRelatedFilesTexts,
                    BindWithDefaults(RelatedFileKeyTable(), settings_.relatedFiles, {}),
                    settings_.relatedFiles.version),
      planHotkeys_(fs, ui, requestClose, std::string(dataHome) + std::string(kPlanHotkeysFileName),
                   kPlanHotkeysTexts,
                   BindWithDefaults(PlanHotkeyKeyTable(), settings_.planHotkeys, {}),
                   settings_.planHotkeys.version) {}

int SettingsFiles::loadCompanions() {
  const int related = relatedFiles_.load();
  const int plan = planHotkeys_.load();
  return related == 0 && plan == 0 ? 0 : -1;
}

int SettingsFiles::load() {
  if (loadEnvironment() != 0) return -1;
  return loadCompanions();
}

int SettingsFiles::save() {
  int result = 0;
  for (SettingsFile* file : {&environment_, &relatedFiles_, &planHotkeys_}) {
    if (file->save() != 0) result = -1;
  }
  return result;
}

}  // namespace qb

#include "history/store_folders.h"

#include <cstdio>
#include <vector>

#include "history/file_helpers.h"

namespace qb {
namespace {

std::string Numbered(std::string_view base, int group) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", group);
  return std::string(base) + digits;
}

// Creates the folder when missing; false after the message.
bool Ensure(FileSystem& fs, Ui& ui, const std::string& folder, const char* message) {
  if (PathExists(fs, folder) || CreateFolderPath(fs, folder) == 0) return true;
  ui.showMessage(message, MessageIcon::kStop);
  return false;
}

}  // namespace

std::string SaveGroupFolder(std::string_view dataHome, int group) {
  return Numbered(std::string(dataHome) + "ラベル付き格納", group);
}

std::string StackGroupFolder(std::string_view dataHome, int group) {
  return Numbered(std::string(dataHome) + "Stack\\StackDir", group);
}

std::string PlanGroupFolder(std::string_view dataHome, int group) {
  return Numbered(std::string(dataHome) + "Plan\\PlanDir", group);
}

std::string PlanDataHomeFolder(std::string_view dataHome) {
  return std::string(dataHome) + "Plan\\PlanDataHome";
}

std::string MacroFolder(std::string_view dataHome) { return std::string(dataHome) + "macro"; }

bool CreateStoreFolders(FileSystem& fs, Ui& ui, std::string_view dataHome) {
  for (int group = 0; group < kGroupCount; ++group) {
    if (!Ensure(fs, ui, SaveGroupFolder(dataHome, group), "保存用ﾌｫﾙﾀﾞの作成に失敗しました")) {
      return false;
    }
  }
  if (!Ensure(fs, ui, MacroFolder(dataHome), "マクロ用ﾌｫﾙﾀﾞの作成に失敗しました")) return false;
  if (!Ensure(fs, ui, std::string(dataHome) + "Plan",
              "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました（親ﾌｫﾙﾀﾞ）") ||
      !Ensure(fs, ui, PlanDataHomeFolder(dataHome),
              "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました（ﾃﾞｰﾀﾎｰﾑﾌｫﾙﾀﾞ）")) {
    return false;
  }
  for (int group = 0; group < kGroupCount; ++group) {
    if (!Ensure(fs, ui, PlanGroupFolder(dataHome, group), "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました")) {
      return false;
    }
  }
  if (!Ensure(fs, ui, std::string(dataHome) + "Stack",
              "ｽﾀｯｸ用ﾌｫﾙﾀﾞの作成に失敗しました（親ﾌｫﾙﾀﾞ）")) {
    return false;
  }
  for (int group = 0; group < kGroupCount; ++group) {
    if (!Ensure(fs, ui, StackGroupFolder(dataHome, group), "ｽﾀｯｸ用ﾌｫﾙﾀﾞの作成に失敗しました")) {
      return false;
    }
  }
  return true;
}

int RemoveInterruptedWritesInStores(FileSystem& fs, std::string_view dataHome,
                                    const DateTime& startedAt) {
  if (dataHome.empty()) return 0;
  std::vector<std::string> folders = {std::string(dataHome.substr(0, dataHome.size() - 1)),
                                      std::string(dataHome) + "clipsave", MacroFolder(dataHome),
                                      PlanDataHomeFolder(dataHome)};
  for (int group = 0; group < kGroupCount; ++group) {
    folders.push_back(SaveGroupFolder(dataHome, group));
    folders.push_back(StackGroupFolder(dataHome, group));
    folders.push_back(PlanGroupFolder(dataHome, group));
  }
  int removed = 0;
  for (const std::string& folder : folders) removed += RemoveInterruptedWrites(fs, folder, startedAt);
  return removed;
}

}  // namespace qb

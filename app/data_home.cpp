#include "app/data_home.h"

#include <cstdio>

#include "history/file_helpers.h"

namespace qb {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (prefix.empty() || text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  }
  return true;
}

std::string WithoutTrailingBackslash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

DataHome MakeDataHome(std::string userName, std::string programFolder, std::string folder) {
  DataHome home{std::move(userName), std::move(programFolder), std::move(folder), {}};
  home.settingsPath = home.folder + std::string(kSettingsFileName);
  return home;
}

// Moves the earlier data folder to the new data home after the user agreed; a backup copy is made
// beside the earlier folder first.
bool MoveEarlierData(Ui& ui, FolderMover& mover, const std::string& earlier,
                     const std::string& target) {
  std::string question =
      "Program Filesフォルダへのアプリケーションデータの格納は推奨されていないため、\n"
      "Windowsのアプリケーションデータ保存用のフォルダへ移行します。よろしいですか？　\n"
      "「いいえ」を選択すればQuillboxを終了します。\n\n移行先：\n　";
  question += target + "　";
  if (ui.showMessage(question, MessageIcon::kQuestion, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    return false;
  }
  if (!mover.copyFolder(earlier, earlier + "（自動移行時のバックアップ）")) {
    ui.showMessage("データのバックアップの作成に失敗しました。処理を中止します。　",
                   MessageIcon::kStop);
    return false;
  }
  if (!mover.moveFolder(earlier, target)) {
    ui.showMessage("データ移行が正常に終了しませんでした。", MessageIcon::kStop);
    return false;
  }
  return true;
}

}  // namespace

std::string ResolveUserName(const std::optional<std::string>& logonName) {
  if (!logonName || logonName->empty()) return std::string(kDefaultUserName);
  return *logonName;
}

std::string ProgramFolderOf(std::string_view programFilePath) {
  std::size_t last = programFilePath.rfind('\\');
  if (last == std::string_view::npos) return {};
  return std::string(programFilePath.substr(0, last + 1));
}

bool IsUnderProgramFiles(WindowsVersion version, std::string_view programFolder,
                         std::string_view programFilesFolder) {
  return version.major >= 6 && StartsWithIgnoringAsciiCase(programFolder, programFilesFolder);
}

std::string WithTrailingBackslash(std::string_view folder) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

DataHome DataHomeOf(SystemInfo& system, const std::string& userName) {
  std::string programFolder = ProgramFolderOf(system.programFilePath());
  if (!IsUnderProgramFiles(system.windowsVersion(), programFolder, system.programFilesFolder())) {
    std::string folder = programFolder + userName + "\\";
    return MakeDataHome(userName, std::move(programFolder), std::move(folder));
  }
  std::string appData =
      userName == kCommonUserName ? system.commonAppDataFolder() : system.appDataFolder();
  return MakeDataHome(userName, std::move(programFolder), appData + "\\tova-works\\quillbox\\");
}

std::optional<DataHome> ChooseDataHome(SystemInfo& system, FileSystem& fs, Ui& ui,
                                       FolderMover& mover, const std::string& userName) {
  DataHome home = DataHomeOf(system, userName);
  std::string earlierHome = home.programFolder + userName + "\\";
  if (home.folder == earlierHome) return home;  // not under Program Files: nothing to move
  std::string earlier = WithoutTrailingBackslash(earlierHome);
  std::string target = WithoutTrailingBackslash(home.folder);
  if (PathExists(fs, earlier) && !PathExists(fs, target) &&
      !MoveEarlierData(ui, mover, earlier, target)) {
    return std::nullopt;
  }
  return home;
}

DataHome DataHomeAt(SystemInfo& system, std::string_view folder, const std::string& userName) {
  return MakeDataHome(userName, ProgramFolderOf(system.programFilePath()),
                      WithTrailingBackslash(folder));
}

int EnsureDataHomeExists(FileSystem& fs, Ui& ui, const DataHome& home) {
  if (PathExists(fs, home.folder)) return 0;
  FileError error;
  if (CreateFolderPath(fs, home.folder, &error) == 0) return 0;
  ui.showMessage("ユーザー用フォルダの作成に失敗しました", MessageIcon::kStop);
  char code[64];
  std::snprintf(code, sizeof code, "ERROR CD : %d", static_cast<int>(error.systemError));
  std::string detail = code;
  if (error.systemError == 5) detail += " （フォルダにアクセス制限が設定されている可能性があります）　";
  if (error.systemError == 206) detail += " （パスが長すぎる可能性があります）　";
  ui.showMessage(detail, MessageIcon::kStop);
  return -1;
}

}  // namespace qb

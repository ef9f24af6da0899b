// ファイル追記出力, ファイル出力, ファイルの作成, フォルダの作成.
#include <cstdio>

#include "base/sjis.h"
#include "base/time_format.h"
#include "history/file_helpers.h"
#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/path_parts.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr int kBeforeWrite = 10;
constexpr int kStampSequences = 100;
constexpr int kMaxFolderLevels = 99;

bool IsFile(FileSystem& files, const std::string& path) {
  std::optional<FileAttributes> found = files.attributes(path);
  return found && !found->isFolder;
}

std::string PathTail(const std::string& path) { return "\n( " + path + " )"; }

void SetLastFile(PlanVariables& variables, const std::string& path, int pathCode, int nameCode,
                 int folderCode) {
  PathParts parts = SplitPath(path);
  variables.setText(pathCode, path);
  variables.setText(nameCode, parts.name);
  variables.setText(folderCode, parts.folder);
}

// The name of a stamped output file: kind 2 name + "_" + stamp + extension, kind 3 stamp + "_" +
// name + extension, with the first two-digit sequence whose file does not exist. Empty when all
// hundred exist.
std::string StampedPath(BlockContext& context, const std::string& path, int kind) {
  PathParts parts = SplitPath(path);
  std::size_t dot = parts.name.rfind('.');
  std::string stem = dot == std::string::npos ? parts.name : parts.name.substr(0, dot);
  std::string extension = dot == std::string::npos ? std::string() : parts.name.substr(dot);
  std::string folder = parts.folder.empty() ? std::string() : parts.folder + "\\";
  std::string time = TimeStamp14(context.world().clock.localNow());
  for (int sequence = 0; sequence < kStampSequences; ++sequence) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", sequence);
    std::string stamp = time + number;
    std::string name = kind == 2 ? stem + "_" + stamp + extension : stamp + "_" + stem + extension;
    std::string candidate = folder + name;
    if (!context.world().files.attributes(candidate)) return candidate;
  }
  return {};
}

// Asks before an existing file is overwritten or emptied; false for No.
bool MayReplace(BlockContext& context, std::string_view displayName, const std::string& path,
                std::string_view what) {
  return context.ask(BlockLabel(displayName) + "\n\n既に存在する下記のファイルは" + std::string(what) +
                     "\n( " + path + " )　\n\nプランの実行を続けますか？\n");
}

// The path is usable for folder creation: at least 4 bytes, a UNC server followed by its share,
// and at most 99 levels below the drive or share.
bool ValidFolderPath(std::string_view path) {
  if (path.size() < 4) return false;
  std::size_t start = 3;
  if (path.starts_with("\\\\")) {
    std::size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2) return false;
    start = serverEnd + 1;
  }
  int levels = 0;
  bool inName = false;
  for (std::size_t pos = start; pos < path.size(); ++pos) {
    bool separator = path[pos] == '\\' && !IsSjisTrailPosition(path, pos);
    if (!separator && !inName) ++levels;
    inName = !separator;
  }
  return levels <= kMaxFolderLevels;
}

}  // namespace

int COutFileAdd::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  const std::string label = BlockLabel("ファイル追記出力");
  int source = settings.number("KIND_IN");
  std::string setting = settings.text("FILE_PATH");
  std::string data = settings.text("DATAIN");
  if (!settings.ok()) return settings.fail(context);
  std::string path = context.expandPath(setting);
  FileSystem& files = context.world().files;
  if (!IsFile(files, path)) return context.error(label + "\n\nファイルが見つかりません。　" + PathTail(path));
  std::string output = SourceText(context, source, text, data);
  if (FileFailure failure = files.append(path, output)) {
    return context.error(label + "\n\nファイルの追記に失敗しました。　\n" +
                         FileErrorText(failure->cause) + PathTail(path));
  }
  SetLastFile(context.variables(), path, var::kLastAddPath, var::kLastAddName, var::kLastAddFolder);
  return plan_result::kGoOn;
}

int COutFileWrite::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  constexpr std::string_view kName = "ファイル出力";
  int source = settings.number("KIND_IN");
  int naming = settings.number("KIND_FILENAME");
  std::string setting = settings.text("FILE_PATH");
  std::string data = settings.text("DATAIN");
  int check = settings.number("FILE_CHECK");
  if (!settings.ok()) return settings.fail(context);
  if (!context.wait(kBeforeWrite)) return plan_result::kCancel;
  std::string path = context.expandPath(setting);
  auto failed = [&](FileCause cause, const std::string& where) {
    return context.error(BlockLabel(kName) + "\n\nファイルの出力に失敗しました。　\n" +
                         FileErrorText(cause) + PathTail(where));
  };
  if (naming == 2 || naming == 3) {
    std::string stamped = StampedPath(context, path, naming);
    if (stamped.empty()) return failed(FileCause::kGeneric, path);
    path = std::move(stamped);
  }
  FileSystem& files = context.world().files;
  if (check == 1 && files.attributes(path) && !MayReplace(context, kName, path, "上書きされます。")) {
    return plan_result::kCancel;
  }
  std::string output = SourceText(context, source, text, data);
  if (FileFailure failure = files.writeNew(path, output)) return failed(failure->cause, path);
  SetLastFile(context.variables(), path, var::kLastOutPath, var::kLastOutName, var::kLastOutFolder);
  return plan_result::kGoOn;
}

int CCreateFile::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  constexpr std::string_view kName = "ファイルの作成";
  std::string setting = settings.text("FILE_PATH");
  int check = settings.number("FILE_CHECK");
  if (!settings.ok()) return settings.fail(context);
  std::string path = context.expandPath(setting);
  FileSystem& files = context.world().files;
  if (check == 1 && files.attributes(path) && !MayReplace(context, kName, path, "初期化されます。")) {
    return plan_result::kCancel;
  }
  if (FileFailure failure = files.writeNew(path, "")) {
    return context.error(BlockLabel(kName) + "\n\nファイルの作成に失敗しました。　\n" +
                         FileErrorText(failure->cause) + PathTail(path));
  }
  return plan_result::kGoOn;
}

int CCreateFolder::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  // The messages name the block "フォルダ作成".
  const std::string label = BlockLabel("フォルダ作成");
  std::string setting = settings.text("FOLDER");
  if (!settings.ok()) return settings.fail(context);
  std::string path = context.expandPath(setting);
  if (!ValidFolderPath(path)) return context.error(label + "\n\nパスが不正です。　" + PathTail(path));
  if (CreateFolderPath(context.world().files, path) != 0) {
    return context.error(label + "\n\nフォルダ作成に失敗しました。　" + PathTail(path));
  }
  return plan_result::kGoOn;
}

}  // namespace qb

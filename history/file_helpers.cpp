#include "history/file_helpers.h"

#include <array>
#include <vector>

#include "base/sjis.h"

namespace qb {
namespace {

constexpr const char* kErrorPrefix = "エラー詳細：";
constexpr const char* kUnknownCause = "エラー内容不明";
constexpr std::size_t kMaxFolderLevels = 100;

constexpr std::array<const char*, 15> kCauseTexts = {
    "エラーなし",
    "未定義エラー",
    "ファイル未定義",
    "不正パス",
    "オープン ファイル数超過",
    "ファイル アクセス禁止",
    "不正ファイル ハンドル使用",
    "作業中のカレント ディレクトリの削除不可",
    "ディレクトリ フル",
    "ファイル ポインタ設定エラー",
    "ハードウェア エラー",
    "SHARE.EXE 未ロードまたは共有領域ロック済み",
    "ロック済み領域のロック要求",
    "ディスク フル",
    "ファイルの終わりに到達",
};

bool IsSeparatorAt(std::string_view path, std::size_t pos) {
  return path[pos] == '\\' && !IsSjisTrailPosition(path, pos);
}

// The path without one trailing backslash (a 0x5C trail byte is not a backslash).
std::string_view WithoutTrailingSeparator(std::string_view path) {
  if (!path.empty() && IsSeparatorAt(path, path.size() - 1)) path.remove_suffix(1);
  return path;
}

// Byte positions of the backslashes that are characters of their own.
std::vector<std::size_t> SeparatorPositions(std::string_view path) {
  std::vector<std::size_t> positions;
  for (std::size_t pos = 0; pos < path.size(); pos += SjisCharLength(path, pos)) {
    if (path[pos] == '\\') positions.push_back(pos);
  }
  return positions;
}

// Where the search for folders to create starts: after the server name of a UNC path,
// else after "C:\".
std::size_t FirstFolderSearchStart(std::string_view path,
                                   const std::vector<std::size_t>& separators) {
  if (path.substr(0, 2) != "\\\\") return 3;
  for (std::size_t pos : separators) {
    if (pos >= 2) return pos + 1;
  }
  return path.size();
}

// The prefixes to make sure of, shortest first; the whole path (without a trailing backslash)
// comes last and only once.
std::vector<std::string_view> FolderSteps(std::string_view path) {
  std::vector<std::size_t> separators = SeparatorPositions(path);
  std::size_t start = FirstFolderSearchStart(path, separators);
  std::vector<std::string_view> steps;
  for (std::size_t pos : separators) {
    if (pos >= start) steps.push_back(path.substr(0, pos));
  }
  std::string_view whole = WithoutTrailingSeparator(path);
  if (steps.empty() || steps.back() != whole) steps.push_back(whole);
  return steps;
}

}  // namespace

std::string FileErrorText(FileCause cause) { return FileErrorText(static_cast<int>(cause)); }

std::string FileErrorText(int cause) {
  bool known = cause >= 0 && cause < static_cast<int>(kCauseTexts.size());
  return std::string(kErrorPrefix) + (known ? kCauseTexts[cause] : kUnknownCause);
}

int ReadWholeFile(FileSystem& fs, std::string_view path, std::string& text,
                  std::string& errorText) {
  FileResult<std::string> result = fs.readWhole(path);
  if (!result.ok()) {
    text.clear();
    errorText = FileErrorText(result.error.cause);
    return -1;
  }
  text = std::move(*result.value);
  errorText.clear();
  return 0;
}

int ReadFileHead(FileSystem& fs, std::string_view path, std::size_t maxBytes, std::string& text,
                 std::string& errorText) {
  FileResult<std::string> result = fs.readHead(path, maxBytes);
  if (!result.ok()) {
    text.clear();
    errorText = FileErrorText(result.error.cause);
    return -1;
  }
  text = std::move(*result.value);
  errorText.clear();
  return 0;
}

int RemoveInterruptedWrites(FileSystem& fs, std::string_view folder, const DateTime& startedAt) {
  const std::string prefix = std::string(folder) + "\\";
  int removed = 0;
  for (const FileEntry& entry : fs.list(prefix + "~qb*.tmp")) {
    if (entry.isFolder || !(entry.lastWritten < startedAt)) continue;
    if (!fs.remove(prefix + entry.name)) ++removed;
  }
  return removed;
}

int DeleteMatchingFiles(FileSystem& fs, std::string_view wildcardPath) {
  std::vector<std::size_t> separators = SeparatorPositions(wildcardPath);
  std::string_view folder =
      separators.empty() ? std::string_view() : wildcardPath.substr(0, separators.back() + 1);
  bool matched = false;
  for (const FileEntry& entry : fs.list(wildcardPath)) {
    if (entry.isFolder) continue;
    matched = true;
    fs.remove(std::string(folder) + entry.name);  // a file that will not go is left
  }
  return matched ? 0 : -1;
}

int RenameItemFile(FileSystem& fs, std::string_view oldPath, std::string_view newPath) {
  fs.rename(oldPath, newPath);
  return 0;
}

bool PathExists(FileSystem& fs, std::string_view path) {
  return fs.attributes(WithoutTrailingSeparator(path)).has_value();
}

int CreateFolderPath(FileSystem& fs, std::string_view path, FileError* failure) {
  auto fail = [failure](FileError error) {
    if (failure != nullptr) *failure = error;
    return -1;
  };
  if (path.size() < 4) return fail({FileCause::kBadPath, 0});
  std::vector<std::string_view> steps = FolderSteps(path);
  if (steps.size() > kMaxFolderLevels) return fail({FileCause::kBadPath, 0});
  for (std::string_view step : steps) {
    if (PathExists(fs, step)) continue;
    if (FileFailure error = fs.createFolder(step)) return fail(*error);
  }
  return 0;
}

}  // namespace qb

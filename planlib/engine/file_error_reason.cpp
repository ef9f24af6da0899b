#include "planlib/engine/file_error_reason.h"

#include <array>
#include <string_view>

#include "base/sjis.h"

namespace qb {

std::string FileErrorReason(FileCause cause) {
  static constexpr std::array<std::string_view, 15> kTexts = {
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
  auto index = static_cast<std::size_t>(cause);
  std::string_view text = index < kTexts.size() ? kTexts[index] : "エラー内容不明";
  return "エラー詳細：" + std::string(text);
}

PathParts SplitPath(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t pos = 0; pos < path.size(); pos += SjisCharLength(path, pos)) {
    if (path[pos] == '\\' || path[pos] == '/') last = pos;
  }
  if (last == std::string_view::npos) return {"", std::string(path)};
  return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
}

}  // namespace qb

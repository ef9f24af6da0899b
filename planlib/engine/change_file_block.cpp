#include <vector>

#include "planlib/engine/file_lines.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/replace_engine.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

constexpr std::string_view kName = "パターンファイル置換";

struct PatternPair {
  std::string search;
  std::string replacement;
};

// Splits the pattern file into pairs; on a faulty line the error message instead.
bool ReadPairs(std::string_view content, std::string_view path, std::vector<PatternPair>& pairs,
               std::string& message) {
  FileLineCursor cursor(content);
  std::string_view line;
  while (cursor.next(line)) {
    if (line.empty()) continue;
    std::size_t separator = line.find(":::");
    if (separator == std::string_view::npos || separator == 0) {
      message = BlockLabel(kName) + "\n\nパターンファイルの設定に誤りがあります。　\n（ " +
                std::string(path) + " )\n\n" +
                (separator == 0 ? "検索文字列が設定されていません。\n（ "
                                : "セパレータの「:::」が見つかりません。\n（ ") +
                std::string(line) + " ）";
      return false;
    }
    pairs.push_back({std::string(line.substr(0, separator)), std::string(line.substr(separator + 3))});
  }
  return true;
}

}  // namespace

int CChangeFile::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int find = settings.number("KIND_FIND");
  int kind = settings.number("KIND_ADR");
  long n = settings.number("IDX_CN");
  bool ignoreCase = settings.number("KIND_ALPHABET") == 1;
  std::string path = context.expandPath(settings.text("FILE_PATH"));
  if (!settings.ok()) return settings.fail(context);
  if (find != 1) return 0;

  std::optional<std::string> content = context.readBlockFile(kName, path, "パターンファイルの読み込みに失敗しました。　");
  if (!content) return -1;
  std::vector<PatternPair> pairs;
  std::string message;
  if (!ReadPairs(*content, path, pairs, message)) return context.error(message);
  for (PatternPair& pair : pairs) {
    ReplaceRequest request{std::move(pair.search), std::move(pair.replacement), kind, n, ignoreCase};
    if (Replace(text, request, kRunGrowthCeiling) == ReplaceOutcome::kTooLong) {
      return context.valueLimitExceeded();
    }
  }
  return 0;
}

}  // namespace qb

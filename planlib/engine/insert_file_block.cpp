#include "planlib/engine/file_lines.h"
#include "planlib/engine/path_parts.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

constexpr std::string_view kName = "ファイル読み込み";

// Lines `first` to `last` (without the line break after `last`), or from `first` to the end.
std::string_view SelectLines(std::string_view content, int kind, long first, long last) {
  if (kind != 2 && kind != 3) return content;
  if (first < 1) first = 1;
  if (kind == 2 && last < first) return {};
  std::size_t begin = content.size();
  std::size_t end = content.size();
  FileLineCursor cursor(content);
  std::string_view line;
  for (long k = 1; cursor.next(line); ++k) {
    if (k == first) {
      begin = cursor.lineBegin();
      if (kind == 3) break;
    }
    if (k == last) {
      end = cursor.lineEnd();
      break;
    }
  }
  if (kind == 3) return content.substr(begin);
  return begin < end ? content.substr(begin, end - begin) : std::string_view();
}

}  // namespace

int CInsertFile::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int where = settings.number("KIND_ADR");
  int kind = settings.number("KIND_INFILE");
  long first = settings.number("IDX_START");
  long last = settings.number("IDX_END");
  std::string path = context.expandPath(settings.text("FILE_PATH"));
  if (!settings.ok()) return settings.fail(context);

  std::optional<std::string> content = context.readBlockFile(kName, path, "ファイルの読み込みに失敗しました。　");
  if (!content) return -1;
  std::string_view piece = SelectLines(*content, kind, first, last);
  std::size_t resultSize = piece.size() + (where == 3 ? 0 : text.size());
  if (resultSize > kRunGrowthCeiling) return context.valueLimitExceeded();
  if (where == 14) text.insert(0, piece);
  if (where == 15) text.append(piece);
  if (where == 3) text.assign(piece);

  PathParts parts = SplitPath(path);
  PlanVariables& variables = context.variables();
  variables.setText(var::kLastInPath, path);
  variables.setText(var::kLastInName, parts.name);
  variables.setText(var::kLastInFolder, parts.folder);
  return 0;
}

}  // namespace qb

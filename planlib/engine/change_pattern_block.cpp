#include "base/sjis.h"
#include "planlib/engine/character_map.h"
#include "planlib/engine/sjis_text.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

// Every run of `unit` (at character starts) becomes one.
std::string CollapseRuns(std::string_view text, std::string_view unit) {
  std::string out;
  out.reserve(text.size());
  bool inRun = false;
  for (std::size_t pos = 0; pos < text.size();) {
    if (text.substr(pos, unit.size()) == unit) {
      if (!inRun) out.append(unit);
      inRun = true;
      pos += unit.size();
      continue;
    }
    inRun = false;
    std::size_t length = SjisCharLength(text, pos);
    out.append(text, pos, length);
    pos += length;
  }
  return out;
}

}  // namespace

int CChangePattern::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int code = settings.number("KIND_PATTERN");
  if (!settings.ok()) return settings.fail(context);
  switch (code) {
    case 1: text = CollapseRuns(text, " "); break;
    case 2: text = CollapseRuns(text, "　"); break;
    case 3: text = CollapseRuns(text, "\t"); break;
    case 4: text = CollapseRuns(text, "\r\n"); break;
    case 9: text = SjisUpper(text); break;
    case 10: text = SjisLower(text); break;
    default:
      if (const CharacterMap* map = PatternMap(code)) text = map->convert(text);
      break;
  }
  return 0;
}

}  // namespace qb

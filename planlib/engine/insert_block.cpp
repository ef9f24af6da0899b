#include "base/sjis.h"
#include "planlib/engine/escape_notation.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/sjis_text.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

int CInsert::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int where = settings.number("KIND_ADR");
  int kind = settings.number("KIND_IMS");
  long n = settings.number("IDX_IN");
  std::string storage;
  std::string_view insert = context.substitute(settings.view("DATAIN"), storage);
  if (!settings.ok()) return settings.fail(context);
  if (kind == 2) insert = storage = ConvertEscapes(insert);
  std::size_t resultSize = (where == 3 ? 0 : text.size()) + insert.size();
  if (resultSize > kRunGrowthCeiling) return context.valueLimitExceeded();
  switch (where) {
    case 4: text.insert(0, insert); break;
    case 5: text += insert; break;
    case 6: text.insert(CharPositionToByte(text, n), insert); break;
    case 7: {
      // A byte position inside a double-byte character moves behind it.
      std::size_t at = BytePositionToByte(text, n);
      if (IsSjisTrailPosition(text, at)) ++at;
      text.insert(at, insert);
      break;
    }
    case 3: text.assign(insert); break;
    default: break;
  }
  return 0;
}

int CLineAdd::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int where = settings.number("KIND_ADR");
  std::string storage;
  std::string_view line = context.substitute(settings.view("DATAIN"), storage);
  if (!settings.ok()) return settings.fail(context);
  if (text.size() + 2 + line.size() > kRunGrowthCeiling) return context.valueLimitExceeded();
  if (where == 19) text.insert(0, std::string(line) + "\r\n");
  if (where == 20) text.append("\r\n").append(line);
  return 0;
}

}  // namespace qb

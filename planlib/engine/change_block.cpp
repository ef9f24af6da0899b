#include "planlib/engine/escape_notation.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/replace_engine.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

int CCHANGE::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int find = settings.number("KIND_FIND");
  ReplaceRequest request;
  request.kind = settings.number("KIND_ADR");
  request.position = settings.number("IDX_CN");
  int searchKind = settings.number("KIND_KMS");
  int replaceKind = settings.number("KIND_TMS");
  bool ignoreCase = settings.number("KIND_ALPHABET") == 1;
  request.search = context.substitute(settings.view("DATASR"));
  request.replacement = context.substitute(settings.view("DATATK"));
  if (!settings.ok()) return settings.fail(context);
  if (find != 1 || request.search.empty()) return 0;
  if (searchKind == 2) {
    request.search = ConvertEscapes(request.search);
  } else {
    request.ignoreCase = ignoreCase;
  }
  if (replaceKind == 2) request.replacement = ConvertEscapes(request.replacement);
  if (Replace(text, request, kRunGrowthCeiling) == ReplaceOutcome::kTooLong) {
    return context.valueLimitExceeded();
  }
  return 0;
}

}  // namespace qb

#include "planlib/engine/line_loop_text.h"
#include "planlib/engine/plan_container.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/sjis_text.h"

namespace qb {

namespace {

// Saves <$現在行> and <$総行数> and puts them back at the end of the line loop.
class SavedLinePosition {
 public:
  explicit SavedLinePosition(PlanVariables& variables)
      : variables_(variables),
        current_(variables.number(var::kCurrentLine)),
        total_(variables.number(var::kTotalLines)) {}
  ~SavedLinePosition() {
    variables_.setNumber(var::kCurrentLine, current_);
    variables_.setNumber(var::kTotalLines, total_);
  }
  SavedLinePosition(const SavedLinePosition&) = delete;
  SavedLinePosition& operator=(const SavedLinePosition&) = delete;

 private:
  PlanVariables& variables_;
  int current_;
  int total_;
};

}  // namespace

int CLine::m_Run(BlockContext& context, BlockSettings&, ChildSequence& children,
                 std::string& text) const {
  std::size_t count = CountLines(text);
  if (count > static_cast<std::size_t>(kRunLineLimit)) return context.lineLimitExceeded("行単位");
  PlanVariables& variables = context.variables();
  SavedLinePosition saved(variables);
  variables.setNumber(var::kTotalLines, static_cast<int>(count));

  // The text before the loop is needed again only when a child can leave an enclosing loop.
  LineLoopText lines(text, children.canLeaveLoop());
  std::string lineText;  // one buffer for every line
  std::string_view line;
  for (int k = 1; lines.next(line); ++k) {
    if (context.stopRequested()) return 103;
    variables.setNumber(var::kCurrentLine, k);
    lineText.assign(line);
    int result = children.run(lineText);
    if (result == 103) return result;
    if (result == 104) {
      lines.restoreInput();
      return result;
    }
    if (result == -1) {
      lines.finish();
      return -1;
    }
    if (result != 101) {
      lines.write(lineText);
      if (lines.hadBreak()) lines.write("\r\n");
    }
    if (lines.written() > kRunGrowthCeiling) return context.valueLimitExceeded();
  }
  lines.finish();
  return 0;
}

int CComment::m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children,
                    std::string& text) const {
  settings.text("DATAIN");
  int commentedOut = settings.number("COMMENT_FLG");
  if (!settings.ok()) return settings.fail(context);
  if (commentedOut == 1) return 0;
  return children.run(text);
}

int CLoop::m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children,
                 std::string& text) const {
  int count = settings.number("LOOP_COUNT");
  if (!settings.ok()) return settings.fail(context);
  if (count <= 0) return 0;
  PlanVariables& variables = context.variables();
  int savedCounter = variables.number(var::kLoopCounter);
  int savedFinal = variables.number(var::kLoopFinal);
  variables.setNumber(var::kLoopFinal, count);
  int outcome = 0;
  for (int pass = 1; pass <= count; ++pass) {
    if (context.pumpAndCheckStop()) {
      outcome = 103;
      break;
    }
    variables.setNumber(var::kLoopCounter, pass);
    int result = children.run(text);
    if (result == 104) break;
    if (result != 0) {
      outcome = result;
      break;
    }
  }
  variables.setNumber(var::kLoopCounter, savedCounter);
  variables.setNumber(var::kLoopFinal, savedFinal);
  return outcome;
}

}  // namespace qb

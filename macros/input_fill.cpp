#include "macros/input_fill.h"

namespace qb {

int InputFill(std::string_view text, std::string& filled, MacroElementTable& table,
              MacroAnalyzer& analyzer, InputDialogRunner& runner, InputMethodMemory& ime) {
  bool hasInput = false;
  for (int i = 0; i < table.count; ++i) hasInput = hasInput || table.blockName[i] == kActionInOpen;
  if (!hasInput) return 0;
  InputDialogModel model(analyzer, std::string(text), ime.open);
  bool accepted = false;
  {
    Ui::BusyScope busy(analyzer.ui());
    model.open();
    accepted = runner.runModal(model);
  }
  if (!accepted) return -1;
  filled = model.resultText();
  table = model.table();
  return 0;
}

std::optional<std::string> PrepareValueForPaste(std::string_view text, MacroAnalyzer& analyzer,
                                                InputDialogRunner& runner, InputMethodMemory& ime) {
  std::string expanded;
  std::string version;
  MacroElementTable table;
  const int flags = analyzer.m_Analyze(text, expanded, table, version, AnalyzeMode::kMacrosOnly);
  if (flags < 0) return std::nullopt;
  if ((flags & kMacroFlagInput) != 0 &&
      InputFill(text, expanded, table, analyzer, runner, ime) != 0) {
    return std::nullopt;
  }
  return ApplyMacroTableFor(expanded, table, kKeyInOpen);
}

}  // namespace qb

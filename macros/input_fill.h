// Filling the input macros of a text at paste time, and the text a paste sends.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "macros/input_dialog_model.h"
#include "macros/macro_analyzer.h"
#include "macros/macro_element_table.h"

namespace qb {

// Shows the input dialog modally (the Win32 view, or a script in tests).
class InputDialogRunner {
 public:
  virtual ~InputDialogRunner() = default;
  // True when the dialog closed with OK.
  virtual bool runModal(InputDialogModel& model) = 0;
};

// Whether the input method of the input dialog was open when it was last closed.
struct InputMethodMemory {
  bool open = false;
};

// When the table holds an input macro, asks for the inputs: on OK `filled` and the table are
// the dialog's and the result is 0; on Cancel -1. Without input macros 0 and nothing changes.
int InputFill(std::string_view text, std::string& filled, MacroElementTable& table,
              MacroAnalyzer& analyzer, InputDialogRunner& runner, InputMethodMemory& ime);

// The value a paste sends for a stored text: date macros expanded now, input macros filled in,
// key macros in their stored form for the key-macro paste. Empty when the analysis failed or
// the input was cancelled.
std::optional<std::string> PrepareValueForPaste(std::string_view text, MacroAnalyzer& analyzer,
                                                InputDialogRunner& runner, InputMethodMemory& ime);

}  // namespace qb

// The dialog windows over their portable models. Every dialog is modal on `owner`, uses the
// font face `font` (empty: the default dialog face) and keeps the program busy while it is open.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/tablist/import_file.h"
#include "app/tablist/tab_list.h"
#include "history/history_options.h"
#include "macros/input_fill.h"
#include "macros/macro_insertion_model.h"
#include "macros/sysdate_editor_model.h"
#include "paste/partial_selection_model.h"
#include "platform/ui.h"

namespace qb {

// "貼付時入力": the fields of the input macros and the preview of the filled text.
class Win32InputDialogRunner : public InputDialogRunner {
 public:
  Win32InputDialogRunner(HWND owner, Ui& ui, std::wstring fontName);
  bool runModal(InputDialogModel& model) override;

 private:
  HWND owner_;
  Ui& ui_;
  std::wstring fontName_;
};

// The part of a value to use; true on OK (or Enter), with the part in model.result().
bool RunPartialSelectionDialog(HWND owner, Ui& ui, const std::wstring& font,
                               PartialSelectionModel& model);

// "履歴タブオプション設定": 1 or 2 for the chosen variant, 0 when cancelled.
int RunTwoChoiceDialog(HWND owner, Ui& ui, const std::wstring& font, const TwoChoicePrompt& prompt);

// The whole value, read-only, with its size in bytes; `title` is the caption. A value that code
// page 932 cannot hold is shown in its exact form `exact` (UTF-8) when there is one.
void RunContentViewDialog(HWND owner, Ui& ui, const std::wstring& font, const std::string& title,
                          const std::string& value, const std::string& exact = std::string());

// The import of a file: what to take from it and the file's path (Shift-JIS); `path` fills
// the file field at the start (a dropped file).
std::optional<ImportChoice> RunImportDialog(HWND owner, Ui& ui, const std::wstring& font,
                                            const std::string& path = {});

// "埋め込みマクロ設定": true on OK, when model.ok() gives the macro to insert.
bool RunMacroInsertionDialog(HWND owner, Ui& ui, const std::wstring& font,
                             MacroInsertionModel& model);

// "日時マクロ定義": true when a definition was saved with OK.
bool RunSysdateEditorDialog(HWND owner, Ui& ui, const std::wstring& font,
                            SysdateEditorModel& model);

// The plan selection window: a note above the plan names; the position of the chosen one.
std::optional<int> RunPlanChoiceDialog(HWND owner, Ui& ui, const std::wstring& font,
                                       const std::string& caption, const std::string& note,
                                       const std::vector<std::string>& names);

// The file chooser for a plan file to import (Shift-JIS path); nothing when cancelled, or when
// the path cannot be written in code page 932 (after a message).
std::optional<std::string> ChoosePlanFile(HWND owner, Ui& ui);

}  // namespace qb

// The settings sheet "Quillbox＜環境設定＞" on the screen: a property sheet without an Apply
// button whose thirteen pages are laid out from their descriptions. Each page fills its controls
// from the sheet model when it is created and gives their values back when the user leaves it
// or presses OK; OK is taken only when the model's checks pass, else the sheet stays open on the
// page that refused.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/ui.h"
#include "settings/settings_sheet_model.h"

namespace qb {

// What the buttons of the pages run (the hotkey dialogs, the standard plans, ...); the model is
// the sheet's working copy, which a dialog of the button may change. A button whose command the
// program does not offer is shown disabled.
struct SheetCommands {
  std::function<bool(SheetCommand)> offered;
  std::function<void(SheetCommand, SettingsSheetModel&, HWND sheet)> run;
};

// True when the user closed the sheet with OK (the model then holds the values to commit).
bool RunSettingsSheet(HWND owner, Ui& ui, const std::wstring& font, SettingsSheetModel& model,
                      const SheetCommands& commands, int firstPage = 0);

// "Quillbox＜不具合AP対応設定＞": the ten application names of `DisabledAp00=`..`DisabledAp09=`.
void RunDisabledApplicationsDialog(HWND owner, Ui& ui, const std::wstring& font,
                                   SettingsSheetModel& model);

}  // namespace qb

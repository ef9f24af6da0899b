// "環境設定...": the settings sheet on a working copy of the settings; after OK the changed values
// are taken over and each part of the program that reads them takes them again.
#include "app/win32/program.h"
#include "paste/paste_settings.h"
#include "platform/win32/text_conversion.h"
#include "settings/settings_apply.h"
#include "settings/settings_sheet_model.h"
#include "settings/win32/settings_sheet_view.h"

namespace qb {

void Program::openSettingsSheet() {
  Settings& settings = settingsHome_->settings();
  const std::wstring font = SjisToWide(settings.environment.FontName);
  SettingsSheetModel model(settings, ui_);
  SheetCommands commands;
  commands.offered = [this](SheetCommand command) {
    return command == SheetCommand::kDisabledApplications || sheetCommands_.count(command) != 0;
  };
  commands.run = [this, font](SheetCommand command, SettingsSheetModel& working, HWND sheet) {
    if (command == SheetCommand::kDisabledApplications) {
      RunDisabledApplicationsDialog(sheet, ui_, font, working);
    } else if (auto found = sheetCommands_.find(command); found != sheetCommands_.end()) {
      found->second(working, sheet);
    }
  };
  if (!RunSettingsSheet(window_->handle(), ui_, font, model, commands)) return;
  applySettings(PlanSettingsApply(model.commit(settings)));
}

void Program::applySettings(const SettingsApply& apply) {
  const EnvironmentSettings& environment = settingsHome_->settings().environment;
  if (apply.paste) {
    engine_->setSettings(PasteSettingsFrom(environment));
    window_->list().setSingleClick(environment.OneClickFlg == 1);
  }
  if (apply.tabs) {
    window_->rebuildTabButtons();
    // A tab switched off takes the window back to the History.
    TabView* current = window_->currentView();
    if (current && !current->enabled()) showTab(*historyView_);
    window_->applyColours();
    refreshList();
  }
  for (const auto& listener : settingsApplied_) listener(apply);
}

}  // namespace qb

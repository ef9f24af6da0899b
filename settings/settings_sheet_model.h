// The settings sheet's working copy. The pages read and write the values of their keys as texts
// (the form of the settings files); nothing reaches the program's settings until OK succeeds:
// `validate` runs every page's checks in page order with their messages, and `commit` copies the
// values over and tells which keys changed.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/bound_key_list.h"
#include "app/settings/settings.h"
#include "platform/ui.h"
#include "settings/sheet_pages.h"

namespace qb {

class SettingsSheetModel {
 public:
  SettingsSheetModel(const Settings& live, Ui& ui);

  // The value of a key of the given file as text ("%d" for integers); empty for an unknown key.
  std::string text(SettingsFileId file, std::string_view key) const;
  // Takes a control's text: integers by their leading digits, texts as they are. False for an
  // unknown key.
  bool setText(SettingsFileId file, std::string_view key, std::string_view text);

  // OK: the checks of every page in page order. The index of the page that refused a value
  // (its message shown), or -1 when the sheet may close. Notices are shown, and corrections
  // (commas removed from group names) made, on the way.
  int validate();

  // Copies the working values into `live`; the keys (with "=") whose values changed.
  std::vector<std::string> commit(Settings& live) const;

  const Settings& working() const { return working_; }
  // For the dialogs of the pages' buttons that edit several keys at once.
  Settings& workingSettings() { return working_; }

 private:
  const BoundKeyList& keys(SettingsFileId file) const;
  std::int32_t number(std::string_view key) const;
  std::int32_t liveNumber(std::string_view key) const;
  bool changed(std::string_view key) const { return number(key) != liveNumber(key); }
  bool validateCommon();
  bool validateDisplay();
  bool validateKeys();
  bool validateHistory();
  bool validateGroupNames(const char* pattern);
  bool validatePublish();
  int validatePorts();

  Settings live_;     // the values when the sheet opened
  Settings working_;  // the values the pages edit
  Ui& ui_;
  BoundKeyList environmentKeys_;
  BoundKeyList relatedKeys_;
  BoundKeyList liveEnvironmentKeys_;
};

}  // namespace qb

// The Open tab's commands: its bar (publishing on and off, the group choice, adding a group, the
// sort orders, the link's status), its context menu and its rows as the paste engine's source.
// The window shows what this controller holds and hands it the user's actions; the dialogs are
// opened through `OpenTabDialogs`.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lan/link_status.h"
#include "lan/open_list.h"
#include "lan/publish_group_name.h"
#include "paste/paste_engine.h"

namespace qb {

class OpenTabDialogs {
 public:
  virtual ~OpenTabDialogs() = default;
  // "Quillbox＜公開グループの追加＞"; true on OK with a name the model took.
  virtual bool runGroupName(PublishGroupNameModel& model) = 0;
  // "内容確認...".
  virtual void showContent(const std::string& value) = 0;
  // "公開の情報／エラー情報".
  virtual void showLinkStatus(const LinkStatusModel& model) = 0;
};

struct OpenTabParts {
  COpenList& list;
  COpenSocket& link;
  PasteEngine& engine;
  EnvironmentSettings& settings;
  Ui& ui;
  OpenTabDialogs& dialogs;
  // Starts the publish link when it was never started (adding the first group).
  std::function<void()> ensureLinkStarted;
  // Copies a value into save group 0-9; empty while the program has no Save tab.
  std::function<int(std::string_view value, int group)> copyToSaveGroup;
  // Stores a label and value in the shared folder shown; empty while there is no Shared tab.
  std::function<int(std::string_view label, std::string_view value)> copyToShared;
};

class OpenTab : public PasteSource {
 public:
  explicit OpenTab(OpenTabParts parts);

  COpenList& list() { return list_; }

  // A click, Enter or double click on a row: paste or copy by the held keys.
  void activate(int row);
  // The context menu of a row, and its commands.
  MenuModel menu(int row, const TabMenuContext& context);
  void runMenuCommand(int row, int command);

  // The bar.
  bool publishing() const { return list_.Publishing(); }
  void togglePublishing() { list_.TogglePublishing(); }
  // The registered group names and the one the tab is in (-1 when none).
  std::vector<std::string> groupNames() const;
  int currentGroup() const;
  // The group menu: the groups (the current one checked) and "公開グループの追加...".
  MenuModel groupMenu() const;
  void runGroupCommand(int command);
  void addGroup();
  MenuModel sortMenu() const;
  void sortBy(int command) { list_.SortBy(command); }
  void showStatus();

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return list_.rowCount(); }
  std::string valueForUse(int row) override { return list_.SelectedText(row); }
  std::string wholeValue(int row) override;
  void countUse(int, bool) override {}
  void afterPaste() override {}

 private:
  void paste(int row, PasteFlags flags);

  OpenTabParts parts_;
  COpenList& list_;
};

}  // namespace qb

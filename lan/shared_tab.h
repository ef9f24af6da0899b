// The Shared tab's commands: its bar (the folder choice, selecting and unselecting folders, the
// sort orders, a new item, the link's status), its context menu and its rows as the paste
// engine's source. The dialogs are opened through `SharedTabDialogs`.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lan/link_status.h"
#include "lan/shared_list.h"
#include "macros/input_fill.h"
#include "macros/macro_analyzer.h"
#include "paste/paste_engine.h"

namespace qb {

struct LabelledValue {
  std::string label;
  std::string value;
};

class SharedTabDialogs {
 public:
  virtual ~SharedTabDialogs() = default;
  // The folder chooser with its prompt; nullopt when cancelled.
  virtual std::optional<std::string> chooseFolder(const std::string& prompt) = 0;
  // The label and value of a new or changed text item; nullopt when cancelled.
  virtual std::optional<LabelledValue> editItem(const std::string& caption, const LabelledValue& now) = 0;
  // "内容確認...".
  virtual void showContent(const std::string& value) = 0;
  // "共有の情報／エラー情報".
  virtual void showLinkStatus(const LinkStatusModel& model) = 0;
};

struct SharedTabParts {
  CSharedList& list;
  CCommSocket& link;
  PasteEngine& engine;
  MacroAnalyzer& analyzer;
  InputDialogRunner& inputs;
  InputMethodMemory& inputMethod;
  EnvironmentSettings& settings;
  Ui& ui;
  SharedTabDialogs& dialogs;
  // Copies a value into save group 0-9; empty while the program has no Save tab.
  std::function<int(std::string_view value, int group)> copyToSaveGroup;
  // Stores a plan record in the Plan tab; empty while the program has no Plan tab.
  std::function<int(std::string_view planRecord)> storePlan;
};

class SharedTab : public PasteSource {
 public:
  static constexpr const char* kFolderPrompt =
      "共有するテキストを格納する場所（フォルダ）を選択してください。\nフォルダ内に管理ファイルが存在しない場合は作成されます。";
  static constexpr const char* kNoFolderLabel = " <<共有ﾌｫﾙﾀﾞ未選択>>";

  explicit SharedTab(SharedTabParts parts);

  CSharedList& list() { return list_; }

  void activate(int row);
  MenuModel menu(int row, const TabMenuContext& context);
  void runMenuCommand(int row, int command);

  // The bar.
  // The folder shown as the bar names it, " <<共有ﾌｫﾙﾀﾞ未選択>>" without one.
  std::string folderLabel() const;
  MenuModel folderMenu() const;
  void runFolderCommand(int command);
  void addFolder();
  void removeFolder();
  MenuModel sortMenu() const;
  void sortBy(int command);
  void newItem();
  void change(int row);
  void deleteRow(int row);
  void showStatus();

  // PasteSource
  std::optional<int> selectedRow() override;
  int rowCount() override { return list_.rowCount(); }
  std::string valueForUse(int row) override;
  std::string wholeValue(int row) override;
  void countUse(int, bool) override {}
  void afterPaste() override {}

 private:
  void paste(int row, PasteFlags flags);
  // The whole text of a text item that may be used; empty after the message otherwise.
  std::string UsableText(int row);

  SharedTabParts parts_;
  CSharedList& list_;
};

}  // namespace qb

// The texts and tool tips of the main window's status bar.
//
// The frame's 100 ms upkeep timer fills a `StatusInput` from the working window, the plan state,
// the paste mode and the current tab, calls `update()`, and rewrites only the panes it reports:
// the text of the panes in `texts`, the tool tip of those in `tips`. The view creates the panes
// in the order of `StatusPane` with the texts and tips the model holds before the first update.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/tablist/tab_kind.h"

namespace qb {

enum class StatusPane : int { kWorkingDocument, kPasteMode, kSize, kCount, kPartial };
inline constexpr int kStatusPaneCount = 5;

enum class PlanActivity { kNone, kRunning, kEditing };

struct StatusInput {
  PlanActivity plan = PlanActivity::kNone;
  bool hasWorkingWindow = false;
  std::string workingTitle;  // Shift-JIS
  bool shortDisplay = false;  // `StatusBarActiveWinDspFlg`
  bool copyMode = false;      // copy to the clipboard instead of pasting (Ctrl flips it)
  std::optional<std::size_t> selectedBytes;  // empty: no row selected
  TabKind tab = TabKind::kHistory;
  int rowCount = 0;
  int tabMaximum = 0;  // the current tab's maximum number of rows
  std::optional<int> shownRows;  // while a filter narrows the list: the rows it shows
  bool partialSelection = false;  // Shift held: a click selects part of the value
};

struct StatusPaneTexts {
  std::string text;
  std::string tip;
};

struct StatusBarChanges {
  std::vector<StatusPane> texts;
  std::vector<StatusPane> tips;
  bool empty() const { return texts.empty() && tips.empty(); }
};

// The working document's title is shown with at most this many characters.
inline constexpr std::size_t kStatusTitleCharacters = 200;
// Below this many bytes the size pane counts bytes, from it on kilobytes.
inline constexpr std::size_t kStatusSizeKilobyteFrom = 5121;

std::string WorkingDocumentPaneText(const StatusInput& input);
std::string PasteModePaneText(bool copyMode);
std::string SizePaneText(std::optional<std::size_t> selectedBytes);
std::string SizePaneTip(TabKind tab);
// "  12        ", or while a filter narrows the list "3/12" (shown of all).
std::string CountPaneText(int rowCount, std::optional<int> shownRows = std::nullopt);
std::string CountPaneTip(TabKind tab, int maximum);
std::string PartialPaneText(bool partialSelection);

class StatusBarModel {
 public:
  // The panes as the status bar is created ("作業中文書：連携なし", "値のサイズ(バイト)", ...).
  StatusBarModel();

  StatusBarChanges update(const StatusInput& input);
  const StatusPaneTexts& pane(StatusPane which) const {
    return panes_[static_cast<std::size_t>(which)];
  }

 private:
  void set(StatusPane which, StatusPaneTexts next, StatusBarChanges& changes);

  std::array<StatusPaneTexts, kStatusPaneCount> panes_;
};

}  // namespace qb

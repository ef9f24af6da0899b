// The date-macro definition editor "日時マクロ定義": a list of the stored definitions and an
// editing area of fixed text and parts (date elements shown by their current value, bold, blue
// and protected). The view mirrors the text and tells the model which characters carry the part
// formatting; the model keeps the parts table, checks the limits and saves.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_analyzer.h"
#include "macros/macro_element_table.h"
#include "macros/sysdate_store.h"

namespace qb {

inline constexpr char kNewDefinitionEntry[] = "(新規作成)";
inline constexpr int kMaxDefinitionParts = 100;

struct PartMenuEntry {
  std::string label;  // the element shown by example ("03", "水曜日")
  std::string tag;    // "<@MM10/>"
};

struct PartMenu {
  std::string name;  // "年", "月", ...
  std::vector<PartMenuEntry> entries;
};

class SysdateEditorModel {
 public:
  SysdateEditorModel(MacroAnalyzer& analyzer, SysdateStore& store);

  static const std::vector<PartMenu>& partMenus();

  // Fills the combo: "(新規作成)" first, then each definition by its value now ("ERROR").
  void reload();
  const std::vector<std::string>& comboEntries() const { return entries_; }
  int selected() const { return selected_; }

  // Selects an entry; after edits asks first. False when the user keeps the current one or
  // the definition could not be loaded (the area is then empty).
  bool select(int index);

  const std::string& text() const { return text_; }
  // True per byte of text() that carries the part formatting.
  const std::vector<bool>& partMask() const { return mask_; }
  const MacroElementTable& parts() const { return parts_; }
  bool edited() const { return edited_; }

  // Typing: replaces text() [start, end) by fixed text. Refused (false) when the range touches a
  // part, since parts are protected.
  bool replaceText(int start, int end, std::string_view fixedText);
  // Inserts the element's value at `caret` as a part. 0 or -1 (reported).
  int insertPart(std::string_view tag, int caret);
  // Removes the part that holds byte `position` ("部品の削除"). False when there is none.
  bool removePartAt(int position);

  // Re-locates every part in the text. 0 or -1 (reported).
  int m_MacroReSet();
  // OK: saves the edited definition. 0 when saved (the dialog closes), -1 otherwise.
  int ok();
  // "削除...": asks, removes the selected definition's file and fills the combo again.
  int deleteSelected();

 private:
  int partIndexAt(int position) const;
  void clearArea();

  MacroAnalyzer& analyzer_;
  SysdateStore& store_;
  SysdateDefinitions definitions_;
  std::vector<std::string> entries_;
  int selected_ = 0;
  std::string text_;
  std::vector<bool> mask_;
  MacroElementTable parts_;
  bool edited_ = false;
};

}  // namespace qb

// The dialog "埋め込みマクロ設定": choose a macro kind and format; OK hands back the macro text
// and its display form for the edit dialog to insert.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "macros/macro_analyzer.h"
#include "macros/sysdate_store.h"

namespace qb {

struct MacroFormat {
  std::string listText;
  std::string macroText;
};

struct InsertedMacro {
  std::string macroText;
  std::string display;
};

enum class MacroKind { kDate = 0, kInput = 1, kKey = 2 };

class MacroInsertionModel {
 public:
  MacroInsertionModel(MacroAnalyzer& analyzer, SysdateStore& store);

  static const std::vector<std::string>& kindNames();
  static const std::vector<MacroFormat>& inputFormats();
  static const std::vector<MacroFormat>& keyFormats();

  // Fills the format list of the kind (the date kind stores the presets when none exist) and
  // selects its first format.
  void selectKind(MacroKind kind);
  MacroKind kind() const { return kind_; }
  const std::vector<MacroFormat>& formats() const { return formats_; }
  void selectFormat(int index) { selected_ = index; }
  int selectedFormat() const { return selected_; }
  std::string explanation() const;
  std::string preview();

  // The selected format; empty when none is selected or its display form cannot be made.
  std::optional<InsertedMacro> ok();

  // What the definition editor that "定義..." opens works on.
  MacroAnalyzer& analyzer() { return analyzer_; }
  SysdateStore& store() { return store_; }

 private:
  int display(const std::string& macroText, std::string& text);

  MacroAnalyzer& analyzer_;
  SysdateStore& store_;
  MacroKind kind_ = MacroKind::kDate;
  std::vector<MacroFormat> formats_;
  int selected_ = -1;
};

}  // namespace qb

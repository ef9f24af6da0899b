// "Quillbox＜変更＞": the label and the value of a saved item. The value is shown with its
// embedded macros in their display forms (blue and protected in the view); a macro is inserted
// from the macro insertion dialog or deleted whole, never edited inside. OK gives back the
// stored form: each macro's display replaced by its macro text again.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_analyzer.h"
#include "macros/macro_element_table.h"
#include "macros/macro_insertion_model.h"
#include "tabs/save/label_input.h"

namespace qb {

inline constexpr char kChangeDialogNote[] =
    "マクロは青色で表示されます。マクロの挿入、削除は、ポップアップメニューから指定します";
inline constexpr int kMaxEmbeddedMacros = 100;

class ChangeDialogModel {
 public:
  ChangeDialogModel(Ui& ui, MacroAnalyzer& analyzer, std::string label,
                    std::string_view storedValue);

  LabelInput& label() { return label_; }

  // The value as shown, and where each macro stands in it (in text order).
  const std::string& text() const { return text_; }
  const MacroElementTable& macros() const { return macros_; }

  // Typing: [start, end) of text() becomes `typed`. Refused (false) when the range reaches into
  // a macro; text typed right before or after one is fixed text.
  bool replaceText(std::size_t start, std::size_t end, std::string_view typed);
  // Inserts a macro from the insertion dialog at `caret` (moved out of a macro it falls into).
  // 0, or -1 after the message when the value holds 100 macros already.
  int insertMacro(const InsertedMacro& macro, std::size_t caret);
  // "埋め込みマクロの削除": removes the macro that holds byte `caret` or ends right at it.
  // False when there is none.
  bool removeMacroAt(std::size_t caret);

  // "セパレータ挿入▼": the separator lines offered, and the insertion of one as a line of its own.
  static const std::vector<std::string>& separators();
  // The text a separator is inserted as: a line of its own, after a line break when the caret
  // is not at the start of a line.
  static std::string separatorLine(std::size_t index, bool atLineStart);
  void insertSeparator(std::size_t index, std::size_t caret);

  // The value as it is stored.
  std::string storedValue() const;

  // A value kept in an exact form (UTF-8, for characters code page 932 cannot hold) is edited in
  // that form when it holds no macros: the dialog shows it and hands back the whole text after
  // each change. With macros the code-page-932 form is edited as before (their places are
  // counted in its bytes).
  void setExactForm(std::string exact);
  bool editsExactForm() const { return editsExactForm_; }
  // The exact form as edited; empty when code page 932 holds the text.
  const std::string& exactForm() const { return exact_; }
  // The whole text as now shown: `exact` (empty when code page 932 holds it) and its
  // code-page-932 form.
  void replaceExactText(std::string exact, std::string codePageForm);

 private:
  int macroHolding(std::size_t position, bool endCounts) const;
  // The caret, moved behind a macro it falls into and off a trail byte.
  std::size_t outsideMacro(std::size_t caret) const;
  void shiftFrom(std::size_t position, std::ptrdiff_t delta);
  void insertFixed(std::size_t caret, std::string_view fixed);

  Ui& ui_;
  LabelInput label_;
  std::string text_;
  MacroElementTable macros_;
  bool editsExactForm_ = false;
  std::string exact_;
};

}  // namespace qb

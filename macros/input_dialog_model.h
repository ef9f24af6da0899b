// The paste-time input dialog "貼付時入力": five fields that fill the input macros of a text,
// and a preview of the text with the filled places shown bold and blue.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_analyzer.h"
#include "macros/macro_element_table.h"

namespace qb {

inline constexpr int kInputFieldCount = 5;
inline constexpr unsigned kInputPreviewColor = 0xFF0000;  // COLORREF of pure blue
inline constexpr int kInputUpdateMilliseconds = 500;

struct TextRange {
  std::int32_t start = 0;
  std::int32_t end = 0;
  bool operator==(const TextRange&) const = default;
};

using InputFields = std::array<std::string, kInputFieldCount>;

class InputDialogModel {
 public:
  // `imeOpen` is the host's flag, kept between runs: read on opening, written on closing.
  InputDialogModel(MacroAnalyzer& analyzer, std::string text, bool& imeOpen);

  // Analyses the text and sets the placeholders; a failed analysis is reported and the
  // preview shows the text as it stands.
  void open();

  std::string fieldLabel(int index) const;  // "入力1：".."入力5："
  const std::string& placeholder(int index) const { return placeholders_[index]; }
  bool fieldEnabled(int index) const { return !placeholders_[index].empty(); }
  bool imeOpenAtStart() const { return imeOpen_; }

  // The 500 ms tick (not while the focus is in the preview) and OK: takes the fields. True when
  // they changed the preview.
  bool update(const InputFields& fields);

  std::string previewText() const;
  std::vector<TextRange> highlightedRanges() const;

  // OK: true closes the dialog; false keeps it open after the message.
  bool ok(const InputFields& fields, bool imeOpenNow);
  void cancel(bool imeOpenNow);

  const std::string& resultText() const { return resultText_; }
  const MacroElementTable& table() const { return table_; }

 private:
  static int InputNumber(std::string_view source);  // 1-5, 0 when none

  MacroAnalyzer& analyzer_;
  std::string text_;
  bool& imeOpen_;
  bool analysed_ = false;
  MacroElementTable table_;
  InputFields lastFields_;
  std::array<std::string, kInputFieldCount> placeholders_;
  std::string resultText_;
};

}  // namespace qb

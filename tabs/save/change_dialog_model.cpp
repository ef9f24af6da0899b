#include "tabs/save/change_dialog_model.h"

#include <algorithm>

#include "base/sjis.h"

namespace qb {
namespace {

// Moves one entry to another place of the table.
void MoveEntry(MacroElementTable& table, int from, int to) {
  table.source[static_cast<std::size_t>(to)] = std::move(table.source[static_cast<std::size_t>(from)]);
  table.blockName[static_cast<std::size_t>(to)] =
      std::move(table.blockName[static_cast<std::size_t>(from)]);
  table.display[static_cast<std::size_t>(to)] =
      std::move(table.display[static_cast<std::size_t>(from)]);
  table.start[static_cast<std::size_t>(to)] = table.start[static_cast<std::size_t>(from)];
  table.end[static_cast<std::size_t>(to)] = table.end[static_cast<std::size_t>(from)];
}

std::string BlockNameOf(std::string_view macroText) {
  std::size_t close = macroText.find('>');
  return std::string(macroText.substr(0, close == std::string_view::npos ? 0 : close + 1));
}

}  // namespace

ChangeDialogModel::ChangeDialogModel(Ui& ui, MacroAnalyzer& analyzer, std::string label,
                                     std::string_view storedValue)
    : ui_(ui), label_(ui, std::move(label)) {
  std::string version;
  if (analyzer.m_Analyze(storedValue, text_, macros_, version, AnalyzeMode::kMacrosOnly) < 0) {
    // A value whose macros cannot be read is shown and kept as it stands.
    text_ = std::string(storedValue);
    macros_.count = 0;
  }
}

int ChangeDialogModel::macroHolding(std::size_t position, bool endCounts) const {
  for (int i = 0; i < macros_.count; ++i) {
    auto start = static_cast<std::size_t>(macros_.start[static_cast<std::size_t>(i)]);
    auto end = static_cast<std::size_t>(macros_.end[static_cast<std::size_t>(i)]);
    if (position >= start && (position < end || (endCounts && position == end))) return i;
  }
  return -1;
}

std::size_t ChangeDialogModel::outsideMacro(std::size_t caret) const {
  caret = std::min(caret, text_.size());
  if (IsSjisTrailPosition(text_, caret)) --caret;
  int holding = macroHolding(caret, false);
  if (holding >= 0 && caret > static_cast<std::size_t>(macros_.start[static_cast<std::size_t>(holding)])) {
    caret = static_cast<std::size_t>(macros_.end[static_cast<std::size_t>(holding)]);
  }
  return caret;
}

void ChangeDialogModel::shiftFrom(std::size_t position, std::ptrdiff_t delta) {
  for (int i = 0; i < macros_.count; ++i) {
    auto k = static_cast<std::size_t>(i);
    if (static_cast<std::size_t>(macros_.start[k]) >= position) {
      macros_.start[k] += static_cast<std::int32_t>(delta);
      macros_.end[k] += static_cast<std::int32_t>(delta);
    }
  }
}

bool ChangeDialogModel::replaceText(std::size_t start, std::size_t end, std::string_view typed) {
  end = std::min(end, text_.size());
  start = std::min(start, end);
  for (int i = 0; i < macros_.count; ++i) {
    auto k = static_cast<std::size_t>(i);
    auto macroStart = static_cast<std::size_t>(macros_.start[k]);
    auto macroEnd = static_cast<std::size_t>(macros_.end[k]);
    const bool overlaps = start < macroEnd && macroStart < end;
    const bool inside = start == end && start > macroStart && start < macroEnd;
    if (overlaps || inside) return false;
  }
  text_.replace(start, end - start, typed);
  shiftFrom(end, static_cast<std::ptrdiff_t>(typed.size()) -
                                            static_cast<std::ptrdiff_t>(end - start));
  return true;
}

int ChangeDialogModel::insertMacro(const InsertedMacro& macro, std::size_t caret) {
  if (macros_.count >= kMaxEmbeddedMacros) {
    ui_.showMessage("埋め込みマクロの最大数をオーバーしています", MessageIcon::kInformation);
    return -1;
  }
  caret = outsideMacro(caret);
  shiftFrom(caret, static_cast<std::ptrdiff_t>(macro.display.size()));
  text_.insert(caret, macro.display);
  int index = 0;
  while (index < macros_.count &&
         static_cast<std::size_t>(macros_.start[static_cast<std::size_t>(index)]) < caret) {
    ++index;
  }
  for (int i = macros_.count; i > index; --i) MoveEntry(macros_, i - 1, i);
  auto k = static_cast<std::size_t>(index);
  macros_.source[k] = macro.macroText;
  macros_.blockName[k] = BlockNameOf(macro.macroText);
  macros_.display[k] = macro.display;
  macros_.start[k] = static_cast<std::int32_t>(caret);
  macros_.end[k] = static_cast<std::int32_t>(caret + macro.display.size());
  ++macros_.count;
  return 0;
}

bool ChangeDialogModel::removeMacroAt(std::size_t caret) {
  int index = macroHolding(caret, false);
  if (index < 0 && caret > 0) index = macroHolding(caret - 1, false);
  if (index < 0) return false;
  auto k = static_cast<std::size_t>(index);
  auto start = static_cast<std::size_t>(macros_.start[k]);
  auto end = static_cast<std::size_t>(macros_.end[k]);
  for (int i = index; i + 1 < macros_.count; ++i) MoveEntry(macros_, i + 1, i);
  --macros_.count;
  text_.erase(start, end - start);
  shiftFrom(start, -static_cast<std::ptrdiff_t>(end - start));
  return true;
}

const std::vector<std::string>& ChangeDialogModel::separators() {
  static const std::vector<std::string> kSeparators = {
      "────────────────────",
      "━━━━━━━━━━━━━━━━━━━━",
      "========================================",
      "----------------------------------------",
      "＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊",
      "・・・・・・・・・・・・・・・・・・・・",
  };
  return kSeparators;
}

void ChangeDialogModel::insertFixed(std::size_t caret, std::string_view fixed) {
  caret = outsideMacro(caret);
  replaceText(caret, caret, fixed);
}

std::string ChangeDialogModel::separatorLine(std::size_t index, bool atLineStart) {
  if (index >= separators().size()) return {};
  std::string line = atLineStart ? std::string() : std::string("\r\n");
  line += separators()[index];
  line += "\r\n";
  return line;
}

void ChangeDialogModel::insertSeparator(std::size_t index, std::size_t caret) {
  if (index >= separators().size()) return;
  caret = std::min(caret, text_.size());
  insertFixed(caret, separatorLine(index, caret == 0 || text_[caret - 1] == '\n'));
}

std::string ChangeDialogModel::storedValue() const { return ApplyMacroTable(text_, macros_); }

void ChangeDialogModel::setExactForm(std::string exact) {
  if (exact.empty() || macros_.count > 0) return;
  editsExactForm_ = true;
  exact_ = std::move(exact);
}

void ChangeDialogModel::replaceExactText(std::string exact, std::string codePageForm) {
  if (!editsExactForm_) return;
  exact_ = std::move(exact);
  text_ = std::move(codePageForm);
}

}  // namespace qb

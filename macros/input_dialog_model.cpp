#include "macros/input_dialog_model.h"

namespace qb {
namespace {

std::string PlaceholderOf(int number) { return "【入力" + std::to_string(number) + "】"; }

}  // namespace

InputDialogModel::InputDialogModel(MacroAnalyzer& analyzer, std::string text, bool& imeOpen)
    : analyzer_(analyzer), text_(std::move(text)), imeOpen_(imeOpen) {}

int InputDialogModel::InputNumber(std::string_view source) {
  for (int n = 1; n <= kInputFieldCount; ++n) {
    const std::string block = std::string(kActionInOpen) + "<@IN0" + std::to_string(n) + "/>" +
                              kActionInClose;
    if (source == block) return n;
  }
  return 0;
}

void InputDialogModel::open() {
  std::string expanded;
  std::string version;
  analysed_ = analyzer_.m_Analyze(text_, expanded, table_, version, AnalyzeMode::kEverySegment) >= 0;
  if (!analysed_) {
    analyzer_.ui().showMessage("マクロの展開に失敗しました", MessageIcon::kStop);
    table_.count = 0;
  }
  for (int n = 1; n <= kInputFieldCount; ++n) {
    const std::string placeholder = PlaceholderOf(n);
    bool used = false;
    for (int i = 0; i < table_.count; ++i) {
      used = used || (table_.blockName[i] == kActionInOpen && table_.display[i] == placeholder);
    }
    placeholders_[n - 1] = used ? placeholder : std::string();
  }
}

std::string InputDialogModel::fieldLabel(int index) const {
  return "入力" + std::to_string(index + 1) + "：";
}

bool InputDialogModel::update(const InputFields& fields) {
  if (fields == lastFields_) return false;
  lastFields_ = fields;
  for (int i = 0; i < table_.count; ++i) {
    if (table_.blockName[i] != kActionInOpen) continue;
    const int n = InputNumber(table_.source[i]);
    if (n == 0) continue;
    const std::string& field = fields[n - 1];
    if (field.empty() && table_.display[i] == PlaceholderOf(n)) continue;
    table_.display[i] = field;
  }
  RecomputeMacroOffsets(table_);
  return true;
}

std::string InputDialogModel::previewText() const {
  if (!analysed_) return text_;
  std::string text;
  for (int i = 0; i < table_.count; ++i) text += table_.display[i];
  return text;
}

std::vector<TextRange> InputDialogModel::highlightedRanges() const {
  std::vector<TextRange> ranges;
  for (int i = 0; i < table_.count; ++i) {
    if (table_.blockName[i] == kActionInOpen) ranges.push_back({table_.start[i], table_.end[i]});
  }
  return ranges;
}

bool InputDialogModel::ok(const InputFields& fields, bool imeOpenNow) {
  update(fields);
  for (int i = 0; i < kInputFieldCount; ++i) {
    if (!placeholders_[i].empty() && fields[i].empty()) {
      analyzer_.ui().showMessage("入力されていない項目があります　", MessageIcon::kInformation);
      return false;
    }
  }
  resultText_ = previewText();
  imeOpen_ = imeOpenNow;
  return true;
}

void InputDialogModel::cancel(bool imeOpenNow) { imeOpen_ = imeOpenNow; }

}  // namespace qb

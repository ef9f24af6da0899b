#include "macros/sysdate_editor_model.h"

#include <algorithm>

namespace qb {
namespace {

constexpr int kMaxOccurrences = 10000;

}  // namespace

SysdateEditorModel::SysdateEditorModel(MacroAnalyzer& analyzer, SysdateStore& store)
    : analyzer_(analyzer), store_(store) {}

const std::vector<PartMenu>& SysdateEditorModel::partMenus() {
  static const std::vector<PartMenu> menus = {
      {"年",
       {{"?", "<@YY1/>"}, {"??", "<@YY10/>"}, {"????", "<@YY20/>"}, {"??", "<@YY3/>"},
        {"??", "<@YY4/>"}, {"？", "<@ＹＹ１/>"}, {"？？", "<@ＹＹ１０/>"},
        {"？？？？", "<@ＹＹ２０/>"}, {"？？", "<@ＹＹ３/>"}, {"？？", "<@ＹＹ４/>"}}},
      {"月",
       {{"3", "<@MM1/>"}, {"03", "<@MM10/>"}, {"March", "<@MM2/>"}, {"Mar", "<@MM3/>"},
        {"３", "<@ＭＭ１/>"}, {"０３", "<@ＭＭ１０/>"}}},
      {"日", {{"1", "<@DD1/>"}, {"01", "<@DD10/>"}, {"１", "<@ＤＤ１/>"}, {"０１", "<@ＤＤ１０/>"}}},
      {"曜日",
       {{"水", "<@YOBI1/>"}, {"水曜日", "<@YOBI2/>"}, {"Wednesday", "<@YOBI3/>"},
        {"Wed", "<@YOBI4/>"}}},
      {"AM/PM", {{"AM", "<@AMPM1/>"}, {"午前", "<@AMPM2/>"}, {"ＡＭ", "<@ＡＭＰＭ１/>"}}},
      {"時",
       {{"9", "<@hh1/>"}, {"09", "<@hh10/>"}, {"9", "<@hh2/>"}, {"09", "<@hh20/>"},
        {"９", "<@ｈｈ１/>"}, {"０９", "<@ｈｈ１０/>"}, {"９", "<@ｈｈ２/>"}, {"０９", "<@ｈｈ２０/>"}}},
      {"分", {{"5", "<@mm1/>"}, {"05", "<@mm10/>"}, {"５", "<@ｍｍ１/>"}, {"０５", "<@ｍｍ１０/>"}}},
      {"秒", {{"7", "<@ss1/>"}, {"07", "<@ss10/>"}, {"７", "<@ｓｓ１/>"}, {"０７", "<@ｓｓ１０/>"}}},
  };
  return menus;
}

void SysdateEditorModel::clearArea() {
  text_.clear();
  mask_.clear();
  parts_.count = 0;
  edited_ = false;
}

void SysdateEditorModel::reload() {
  store_.m_SysdateGet(definitions_);
  entries_.assign(1, kNewDefinitionEntry);
  const DateTime now = analyzer_.clock().localNow();
  for (int i = 0; i < definitions_.count; ++i) {
    std::string text;
    if (analyzer_.m_Sysdate(definitions_.macroTexts[i], now, text) != 0) text = "ERROR";
    entries_.push_back(text);
  }
  selected_ = 0;
  clearArea();
}

bool SysdateEditorModel::select(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
  if (edited_ && analyzer_.ui().showMessage("編集した内容が破棄されます。よろしいですか？",
                                            MessageIcon::kQuestion,
                                            MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return false;
  }
  selected_ = index;
  clearArea();
  if (index == 0) return true;
  std::string display;
  if (analyzer_.m_AnalyzeSysdate(definitions_.macroTexts[index - 1], display, parts_) != 0) {
    analyzer_.ui().showMessage("日時マクロの展開に失敗しました", MessageIcon::kStop);
    clearArea();
    return false;
  }
  text_ = display;
  mask_.assign(text_.size(), false);
  for (int i = 0; i < parts_.count; ++i) {
    std::fill(mask_.begin() + parts_.start[i], mask_.begin() + parts_.end[i], true);
  }
  return true;
}

int SysdateEditorModel::partIndexAt(int position) const {
  for (int i = 0; i < parts_.count; ++i) {
    if (position >= parts_.start[i] && position < parts_.end[i]) return i;
  }
  return -1;
}

bool SysdateEditorModel::replaceText(int start, int end, std::string_view fixedText) {
  const int size = static_cast<int>(text_.size());
  if (start < 0 || end < start || end > size) return false;
  for (int i = start; i < end; ++i) {
    if (mask_[i]) return false;
  }
  // Typing inside a part (between two of its bytes) would split it.
  if (start > 0 && start < size && mask_[start - 1] && mask_[start] && partIndexAt(start - 1) ==
      partIndexAt(start)) {
    return false;
  }
  text_.replace(start, end - start, fixedText);
  mask_.erase(mask_.begin() + start, mask_.begin() + end);
  mask_.insert(mask_.begin() + start, fixedText.size(), false);
  edited_ = true;
  return m_MacroReSet() == 0;
}

int SysdateEditorModel::insertPart(std::string_view tag, int caret) {
  if (!IsKnownDateElement(tag)) {
    analyzer_.ui().showMessage("部品が見つかりませんでした", MessageIcon::kStop);
    return -1;
  }
  if (parts_.count >= kMaxDefinitionParts) {
    analyzer_.ui().showMessage("挿入できる部品はすでに最大数に達しています",
                               MessageIcon::kInformation);
    return -1;
  }
  caret = std::clamp(caret, 0, static_cast<int>(text_.size()));
  if (partIndexAt(caret) >= 0 && parts_.start[partIndexAt(caret)] != caret) {
    caret = parts_.end[partIndexAt(caret)];  // never inside a part
  }
  const std::string value = analyzer_.expandElement(tag, analyzer_.clock().localNow());
  int index = 0;
  while (index < parts_.count && parts_.start[index] < caret) ++index;
  for (int i = parts_.count; i > index; --i) {
    parts_.source[i] = parts_.source[i - 1];
    parts_.blockName[i] = parts_.blockName[i - 1];
    parts_.display[i] = parts_.display[i - 1];
    parts_.start[i] = parts_.start[i - 1];
    parts_.end[i] = parts_.end[i - 1];
  }
  parts_.source[index] = std::string(tag);
  parts_.blockName[index].clear();
  parts_.display[index] = value;
  ++parts_.count;
  text_.insert(caret, value);
  mask_.insert(mask_.begin() + caret, value.size(), true);
  edited_ = true;
  return m_MacroReSet();
}

bool SysdateEditorModel::removePartAt(int position) {
  const int index = partIndexAt(position);
  if (index < 0) return false;
  const int start = parts_.start[index];
  const int end = parts_.end[index];
  text_.erase(start, end - start);
  mask_.erase(mask_.begin() + start, mask_.begin() + end);
  for (int i = index; i + 1 < parts_.count; ++i) {
    parts_.source[i] = parts_.source[i + 1];
    parts_.blockName[i] = parts_.blockName[i + 1];
    parts_.display[i] = parts_.display[i + 1];
  }
  --parts_.count;
  edited_ = true;
  return m_MacroReSet() == 0;
}

int SysdateEditorModel::m_MacroReSet() {
  std::size_t from = 0;
  for (int i = 0; i < parts_.count; ++i) {
    const std::string& display = parts_.display[i];
    bool found = false;
    for (int occurrence = 0; occurrence < kMaxOccurrences && !found; ++occurrence) {
      const std::size_t at = text_.find(display, from);
      if (at == std::string::npos) break;
      const auto first = mask_.begin() + static_cast<std::ptrdiff_t>(at);
      found = std::all_of(first, first + static_cast<std::ptrdiff_t>(display.size()),
                          [](bool part) { return part; });
      if (found) {
        parts_.start[i] = static_cast<std::int32_t>(at);
        parts_.end[i] = static_cast<std::int32_t>(at + display.size());
        from = at + display.size();
      } else {
        from = at + 1;
      }
    }
    if (!found) {
      analyzer_.ui().showMessage("マクロ要素構造体の再設定で異常が発生しました(m_MacroReSet 02)",
                                 MessageIcon::kStop);
      return -1;
    }
  }
  return 0;
}

int SysdateEditorModel::ok() {
  if (text_.empty()) {
    analyzer_.ui().showMessage("編集領域に入力されていません　　", MessageIcon::kStop);
    return -1;
  }
  if (m_MacroReSet() != 0) return -1;
  const std::string macro =
      std::string(kSysdateOpen) + ApplyMacroTable(text_, parts_) + kSysdateClose;
  const std::string name = selected_ > 0 ? definitions_.fileNames[selected_ - 1] : std::string();
  if (store_.m_SysdateSave(name, macro) != 0) return -1;
  edited_ = false;
  return 0;
}

int SysdateEditorModel::deleteSelected() {
  if (selected_ <= 0) return -1;
  if (analyzer_.ui().showMessage("削除します。よろしいですか？", MessageIcon::kQuestion,
                                 MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return -1;
  }
  const int result = store_.remove(definitions_.fileNames[selected_ - 1]);
  reload();
  return result;
}

}  // namespace qb

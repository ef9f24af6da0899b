#include "planlib/engine/plan_variables.h"

#include <bit>
#include <cassert>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "base/sjis.h"
#include "base/time_format.h"

namespace qb {

namespace {

struct NamedCode {
  int code;
  std::string name;
};

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// The substitution order.
const std::vector<NamedCode>& Names() {
  static const std::vector<NamedCode> names = [] {
    std::vector<NamedCode> list = {
        {var::kDataHome, "<$データホームフォルダ>"},   {var::kNowDateTime, "<$現在日時>"},
        {var::kNowDate, "<$現在日付>"},                {var::kNowTime, "<$現在時間>"},
        {var::kLastOutName, "<$最終出力ファイル名>"},  {var::kLastInName, "<$最終入力ファイル名>"},
        {var::kLastAddName, "<$最終追記ファイル名>"},  {var::kLastOutPath, "<$最終出力ファイルパス>"},
        {var::kLastInPath, "<$最終入力ファイルパス>"}, {var::kLastAddPath, "<$最終追記ファイルパス>"},
        {var::kLastOutFolder, "<$最終出力ファイルフォルダ>"},
        {var::kLastInFolder, "<$最終入力ファイルフォルダ>"},
        {var::kLastAddFolder, "<$最終追記ファイルフォルダ>"},
        {var::kMessageVerify, "<$メッセージ確認結果>"}, {var::kActWinName, "<$作業中ウィンドウ名>"},
    };
    for (int i = 1; i <= 20; ++i) list.push_back({var::kWork01 + i - 1, "<$作業用" + TwoDigits(i) + ">"});
    list.push_back({var::kSelectResult, "<$選択画面結果>"});
    for (int i = 1; i <= 10; ++i) {
      list.push_back({var::kCounter01 + i - 1, "<$カウンター" + TwoDigits(i) + ">"});
    }
    for (int i = 1; i <= 9; ++i) {
      list.push_back({var::kFormatCounter01 + i - 1, "<$書式カウンター" + TwoDigits(i) + ">"});
    }
    list.push_back({var::kCurrentLine, "<$現在行>"});
    list.push_back({var::kTotalLines, "<$総行数>"});
    list.push_back({var::kLoopCounter, "<$ループカウンター>"});
    list.push_back({var::kLoopFinal, "<$ループ最終値>"});
    list.push_back({var::kCharCount, "<$文字数>"});
    list.push_back({var::kByteCount, "<$半角換算文字数>"});
    return list;
  }();
  return names;
}

// Every name is "<$" + characters without "<$" or ">" + ">", so where a name occurs is decided by
// the "<$" it starts with and the first ">" after it, and two occurrences never overlap.
class NameIndex {
 public:
  using NameSet = std::uint64_t;  // bit i: the i-th name of the order

  NameIndex() {
    const std::vector<NamedCode>& names = Names();
    assert(names.size() <= sizeof(NameSet) * 8);
    for (std::size_t i = 0; i < names.size(); ++i) {
      byName_.emplace(names[i].name, static_cast<int>(i));
      if (names[i].name.size() > longest_) longest_ = names[i].name.size();
    }
  }

  // The names at or after position `from` of the order that occur in `text`. Linear in the text:
  // runs of "<$" share the ">" that ends them, and only spans as short as a name are looked up.
  NameSet namesIn(std::string_view text, std::size_t from) const {
    NameSet found = 0;
    std::size_t close = 0;
    for (std::size_t at = text.find("<$"); at != std::string_view::npos; at = text.find("<$", at + 2)) {
      if (close < at + 2) close = text.find('>', at + 2);
      if (close == std::string_view::npos) break;
      std::size_t length = close + 1 - at;
      if (length > longest_) continue;
      auto hit = byName_.find(text.substr(at, length));
      if (hit != byName_.end() && static_cast<std::size_t>(hit->second) >= from) {
        found |= NameSet{1} << hit->second;
      }
    }
    return found;
  }

 private:
  std::unordered_map<std::string_view, int> byName_;  // views of Names(), which lives forever
  std::size_t longest_ = 0;
};

const NameIndex& Index() {
  static const NameIndex index;
  return index;
}

// Replaces every occurrence of `name`; empty when the result would pass `maxBytes`.
std::optional<std::string> ReplaceAll(const std::string& text, std::string_view name,
                                      std::string_view value, std::size_t maxBytes) {
  std::size_t count = 0;
  for (std::size_t hit = text.find(name); hit != std::string::npos; hit = text.find(name, hit + name.size())) {
    ++count;
  }
  // No overflow: the text and every value are bounded far below the width of size_t.
  std::size_t size = text.size() - count * name.size() + count * value.size();
  if (size > maxBytes) return std::nullopt;
  std::string out;
  out.reserve(size);
  std::size_t pos = 0;
  for (std::size_t hit = text.find(name); hit != std::string::npos; hit = text.find(name, pos)) {
    out.append(text, pos, hit - pos);
    out.append(value);
    pos = hit + name.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

}  // namespace

bool PlanVariables::isTextCode(int code) {
  return (code >= 1 && code <= 12) || (code >= 17 && code <= 20) || (code >= 101 && code <= 120);
}

bool PlanVariables::isNumberCode(int code) {
  return (code >= 13 && code <= 16) || code == 21 || code == 22 || (code >= 201 && code <= 219);
}

void PlanVariables::reset(const PlanRunStart& start) {
  planName_ = start.planName;
  for (std::string& text : texts_) text.clear();
  for (std::string& text : nowTexts_) text.clear();
  nowFormatted_ = true;
  countedText_ = nullptr;
  charCount_ = 0;
  numbers_.fill(0);
  texts_[var::kDataHome] = start.dataHome;
  texts_[var::kMessageVerify] = "Y";
  texts_[var::kActWinName] = start.actWinName;
  texts_[var::kSelectResult] = "00";
  numbers_[var::kTotalLines] = 1;
  numbers_[var::kCurrentLine] = 1;
  numbers_[var::kLoopCounter] = 1;
  numbers_[var::kLoopFinal] = 1;
}

std::string_view PlanVariables::textView(int code) const {
  if (!isTextCode(code)) return {};
  if (code >= var::kNowDateTime && code <= var::kNowTime) {
    formatNow();
    return nowTexts_[static_cast<std::size_t>(code - var::kNowDateTime)];
  }
  return texts_[static_cast<std::size_t>(code)];
}

void PlanVariables::setText(int code, std::string value) {
  if (!isTextCode(code)) return;
  if (code >= var::kNowDateTime && code <= var::kNowTime) {
    formatNow();
    nowTexts_[static_cast<std::size_t>(code - var::kNowDateTime)] = std::move(value);
    return;
  }
  texts_[static_cast<std::size_t>(code)] = std::move(value);
}

void PlanVariables::appendText(int code, std::string_view value) {
  if (!isTextCode(code) || (code >= var::kNowDateTime && code <= var::kNowTime)) {
    setText(code, std::string(textView(code)) + std::string(value));
    return;
  }
  texts_[static_cast<std::size_t>(code)].append(value);
}

int PlanVariables::number(int code) const {
  if (code == var::kCharCount) {
    if (countedText_ != nullptr) {
      charCount_ = static_cast<int>(SjisCharCount(*countedText_));
      countedText_ = nullptr;
    }
    return charCount_;
  }
  return isNumberCode(code) ? numbers_[static_cast<std::size_t>(code)] : 0;
}

void PlanVariables::setNumber(int code, int value) {
  if (code == var::kCharCount) {
    countedText_ = nullptr;
    charCount_ = value;
    return;
  }
  if (isNumberCode(code)) numbers_[static_cast<std::size_t>(code)] = value;
}

void PlanVariables::restoreCharCountSource(const CharCountSource& source) {
  countedText_ = source.text;
  charCount_ = source.count;
}

void PlanVariables::setNow(const DateTime& now) {
  now_ = now;
  nowFormatted_ = false;
}

void PlanVariables::formatNow() const {
  if (nowFormatted_) return;
  nowTexts_[0] = FormatTime("%Y/%m/%d %H:%M:%S", now_);
  nowTexts_[1] = FormatTime("%Y/%m/%d", now_);
  nowTexts_[2] = FormatTime("%H:%M:%S", now_);
  nowFormatted_ = true;
}

std::string_view PlanVariables::valueOf(int code, std::array<char, 32>& buffer) const {
  if (isTextCode(code)) return textView(code);
  int value = number(code);
  int width = code >= var::kFormatCounter01 && code <= var::kFormatCounter01 + 8
                  ? code - var::kFormatCounter01 + 1
                  : 1;
  int length = std::snprintf(buffer.data(), buffer.size(), "%0*d", width, value);
  return std::string_view(buffer.data(), static_cast<std::size_t>(length));
}

std::optional<std::string> PlanVariables::substitute(std::string_view setting,
                                                     std::size_t maxBytes) const {
  if (setting.size() > maxBytes) return std::nullopt;
  std::string text(setting);
  const NameIndex& index = Index();
  const std::vector<NamedCode>& names = Names();
  std::array<char, 32> buffer;
  for (NameIndex::NameSet pending = index.namesIn(text, 0); pending != 0;) {
    int order = std::countr_zero(pending);
    const NamedCode& named = names[static_cast<std::size_t>(order)];
    std::optional<std::string> replaced = ReplaceAll(text, named.name, valueOf(named.code, buffer), maxBytes);
    if (!replaced) return std::nullopt;
    text = std::move(*replaced);
    // The value may bring in names, also across its edges; only those later in the order count.
    pending = index.namesIn(text, static_cast<std::size_t>(order) + 1);
  }
  return text;
}

std::vector<int> PlanVariables::substitutionOrder() {
  std::vector<int> codes;
  for (const NamedCode& named : Names()) codes.push_back(named.code);
  return codes;
}

std::string PlanVariables::nameOfCode(int code) {
  for (const NamedCode& named : Names()) {
    if (named.code == code) return named.name;
  }
  return {};
}

}  // namespace qb

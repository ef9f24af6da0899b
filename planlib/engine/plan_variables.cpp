#include "planlib/engine/plan_variables.h"

#include <cstdio>
#include <vector>

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

// Replaces every occurrence of `name` in one left-to-right pass; false when the cap was hit.
bool ReplaceAll(std::string& text, const std::string& name, const std::string& value,
                std::size_t maxBytes) {
  std::size_t hit = text.find(name);
  if (hit == std::string::npos) return true;
  std::string out;
  std::size_t pos = 0;
  while (hit != std::string::npos) {
    out.append(text, pos, hit - pos);
    out += value;
    pos = hit + name.size();
    if (out.size() > maxBytes) {
      out.resize(maxBytes);
      text = std::move(out);
      return false;
    }
    hit = text.find(name, pos);
  }
  out.append(text, pos, std::string::npos);
  bool capped = out.size() > maxBytes;
  if (capped) out.resize(maxBytes);
  text = std::move(out);
  return !capped;
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

std::string PlanVariables::text(int code) const {
  return isTextCode(code) ? texts_[code] : std::string();
}

void PlanVariables::setText(int code, std::string value) {
  if (isTextCode(code)) texts_[code] = std::move(value);
}

int PlanVariables::number(int code) const { return isNumberCode(code) ? numbers_[code] : 0; }

void PlanVariables::setNumber(int code, int value) {
  if (isNumberCode(code)) numbers_[code] = value;
}

void PlanVariables::setNow(const DateTime& now) {
  texts_[var::kNowDateTime] = FormatTime("%Y/%m/%d %H:%M:%S", now);
  texts_[var::kNowDate] = FormatTime("%Y/%m/%d", now);
  texts_[var::kNowTime] = FormatTime("%H:%M:%S", now);
}

std::string PlanVariables::valueOf(int code) const {
  if (isTextCode(code)) return texts_[code];
  int value = numbers_[code];
  if (code >= var::kFormatCounter01 && code <= var::kFormatCounter01 + 8) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", code - var::kFormatCounter01 + 1, value);
    return buffer;
  }
  return std::to_string(value);
}

std::string PlanVariables::substitute(std::string_view setting, std::size_t maxBytes) const {
  std::string text(setting);
  for (const NamedCode& named : Names()) {
    if (text.find("<$") == std::string::npos) break;
    if (!ReplaceAll(text, named.name, valueOf(named.code), maxBytes)) break;
  }
  if (text.size() > maxBytes) text.resize(maxBytes);
  return text;
}

std::string PlanVariables::nameOfCode(int code) {
  for (const NamedCode& named : Names()) {
    if (named.code == code) return named.name;
  }
  return {};
}

}  // namespace qb

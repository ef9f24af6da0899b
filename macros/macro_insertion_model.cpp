#include "macros/macro_insertion_model.h"

namespace qb {

MacroInsertionModel::MacroInsertionModel(MacroAnalyzer& analyzer, SysdateStore& store)
    : analyzer_(analyzer), store_(store) {}

const std::vector<std::string>& MacroInsertionModel::kindNames() {
  static const std::vector<std::string> names = {"現在日時マクロ", "貼付時入力マクロ", "キーマクロ"};
  return names;
}

const std::vector<MacroFormat>& MacroInsertionModel::inputFormats() {
  static const std::vector<MacroFormat> formats = [] {
    std::vector<MacroFormat> list;
    for (int n = 1; n <= 5; ++n) {
      list.push_back({"入力" + std::to_string(n),
                      std::string(kActionInOpen) + "<@IN0" + std::to_string(n) + "/>" +
                          kActionInClose});
    }
    return list;
  }();
  return formats;
}

const std::vector<MacroFormat>& MacroInsertionModel::keyFormats() {
  static const std::vector<MacroFormat> formats = {
      {"Tabキー（0.2秒待ってキー押下）", "<@@KEYIN><@TAB01/>200<@@/KEYIN>"},
      {"Tabキー（0.4秒待ってキー押下）", "<@@KEYIN><@TAB01/>400<@@/KEYIN>"},
      {"Tabキー（0.6秒待ってキー押下）", "<@@KEYIN><@TAB01/>600<@@/KEYIN>"},
      {"Enterキー（0.2秒待ってキー押下）", "<@@KEYIN><@ENTER01/>200<@@/KEYIN>"},
      {"Enterキー（0.4秒待ってキー押下）", "<@@KEYIN><@ENTER01/>400<@@/KEYIN>"},
      {"Enterキー（0.6秒待ってキー押下）", "<@@KEYIN><@ENTER01/>600<@@/KEYIN>"},
  };
  return formats;
}

void MacroInsertionModel::selectKind(MacroKind kind) {
  kind_ = kind;
  formats_.clear();
  if (kind == MacroKind::kInput) {
    formats_ = inputFormats();
  } else if (kind == MacroKind::kKey) {
    formats_ = keyFormats();
  } else {
    store_.storePresetsIfEmpty();
    SysdateDefinitions definitions;
    store_.m_SysdateGet(definitions);
    const DateTime now = analyzer_.clock().localNow();
    for (int i = 0; i < definitions.count; ++i) {
      std::string text;
      if (analyzer_.m_Sysdate(definitions.macroTexts[i], now, text) != 0) text = "ERROR";
      formats_.push_back({text, definitions.macroTexts[i]});
    }
  }
  selected_ = formats_.empty() ? -1 : 0;
}

std::string MacroInsertionModel::explanation() const {
  switch (kind_) {
    case MacroKind::kDate:
      return "現在日時マクロは現在の日付や時間を貼り付けます。形式は定義画面で作成することができます。";
    case MacroKind::kInput:
      return "貼付時入力マクロは作業中文書への貼り付け時に文字列を穴埋めします。\r\n"
             "形式は５つ（入力１～５）用意されていますので、最大５種類の文字列を穴埋めできます。\r\n"
             "また１つの形式を複数の箇所に配置することもできます。";
    case MacroKind::kKey:
      return "キーマクロはキー押下を擬似的に発生させます。\r\n"
             "例えば”ユーザID【Tab：200】パスワード”であれば、”ユーザID”を貼り付け後にTabキーを押下させ、次に”パスワード”を貼り付けます。\r\n"
             "形式は２種類（TabキーとEnterキー）用意されていますので、自由に組み合わせてください。";
  }
  return std::string();
}

int MacroInsertionModel::display(const std::string& macroText, std::string& text) {
  switch (kind_) {
    case MacroKind::kDate:
      return analyzer_.m_Sysdate(macroText, analyzer_.clock().localNow(), text);
    case MacroKind::kInput:
      return analyzer_.m_ActionIn(macroText, text);
    case MacroKind::kKey:
      return analyzer_.m_KeyDispChang(macroText, text);
  }
  return -1;
}

std::string MacroInsertionModel::preview() {
  if (selected_ < 0 || selected_ >= static_cast<int>(formats_.size())) return std::string();
  if (kind_ == MacroKind::kDate) return formats_[selected_].listText;
  std::string text;
  return display(formats_[selected_].macroText, text) == 0 ? text : std::string("ERROR");
}

std::optional<InsertedMacro> MacroInsertionModel::ok() {
  if (selected_ < 0 || selected_ >= static_cast<int>(formats_.size())) return std::nullopt;
  InsertedMacro macro{formats_[selected_].macroText, ""};
  if (display(macro.macroText, macro.display) != 0) return std::nullopt;
  return macro;
}

}  // namespace qb

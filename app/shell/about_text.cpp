#include "app/shell/about_text.h"

#include "quillbox_version.h"

namespace qb {

std::string AboutText(std::string_view dataHomeFolder) {
  std::string text = "Quillbox　Version ";
  text += kProductVersion;
  text += "\n\nクリップボード履歴・定型文ツール\n\nデータの保存場所：\n　";
  text += dataHomeFolder;
  text += "　";
  return text;
}

}  // namespace qb

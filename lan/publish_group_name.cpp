#include "lan/publish_group_name.h"

namespace qb {

bool PublishGroupNameModel::accept(std::string_view typed) {
  auto refuse = [&](const char* message) {
    ui_.showMessage(message, MessageIcon::kExclamation);
    return false;
  };
  if (typed.empty()) return refuse("公開グループ名を入力してください　");
  if (typed.find(":::") != std::string_view::npos) return refuse("':::' は入力できません");
  if (typed.find_first_of("\r\n") != std::string_view::npos) {
    return refuse("公開グループ名に改行は使用できません　");
  }
  if (typed.size() > kMaxBytes) return refuse("公開グループ名は半角64文字以内で入力してください　");
  for (int i = 0; i < count_ && i < 10; ++i) {
    if (registered_[static_cast<std::size_t>(i)] == typed) {
      return refuse("この公開グループ名は既に登録されています　");
    }
  }
  name_ = std::string(typed);
  return true;
}

}  // namespace qb

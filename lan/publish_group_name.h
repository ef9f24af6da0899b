// The dialog "Quillbox＜公開グループの追加＞": one name field, checked at OK. A publish group
// name travels as a field of every OPEN datagram and is stored as a settings value, so it can
// hold neither ":::" nor a line break; it must not be empty or already registered.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace qb {

class PublishGroupNameModel {
 public:
  static constexpr std::size_t kMaxBytes = 64;

  PublishGroupNameModel(Ui& ui, const std::array<std::string, 10>& registered, int count)
      : ui_(ui), registered_(registered), count_(count) {}

  static constexpr const char* kCaption = "Quillbox＜公開グループの追加＞";
  static constexpr const char* kPrompt = "公開グループ名：";

  // OK with the typed name: true when it is taken (name() holds it), false after the message.
  bool accept(std::string_view typed);
  const std::string& name() const { return name_; }

 private:
  Ui& ui_;
  std::array<std::string, 10> registered_;
  int count_;
  std::string name_;
};

}  // namespace qb

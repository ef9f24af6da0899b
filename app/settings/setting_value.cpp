#include "app/settings/setting_value.h"

#include <cstdio>
#include <stdexcept>
#include <type_traits>

#include "base/numbers.h"

namespace qb {

void ReadFieldValue(FieldRef field, std::string_view text, const KeyLimit& limit) {
  if (auto* integer = std::get_if<std::int32_t*>(&field)) {
    **integer = limit.apply(ParseLeadingInt(text));
  } else if (auto* decimal = std::get_if<double*>(&field)) {
    **decimal = ParseLeadingDecimal(text);
  } else {
    *std::get<std::string*>(field) = std::string(text);
  }
}

void AssignFieldValue(FieldRef field, const SettingValue& value) {
  if (field.index() != value.index()) {
    throw std::logic_error("settings default of the wrong kind");
  }
  std::visit(
      [&value](auto* target) {
        using Field = std::remove_pointer_t<decltype(target)>;
        *target = std::get<Field>(value);
      },
      field);
}

std::string FormatFieldValue(FieldRef field) {
  if (auto* integer = std::get_if<std::int32_t*>(&field)) return std::to_string(**integer);
  if (auto* decimal = std::get_if<double*>(&field)) {
    const int length = std::snprintf(nullptr, 0, "%0.3f", **decimal);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%0.3f", **decimal);
    return text;
  }
  return *std::get<std::string*>(field);
}

}  // namespace qb

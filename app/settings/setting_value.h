// A settings field as the key tables see it: a signed 32-bit integer, a decimal or a text, and
// the conversions between a field and the value text of a settings line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "app/settings/key_limit.h"

namespace qb {

// Points at one field of a settings object.
using FieldRef = std::variant<std::int32_t*, double*, std::string*>;
// A value of the same three kinds, in the same order.
using SettingValue = std::variant<std::int32_t, double, std::string>;

// Integers take their leading decimal digits (optional sign; no digits gives 0) and then the
// limit; decimals their leading decimal number (none gives 0); texts are taken as they are.
void ReadFieldValue(FieldRef field, std::string_view text, const KeyLimit& limit);

// Stores a value of the field's own kind (a default); a value of another kind is a fault of the
// key table and throws std::logic_error.
void AssignFieldValue(FieldRef field, const SettingValue& value);

// "%d" for integers, "%0.3f" for decimals, texts as they are.
std::string FormatFieldValue(FieldRef field);

}  // namespace qb
